// The wheel's physics and the derived quantities, stepped by hand.

#include <gtest/gtest.h>

#include <cmath>

#include "wheel/wheelmodel.h"

namespace {

using namespace wheel;

WheelModel modelFor(const WheelSettings& s) {
  WheelModel m;
  m.setDerived(derive(s));
  m.reset();
  return m;
}

TEST(WheelModel, FreshValuesDeriveTheFullFlowOfOneCanPerSecond) {
  const WheelDerived d = derive(WheelSettings{});
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
  m.updateFlow();
  for (int i = 0; i < 3000; ++i) m.step();
  EXPECT_EQ(m.wheelAngle(), 91.0f);
  EXPECT_EQ(m.wheelSpeed(), 0.0f);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(m.canLevel(i), 0.0f);
}

TEST(WheelModel, AtFullFlowTheCanUnderTheStreamFillsAndTheWheelTurns) {
  WheelModel m = modelFor(WheelSettings{});
  m.setFlowSetting(20);
  m.updateFlow();
  const float H = m.derived().CanHeight;
  // Can 1 hangs just left of the top: it alone is under the stream at first.
  m.step();
  EXPECT_GT(m.canLevel(1), 0.0f);
  for (int i = 2; i <= 5; ++i) EXPECT_EQ(m.canLevel(i), 0.0f);
  // Water left of the hub turns the wheel counter-clockwise.
  for (int i = 0; i < 20; ++i) m.step();
  EXPECT_GT(m.wheelSpeed(), 0.0f);
  for (int i = 0; i < 6000; ++i) {
    m.step();
    for (int c = 1; c <= 5; ++c) {
      ASSERT_GE(m.canLevel(c), 0.0f);
      ASSERT_LE(m.canLevel(c), H);
      ASSERT_EQ(m.waterMass(c), m.derived().CanArea * m.canLevel(c));
    }
    ASSERT_GE(m.wheelAngle(), -180.0f);
    ASSERT_LE(m.wheelAngle(), 180.0f);
  }
  EXPECT_NE(m.wheelAngle(), 91.0f);
}

TEST(WheelModel, TheAngleMovesWithTheSpeedFromBeforeTheStep) {
  WheelSettings s;
  s.WheelFriction = 0;
  WheelModel m = modelFor(s);
  m.setState(10, 100);
  m.step();
  // No water, no friction: no torque, so the speed is kept and the angle moves by 1 degree.
  EXPECT_FLOAT_EQ(m.wheelAngle(), 11.0f);
  EXPECT_EQ(m.wheelSpeed(), 100.0f);
  // Friction slows the wheel but the angle still moves by the speed before the step.
  WheelModel f = modelFor(WheelSettings{});
  f.setState(10, 100);
  f.step();
  EXPECT_FLOAT_EQ(f.wheelAngle(), 11.0f);
  EXPECT_LT(f.wheelSpeed(), 100.0f);
  EXPECT_GT(f.wheelSpeed(), 0.0f);
}

TEST(WheelModel, WaterRightOfTheHubTurnsTheWheelClockwise) {
  WheelModel m = modelFor(WheelSettings{});
  m.setState(0, 0);  // can 1 at 3 o'clock
  m.setLevel(1, 10);
  m.step();
  EXPECT_LT(m.wheelSpeed(), 0.0f);
}

TEST(WheelModel, TheInertiaCountsTwoEmptyCansWhateverTheirNumber) {
  // The same water in can 1 at the same place turns a wheel of three cans and one of six
  // alike: the other cans are empty and the empty cans' inertia is that of two.
  WheelSettings three, six;
  three.WheelCans = 3;
  six.WheelCans = 6;
  WheelModel a = modelFor(three), b = modelFor(six);
  a.setState(30, 0);
  b.setState(30, 0);
  a.setLevel(1, 8);
  b.setLevel(1, 8);
  a.step();
  b.step();
  EXPECT_NE(a.wheelSpeed(), 0.0f);
  EXPECT_EQ(a.wheelSpeed(), b.wheelSpeed());
}

TEST(WheelModel, TheAngleWrapsAt180WithoutAJumpInTheCans) {
  WheelSettings s;
  s.WheelFriction = 0;
  WheelModel m = modelFor(s);
  m.setState(179.5f, 100);
  const float x = m.canX(1), y = m.canY(1);
  m.step();
  EXPECT_NEAR(m.wheelAngle(), -179.5f, 1e-3);
  EXPECT_NEAR(m.canX(1), x, 0.05);
  EXPECT_NEAR(m.canY(1), y, 1.0);
  m.setState(-179.5f, -100);
  m.step();
  EXPECT_NEAR(m.wheelAngle(), 179.5f, 1e-3);
}

TEST(WheelModel, AnEmptyCanDrainsNoFurtherAndAFullOneOverflows) {
  WheelModel m = modelFor(WheelSettings{});
  m.setState(-90, 0);  // can 1 at the bottom, out of the stream
  m.setLevel(1, 0);
  m.setLevel(2, 1e-7f);
  m.step();
  EXPECT_EQ(m.canLevel(1), 0.0f);
  EXPECT_EQ(m.canLevel(2), 0.0f);  // the last drop drains, never below empty
  // Under the full stream a full can stays full: what overflows is lost.
  WheelModel top = modelFor(WheelSettings{});
  top.setFlowSetting(20);
  top.updateFlow();
  top.setState(90, 0);
  top.setLevel(1, top.derived().CanHeight);
  top.step();
  EXPECT_EQ(top.canLevel(1), top.derived().CanHeight);
}

TEST(WheelModel, OnlyACanInTheUpperHalfWithinOneDiameterOfTheHubGetsWater) {
  WheelSettings s;
  s.WheelCans = 2;
  WheelModel m = modelFor(s);
  m.setFlowSetting(20);
  m.updateFlow();
  m.setState(-90, 0);  // can 1 at the bottom, can 2 at the top
  m.step();
  EXPECT_EQ(m.canLevel(1), 0.0f);
  EXPECT_GT(m.canLevel(2), 0.0f);
  // A can beyond two can radii of the vertical through the hub gets nothing.
  WheelModel side = modelFor(s);
  side.setFlowSetting(20);
  side.updateFlow();
  side.setState(80, 0);  // 50.8 * cos 80 = 8.8 cm, beyond 7.62
  side.step();
  EXPECT_EQ(side.canLevel(1), 0.0f);
}

TEST(WheelModel, TheValveStepsBetweenClosedAndFull) {
  WheelModel m = modelFor(WheelSettings{});
  EXPECT_FALSE(m.spinDown());
  EXPECT_EQ(m.flowSetting(), 0);
  for (int i = 0; i < 25; ++i) m.spinUp();
  EXPECT_EQ(m.flowSetting(), 20);
  EXPECT_FALSE(m.spinUp());
  m.updateFlow();
  EXPECT_FLOAT_EQ(m.flow(), m.derived().MaxFlow);
}

TEST(WheelLimits, TheFreshValuesStandAndHandEditedOnesAreBroughtIn) {
  WheelSettings fresh;
  EXPECT_FALSE(bringIntoLimits(fresh));
  EXPECT_EQ(fresh.WheelStickMass, 907.0295f);

  WheelSettings s;
  s.WheelUnits = 7;
  s.WheelCans = 40;
  s.WheelStickLength = 0;
  s.WheelCanHeight = -3;
  s.WheelEmptyTime = 0;
  s.WheelFillTime = 1e9f;
  s.WheelFriction = std::nanf("");
  EXPECT_TRUE(bringIntoLimits(s));
  EXPECT_EQ(s.WheelUnits, 0);
  EXPECT_EQ(s.WheelCans, 6);
  EXPECT_EQ(s.WheelStickLength, 10.0f);
  EXPECT_EQ(s.WheelCanHeight, 1.0f);
  EXPECT_EQ(s.WheelEmptyTime, 0.1f);
  EXPECT_EQ(s.WheelFillTime, 1000.0f);
  EXPECT_EQ(s.WheelFriction, 0.0f);
  // A wheel of such values runs without a number going astray.
  WheelModel m = modelFor(s);
  m.setFlowSetting(20);
  m.updateFlow();
  for (int i = 0; i < 1000; ++i) m.step();
  EXPECT_TRUE(std::isfinite(m.wheelAngle()));
  EXPECT_TRUE(std::isfinite(m.wheelSpeed()));
}

}  // namespace
