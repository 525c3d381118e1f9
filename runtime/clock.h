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

class ManualTickClock : public TickClock {
public:
    explicit ManualTickClock(uint32_t start = 0) : now_(start) {}
    uint32_t ticks() override { return now_; }
    void set(uint32_t ms) { now_ = ms; }
    void advance(uint32_t ms) { now_ += ms; }  // wraps modulo 2^32

private:
    uint32_t now_;
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

class ManualTimeOfDay : public TimeOfDayClock {
public:
    explicit ManualTimeOfDay(float seconds = 0.0f) { set(seconds); }
    float seconds() override { return seconds_; }
    // Values outside a day are brought into [0, 86400).
    void set(float seconds);
    void advance(float seconds) { set(seconds_ + seconds); }

private:
    float seconds_ = 0.0f;
};

} // namespace rt
