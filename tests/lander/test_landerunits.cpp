// The lander's four read-outs in feet over whole ranges of values: every altitude and every
// offset the world holds, and a sweep of speeds, against 1 / 0.3048 feet per metre as a single
// worked out here, single-precision products and the read-outs' masks.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "lander/landergame.h"
#include "tests/support/readouttext.h"

namespace {

using lander::formatReadouts;

const float kFeetPerMetre = float(1 / 0.3048);  // one world pixel is a metre

TEST(LanderUnits, ReadoutsWorkedByHand) {
  const struct {
    int16_t altitude, offset;
    float speedX, speedY;
    int16_t units;
    const char *descent, *lateral, *elevation, *target;
  } rows[] = {
      // 568 m is 1863.5 ft; 1.5 pixels a tick downward is 4.92 ft rising negative.
      {568, 0, 0, 1.5f, 0, "-4.9", "0.0", "1864", "Above"},
      {568, 0, 0, 1.5f, 1, "-1.5", "0.0", "568", "Above"},
      // The pad 199 m to the right is 652.9 ft.
      {300, -199, 0.3f, -0.66f, 0, "2.2", "1.0", "984", "653"},
      {300, 199, -0.3f, 0.66f, 0, "-2.2", "-1.0", "984", "-653"},
      // Below one metre the height reads 0; a tiny sinking speed rounds to zero without a sign.
      {0, 1, 0.01f, 0.01f, 0, "0.0", "0.0", "0", "-3"},
      {1, -1, 2.9f, -7.5f, 0, "24.6", "9.5", "3", "3"},
      {640, 640, 30.48f, -30.48f, 0, "100.0", "100.0", "2100", "-2100"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("altitude " + std::to_string(row.altitude) + ", offset " + std::to_string(row.offset));
    const lander::Readouts r = formatReadouts(row.altitude, row.offset, row.speedX, row.speedY, row.units);
    EXPECT_EQ(r.descent, row.descent);
    EXPECT_EQ(r.lateral, row.lateral);
    EXPECT_EQ(r.elevation, row.elevation);
    EXPECT_EQ(r.targetLoc, row.target);
  }
}

TEST(LanderUnits, EveryAltitudeAndOffsetReadsInFeet) {
  int wrong = 0;
  for (int16_t units : {int16_t(0), int16_t(1)}) {
    const float f = units == 1 ? 1.0f : kFeetPerMetre;
    for (int v = -1000; v <= 1000; ++v) {
      const auto x = int16_t(v);
      const lander::Readouts r = formatReadouts(x, x, 0, 0, units);
      const std::string elevation = x < 1 ? "0" : fixedReadout(double(float(x) * f), 0);
      const std::string target = std::abs(v) >= 1 ? fixedReadout(double(float(-v) * f), 0) : "Above";
      if (r.elevation != elevation && ++wrong <= 10)
        ADD_FAILURE() << "altitude " << v << " reads " << r.elevation << ", " << elevation << " expected";
      if (r.targetLoc != target && ++wrong <= 10)
        ADD_FAILURE() << "offset " << v << " reads " << r.targetLoc << ", " << target << " expected";
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(LanderUnits, SpeedsReadInFeetPerSecondOverASweep) {
  // Per-tick speeds from 40 pixels a tick one way to 40 the other, in steps that are no round
  // number of feet.
  int wrong = 0;
  for (int16_t units : {int16_t(0), int16_t(1)}) {
    const float f = units == 1 ? 1.0f : kFeetPerMetre;
    for (int k = -40000; k <= 40000; k += 3) {
      const float speed = float(k * 0.001);
      const lander::Readouts r = formatReadouts(100, 0, speed, speed, units);
      const std::string descent = fixedReadout(double(-speed * f), 1), lateral = fixedReadout(double(f * speed), 1);
      if (r.descent != descent && ++wrong <= 10)
        ADD_FAILURE() << "sinking " << speed << " reads " << r.descent << ", " << descent << " expected";
      if (r.lateral != lateral && ++wrong <= 10)
        ADD_FAILURE() << "drifting " << speed << " reads " << r.lateral << ", " << lateral << " expected";
    }
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
