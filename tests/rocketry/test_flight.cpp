// The flight plan and the state along a flight: the worked flights, both descent branches,
// the units, the mass limits and the steps that pass more than one phase.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "rocketry/flight.h"

namespace {

using namespace rocketry;

struct Events : FlightEvents {
  void burnOut() override { log.push_back("burnout"); }
  bool chuteVisible() const override { return chute; }
  void openChute() override {
    chute = true;
    log.push_back("chute");
  }
  void landed(bool silent) override { log.push_back(silent ? "landed silently" : "landed"); }
  bool chute = false;
  std::vector<std::string> log;
};

Flight planned(RocketSettings& s, float limit) {
  Flight f(s);
  f.ChuteLimit = limit;
  f.computeFlight();
  return f;
}

TEST(FlightPlan, TenNewtonsForThreePointNineSecondsWithoutParachute) {
  RocketSettings s{10.0f, 3.9f, 204, 1, 0};
  const Flight f = planned(s, kFreeLimit);
  EXPECT_NEAR(f.Weight, 2.001f, 0.0005f);
  EXPECT_NEAR(f.ThrustRatio, 4.997f, 0.0005f);
  EXPECT_NEAR(f.BurnoutSpeed, 152.9f, 0.05f);
  const FlightResults r = f.results(unitsFor(1));
  EXPECT_EQ(r.maxSpeed, "153 m/s");
  EXPECT_EQ(r.maxAltitude, "1490 m");
  EXPECT_EQ(r.apogeeTime, "19.5 s");
  EXPECT_EQ(r.descentSpeed, "-60 m/s");
  EXPECT_EQ(r.descentTime, "25.6 s");
  EXPECT_EQ(r.flightTime, "47.4 s");
  EXPECT_NEAR(f.DescentAltitude, 1306.5f, 0.05f);
  EXPECT_EQ(f.DescentSpeed, kFreeLimit);
}

TEST(FlightPlan, TheParachuteSlowsTheDescentToFifteen) {
  RocketSettings s{10.0f, 3.9f, 204, 1, 1};
  const Flight f = planned(s, kChuteLimit);
  const FlightResults r = f.results(unitsFor(1));
  EXPECT_EQ(r.maxSpeed, "153 m/s");
  EXPECT_EQ(r.descentSpeed, "-15 m/s");
  EXPECT_EQ(r.descentTime, "21.0 s");
  EXPECT_NEAR(f.DescentAltitude, 1478.6f, 0.05f);
  EXPECT_EQ(r.flightTime, "119.6 s");
}

TEST(FlightPlan, UsUnitsChangeOnlyTheSpeedsAndHeights) {
  RocketSettings s{10.0f, 3.9f, 204, 0, 0};
  const Flight f = planned(s, kFreeLimit);
  const FlightResults us = f.results(unitsFor(0));
  const FlightResults metric = f.results(unitsFor(1));
  EXPECT_EQ(us.maxSpeed, "502 ft/s");
  EXPECT_EQ(us.maxAltitude, "4889 ft");
  EXPECT_EQ(us.descentSpeed, "-197 ft/s");
  EXPECT_EQ(us.apogeeTime, metric.apogeeTime);
  EXPECT_EQ(us.descentTime, metric.descentTime);
  EXPECT_EQ(us.flightTime, metric.flightTime);
  // With the parachute, -15 m/s reads -49 ft/s.
  EXPECT_EQ(planned(s, kChuteLimit).results(unitsFor(0)).descentSpeed, "-49 ft/s");
}

TEST(FlightPlan, ALightFlightLandsBeforeEitherLimit) {
  for (float limit : {kFreeLimit, kChuteLimit}) {
    RocketSettings s{2.0f, 0.5f, 140, 1, limit == kChuteLimit ? int16_t(1) : int16_t(0)};
    const Flight f = planned(s, limit);
    const FlightResults r = f.results(unitsFor(1));
    EXPECT_EQ(r.descentSpeed, "-4 m/s");
    EXPECT_NEAR(f.DescentSpeed, -4.0f, 0.01f);
    EXPECT_EQ(r.descentTime, "1.1 s");
    EXPECT_EQ(r.flightTime, "1.1 s");
    EXPECT_EQ(f.DescentTime, f.FlightTime);
    EXPECT_EQ(f.DescentAltitude, 0.0f);
  }
}

TEST(FlightPlan, AnImpactExactlyAtTheLimitHasNoSteadyDescent) {
  RocketSettings s{2.0f, 0.5f, 140, 1, 0};
  Flight probe = planned(s, kFreeLimit);
  // A limit equal to the free fall's own impact speed takes the free-fall branch.
  const float vi = float(double(probe.FlightTime - probe.ApogeeTime) * -9.81);
  Flight f = planned(s, vi);
  EXPECT_EQ(f.DescentSpeed, vi);
  EXPECT_EQ(f.DescentTime, f.FlightTime);
  EXPECT_EQ(f.DescentAltitude, 0.0f);
  // A hair slower limit is reached in the air.
  f.ChuteLimit = std::nextafter(vi, 0.0f);
  f.computeFlight();
  EXPECT_EQ(f.DescentSpeed, f.ChuteLimit);
  EXPECT_GT(f.DescentAltitude, 0.0f);
}

TEST(FlightState, FollowsThePhasesAndRaisesTheEventsOnce) {
  RocketSettings s{10.0f, 3.9f, 204, 1, 1};
  Flight f = planned(s, kChuteLimit);
  f.resetState();
  EXPECT_FLOAT_EQ(f.NetForce, 10.0f - f.Weight);
  Events e;
  std::vector<int16_t> phases;
  while (f.FlightClock < f.FlightTime) {
    f.FlightClock = f.FlightClock + 0.05f;
    f.updateFlight(e);
    if (phases.empty() || phases.back() != f.Phase) phases.push_back(f.Phase);
    ASSERT_GE(f.Altitude, -0.5f);
    ASSERT_LE(f.Velocity, f.BurnoutSpeed + 0.001f);
  }
  EXPECT_EQ(phases, (std::vector<int16_t>{1, 0, -1}));
  EXPECT_EQ(e.log, (std::vector<std::string>{"burnout", "chute", "landed"}));
  EXPECT_EQ(f.FlightClock, f.FlightTime);
  EXPECT_EQ(f.Altitude, 0.0f);
  EXPECT_EQ(f.Velocity, kChuteLimit);
  EXPECT_EQ(f.NetForce, 0.0f);
}

TEST(FlightState, NetForceRampsFromMinusWeightToNothing) {
  RocketSettings s{10.0f, 3.9f, 204, 1, 0};
  Flight f = planned(s, kFreeLimit);
  f.resetState();
  Events e;
  // Coasting upwards the rocket feels only its weight.
  f.FlightClock = 10;
  f.updateFlight(e);
  EXPECT_EQ(f.Phase, 0);
  EXPECT_GT(f.Velocity, 0);
  EXPECT_EQ(f.NetForce, -f.Weight);
  EXPECT_NEAR(f.Altitude, (10 - 3.9f) * f.BurnoutSpeed + f.BurnoutAltitude - (10 - 3.9f) * (10 - 3.9f) * 4.905f, 0.05f);
  // Half way from the top to the limit speed, half the weight is held up by the air.
  f.FlightClock = (f.ApogeeTime + f.DescentTime) / 2;
  f.updateFlight(e);
  EXPECT_LT(f.Velocity, 0);
  EXPECT_NEAR(f.NetForce, -f.Weight / 2, 0.001f);
  // Without a parachute chosen nothing opens.
  EXPECT_EQ(e.log, (std::vector<std::string>{"burnout"}));
}

TEST(FlightState, OneStepAcrossBurnOutAndDescentUsesTheDescentFormula) {
  RocketSettings s{10.0f, 3.9f, 204, 1, 1};
  Flight f = planned(s, kChuteLimit);
  f.resetState();
  Events e;
  f.FlightClock = 30;  // past the burn time and the descent time (21.0 s) at once
  f.updateFlight(e);
  EXPECT_EQ(f.Phase, -1);
  EXPECT_EQ(f.Velocity, kChuteLimit);
  EXPECT_EQ(f.NetForce, 0.0f);
  EXPECT_NEAR(f.Altitude, (30 - f.DescentTime) * kChuteLimit + f.DescentAltitude, 0.01f);
  // The coast never ran, so the parachute never opened.
  EXPECT_EQ(e.log, (std::vector<std::string>{"burnout"}));
}

TEST(FlightState, ARepliedFlightMakesNoSoundAndOpensNoParachute) {
  RocketSettings s{10.0f, 3.9f, 204, 1, 1};
  Flight f = planned(s, kChuteLimit);
  f.resetState();
  f.Silent = 1;
  Events e;
  for (float t : {1.0f, 5.0f, 20.0f, 200.0f}) {
    f.FlightClock = t;
    f.updateFlight(e);
  }
  // Burn-out still happens (the smoke goes), the landing is silent.
  EXPECT_EQ(e.log, (std::vector<std::string>{"burnout", "landed silently"}));
}

TEST(FlightState, TheLightFlightStillOpensItsParachuteAfterTheTop) {
  RocketSettings s{2.0f, 0.5f, 140, 1, 1};
  Flight f = planned(s, kChuteLimit);
  f.resetState();
  Events e;
  while (f.FlightClock < f.FlightTime) {
    f.FlightClock = f.FlightClock + 0.05f;
    f.updateFlight(e);
  }
  EXPECT_EQ(e.log, (std::vector<std::string>{"burnout", "chute", "landed"}));
}

TEST(MassInputs, LimitsKeepTheWeightBetweenAFifthAndSevenTenthsOfTheThrust) {
  EXPECT_EQ(massLimits(2.0f).min, 41);
  EXPECT_EQ(massLimits(2.0f).max, 143);
  EXPECT_EQ(massLimits(10.0f).min, 204);
  EXPECT_EQ(massLimits(10.0f).max, 714);
  EXPECT_EQ(massLimits(5.0f).min, 102);
  EXPECT_EQ(massLimits(5.0f).max, 357);
  EXPECT_EQ(massLimits(3.0f).min, 61);
  EXPECT_EQ(massLimits(3.0f).max, 214);
}

TEST(MassInputs, ANewThrustPullsTheMassToTheNearerLimit) {
  // 2.0 N to 5.0 N with 100 g: too light, up to 101.9 g.
  auto up = massForThrust(5.0f, 100);
  ASSERT_TRUE(up);
  EXPECT_NEAR(*up, 101.94f, 0.01f);
  // 10.0 N to 3.0 N with 500 g: too heavy, down to 214 g.
  auto down = massForThrust(3.0f, 500);
  ASSERT_TRUE(down);
  EXPECT_NEAR(*down, 214.07f, 0.01f);
  // 140 g at 2.0 N may stay.
  EXPECT_FALSE(massForThrust(2.0f, 140));
  EXPECT_FALSE(massForThrust(10.0f, 204));
}

TEST(MassInputs, ReadoutsAndStoredValuesInRange) {
  EXPECT_EQ(tenthsText(204 * unitsFor(0).MassFactor), "7.2");
  EXPECT_EQ(tenthsText(204 * unitsFor(1).MassFactor), "204.0");
  EXPECT_EQ(unitsFor(0).MassHead, "Mass (oz)");
  EXPECT_EQ(unitsFor(1).MassHead, "Mass (g)");
  // Stored values become bar values within the bar's range, whatever the file held.
  EXPECT_EQ(barValue(10.0f, 10, kThrustMin, kThrustMax), 100);
  EXPECT_EQ(barValue(3.9f, 10, kBurnMin, kBurnMax), 39);
  EXPECT_EQ(barValue(102.5f, 1, 41, 143), 102);  // halves to even
  EXPECT_EQ(barValue(1e30f, 10, kThrustMin, kThrustMax), 100);
  EXPECT_EQ(barValue(-5.0f, 10, kThrustMin, kThrustMax), 20);
  EXPECT_EQ(barValue(std::nanf(""), 1, 41, 143), 41);
}

}  // namespace
