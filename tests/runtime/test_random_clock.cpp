#include "runtime/clock.h"
#include "runtime/random.h"
#include "tests/support/manualsources.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ScriptedRandom, ReturnsValuesInOrderAndCycles) {
  rt::ScriptedRandom r({0.25f, 0.0f, 0.999f});
  EXPECT_EQ(r.next(), 0.25f);
  EXPECT_EQ(r.next(), 0.0f);
  EXPECT_EQ(r.next(), 0.999f);
  EXPECT_EQ(r.next(), 0.25f);
  EXPECT_EQ(r.drawn(), 4u);
  EXPECT_THROW(rt::ScriptedRandom({}), std::invalid_argument);
  EXPECT_THROW(rt::ScriptedRandom({0.5f, 1.0f}), std::invalid_argument);
}

TEST(TimeSeededRandom, StaysInUnitIntervalAndRepeatsPerSeed) {
  rt::TimeSeededRandom a(12345.67f), b(12345.67f);
  double sum = 0;
  for (int i = 0; i < 200000; ++i) {
    float x = a.next();
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
    ASSERT_EQ(x, b.next());
    sum += x;
  }
  EXPECT_NEAR(sum / 200000, 0.5, 0.01);

  a.randomize(100.0f);
  b.reseed(100.01f);
  EXPECT_NE(a.next(), b.next());
}

TEST(TickClock, DifferencesSurviveTheWrap) {
  rt::ManualTickClock clock(0xFFFFFF00u);
  uint32_t start = clock.ticks();
  clock.advance(0x200);
  EXPECT_EQ(clock.ticks(), 0x100u);
  EXPECT_EQ(rt::elapsedMs(start, clock.ticks()), 0x200u);
  EXPECT_EQ(rt::elapsedMs(5, 5), 0u);

  rt::SystemTickClock system;
  uint32_t t0 = system.ticks();
  EXPECT_LT(rt::elapsedMs(t0, system.ticks()), 1000u);
}

TEST(TimeOfDay, StaysWithinTheDay) {
  rt::ManualTimeOfDay t(86399.5f);
  t.advance(1.0f);
  EXPECT_FLOAT_EQ(t.seconds(), 0.5f);
  t.set(-10.0f);
  EXPECT_FLOAT_EQ(t.seconds(), 86390.0f);

  float now = rt::SystemTimeOfDay().seconds();
  EXPECT_GE(now, 0.0f);
  EXPECT_LT(now, 86400.0f);
}

}  // namespace
