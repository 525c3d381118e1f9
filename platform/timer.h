#pragma once
// A timer that ticks every Interval milliseconds while enabled. The interval may change
// inside its own tick and applies from that tick on; an interval of 0 stops the ticks.

#include <QTimer>
#include <functional>

namespace plat {

class Timer : public QObject {
  Q_OBJECT
 public:
  explicit Timer(QObject* parent);
  void setEnabled(bool on);
  bool enabled() const { return m_enabled; }
  void setInterval(int ms);
  int interval() const { return m_interval; }
  // Runs one tick now, as the timer would (tests drive animations this way).
  void fire();
  std::function<void()> onTimer;

 private:
  void restart();
  QTimer m_timer;
  bool m_enabled = false;
  int m_interval = 0;
};

// Pacing for animations that want one tick every `period` ms: the next interval is the
// period less the time the tick itself took, at least 1 ms.
int pacedInterval(int period, uint32_t tickStartMs, uint32_t tickEndMs);

}  // namespace plat
