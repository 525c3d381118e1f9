#pragma once
// A timer that ticks every Interval milliseconds while enabled. Setting the interval (also
// inside the timer's own tick) starts the count afresh from that moment; an interval of 0
// stops the ticks. A tick never begins while the previous one is still running (a tick that
// waits on a message box lets no second tick in behind it).

#include <QTimer>
#include <cstdint>
#include <functional>

namespace rt {
class TickClock;
}

namespace plat {

class Timer : public QObject {
  Q_OBJECT
 public:
  explicit Timer(QObject* parent);
  void setEnabled(bool on);
  bool enabled() const { return m_enabled; }
  // Negative intervals count as 0.
  void setInterval(int ms);
  int interval() const { return m_interval; }
  // Whether the toolkit's timer is counting now (enabled with an interval above 0).
  bool isCounting() const { return m_timer.isActive(); }
  // Runs one tick now, as the timer would (tests drive animations this way).
  void fire();
  std::function<void()> onTimer;

 private:
  void tick();
  void restart();
  QTimer m_timer;
  bool m_enabled = false;
  bool m_inTick = false;
  int m_interval = 0;
};

// Pacing for animations that want one tick every `period` ms: the next interval is the
// period less the time the tick itself took, at least 1 ms. The tick counter wraps at 2^32;
// the time between two readings is taken across the wrap.
int pacedInterval(int period, uint32_t tickStartMs, uint32_t tickEndMs);

// The pattern of most animations: note the tick counter as a tick begins, and at its end
// shorten the next interval by the time the tick took.
//   void swingStep() { pacer.begin(); ...the step...; pacer.pace(swingTimer, 100); }
// A tick that stops the animation on its way simply does not call pace.
class TickPacer {
 public:
  explicit TickPacer(rt::TickClock& clock) : m_clock(&clock) {}
  void begin();
  // Milliseconds since begin.
  uint32_t elapsed() const;
  // The next interval for a tick every `period` ms.
  int nextInterval(int period) const;
  // Sets the timer's next interval.
  void pace(Timer& timer, int period) const { timer.setInterval(nextInterval(period)); }

 private:
  rt::TickClock* m_clock;
  uint32_t m_start = 0;
};

}  // namespace plat
