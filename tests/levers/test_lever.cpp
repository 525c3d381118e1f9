// The lever model on its own: classes, positions from the bars, values out of range, tilt
// limits and the timed rotation with its clicks, snap and pacing.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "levers/lever.h"
#include "runtime/clock.h"
#include "runtime/physics.h"
#include "tests/support/manualsources.h"

namespace {

using levers::Lever;

// Degrees as the program converts them, with pi taken as 3.14159, to two decimals.
double degrees2(float theta) { return std::round(double(theta) * 180 / rt::phys::kPi * 100) / 100; }

struct Values {
  float FulcrumPos = 9, DEffort = -9, DLoad = 1, LeverLoad = 100;
  levers::LeverValues refs() { return {FulcrumPos, DEffort, DLoad, LeverLoad}; }
};

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(LeverClass, FollowsTheSignedDistances) {
  struct Case {
    float dEffort, dLoad;
    int cls;
    const char* caption;
  } cases[] = {
      {-9, 1, 1, "1st Class Lever"},  // the fresh set-up: effort and load on opposite sides
      {4, -2, 1, "1st Class Lever"},  {2, 2, 3, "3rd Class Lever"},  // equal distances on one side
      {-3, -3, 3, "3rd Class Lever"}, {2, 5, 3, "3rd Class Lever"},  // the load farther out
      {0, 4, 3, "3rd Class Lever"},                                  // effort at the fulcrum
      {0, -4, 3, "3rd Class Lever"},  {0, 0, 3, "3rd Class Lever"},  // both at the fulcrum
      {5, 2, 2, "2nd Class Lever"},                                  // the effort farther out
      {-6, -1, 2, "2nd Class Lever"}, {5, 0, 2, "2nd Class Lever"},  // load at the fulcrum, effort elsewhere
  };
  for (const Case& c : cases) {
    Values v;
    v.DEffort = c.dEffort;
    v.DLoad = c.dLoad;
    Lever lever(v.refs());
    lever.classifyLever();
    EXPECT_EQ(lever.LeverClass, c.cls) << c.dEffort << ", " << c.dLoad;
    EXPECT_EQ(lever.classCaption(), c.caption) << c.dEffort << ", " << c.dLoad;
  }
}

TEST(LeverBars, FulcrumMovesBothDistancesEffortAndLoadOnlyTheirOwn) {
  Values v;
  Lever lever(v.refs());
  lever.moveFulcrum(50, 0, 100);
  EXPECT_EQ(v.FulcrumPos, 5.0f);
  EXPECT_EQ(v.DEffort, -5.0f);
  EXPECT_EQ(v.DLoad, 5.0f);
  lever.moveEffort(25);
  EXPECT_EQ(v.DEffort, -2.5f);
  EXPECT_EQ(v.DLoad, 5.0f);
  lever.moveLoad(47);
  EXPECT_EQ(v.DLoad, float(4.7 - 5.0));
  EXPECT_EQ(v.FulcrumPos, 5.0f);
  // The tenths are divided in double precision and the difference stored single.
  lever.moveFulcrum(9, 37, 0);
  EXPECT_TRUE(sameBits(v.FulcrumPos, float(0.9)));
  EXPECT_TRUE(sameBits(v.DEffort, float(3.7 - double(float(0.9)))));
  EXPECT_TRUE(sameBits(v.DLoad, float(-double(float(0.9)))));
}

TEST(LeverLoadedValues, FreshValuesStayBitForBitAndWildOnesComeIntoRange) {
  Values fresh;
  Lever(fresh.refs()).clampLoadedValues();
  EXPECT_TRUE(sameBits(fresh.FulcrumPos, 9) && sameBits(fresh.DEffort, -9) && sameBits(fresh.DLoad, 1) &&
              sameBits(fresh.LeverLoad, 100));

  Values odd{2.3f, 0.4f, 7.7f, 37};  // in range, not whole tenths: untouched
  Lever(odd.refs()).clampLoadedValues();
  EXPECT_TRUE(sameBits(odd.FulcrumPos, 2.3f) && sameBits(odd.DEffort, 0.4f) && sameBits(odd.DLoad, 7.7f));

  // A fulcrum past the right end; the effort and load stay where the file put them when that
  // lies on the lever.
  Values far{12, -4, -15, 250.7f};
  Lever(far.refs()).clampLoadedValues();
  EXPECT_EQ(far.FulcrumPos, 10.0f);
  EXPECT_EQ(far.FulcrumPos + far.DEffort, 8.0f);
  EXPECT_EQ(far.FulcrumPos + far.DLoad, 0.0f);
  EXPECT_EQ(far.LeverLoad, 200.0f);

  Values under{-1, 30, -1, -3};
  Lever(under.refs()).clampLoadedValues();
  EXPECT_EQ(under.FulcrumPos, 0.0f);
  EXPECT_EQ(under.DEffort, 10.0f);
  EXPECT_EQ(under.DLoad, 0.0f);
  EXPECT_EQ(under.LeverLoad, 0.0f);

  // The load becomes whole, halves to even.
  for (auto [in, out] : {std::pair{99.5f, 100.0f}, {100.5f, 100.0f}, {0.4f, 0.0f}, {199.7f, 200.0f}}) {
    Values w;
    w.LeverLoad = in;
    Lever(w.refs()).clampLoadedValues();
    EXPECT_EQ(w.LeverLoad, out) << in;
  }

  Values nan{NAN, NAN, 2, NAN};
  Lever(nan.refs()).clampLoadedValues();
  EXPECT_EQ(nan.FulcrumPos, 0.0f);
  EXPECT_EQ(nan.DEffort, 0.0f);
  EXPECT_EQ(nan.DLoad, 0.0f);
  EXPECT_EQ(nan.LeverLoad, 0.0f);
}

TEST(LeverTilt, LimitsWhereTheEndsTouchTheGround) {
  struct Case {
    float fulcrum;
    double upper, lower;
  } cases[] = {{0, 11, -4.78},
               {2, 11, -5.98},
               {5, 9.59, -9.59},
               {9, 5.31, -11},
               {10, 4.78, -11},
               // Within 20 logical pixels of an end (less than 0.84 units) that side has the
               // full tilt.
               {0.8f, 11, -5.2},
               {9.2f, 5.2, -11}};
  for (const Case& c : cases) {
    Values v;
    v.FulcrumPos = c.fulcrum;
    Lever lever(v.refs());
    lever.computeTiltLimits();
    EXPECT_DOUBLE_EQ(degrees2(lever.ThetaMax), c.upper) << c.fulcrum;
    EXPECT_DOUBLE_EQ(degrees2(lever.ThetaMin), c.lower) << c.fulcrum;
  }
  Values v;
  Lever lever(v.refs());
  EXPECT_EQ(lever.MaxTilt, float(34.55749 / 180));
  EXPECT_DOUBLE_EQ(degrees2(lever.MaxTilt), 11.0);
}

TEST(LeverTilt, WholeDegreesCutTowardZero) {
  const float deg = float(rt::phys::kPi / 180);
  EXPECT_EQ(Lever::wholeDegrees(0), 0);
  EXPECT_EQ(Lever::wholeDegrees(0.99f * deg), 0);
  EXPECT_EQ(Lever::wholeDegrees(-0.99f * deg), 0);
  EXPECT_EQ(Lever::wholeDegrees(1.01f * deg), 1);
  EXPECT_EQ(Lever::wholeDegrees(-1.01f * deg), -1);
  EXPECT_EQ(Lever::wholeDegrees(-10.7f * deg), -10);
}

TEST(LeverRun, StartsRestingOnTheSideOfItsLoad) {
  Values v;  // fulcrum 9, load right of it: right end down
  Lever lever(v.refs());
  lever.classifyLever();
  EXPECT_EQ(lever.startRotation(), 200);
  EXPECT_EQ(lever.Theta, lever.ThetaMin);
  EXPECT_DOUBLE_EQ(degrees2(lever.Theta), -11);
  EXPECT_EQ(lever.LastDeg, -11);
  EXPECT_EQ(lever.Inertia, 100.0f);

  v.DLoad = -3;
  lever.Omega = 5;
  lever.startRotation();
  EXPECT_EQ(lever.Theta, lever.ThetaMax);
  EXPECT_EQ(lever.Omega, 0.0f);
  EXPECT_EQ(lever.Inertia, 900.0f);

  // A load at the fulcrum starts right end down, with the inertia floor of 1.
  v.DLoad = 0;
  lever.startRotation();
  EXPECT_EQ(lever.Theta, lever.ThetaMin);
  EXPECT_EQ(lever.Inertia, 1.0f);
  v.DLoad = 0.05f;
  v.LeverLoad = 10;
  lever.startRotation();
  EXPECT_EQ(lever.Inertia, 1.0f);
}

// Hooks that note the tilt at each click and redraw, and can make the click take time.
struct Recorder : levers::RotationHooks {
  rt::ManualTickClock* clock = nullptr;
  uint32_t clickMs = 0;
  Lever* lever = nullptr;
  std::vector<float> clickedAt, drawnAt;
  void click() override {
    clickedAt.push_back(lever->Theta);
    if (clock) clock->advance(clickMs);
  }
  void redraw() override { drawnAt.push_back(lever->Theta); }
};

TEST(LeverRun, StepTakesTheAccelerationFromTheOldStateAndMovesByTheOldSpeed) {
  // Fulcrum in the middle, effort at the left end, load at the right end, load 10, effort 20:
  // torque 20 x 5 - 5 x 10 = 50 on an inertia of 250.
  Values v{5, -5, 5, 10};
  Lever lever(v.refs());
  lever.classifyLever();
  ASSERT_EQ(lever.LeverClass, 1);
  lever.AEffort = 20;
  lever.startRotation();
  const float start = lever.Theta;  // -9.59 degrees
  rt::ManualTickClock clock(1000);
  Recorder hooks;
  hooks.lever = &lever;

  lever.rotationStep(clock, hooks);
  // At rest the tilt does not move in the first step; only the speed picks up.
  EXPECT_EQ(lever.Theta, start);
  const float a1 = 50.0f / 250 - (0 / 2 + start) * 1;
  EXPECT_FLOAT_EQ(lever.Omega, a1 * 0.2f);
  EXPECT_TRUE(hooks.clickedAt.empty());

  const float omega1 = lever.Omega;
  lever.rotationStep(clock, hooks);
  const float a2 = 50.0f / 250 - (omega1 / 2 + start) * 1;
  EXPECT_FLOAT_EQ(lever.Theta, start + omega1 * 0.2f);
  EXPECT_FLOAT_EQ(lever.Omega, omega1 + a2 * 0.2f);
  // From -9 to -8 whole degrees: one click, one redraw.
  ASSERT_EQ(hooks.clickedAt.size(), 1u);
  EXPECT_EQ(hooks.drawnAt.size(), 1u);
  EXPECT_EQ(lever.LastDeg, -8);
}

TEST(LeverRun, ClicksOnceForEveryStepThatChangesWholeDegrees) {
  Values v{5, -5, 5, 10};
  Lever lever(v.refs());
  lever.classifyLever();
  lever.AEffort = 200;  // a hard push: several degrees a step
  lever.startRotation();
  rt::ManualTickClock clock;
  Recorder hooks;
  hooks.lever = &lever;
  int changes = 0;
  bool multi = false;
  for (int i = 0; i < 40; ++i) {
    const float before = lever.LastDeg;
    const size_t clicks = hooks.clickedAt.size();
    lever.rotationStep(clock, hooks);
    const size_t added = hooks.clickedAt.size() - clicks;
    EXPECT_LE(added, 1u);
    if (lever.LastDeg != before) {
      ++changes;
      EXPECT_EQ(added, 1u);
      if (std::abs(lever.LastDeg - before) > 1) multi = true;
    } else {
      EXPECT_EQ(added, 0u);
    }
  }
  EXPECT_TRUE(multi) << "some step should cross several whole degrees";
  EXPECT_EQ(int(hooks.clickedAt.size()), changes);
  EXPECT_EQ(hooks.drawnAt.size(), hooks.clickedAt.size());
  // It comes to rest against the upper limit. Each step the push builds speed from rest, the
  // next step's move passes the limit and the clamp zeroes speed and acceleration again.
  EXPECT_EQ(lever.Theta, lever.ThetaMax);
  const size_t clicks = hooks.clickedAt.size();
  int zeroSpeed = 0;
  for (int i = 0; i < 6; ++i) {
    lever.rotationStep(clock, hooks);
    EXPECT_EQ(lever.Theta, lever.ThetaMax);
    zeroSpeed += lever.Omega == 0.0f;
  }
  EXPECT_EQ(zeroSpeed, 3);
  EXPECT_EQ(hooks.clickedAt.size(), clicks);

  // Never stops by itself: a smaller effort sets it moving back down.
  lever.AEffort = 0;
  for (int i = 0; i < 40; ++i) lever.rotationStep(clock, hooks);
  EXPECT_GT(hooks.clickedAt.size(), clicks);
  EXPECT_EQ(lever.Theta, lever.ThetaMin);
}

TEST(LeverRun, SnapsLevelInsideOneDegreeAndKeepsItsSpeed) {
  Values v{5, -5, 5, 10};
  Lever lever(v.refs());
  lever.classifyLever();
  lever.startRotation();
  lever.AEffort = 10;  // balanced: 10 x 5 = 5 x 10
  rt::ManualTickClock clock;
  Recorder hooks;
  hooks.lever = &lever;
  // Just outside the band, moving up slowly: the next step lands inside it.
  const float deg = float(rt::phys::kPi / 180);
  lever.Theta = -1.2f * deg;
  lever.LastDeg = Lever::wholeDegrees(lever.Theta);
  lever.Omega = 1.0f * deg / 0.2f;  // one degree a step
  lever.rotationStep(clock, hooks);
  ASSERT_EQ(hooks.clickedAt.size(), 1u);
  EXPECT_NE(hooks.clickedAt[0], 0.0f);  // the click comes before the snap
  EXPECT_EQ(hooks.drawnAt[0], 0.0f);    // the redraw after it
  EXPECT_EQ(lever.Theta, 0.0f);
  EXPECT_EQ(lever.LastDeg, 0);
  EXPECT_GT(lever.Omega, 0.5f * deg / 0.2f);
  // Inside the band no further redraw until a whole degree is crossed.
  lever.Omega = 0.3f * deg / 0.2f;
  lever.rotationStep(clock, hooks);
  EXPECT_EQ(hooks.clickedAt.size(), 1u);
  EXPECT_NE(lever.Theta, 0.0f);
}

TEST(LeverRun, NextIntervalIsTheStepLessItsOwnTimeAtLeastOneMs) {
  Values v{5, -5, 5, 10};
  Lever lever(v.refs());
  lever.classifyLever();
  lever.AEffort = 200;
  lever.startRotation();
  Recorder hooks;
  hooks.lever = &lever;

  struct Case {
    uint32_t start, clickMs;
    int interval;
  } cases[] = {{0, 0, 200},
               {5000, 30, 170},
               {5000, 199, 1},
               {5000, 200, 1},
               {5000, 450, 1},
               // The tick count wraps between the two readings.
               {0xFFFFFFF0u, 50, 150}};
  for (const Case& c : cases) {
    lever.startRotation();
    hooks.clickedAt.clear();
    rt::ManualTickClock clock(c.start);
    hooks.clock = &clock;
    hooks.clickMs = c.clickMs;
    // From rest the first step does not move the tilt: nothing to click, the full interval.
    EXPECT_EQ(lever.rotationStep(clock, hooks), 200);
    ASSERT_TRUE(hooks.clickedAt.empty());
    // The second crosses degrees: the click's time comes off the next interval.
    const int interval = lever.rotationStep(clock, hooks);
    ASSERT_EQ(hooks.clickedAt.size(), 1u);
    EXPECT_EQ(interval, c.interval) << c.start << " " << c.clickMs;
  }
}

}  // namespace
