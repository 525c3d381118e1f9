#pragma once

// Time sources. The projects time their animations with a millisecond tick
// count and seed their random numbers from the time of day; both are
// interfaces so tests can drive them by hand.

#include <cstdint>

namespace rt {

// Milliseconds since an arbitrary origin. The count wraps at 2^32 (about 49.7
// days), so intervals are always taken with elapsedMs / uint32_t subtraction.
class TickClock {
 public:
  virtual ~TickClock();
  virtual uint32_t ticks() = 0;
};

class SystemTickClock : public TickClock {
 public:
  uint32_t ticks() override;
};

// Milliseconds from `from` to `to`, correct across one wrap of the tick count.
constexpr uint32_t elapsedMs(uint32_t from, uint32_t to) { return to - from; }

// Seconds since local midnight, in [0, 86400).
class TimeOfDayClock {
 public:
  virtual ~TimeOfDayClock();
  virtual float seconds() = 0;
};

// Local time with centisecond resolution.
class SystemTimeOfDay : public TimeOfDayClock {
 public:
  float seconds() override;
};

}  // namespace rt
