#include "shell/clocks.h"

#include <chrono>
#include <thread>

#include "runtime/random.h"

namespace shell {

namespace {
rt::TimeOfDayClock* g_timeOfDay = nullptr;
rt::TickClock* g_ticks = nullptr;
rt::RandomSource* g_random = nullptr;

rt::TimeSeededRandom& ownRandom() {
  static rt::TimeSeededRandom generator(timeOfDay().seconds());
  return generator;
}
}  // namespace

rt::TimeOfDayClock& timeOfDay() {
  static rt::SystemTimeOfDay system;
  return g_timeOfDay ? *g_timeOfDay : system;
}
rt::TickClock& tickClock() {
  static rt::SystemTickClock system;
  return g_ticks ? *g_ticks : system;
}
void setTimeOfDayClock(rt::TimeOfDayClock* c) { g_timeOfDay = c; }
void setTickClock(rt::TickClock* c) { g_ticks = c; }

void delay(float seconds) {
  if (!(seconds > 0)) return;
  const float start = timeOfDay().seconds();
  for (;;) {
    float elapsed = timeOfDay().seconds() - start;
    if (elapsed < 0) elapsed += 86400.0f;  // the clock went past midnight
    if (elapsed >= seconds) return;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

rt::RandomSource& randomSource() { return g_random ? *g_random : ownRandom(); }
void setRandomSource(rt::RandomSource* r) { g_random = r; }
void randomize() { ownRandom().reseed(timeOfDay().seconds()); }

}  // namespace shell
