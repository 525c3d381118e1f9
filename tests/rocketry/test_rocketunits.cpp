// The rocket's read-outs in US units over whole ranges of values: every whole gram of mass in
// ounces, speeds and heights in feet over a sweep of values and over every flight the bars can
// set, each against the factor worked out here (0.03527 ounces per gram and 1 / 0.3048 feet
// per metre, both single precision) and the read-out's mask.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "rocketry/flight.h"
#include "tests/support/readouttext.h"

namespace {

using namespace rocketry;

// The factors as the window keeps them: single-precision fields.
constexpr float kOuncesPerGram = 0.03527f;
const float kFeetPerMetre = float(1 / 0.3048);

// The mass read-out: grams times the factor, in single precision, with one decimal.
std::string ounces(float grams) { return fixedReadout(double(grams * kOuncesPerGram), 1); }
// A speed or height read-out in feet: metres times the factor, single, to the whole foot.
std::string feet(float metres) { return fixedReadout(double(kFeetPerMetre * metres), 0); }

TEST(RocketUnits, MassesWorkedByHand) {
  const struct {
    float grams;
    const char* shown;
  } rows[] = {
      {204, "7.2"},    // 7.195
      {41, "1.4"},     // 1.446, the lightest rocket at 2.0 N
      {143, "5.0"},    // 5.044, the heaviest at 2.0 N
      {714, "25.2"},   // 25.183, the heaviest at 10.0 N
      {100, "3.5"},    // 3.527
      {1000, "35.3"},  // 35.27
      {1559, "55.0"},  // 54.986
      {1, "0.0"},      // 0.035
      {2000, "70.5"},  // 70.54
      {17, "0.6"},     // 0.5996
      {1290, "45.5"},  // 45.4983
      {1432, "50.5"},  // 50.5066
  };
  for (const auto& row : rows)
    EXPECT_EQ(tenthsText(row.grams * unitsFor(0).MassFactor), row.shown) << row.grams << " g";
}

TEST(RocketUnits, EveryWholeGramReadsInOunces) {
  const Units us = unitsFor(0), metric = unitsFor(1);
  int wrong = 0;
  for (int g = 1; g <= 2000; ++g) {
    const float grams = float(g);
    if (tenthsText(grams * us.MassFactor) != ounces(grams) && ++wrong <= 10)
      ADD_FAILURE() << g << " g shows " << tenthsText(grams * us.MassFactor) << " oz, " << ounces(grams) << " expected";
    EXPECT_EQ(tenthsText(grams * metric.MassFactor), std::to_string(g) + ".0");
  }
  EXPECT_EQ(wrong, 0);
}

TEST(RocketUnits, SpeedsAndHeightsWorkedByHand) {
  const struct {
    float metres;
    const char* shown;
  } rows[] = {
      {-60, "-197"},                       // -196.85, the fall without a parachute
      {-15, "-49"},                        // -49.21, with one
      {100, "328"},                        // 328.08
      {1000, "3281"},                      // 3280.84
      {0.3048f, "1"},                      // one foot
      {1, "3"},                            // 3.28
      {-0.1f, "0"},                        // rounds to zero: no sign
      {152.9f, "502"}, {1490.6f, "4890"},  // 4890.42
  };
  RocketSettings s;
  Flight f(s);
  for (const auto& row : rows) {
    f.BurnoutSpeed = f.MaxAltitude = f.DescentSpeed = row.metres;
    const FlightResults r = f.results(unitsFor(0));
    EXPECT_EQ(r.maxSpeed, std::string(row.shown) + " ft/s") << row.metres << " m/s";
    EXPECT_EQ(r.maxAltitude, std::string(row.shown) + " ft") << row.metres << " m";
    EXPECT_EQ(r.descentSpeed, std::string(row.shown) + " ft/s") << row.metres << " m/s";
  }
}

TEST(RocketUnits, SpeedsAndHeightsReadInFeetOverASweep) {
  // From the fastest fall to the highest flight the bars allow, in steps that are no round
  // number of feet.
  RocketSettings s;
  Flight f(s);
  int wrong = 0;
  for (int k = -1000; k <= 25000; ++k) {
    const float metres = float(k * 0.1037);
    f.BurnoutSpeed = f.MaxAltitude = f.DescentSpeed = metres;
    const FlightResults us = f.results(unitsFor(0)), metric = f.results(unitsFor(1));
    if (us.maxSpeed != feet(metres) + " ft/s" && ++wrong <= 10)
      ADD_FAILURE() << metres << " m/s shows " << us.maxSpeed << ", " << feet(metres) << " ft/s expected";
    if (us.maxAltitude != feet(metres) + " ft" && ++wrong <= 10)
      ADD_FAILURE() << metres << " m shows " << us.maxAltitude << ", " << feet(metres) << " ft expected";
    if (metric.descentSpeed != fixedReadout(metres, 0) + " m/s" && ++wrong <= 10)
      ADD_FAILURE() << metres << " m/s shows " << metric.descentSpeed;
  }
  EXPECT_EQ(wrong, 0);
}

TEST(RocketUnits, EveryFlightOfTheBarsReadsInFeet) {
  // Every thrust and burn time, with the lightest, a middle and the heaviest rocket, with and
  // without the parachute: the speeds and heights in feet, the times as in metric units.
  int wrong = 0, flights = 0;
  for (int thrust = kThrustMin; thrust <= kThrustMax; ++thrust)
    for (int burn = kBurnMin; burn <= kBurnMax; ++burn) {
      const MassRange range = massLimits(float(thrust / 10.0));
      for (int grams : {int(range.min), (range.min + range.max) / 2, int(range.max)})
        for (float limit : {kFreeLimit, kChuteLimit}) {
          RocketSettings s{float(thrust / 10.0), float(burn / 10.0), float(grams), 0, limit == kChuteLimit};
          Flight f(s);
          f.ChuteLimit = limit;
          f.computeFlight();
          ++flights;
          const FlightResults us = f.results(unitsFor(0)), metric = f.results(unitsFor(1));
          const std::string want[3] = {feet(f.BurnoutSpeed) + " ft/s", feet(f.MaxAltitude) + " ft",
                                       feet(f.DescentSpeed) + " ft/s"};
          const std::string got[3] = {us.maxSpeed, us.maxAltitude, us.descentSpeed};
          for (int i = 0; i < 3; ++i)
            if (got[i] != want[i] && ++wrong <= 10)
              ADD_FAILURE() << s.RocketThrust << " N, " << s.RocketBurnTime << " s, " << grams << " g: " << got[i]
                            << ", " << want[i] << " expected";
          if ((us.apogeeTime != metric.apogeeTime || us.descentTime != metric.descentTime ||
               us.flightTime != metric.flightTime) &&
              ++wrong <= 10)
            ADD_FAILURE() << "the times changed with the units";
        }
    }
  EXPECT_GT(flights, 20000);
  EXPECT_EQ(wrong, 0);
}

}  // namespace
