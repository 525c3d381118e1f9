#pragma once
// Clocks set by hand and random numbers from a script: the time and chance sources tests
// install, so an animation or a throw of the dice runs the same way every time.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/clock.h"
#include "runtime/random.h"

namespace rt {

class ManualTickClock : public TickClock {
 public:
  explicit ManualTickClock(uint32_t start = 0) : now_(start) {}
  uint32_t ticks() override { return now_; }
  void set(uint32_t ms) { now_ = ms; }
  void advance(uint32_t ms) { now_ += ms; }  // wraps modulo 2^32

 private:
  uint32_t now_;
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

// Returns the given values in order, starting again after the last.
// Throws std::invalid_argument for an empty list or a value outside [0, 1).
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> values);
  float next() override;
  // How many values have been drawn so far.
  std::size_t drawn() const { return drawn_; }

 private:
  std::vector<float> values_;
  std::size_t drawn_ = 0;
};

}  // namespace rt
