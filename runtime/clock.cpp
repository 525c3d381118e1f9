#include "runtime/clock.h"

#include <chrono>
#include <ctime>

namespace rt {

TickClock::~TickClock() = default;
TimeOfDayClock::~TimeOfDayClock() = default;

uint32_t SystemTickClock::ticks() {
  using namespace std::chrono;
  auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

float SystemTimeOfDay::seconds() {
  using namespace std::chrono;
  auto now = system_clock::now();
  auto whole = floor<std::chrono::seconds>(now);
  auto centis = duration_cast<milliseconds>(now - whole).count() / 10;  // 0..99
  std::time_t t = system_clock::to_time_t(whole);
  std::tm local{};
  if (!localtime_r(&t, &local)) return 0.0f;
  int sec = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second stays within the day
  // Centiseconds below 86400 stay below it as a single (its step there is 1/128 s).
  double s = local.tm_hour * 3600.0 + local.tm_min * 60.0 + sec + static_cast<double>(centis) / 100.0;
  return static_cast<float>(s);
}

}  // namespace rt
