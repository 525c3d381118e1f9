#include "runtime/random.h"

#include "runtime/clock.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace rt {

RandomSource::~RandomSource() = default;

TimeSeededRandom::TimeSeededRandom() { reseed(SystemTimeOfDay().seconds()); }

TimeSeededRandom::TimeSeededRandom(float secondsSinceMidnight) { reseed(secondsSinceMidnight); }

void TimeSeededRandom::reseed(float secondsSinceMidnight) {
  // The bit pattern keeps every centisecond of the day a distinct seed.
  m_engine.seed(std::bit_cast<uint32_t>(secondsSinceMidnight));
}

float TimeSeededRandom::next() {
  // 24 random bits fill a single's significand exactly: k / 2^24 with
  // k <= 2^24 - 1, so the largest value is 1 - 2^-24, strictly below 1.
  uint32_t k = static_cast<uint32_t>(m_engine()) >> 8;
  float f = static_cast<float>(k) * (1.0f / 16777216.0f);
  if (f >= 1.0f) f = std::nextafter(1.0f, 0.0f);
  return f;
}

}  // namespace rt
