#include "platform/timer.h"

#include <QPointer>
#include <algorithm>

#include "runtime/clock.h"

namespace plat {

Timer::Timer(QObject* parent) : QObject(parent) {
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::tick() {
  // A tick that is still running (it waits on a message box or a sound) is not entered
  // again by the timer: the later tick is dropped, as a busy window would drop it.
  if (m_inTick) return;
  fire();
}

void Timer::fire() {
  if (!onTimer) return;
  m_inTick = true;
  // The handler may unload the window and with it this timer.
  QPointer<Timer> alive(this);
  onTimer();
  if (alive) m_inTick = false;
}

void Timer::setEnabled(bool on) {
  if (on == m_enabled) return;
  m_enabled = on;
  restart();
}

void Timer::setInterval(int ms) {
  m_interval = std::max(0, ms);
  restart();
}

void Timer::restart() {
  if (m_enabled && m_interval > 0)
    m_timer.start(m_interval);
  else
    m_timer.stop();
}

int pacedInterval(int period, uint32_t tickStartMs, uint32_t tickEndMs) {
  int64_t spent = int64_t(rt::elapsedMs(tickStartMs, tickEndMs));
  return int(std::max<int64_t>(1, int64_t(period) - spent));
}

void TickPacer::begin() { m_start = m_clock->ticks(); }

uint32_t TickPacer::elapsed() const { return rt::elapsedMs(m_start, m_clock->ticks()); }

int TickPacer::nextInterval(int period) const { return pacedInterval(period, m_start, m_clock->ticks()); }

}  // namespace plat
