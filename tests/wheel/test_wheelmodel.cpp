// The wheel's physics and the derived quantities, stepped by hand.

#include <gtest/gtest.h>

#include <cmath>

#include "wheel/wheelmodel.h"

namespace {

using namespace wheel;

WheelModel modelFor(const WheelSettings& s) {
  WheelModel m;
  m.SetDerived(Derive(s));
  m.Reset();
  return m;
}

TEST(WheelModel, FreshValuesDeriveTheFullFlowOfOneCanPerSecond) {
  const WheelDerived d = Derive(WheelSettings{});
  EXPECT_EQ(d.N, 5);
  EXPECT_FLOAT_EQ(d.WheelRadius, 50.8f);
  EXPECT_FLOAT_EQ(d.CanRadius, 3.81f);
  EXPECT_NEAR(d.CanArea, 45.6036, 1e-3);
  // A full can per second: 45.6 cm^2 x 15.24 cm.
  EXPECT_NEAR(d.MaxFlow, 695.0, 0.05);
  EXPECT_FLOAT_EQ(d.FlowStep, d.MaxFlow / 20);
  // A full can drains in 30 s: K * sqrt(H) / A is the starting fall rate, twice the mean.
  EXPECT_NEAR(d.DrainFactor * std::sqrt(15.24) / d.CanArea, 2 * 15.24 / 30, 1e-5);
}

TEST(WheelModel, WithTheValveClosedTheWheelStaysAt91Degrees) {
  WheelModel m = modelFor(WheelSettings{});
  m.UpdateFlow();
  for (int i = 0; i < 3000; ++i) m.Step();
  EXPECT_EQ(m.WheelAngle(), 91.0f);
  EXPECT_EQ(m.WheelSpeed(), 0.0f);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(m.CanLevel(i), 0.0f);
}

TEST(WheelModel, AtFullFlowTheCanUnderTheStreamFillsAndTheWheelTurns) {
  WheelModel m = modelFor(WheelSettings{});
  m.SetFlowSetting(20);
  m.UpdateFlow();
  const float H = m.derived().CanHeight;
  // Can 1 hangs just left of the top: it alone is under the stream at first.
  m.Step();
  EXPECT_GT(m.CanLevel(1), 0.0f);
  for (int i = 2; i <= 5; ++i) EXPECT_EQ(m.CanLevel(i), 0.0f);
  // Water left of the hub turns the wheel counter-clockwise.
  for (int i = 0; i < 20; ++i) m.Step();
  EXPECT_GT(m.WheelSpeed(), 0.0f);
  for (int i = 0; i < 6000; ++i) {
    m.Step();
    for (int c = 1; c <= 5; ++c) {
      ASSERT_GE(m.CanLevel(c), 0.0f);
      ASSERT_LE(m.CanLevel(c), H);
      ASSERT_EQ(m.WaterMass(c), m.derived().CanArea * m.CanLevel(c));
    }
    ASSERT_GE(m.WheelAngle(), -180.0f);
    ASSERT_LE(m.WheelAngle(), 180.0f);
  }
  EXPECT_NE(m.WheelAngle(), 91.0f);
}

TEST(WheelModel, TheAngleMovesWithTheSpeedFromBeforeTheStep) {
  WheelSettings s;
  s.WheelFriction = 0;
  WheelModel m = modelFor(s);
  m.SetState(10, 100);
  m.Step();
  // No water, no friction: no torque, so the speed is kept and the angle moves by 1 degree.
  EXPECT_FLOAT_EQ(m.WheelAngle(), 11.0f);
  EXPECT_EQ(m.WheelSpeed(), 100.0f);
  // Friction slows the wheel but the angle still moves by the speed before the step.
  WheelModel f = modelFor(WheelSettings{});
  f.SetState(10, 100);
  f.Step();
  EXPECT_FLOAT_EQ(f.WheelAngle(), 11.0f);
  EXPECT_LT(f.WheelSpeed(), 100.0f);
  EXPECT_GT(f.WheelSpeed(), 0.0f);
}

TEST(WheelModel, WaterRightOfTheHubTurnsTheWheelClockwise) {
  WheelModel m = modelFor(WheelSettings{});
  m.SetState(0, 0);  // can 1 at 3 o'clock
  m.SetLevel(1, 10);
  m.Step();
  EXPECT_LT(m.WheelSpeed(), 0.0f);
}

TEST(WheelModel, TheInertiaCountsTwoEmptyCansWhateverTheirNumber) {
  // The same water in can 1 at the same place turns a wheel of three cans and one of six
  // alike: the other cans are empty and the empty cans' inertia is that of two.
  WheelSettings three, six;
  three.WheelCans = 3;
  six.WheelCans = 6;
  WheelModel a = modelFor(three), b = modelFor(six);
  a.SetState(30, 0);
  b.SetState(30, 0);
  a.SetLevel(1, 8);
  b.SetLevel(1, 8);
  a.Step();
  b.Step();
  EXPECT_NE(a.WheelSpeed(), 0.0f);
  EXPECT_EQ(a.WheelSpeed(), b.WheelSpeed());
}

TEST(WheelModel, TheAngleWrapsAt180WithoutAJumpInTheCans) {
  WheelSettings s;
  s.WheelFriction = 0;
  WheelModel m = modelFor(s);
  m.SetState(179.5f, 100);
  const float x = m.CanX(1), y = m.CanY(1);
  m.Step();
  EXPECT_NEAR(m.WheelAngle(), -179.5f, 1e-3);
  EXPECT_NEAR(m.CanX(1), x, 0.05);
  EXPECT_NEAR(m.CanY(1), y, 1.0);
  m.SetState(-179.5f, -100);
  m.Step();
  EXPECT_NEAR(m.WheelAngle(), 179.5f, 1e-3);
}

TEST(WheelModel, AnEmptyCanDrainsNoFurtherAndAFullOneOverflows) {
  WheelModel m = modelFor(WheelSettings{});
  m.SetState(-90, 0);  // can 1 at the bottom, out of the stream
  m.SetLevel(1, 0);
  m.SetLevel(2, 1e-7f);
  m.Step();
  EXPECT_EQ(m.CanLevel(1), 0.0f);
  EXPECT_EQ(m.CanLevel(2), 0.0f);  // the last drop drains, never below empty
  // Under the full stream a full can stays full: what overflows is lost.
  WheelModel top = modelFor(WheelSettings{});
  top.SetFlowSetting(20);
  top.UpdateFlow();
  top.SetState(90, 0);
  top.SetLevel(1, top.derived().CanHeight);
  top.Step();
  EXPECT_EQ(top.CanLevel(1), top.derived().CanHeight);
}

TEST(WheelModel, OnlyACanInTheUpperHalfWithinOneDiameterOfTheHubGetsWater) {
  WheelSettings s;
  s.WheelCans = 2;
  WheelModel m = modelFor(s);
  m.SetFlowSetting(20);
  m.UpdateFlow();
  m.SetState(-90, 0);  // can 1 at the bottom, can 2 at the top
  m.Step();
  EXPECT_EQ(m.CanLevel(1), 0.0f);
  EXPECT_GT(m.CanLevel(2), 0.0f);
  // A can beyond two can radii of the vertical through the hub gets nothing.
  WheelModel side = modelFor(s);
  side.SetFlowSetting(20);
  side.UpdateFlow();
  side.SetState(80, 0);  // 50.8 * cos 80 = 8.8 cm, beyond 7.62
  side.Step();
  EXPECT_EQ(side.CanLevel(1), 0.0f);
}

TEST(WheelModel, TheValveStepsBetweenClosedAndFull) {
  WheelModel m = modelFor(WheelSettings{});
  EXPECT_FALSE(m.SpinDown());
  EXPECT_EQ(m.FlowSetting(), 0);
  for (int i = 0; i < 25; ++i) m.SpinUp();
  EXPECT_EQ(m.FlowSetting(), 20);
  EXPECT_FALSE(m.SpinUp());
  m.UpdateFlow();
  EXPECT_FLOAT_EQ(m.Flow(), m.derived().MaxFlow);
}

TEST(WheelLimits, TheFreshValuesStandAndHandEditedOnesAreBroughtIn) {
  WheelSettings fresh;
  EXPECT_FALSE(BringIntoLimits(fresh));
  EXPECT_EQ(fresh.WheelStickMass, 907.0295f);

  WheelSettings s;
  s.WheelUnits = 7;
  s.WheelCans = 40;
  s.WheelStickLength = 0;
  s.WheelCanHeight = -3;
  s.WheelEmptyTime = 0;
  s.WheelFillTime = 1e9f;
  s.WheelFriction = std::nanf("");
  EXPECT_TRUE(BringIntoLimits(s));
  EXPECT_EQ(s.WheelUnits, 0);
  EXPECT_EQ(s.WheelCans, 6);
  EXPECT_EQ(s.WheelStickLength, 10.0f);
  EXPECT_EQ(s.WheelCanHeight, 1.0f);
  EXPECT_EQ(s.WheelEmptyTime, 0.1f);
  EXPECT_EQ(s.WheelFillTime, 1000.0f);
  EXPECT_EQ(s.WheelFriction, 0.0f);
  // A wheel of such values runs without a number going astray.
  WheelModel m = modelFor(s);
  m.SetFlowSetting(20);
  m.UpdateFlow();
  for (int i = 0; i < 1000; ++i) m.Step();
  EXPECT_TRUE(std::isfinite(m.WheelAngle()));
  EXPECT_TRUE(std::isfinite(m.WheelSpeed()));
}

}  // namespace
