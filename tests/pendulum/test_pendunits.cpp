// The pendulum's US units over whole ranges of values: every stored mass shown to the nearest
// ounce and every ounce stored back in grams, every stored length shown to the nearest half
// inch and stored back in centimetres, against 35.28 ounces per kilogram and 2.54 cm per inch
// worked out here with the read-outs' masks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "pendulum/pendparams.h"
#include "tests/support/readouttext.h"

namespace {

using pendulum::kAngle;
using pendulum::kFriction;
using pendulum::kLength;
using pendulum::kMass;
using pendulum::PendParameters;
using pendulum::PendSettings;

// The window's set-up: values from the settings, then each shown and so stored.
void setup(PendParameters& p) {
  p.setupParameters();
  for (int i = kAngle; i <= kFriction; ++i) p.showParameter(i);
}

// The conversions, each as the arithmetic of the units step writes it: a stored single times or
// over a double factor, Int for rounding down, and the limits of the units shown.
double ouncesShown(float grams) { return std::clamp(std::floor(double(grams) * 35.28 / 1000 + 0.5), 1.0, 200.0); }
float gramsStored(float ounces) { return float(double(ounces * 1000.0f) / 35.28); }
double inchesShown(float cm) { return std::clamp(std::floor((double(cm) / 2.54 + 0.25) * 2) * 0.5, 10.0, 80.0); }
float cmStored(float inches) { return float(double(inches) * 2.54); }
double gramsShown(float grams) { return std::clamp(std::floor(double(grams + 5.0f) * 0.1) * 10, 10.0, 5000.0); }

TEST(PendulumUnits, WorkedByHand) {
  const struct {
    float grams, cm;
    const char *ounces, *inches;
    double gramsBack, cmBack;
    const char *metricMass, *metricLength;
  } rows[] = {
      // 5000 g is 176.4 oz, shown 176, stored 4988.66 g, 4990 back in metric.
      {5000, 200, "176", "78.5", 4988.66, 199.39, "4990", "199"},
      // 1000 g is 35.28 oz; 100 cm is 39.37 in, the nearest half 39.5, stored 100.33 cm.
      {1000, 100, "35", "39.5", 992.063, 100.33, "990", "100"},
      // 10 g is 0.35 oz, raised to 1 oz, stored 28.34 g; 50 cm is 19.69 in, shown 19.5.
      {10, 50, "1", "19.5", 28.3447, 49.53, "30", "50"},
      // 4975 g is 175.52 oz, 176 to the nearest; 63.5 cm is exactly 25 in.
      {4975, 63.5f, "176", "25.0", 4988.66, 63.5, "4990", "64"},
      // 2500 g is 88.2 oz; 127.6 cm is 50.24 in, the nearest half inch 50.0.
      {2500, 127.6f, "88", "50.0", 2494.33, 127.0, "2490", "127"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.grams) + " g, " + std::to_string(row.cm) + " cm");
    PendSettings s;
    s.PendMass = row.grams;
    s.PendLength = row.cm;
    s.PendUnits = 0;
    PendParameters p(s);
    setup(p);
    EXPECT_EQ(p.text(kMass), row.ounces);
    EXPECT_EQ(p.text(kLength), row.inches);
    EXPECT_NEAR(s.PendMass, row.gramsBack, 0.005);
    EXPECT_NEAR(s.PendLength, row.cmBack, 0.005);
    s.PendUnits = 1;
    setup(p);
    EXPECT_EQ(p.text(kMass), row.metricMass);
    EXPECT_EQ(p.text(kLength), row.metricLength);
  }
}

TEST(PendulumUnits, EveryStoredMassShowsInOunces) {
  // Every whole gram, and a gram and a third beside it, from below the lightest bob to above the
  // heaviest; each shown to the nearest ounce and stored back in grams.
  int wrong = 0;
  for (int g = 1; g <= 6000; ++g)
    for (float grams : {float(g), float(g + 0.37)}) {
      PendSettings s;
      s.PendUnits = 0;
      s.PendMass = grams;
      PendParameters p(s);
      setup(p);
      const double oz = ouncesShown(grams);
      if (p.text(kMass) != fixedReadout(oz, 0) && ++wrong <= 10)
        ADD_FAILURE() << grams << " g shows " << p.text(kMass) << " oz, " << oz << " expected";
      if (s.PendMass != gramsStored(float(oz)) && ++wrong <= 10)
        ADD_FAILURE() << oz << " oz stored as " << s.PendMass << " g, " << gramsStored(float(oz)) << " expected";
    }
  EXPECT_EQ(wrong, 0);
}

TEST(PendulumUnits, EveryOunceStoresItsGramsAndShowsThemBackInMetric) {
  PendSettings s;
  s.PendUnits = 0;
  s.PendMass = 10;
  PendParameters p(s);
  setup(p);
  ASSERT_EQ(p.paramValue(kMass), 1.0f);
  int wrong = 0;
  for (int oz = 1; oz <= 200; ++oz) {
    if (oz > 1) {
      ASSERT_TRUE(p.spinUp(kMass));
      p.showParameter(kMass);
    }
    ASSERT_EQ(p.text(kMass), std::to_string(oz));
    if (s.PendMass != gramsStored(float(oz)) && ++wrong <= 10)
      ADD_FAILURE() << oz << " oz stored as " << s.PendMass << " g, " << gramsStored(float(oz)) << " expected";
    // Back in metric units the stored grams show to the nearest 10 g.
    PendSettings metric = s;
    metric.PendUnits = 1;
    PendParameters m(metric);
    setup(m);
    if (m.text(kMass) != fixedReadout(gramsShown(s.PendMass), 0) && ++wrong <= 10)
      ADD_FAILURE() << oz << " oz shows " << m.text(kMass) << " g in metric units";
  }
  EXPECT_EQ(wrong, 0);
}

TEST(PendulumUnits, EveryStoredLengthShowsInHalfInches) {
  // From below the shortest string to above the longest, in hundredths of a centimetre.
  int wrong = 0;
  for (int k = 4000; k <= 21000; ++k) {
    const float cm = float(k / 100.0);
    PendSettings s;
    s.PendUnits = 0;
    s.PendLength = cm;
    PendParameters p(s);
    setup(p);
    const double in = inchesShown(cm);
    if (p.text(kLength) != fixedReadout(in, 1) && ++wrong <= 10)
      ADD_FAILURE() << cm << " cm shows " << p.text(kLength) << " in, " << fixedReadout(in, 1) << " expected";
    if (s.PendLength != cmStored(float(in)) && ++wrong <= 10)
      ADD_FAILURE() << in << " in stored as " << s.PendLength << " cm, " << cmStored(float(in)) << " expected";
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
