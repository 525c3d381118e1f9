// The water wheel's US units over whole ranges of values: the flow read-out in ounces per
// second, and the parameters dialog's lengths in inches and masses in ounces, shown and stored
// back, against 35.28 ounces per kilogram and 2.54 cm per inch worked out here with the masks.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/readouttext.h"
#include "wheel/wheelparams.h"
#include "wheel/wheelrun.h"

namespace {

using wheel::WheelParameters;
using wheel::WheelRun;
using wheel::WheelSettings;

// The conversions as the dialog and the gauge work them: a single times or over a double factor.
double ouncesPerSecond(float grams) { return double(grams) * 35.28 / 1000; }
float inches(float cm) { return float(double(cm) / 2.54); }
float ounces(float grams) { return float(double(grams) * 35.28 / 1000); }
float cmStored(float in) { return float(double(in) * 2.54); }
float gramsStored(float oz) { return float(double(oz * 1000) / 35.28); }

enum Row { kStickLength = 1, kStickMass, kCanDiameter, kCanHeight, kCanMass };

TEST(WheelUnits, FlowsWorkedByHand) {
  const struct {
    float grams;
    const char *us, *metric;
  } rows[] = {
      {695, "24.5", "695"},    // the full flow of the fresh wheel: 24.52 oz/s
      {0, "0.0", "0"},         // the valve closed
      {1000, "35.3", "1000"},  // 35.28
      {100, "3.5", "100"},     // 3.528
      {14, "0.5", "14"},       // 0.49392
      {1417, "50.0", "1417"},  // 49.99
      {34.75f, "1.2", "35"},   // 1.226; 34.75 g/s shows 35
      {1899, "67.0", "1899"},  // 66.997
  };
  for (const auto& row : rows) {
    EXPECT_EQ(WheelRun::flowText(row.grams, false), row.us) << row.grams << " g/s";
    EXPECT_EQ(WheelRun::flowText(row.grams, true), row.metric) << row.grams << " g/s";
  }
}

TEST(WheelUnits, EveryFlowReadsInOuncesPerSecond) {
  // Every whole gram per second up to far beyond the largest flow, then a sweep of flows that
  // are no whole number.
  int wrong = 0;
  auto check = [&wrong](float flow) {
    const std::string us = WheelRun::flowText(flow, false), metric = WheelRun::flowText(flow, true);
    if (us != fixedReadout(ouncesPerSecond(flow), 1) && ++wrong <= 10)
      ADD_FAILURE() << flow << " g/s shows " << us << " oz/s, " << fixedReadout(ouncesPerSecond(flow), 1)
                    << " expected";
    if (metric != fixedReadout(flow, 0) && ++wrong <= 10) ADD_FAILURE() << flow << " g/s shows " << metric;
  };
  for (int g = 0; g <= 5000; ++g) check(float(g));
  for (int k = 0; k <= 30000; ++k) check(float(k * 0.1731));
  EXPECT_EQ(wrong, 0);
}

TEST(WheelUnits, DialogValuesWorkedByHand) {
  // The fresh wheel in US units: a 101.6 cm stick of 907.0295 g, cans 7.62 cm across and
  // 15.24 cm high of 141.7234 g; then a 10 cm stick, 3.94 in, raised to 4 in.
  WheelSettings s;
  s.WheelUnits = 0;
  WheelParameters p(s);
  p.loadParameters();
  EXPECT_EQ(p.text(kStickLength), "40.0");
  EXPECT_EQ(p.text(kStickMass), "32.0");
  EXPECT_EQ(p.text(kCanDiameter), "3.0");
  EXPECT_EQ(p.text(kCanHeight), "6.0");
  EXPECT_EQ(p.text(kCanMass), "5.0");
  s.WheelStickLength = 10;
  s.WheelStickMass = 1000;   // 35.28 oz
  s.WheelCanMass = 30;       // 1.06 oz
  s.WheelCanDiameter = 100;  // 39.37 in
  p.loadParameters();
  EXPECT_EQ(p.text(kStickLength), "4.0");
  EXPECT_FLOAT_EQ(s.WheelStickLength, 10.16f);
  EXPECT_EQ(p.text(kStickMass), "35.3");
  EXPECT_EQ(p.text(kCanMass), "1.1");
  EXPECT_EQ(p.text(kCanDiameter), "39.4");
  EXPECT_NEAR(s.WheelStickMass, 1000, 0.001);
}

TEST(WheelUnits, EveryLengthAndMassOfTheDialogInUsUnits) {
  // Lengths from below the shortest to above the longest, in tenths of a centimetre; masses
  // from below the lightest to above the heaviest, in halves of a gram. Each is shown in the US
  // unit within the row's limits and stored back converted.
  int wrong = 0;
  auto expectRow = [&](WheelParameters& p, int row, float shown, float stored, float storedWant) {
    if (p.text(row) != fixedReadout(shown, 1) && ++wrong <= 10)
      ADD_FAILURE() << "row " << row << " shows " << p.text(row) << ", " << fixedReadout(shown, 1) << " expected";
    if (stored != storedWant && ++wrong <= 10)
      ADD_FAILURE() << "row " << row << " stored " << stored << ", " << storedWant << " expected";
  };
  for (int k = 0; k <= 4800; ++k) {
    const float cm = float(k * 0.0671 + 0.3), longCm = float(k * 0.0671 + 5), grams = float(k * 0.5 + 20);
    WheelSettings s;
    s.WheelUnits = 0;
    s.WheelStickLength = longCm;
    s.WheelCanDiameter = s.WheelCanHeight = cm;
    s.WheelStickMass = s.WheelCanMass = grams;
    WheelParameters p(s);
    p.loadParameters();
    const float stickIn = std::clamp(inches(longCm), 4.0f, 120.0f), canIn = std::clamp(inches(cm), 0.5f, 40.0f);
    const float oz = std::clamp(ounces(grams), 1.0f, 80.0f);
    expectRow(p, kStickLength, stickIn, s.WheelStickLength, cmStored(stickIn));
    expectRow(p, kCanDiameter, canIn, s.WheelCanDiameter, cmStored(canIn));
    expectRow(p, kCanHeight, canIn, s.WheelCanHeight, cmStored(canIn));
    expectRow(p, kStickMass, oz, s.WheelStickMass, gramsStored(oz));
    expectRow(p, kCanMass, oz, s.WheelCanMass, gramsStored(oz));
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
