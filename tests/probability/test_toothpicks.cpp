// The toothpick drop: where toothpicks fall, which cross a line, the pi estimate, batches
// and the cap.

#include <gtest/gtest.h>

#include <vector>

#include "probability/toothpicks.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "tests/support/manualsources.h"

namespace {

using namespace probability;

struct Sheet : ToothpickHost {
  void clearSheet() override { ++clears; }
  void drawRuledLine(int16_t y) override { lines.push_back(y); }
  void drawToothpick(double, double, double, double, rt::Colour c) override { colours.push_back(c); }
  int clears = 0;
  std::vector<int16_t> lines;
  std::vector<rt::Colour> colours;
};

// Random numbers for one drop: centre, angle, colour.
const std::vector<float> kCrossing = {0.0f, 0.0f, 0.25f, 0.0f};  // upright: always crosses
const std::vector<float> kMissing = {0.0f, 0.0f, 0.5f, 0.0f};    // flat at height 396

TEST(Toothpicks, LinesAreOneSeventhOfTheSheetApart) {
  Sheet s;
  rt::ScriptedRandom r({0.5f});
  ToothpickDrop d(r, s);
  d.load(5175, 5535);
  EXPECT_EQ(d.lineSpacing(), 791);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(d.lineY(i), 791 * (i + 1));
  EXPECT_EQ(s.lines, (std::vector<int16_t>{791, 1582, 2373, 3164, 3955, 4746}));
  EXPECT_EQ(s.clears, 0);
}

TEST(Toothpicks, PlacementKeepsTheCentreInsideItsBand) {
  Toothpick t = ToothpickDrop::place(5175, 791, 0.0f, 0.0f, 0.5f);
  EXPECT_EQ(t.xc, 396);  // 395.5 to even
  EXPECT_EQ(t.yc, 396);
  EXPECT_EQ(t.angle, 0.0f);
  EXPECT_EQ(t.y1, 396);
  EXPECT_EQ(t.y2, 396);
  EXPECT_NEAR(t.x1, 0.5, 1e-9);
  EXPECT_NEAR(t.x2, 791.5, 1e-9);
  t = ToothpickDrop::place(5175, 791, 0.99999994f, 0.99999994f, 0.0f);
  EXPECT_LE(t.xc, 5175 - 395);
  EXPECT_LE(t.yc, 6 * 791 + 396);
}

TEST(Toothpicks, AFlatToothpickCrossesOnlyALineAtItsHeight) {
  Toothpick flat;
  flat.y1 = flat.y2 = 1582;
  EXPECT_TRUE(ToothpickDrop::crosses(flat, 1582));
  EXPECT_FALSE(ToothpickDrop::crosses(flat, 1581));
  EXPECT_FALSE(ToothpickDrop::crosses(flat, 1583));
}

TEST(Toothpicks, AnEndOnALineCountsInEitherOrder) {
  Toothpick t;
  t.y1 = 791;
  t.y2 = 1200;
  EXPECT_TRUE(ToothpickDrop::crosses(t, 791));
  std::swap(t.y1, t.y2);
  EXPECT_TRUE(ToothpickDrop::crosses(t, 791));
  EXPECT_FALSE(ToothpickDrop::crosses(t, 1582));
}

TEST(Toothpicks, TwiceTheDropsOverTheCrossings) {
  Sheet s;
  std::vector<float> script;
  // The first drop crosses.
  script.insert(script.end(), kCrossing.begin(), kCrossing.end());
  rt::ScriptedRandom first(script);
  ToothpickDrop d(first, s);
  d.load(5175, 5535);
  d.dropToothpick();
  EXPECT_EQ(d.piText(), "2.0000000");
  EXPECT_EQ(d.dropsText(), "1");
  EXPECT_EQ(d.hitsText(), "1");

  // 100 drops, 64 of them across a line.
  script.clear();
  for (int i = 0; i < 100; ++i) {
    const auto& one = i < 64 ? kCrossing : kMissing;
    script.insert(script.end(), one.begin(), one.end());
  }
  rt::ScriptedRandom hundred(script);
  ToothpickDrop e(hundred, s);
  e.load(5175, 5535);
  for (int i = 0; i < 100; ++i) e.dropToothpick();
  EXPECT_EQ(e.totalHits(), 64);
  EXPECT_EQ(e.piText(), "3.1250000");
}

TEST(Toothpicks, ReadoutBeforeTheFirstCrossingAndAfterClear) {
  Sheet s;
  rt::ScriptedRandom r(kMissing);
  ToothpickDrop d(r, s);
  d.load(5175, 5535);
  d.dropToothpick();
  EXPECT_EQ(d.totalHits(), 0);
  EXPECT_EQ(d.piText(), "0");
  EXPECT_EQ(d.hitsText(), "0");
  // A missing toothpick has every line redrawn over it; its colour is light blue.
  EXPECT_EQ(s.lines.size(), 12u);
  EXPECT_EQ(s.colours.back(), rt::palette::kBlue);
  d.clear();
  EXPECT_EQ(d.piText(), "");
  EXPECT_EQ(d.dropsText(), "0");
  EXPECT_EQ(s.clears, 1);
  EXPECT_EQ(s.lines.size(), 18u);
}

TEST(Toothpicks, ACrossingEndsTheRedrawingOfLines) {
  Sheet s;
  // Upright with its centre at 395.5 + 4746 x 0.5 = 2768.5, which rounds to 2768; its ends
  // reach from 2373 to 3163, so the third line is the one it crosses.
  rt::ScriptedRandom r({0.0f, 0.5f, 0.25f, 0.99f});
  ToothpickDrop d(r, s);
  d.load(5175, 5535);
  s.lines.clear();
  d.dropToothpick();
  EXPECT_EQ(d.last().yc, 2768);
  EXPECT_EQ(d.last().y1, 2373);
  EXPECT_EQ(d.last().y2, 3163);
  EXPECT_EQ(s.lines, (std::vector<int16_t>{791, 1582, 2373}));
  EXPECT_EQ(d.totalHits(), 1);
  EXPECT_EQ(s.colours.back(), rt::palette::kYellow);
}

TEST(Toothpicks, ABatchOfOneDropsOneAndStops) {
  Sheet s;
  rt::ScriptedRandom r({0.3f});
  ToothpickDrop d(r, s);
  d.load(5175, 5535);
  d.setDropGroup(1);
  d.startPause();
  EXPECT_EQ(d.buttonCaption(), "&Pause");
  d.tick();
  EXPECT_FALSE(d.running());
  EXPECT_EQ(d.totalDrops(), 1);
  EXPECT_EQ(d.buttonCaption(), "&Drop");
}

TEST(Toothpicks, TheCapStopsAtTenThousand) {
  Sheet s;
  rt::ScriptedRandom r({0.3f, 0.7f, 0.1f});
  ToothpickDrop d(r, s);
  d.load(5175, 5535);
  d.setDropGroup(500);
  int runs = 0;
  while (d.totalDrops() < kDropCap && runs < 30) {
    d.startPause();
    while (d.running()) d.tick();
    ++runs;
  }
  EXPECT_EQ(runs, 20);
  EXPECT_EQ(d.dropsText(), "10000");
  const auto drawn = r.drawn();
  d.startPause();
  d.tick();
  EXPECT_FALSE(d.running());
  EXPECT_EQ(d.totalDrops(), 10000);
  EXPECT_EQ(r.drawn(), drawn);
}

}  // namespace
