// The arrow's flight as the model computes it: shots judged against the mark, the store,
// the redrawn and printed paths, and the mark's drag arithmetic.

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "runtime/random.h"
#include "tests/support/manualsources.h"
#include "trajectories/shot.h"

namespace {

using namespace trajectories;

// Keeps every path as a list of points; each Start begins a new path at the origin.
struct PathLog : PathPen {
  std::vector<std::vector<std::pair<double, double>>> paths;
  void start() override { paths.emplace_back(); }
  void lineTo(double x, double y) override { paths.back().emplace_back(x, y); }
};

struct SoundLog : ShotSounds {
  std::vector<std::pair<ShotSound, int16_t>> plays;
  void playWave(ShotSound s, int16_t flags) override { plays.emplace_back(s, flags); }
};

struct Shooter {
  ShotStore store;
  PathLog pen;
  SoundLog sounds;
  rt::ScriptedRandom random{{0.5f}};
  ShotResult shoot(float angle, float speed, int16_t markX, int16_t markY) {
    return takeShot(store, {angle, speed, markX, markY}, pen, sounds, random);
  }
  const std::vector<std::pair<double, double>>& lastPath() const { return pen.paths.back(); }
};

TEST(ArrowShot, AShotThatMissesReportsItsClosestPointAfterWaitingForTheSound) {
  Shooter s;
  // The fresh settings: 63 degrees, 200 feet per second, the mark at (400, 200).
  const ShotResult r = s.shoot(63, 200, 400, 200);
  EXPECT_FALSE(r.Hit);
  EXPECT_EQ(r.cx, 241);
  EXPECT_EQ(r.cy, 359);
  EXPECT_EQ(r.Message, "Missed ...  Closest at X = 241, Y = 359");
  EXPECT_EQ(s.lastPath().size(), 1108u);
  // The shot sound returns at once; the miss sound is waited for.
  ASSERT_EQ(s.sounds.plays.size(), 2u);
  EXPECT_EQ(s.sounds.plays[0], std::make_pair(ShotSound::Shot, int16_t(1)));
  EXPECT_EQ(s.sounds.plays[1], std::make_pair(ShotSound::Miss, int16_t(0)));
  EXPECT_EQ(s.random.drawn(), 0u);
}

TEST(ArrowShot, AHitStopsThePathAtThePointThatHitAndCheersByChance) {
  const float draws[5] = {0.0f, 0.2f, 0.4f, 0.6f, 0.99999994f};
  const char* cheers[5] = {"A Hit!  Good Job!", "A Hit!  Way to Go!", "A Hit!  Right Angle!", "A Hit!  Nice Speed!",
                           "A Hit!  Move Marker!"};
  for (int k = 0; k < 5; ++k) {
    Shooter s;
    s.random = rt::ScriptedRandom({draws[k]});
    const ShotResult r = s.shoot(49.0f, 150, 400, 200);
    ASSERT_TRUE(r.Hit);
    EXPECT_EQ(r.HitX, 398);
    EXPECT_EQ(r.HitY, 195);
    EXPECT_EQ(s.lastPath().size(), 405u);
    EXPECT_EQ(s.lastPath().back(), std::make_pair(398.0, 195.0));
    EXPECT_EQ(r.Cheer, k);
    EXPECT_EQ(r.Message, cheers[k]);
    ASSERT_EQ(s.sounds.plays.size(), 2u);
    EXPECT_EQ(s.sounds.plays[1], std::make_pair(ShotSound::Hit, int16_t(0)));
  }
}

TEST(ArrowShot, AMarkAtTheOriginIsHitByEveryShotAtItsFirstPoint) {
  for (auto [angle, speed] : {std::pair{45.0f, 300.0f}, {0.0f, 0.0f}, {0.0f, 150.0f}, {90.0f, 0.0f}}) {
    Shooter s;
    const ShotResult r = s.shoot(angle, speed, 0, 0);
    EXPECT_TRUE(r.Hit) << angle << " " << speed;
    EXPECT_EQ(s.lastPath().size(), 1u);
    EXPECT_EQ(s.lastPath()[0], std::make_pair(0.0, 0.0));
  }
}

TEST(ArrowShot, SpeedZeroStaysAtTheOriginAndReportsIt) {
  Shooter s;
  const ShotResult r = s.shoot(30, 0, 400, 200);
  EXPECT_FALSE(r.Hit);
  for (const auto& p : s.lastPath()) EXPECT_EQ(p, std::make_pair(0.0, 0.0));
  // The height -16.1 t^2 rounds below zero at 0.18 s.
  EXPECT_EQ(s.lastPath().size(), 18u);
  EXPECT_EQ(r.Message, "Missed ...  Closest at X = 0, Y = 0");
}

TEST(ArrowShot, AngleZeroRunsAlongTheGroundUntilTheHeightRoundsBelowZero) {
  Shooter s;
  s.shoot(0, 100, 400, 200);
  ASSERT_EQ(s.lastPath().size(), 18u);
  for (size_t i = 0; i < 18; ++i) EXPECT_EQ(s.lastPath()[i], std::make_pair(double(i), 0.0));
}

TEST(ArrowShot, AngleNinetyGoesStraightUpTheLeftEdgeAndBack) {
  Shooter s;
  const ShotResult r = s.shoot(90, 100, 0, 500);
  double top = 0;
  for (const auto& p : s.lastPath()) {
    EXPECT_EQ(p.first, 0.0);
    top = std::max(top, p.second);
  }
  EXPECT_EQ(top, 155.0);  // 100^2 / 64.4 feet
  EXPECT_EQ(s.lastPath().back().second, 0.0);
  EXPECT_EQ(r.cx, 0);
  EXPECT_EQ(r.cy, 155);
}

TEST(ArrowShot, OfTwoEquallyClosePointsTheEarlierIsReported) {
  Shooter s;
  // Along the ground in steps of 2 feet: (10, 0) and (12, 0) lie equally far from (11, 200).
  const ShotResult r = s.shoot(0, 200, 11, 200);
  EXPECT_EQ(r.cx, 10);
  EXPECT_EQ(r.cy, 0);
}

TEST(ArrowShot, APathPastTheRightEdgeGoesOnUntilItIsInTheGround) {
  Shooter s;
  s.shoot(45, 300, 400, 200);
  double farthest = 0;
  for (const auto& p : s.lastPath()) farthest = std::max(farthest, p.first);
  EXPECT_GT(farthest, 2700);  // about 300^2 / 32.2 feet
  EXPECT_GE(s.lastPath().back().second, 0.0);
  EXPECT_LT(s.lastPath().back().second, 30.0);
}

TEST(ArrowShot, MissMessageWritesEachNumberWithItsLeadingBlank) {
  EXPECT_EQ(missMessage(410, 187), "Missed ...  Closest at X = 410, Y = 187");
  EXPECT_EQ(missMessage(0, 0), "Missed ...  Closest at X = 0, Y = 0");
}

TEST(ArrowStore, TheFortyFirstShotReplacesTheFortiethAndClearStartsAgain) {
  ShotStore store;
  for (int i = 1; i <= 41; ++i) store.add(float(i), float(i) + 0.5f);
  EXPECT_EQ(store.shotCount(), 40);
  EXPECT_EQ(store.shotAngle(39), 39.0f);
  EXPECT_EQ(store.shotAngle(40), 41.0f);
  // Speeds are stored rounded to whole feet per second, halves to even.
  EXPECT_EQ(store.shotSpeed(1), 2);
  EXPECT_EQ(store.shotSpeed(2), 2);
  EXPECT_EQ(store.shotSpeed(40), 42);
  store.clear();
  EXPECT_EQ(store.shotCount(), 0);
  store.add(12.5f, 100);
  EXPECT_EQ(store.shotCount(), 1);
  EXPECT_EQ(store.shotAngle(1), 12.5f);
}

TEST(ArrowRedraw, UsesCoarserStepsAndTheMarkWhereItStandsNow) {
  Shooter s;
  s.shoot(49.0f, 150, 400, 200);  // a hit at (398, 195)
  s.shoot(0, 100, 400, 200);
  PathLog redraw;
  // The mark moved away: the hit is drawn down to the ground.
  redrawShots(s.store, 900, 500, redraw);
  ASSERT_EQ(redraw.paths.size(), 2u);
  const auto& first = redraw.paths[0];
  EXPECT_GT(first.size(), 80u);
  EXPECT_GE(first.back().second, 0.0);
  EXPECT_LT(first.back().first, 760.0);
  EXPECT_GT(first.back().first, 650.0);
  // Steps of 0.05 s along the ground at 100 ft/s: 0, 5, 10, 15 feet.
  ASSERT_EQ(redraw.paths[1].size(), 4u);
  EXPECT_EQ(redraw.paths[1][3], std::make_pair(15.0, 0.0));
  // A mark moved onto a redrawn point stops that path there.
  PathLog stopped;
  redrawShots(s.store, 10, 3, stopped);
  EXPECT_EQ(stopped.paths[1].size(), 3u);
  EXPECT_EQ(stopped.paths[1].back(), std::make_pair(10.0, 0.0));
}

TEST(ArrowRedraw, AfterFortyOneShotsTheFortiethIsNoLongerDrawn) {
  ShotStore store;
  for (int i = 1; i <= 41; ++i) store.add(float(i), 100);
  PathLog redraw;
  redrawShots(store, 1000, 500, redraw);
  EXPECT_EQ(redraw.paths.size(), 40u);
  // The last path is the 41st shot's, at 41 degrees.
  PathLog alone;
  ShotStore only;
  only.add(41, 100);
  redrawShots(only, 1000, 500, alone);
  EXPECT_EQ(redraw.paths.back(), alone.paths.back());
}

TEST(ArrowPrintedPaths, PathsAreUnroundedAndStopAtTheRightEdgeTheGroundOrTheMark) {
  ShotStore store;
  store.add(45, 300);  // would land near 2800 feet
  store.add(0, 100);
  PathLog printed;
  printedPaths(store, 1000, 500, printed);
  ASSERT_EQ(printed.paths.size(), 2u);
  for (const auto& p : printed.paths[0]) EXPECT_LE(p.first, 1000.0);
  EXPECT_GT(printed.paths[0].back().first, 970.0);
  // Unrounded: at 0.05 s the height is -16.1 x 0.0025, below the ground.
  ASSERT_EQ(printed.paths[1].size(), 1u);
  EXPECT_EQ(printed.paths[1][0], std::make_pair(0.0, 0.0));
  PathLog atOrigin;
  printedPaths(store, 0, 0, atOrigin);
  for (const auto& p : atOrigin.paths) EXPECT_EQ(p.size(), 1u);
}

TEST(MarkDrag, TheMarkSnapsToTenFeetWithHalfStepsGoingUp) {
  EXPECT_EQ(snapToTen(4.99f), 0);
  EXPECT_EQ(snapToTen(5.0f), 10);
  EXPECT_EQ(snapToTen(995.0f), 1000);
  EXPECT_EQ(snapToTen(994.9f), 990);
  EXPECT_EQ(snapToTen(0.0f), 0);
}

TEST(MarkDrag, BeyondAnyEdgeTheMarkStaysOnTheGrid) {
  const Grab centre{};
  // Grid 6000 x 4800 twips, a mark 62.5 by 40 feet with its left edge at 900 and top at 300.
  EXPECT_EQ(mouseToMark(9000, 0, 6000, 4800, 900, 300, centre).MarkX, 1000);
  EXPECT_EQ(mouseToMark(-9000, 0, 6000, 4800, 900, 300, centre).MarkX, 0);
  EXPECT_EQ(mouseToMark(0, -9000, 6000, 4800, 900, 300, centre).MarkY, 500);
  EXPECT_EQ(mouseToMark(0, 9000, 6000, 4800, 900, 300, centre).MarkY, 0);
}

TEST(MarkDrag, TheGrabPointStaysUnderTheMouse) {
  // A mark 62.5 feet wide and 40 feet high, taken 150 twips right and 120 twips down from its
  // top left corner on a grid of 6000 x 4800 twips: 25 feet right and 12.5 feet down.
  const Grab g = grabMark(150, 120, 6000, 4800, 62.5f, 40);
  EXPECT_EQ(g.GrabX, -6);  // 25 - 31.25
  EXPECT_EQ(g.GrabY, 8);   // -12.5 + 20
  // The mark's centre at (400, 200): left 368.75, top 220. Unmoved, the centre stays.
  const MarkPlace same = mouseToMark(150, 120, 6000, 4800, 368.75f, 220, g);
  EXPECT_EQ(same.MarkX, 400);
  EXPECT_EQ(same.MarkY, 200);
  // Moved 600 twips right (100 feet) and 480 twips up (50 feet).
  const MarkPlace moved = mouseToMark(750, -360, 6000, 4800, 368.75f, 220, g);
  EXPECT_EQ(moved.MarkX, 500);
  EXPECT_EQ(moved.MarkY, 250);
}

TEST(ArrowValues, HandEditedValuesComeIntoRangeAndFreshOnesStay) {
  const ArrowValues fresh = saneArrowValues({63, 200, 400, 200});
  EXPECT_EQ(fresh.ArrowAngle, 63.0f);
  EXPECT_EQ(fresh.ArrowSpeed, 200.0f);
  EXPECT_EQ(fresh.MarkX, 400);
  EXPECT_EQ(fresh.MarkY, 200);
  const ArrowValues wild = saneArrowValues({1e30f, -4, 32000, -7});
  EXPECT_EQ(wild.ArrowAngle, 90.0f);
  EXPECT_EQ(wild.ArrowSpeed, 0.0f);
  EXPECT_EQ(wild.MarkX, 1000);
  EXPECT_EQ(wild.MarkY, 0);
  const ArrowValues odd = saneArrowValues({-1, 1e9f, 404, 496});
  EXPECT_EQ(odd.ArrowAngle, 0.0f);
  EXPECT_EQ(odd.ArrowSpeed, 300.0f);
  EXPECT_EQ(odd.MarkX, 400);
  EXPECT_EQ(odd.MarkY, 500);
}

TEST(AngleIndicator, PointsAtTheAngleFromItsCorner) {
  const IndicatorEnd flat = angleIndicator(600, 0, 600);
  EXPECT_DOUBLE_EQ(flat.x, 600);
  EXPECT_DOUBLE_EQ(flat.y, 600);
  const IndicatorEnd up = angleIndicator(600, 90, 600);
  EXPECT_NEAR(up.x, 0, 0.01);
  EXPECT_NEAR(up.y, 0, 1e-6);
  const IndicatorEnd tilted = angleIndicator(600, 45.3f, 600);
  EXPECT_NEAR(tilted.x, 422.1, 0.1);
  EXPECT_NEAR(tilted.y, 600 - 426.5, 0.1);
}

}  // namespace
