// The pendulum's four parameters: limits, steps, masks and the conversions between the units
// shown and the metric settings.

#include <gtest/gtest.h>

#include "pendulum/pendparams.h"

namespace {

using pendulum::kAngle;
using pendulum::kFriction;
using pendulum::kLength;
using pendulum::kMass;
using pendulum::PendParameters;
using pendulum::PendSettings;

// What the window does: set up, then show (and so store) the four values in order.
void setup(PendParameters& p) {
  p.setupParameters();
  for (int i = kAngle; i <= kFriction; ++i) p.showParameter(i);
}

void switchUnits(PendSettings& s, PendParameters& p, int16_t option) {
  s.PendUnits = option;
  setup(p);
}

TEST(PendulumParameters, InitialSettingsInMetricUnits) {
  PendSettings s;
  PendParameters p(s);
  setup(p);
  EXPECT_EQ(p.caption(kAngle), "Angle (deg)");
  EXPECT_EQ(p.caption(kMass), "Mass (g)");
  EXPECT_EQ(p.caption(kLength), "Length (cm)");
  EXPECT_EQ(p.caption(kFriction), "Friction");
  EXPECT_EQ(p.text(kAngle), "45");
  EXPECT_EQ(p.text(kMass), "5000");
  EXPECT_EQ(p.text(kLength), "200");
  EXPECT_EQ(p.text(kFriction), "0.05");
  EXPECT_EQ(p.bobRadius(), 20);
  EXPECT_EQ(s.PendMass, 5000.0f);
  EXPECT_EQ(s.PendLength, 200.0f);
}

TEST(PendulumParameters, SwitchingUnitsRoundsTheStoredValues) {
  PendSettings s;
  PendParameters p(s);
  setup(p);
  switchUnits(s, p, 0);
  EXPECT_EQ(p.caption(kMass), "Mass (oz)");
  EXPECT_EQ(p.caption(kLength), "Length (in)");
  EXPECT_EQ(p.text(kMass), "176");
  EXPECT_EQ(p.text(kLength), "78.5");
  EXPECT_NEAR(s.PendMass, 4988.66, 0.005);
  EXPECT_NEAR(s.PendLength, 199.39, 0.005);
  EXPECT_EQ(s.PendAngle, 45.0f);
  EXPECT_EQ(s.PendFriction, 0.05f);
  switchUnits(s, p, 1);
  EXPECT_EQ(p.text(kMass), "4990");
  EXPECT_EQ(p.text(kLength), "199");
  EXPECT_EQ(s.PendMass, 4990.0f);
  EXPECT_EQ(s.PendLength, 199.0f);
  EXPECT_EQ(p.bobRadius(), 20);
}

TEST(PendulumParameters, UsLimitsAndHalfInchSteps) {
  PendSettings s;
  s.PendUnits = 0;
  PendParameters p(s);
  setup(p);
  EXPECT_EQ(p.paramMin(kMass), 1.0f);
  EXPECT_EQ(p.paramMax(kMass), 200.0f);
  EXPECT_EQ(p.paramMin(kLength), 10.0f);
  EXPECT_EQ(p.paramMax(kLength), 80.0f);
  ASSERT_TRUE(p.spinUp(kLength));
  p.showParameter(kLength);
  EXPECT_EQ(p.text(kLength), "79.0");
  EXPECT_FLOAT_EQ(s.PendLength, 79 * 2.54f);
  ASSERT_TRUE(p.spinUp(kLength));
  ASSERT_TRUE(p.spinUp(kLength));
  EXPECT_EQ(p.paramValue(kLength), 80.0f);
  EXPECT_FALSE(p.spinUp(kLength));
  // Ounces become grams: 176 oz is 4988.66 g.
  ASSERT_TRUE(p.spinDown(kMass));
  p.showParameter(kMass);
  EXPECT_EQ(p.text(kMass), "175");
  EXPECT_NEAR(s.PendMass, 175 * 1000 / 35.28, 0.001);
}

TEST(PendulumParameters, FrictionStepsStopExactlyAtTheLimits) {
  PendSettings s;
  PendParameters p(s);
  setup(p);
  int steps = 0;
  while (p.spinUp(kFriction)) {
    p.showParameter(kFriction);
    EXPECT_LE(s.PendFriction, 1.0f);
    ASSERT_LT(++steps, 200);
  }
  EXPECT_EQ(p.paramValue(kFriction), 1.0f);
  EXPECT_EQ(s.PendFriction, 1.0f);
  EXPECT_EQ(p.text(kFriction), "1.00");
  steps = 0;
  while (p.spinDown(kFriction)) {
    p.showParameter(kFriction);
    EXPECT_GE(s.PendFriction, 0.0f);
    ASSERT_LT(++steps, 200);
  }
  EXPECT_EQ(p.paramValue(kFriction), 0.0f);
  EXPECT_EQ(s.PendFriction, 0.0f);
  EXPECT_EQ(p.text(kFriction), "0.00");
}

TEST(PendulumParameters, AStepAtALimitShowsAndStoresNothing) {
  PendSettings s;
  PendParameters p(s);
  setup(p);
  EXPECT_FALSE(p.spinUp(kMass));
  EXPECT_EQ(p.paramValue(kMass), 5000.0f);
  EXPECT_FALSE(p.spinUp(kAngle));
  ASSERT_TRUE(p.spinDown(kMass));
  EXPECT_EQ(p.paramValue(kMass), 4990.0f);
  EXPECT_EQ(s.PendMass, 5000.0f);  // stored only when shown
}

TEST(PendulumParameters, HandEditedValuesOutsideTheLimits) {
  // The mass and length are brought into their limits and stored so; the angle and the
  // friction are shown as stored and step back from there.
  PendSettings s;
  s.PendLength = 201;
  s.PendMass = 7000;
  s.PendAngle = 60;
  s.PendFriction = 3;
  PendParameters p(s);
  setup(p);
  EXPECT_EQ(p.text(kLength), "200");
  EXPECT_EQ(s.PendLength, 200.0f);
  EXPECT_EQ(p.text(kMass), "5000");
  EXPECT_EQ(s.PendMass, 5000.0f);
  EXPECT_EQ(p.text(kAngle), "60");
  EXPECT_EQ(s.PendAngle, 60.0f);
  EXPECT_EQ(p.text(kFriction), "3.00");
  ASSERT_TRUE(p.spinDown(kAngle));
  p.showParameter(kAngle);
  EXPECT_EQ(p.text(kAngle), "59");
  EXPECT_EQ(s.PendAngle, 59.0f);

  s = PendSettings{};
  s.PendLength = 3;
  s.PendMass = 2;
  setup(p);
  EXPECT_EQ(s.PendLength, 50.0f);
  EXPECT_EQ(s.PendMass, 10.0f);
  EXPECT_EQ(p.bobRadius(), 1);  // sqrt(10 / 5000) * 20 = 0.89
}

TEST(PendulumParameters, MetricRoundingOfStoredValues) {
  PendSettings s;
  s.PendMass = 1234.9f;  // nearest 10 g, halves up
  s.PendLength = 99.5f;  // nearest cm, halves up
  PendParameters p(s);
  setup(p);
  EXPECT_EQ(p.text(kMass), "1230");
  EXPECT_EQ(p.text(kLength), "100");
  s.PendMass = 1235;
  setup(p);
  EXPECT_EQ(p.text(kMass), "1240");
  EXPECT_EQ(p.bobRadius(), 10);  // sqrt(1240 / 5000) * 20 = 9.96
}

TEST(PendulumParameters, AnyUnitsValueButOneMeansUs) {
  EXPECT_EQ(PendParameters::unitsOption(1), 1);
  EXPECT_EQ(PendParameters::unitsOption(0), 0);
  EXPECT_EQ(PendParameters::unitsOption(7), 0);
  EXPECT_EQ(PendParameters::unitsOption(-1), 0);
  PendSettings s;
  s.PendUnits = 7;
  PendParameters p(s);
  setup(p);
  EXPECT_EQ(p.caption(kMass), "Mass (oz)");
}

}  // namespace
