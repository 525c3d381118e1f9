#pragma once

// Uniform random singles in [0, 1). Projects take a RandomSource so that tests
// can script the sequence.

#include <random>

namespace rt {

class RandomSource {
 public:
  virtual ~RandomSource();
  // A uniform single in [0, 1); never 1.
  virtual float next() = 0;
};

// Mersenne twister seeded from the time of day, as the projects re-seed on start.
class TimeSeededRandom : public RandomSource {
 public:
  TimeSeededRandom();  // seeds from the current local time of day
  explicit TimeSeededRandom(float secondsSinceMidnight);

  void reseed(float secondsSinceMidnight);
  void randomize(float seconds) { reseed(seconds); }
  float next() override;

 private:
  std::mt19937 m_engine;
};

}  // namespace rt
