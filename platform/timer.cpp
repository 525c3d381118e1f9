#include "platform/timer.h"

#include <algorithm>

namespace plat {

Timer::Timer(QObject* parent) : QObject(parent) {
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &Timer::fire);
}

void Timer::fire() {
  if (onTimer) onTimer();
}

void Timer::setEnabled(bool on) {
  if (on == m_enabled) return;
  m_enabled = on;
  restart();
}

void Timer::setInterval(int ms) {
  if (ms == m_interval) return;
  m_interval = ms;
  restart();
}

void Timer::restart() {
  if (m_enabled && m_interval > 0)
    m_timer.start(m_interval);
  else
    m_timer.stop();
}

int pacedInterval(int period, uint32_t tickStartMs, uint32_t tickEndMs) {
  int64_t spent = int64_t(uint32_t(tickEndMs - tickStartMs));
  return int(std::max<int64_t>(1, int64_t(period) - spent));
}

}  // namespace plat
