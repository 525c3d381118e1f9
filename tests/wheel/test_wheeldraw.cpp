// The wheel, the falling water and the strip charts, read back as drawing operations and
// as pixels.

#include <gtest/gtest.h>

#include "platform/surface.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "tests/support/doubles.h"
#include "tests/support/pixels.h"
#include "wheel/wheelcharts.h"
#include "wheel/wheeldraw.h"

namespace {

using namespace wheel;

constexpr rt::Colour kBlack = 0;

WheelModel wheelOf(int16_t cans) {
  WheelSettings s;
  s.WheelCans = cans;
  WheelModel m;
  m.setDerived(derive(s));
  m.reset();
  return m;
}

struct WheelPicture : ::testing::Test {
  plat::RecordingSurface hidden{273, 321, kBlack};
  plat::ImageSurface visible{273, 321, kBlack};
  void draw(const WheelModel& m) {
    setupWheelPicture(hidden);
    scaleWheelPicture(hidden, m.derived());
    hidden.clearOps();
    drawWheelPicture(hidden, visible, m);
  }
};

TEST_F(WheelPicture, EmptyCansShowTheirOutlineAndSpokeWithoutLeaks) {
  WheelModel m = wheelOf(5);
  draw(m);
  EXPECT_EQ(hidden.countOps("cls"), 1);
  EXPECT_EQ(hidden.countOps("circle"), 1);
  EXPECT_EQ(hidden.countOps("line"), 5);  // the spokes only
  EXPECT_EQ(hidden.countOps("fill"), 5);  // the cans' insides
  EXPECT_EQ(hidden.countOps("box"), 5);
  for (const auto& op : hidden.ops())
    if (op.op == "line") {
      EXPECT_EQ(op.colour, rt::palette::kLightGrey);
    }
  // The visible picture is a copy of the hidden one.
  EXPECT_EQ(visible.image().convertToFormat(QImage::Format_RGB32),
            hidden.image().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(countColour(visible, rt::palette::kGreen) > 0, true);  // the hub
}

TEST_F(WheelPicture, WaterFillsTheCanFromItsBottomAndLeaksInAFan) {
  WheelModel m = wheelOf(5);
  m.setState(-90, 0);  // can 1 at the bottom
  m.setLevel(1, m.derived().CanHeight / 2);
  draw(m);
  EXPECT_EQ(hidden.countOps("line"), 5 + 5);
  const double x = m.canX(1), y = m.canY(1), H = m.derived().CanHeight, r = m.derived().CanRadius;
  // Half full: water in the lower half of the can, the upper half dark.
  const QPoint water = hidden.toDevice(x, y - 0.75 * H);
  const QPoint air = hidden.toDevice(x, y - 0.25 * H);
  EXPECT_EQ(visible.pixel(water.x(), water.y()), canColor(1));
  EXPECT_EQ(visible.pixel(air.x(), air.y()), kBlack);
  // The fan's outer lines reach a can's half width either side, 0.4 H below the can.
  int fanEnds = 0;
  for (const auto& op : hidden.ops()) {
    if (op.op != "line" || op.colour != canColor(1)) continue;
    EXPECT_DOUBLE_EQ(op.args[3], y - 1.4 * H);
    fanEnds += std::abs(std::abs(op.args[2] - x) - r) < 1e-6;
  }
  EXPECT_EQ(fanEnds, 2);
}

TEST(FallingWater, ShowsOnlyWhileTheValveIsOpen) {
  plat::ImageSurface valve(273, 57, 0x0000FF);
  valve.setScaleMode(plat::ScaleMode::Twips);
  // Below the gauge's 25 pixel rows (the gauge covers the lines' upper edge).
  drawFallingWater(valve, 1320, 1455, 375, true);
  EXPECT_GT(countColour(valve, canColor(1), 25), 0);
  // The water reaches the picture's bottom, spread less than the gauge is wide.
  int bottomWet = 0;
  for (int x = 0; x < valve.deviceWidth(); ++x) bottomWet += valve.pixel(x, 56) == canColor(1);
  EXPECT_GE(bottomWet, 5);
  drawFallingWater(valve, 1320, 1455, 375, false);
  EXPECT_EQ(countColour(valve, canColor(1), 25), 0);
}

struct Charts : ::testing::Test {
  plat::ImageSurface speed{263, 119, kBlack}, height{263, 119, kBlack}, level{263, 119, kBlack};
  StripCharts charts{speed, height, level};
  int last() const { return speed.deviceWidth() - 1; }
  // The rows of a column that are not black.
  static std::vector<int> lit(const plat::ImageSurface& s, int x, rt::Colour c) {
    std::vector<int> rows;
    for (int y = 0; y < s.deviceHeight(); ++y)
      if (s.pixel(x, y) == c) rows.push_back(y);
    return rows;
  }
};

TEST_F(Charts, ASpeedBeyond210PlotsAtTheChartsEdge) {
  WheelModel m = wheelOf(5);
  charts.start(m);
  charts.drawZeroLine();
  EXPECT_EQ(lit(speed, 0, rt::palette::kYellow), std::vector<int>{59});
  m.setState(91, 500);
  charts.advance(m);
  EXPECT_EQ(charts.prevSpeed(), 210.0f);
  auto top = lit(speed, last(), rt::palette::kWhite);
  ASSERT_FALSE(top.empty());
  EXPECT_EQ(top.front(), 0);
  m.setState(91, -500);
  charts.advance(m);
  EXPECT_EQ(charts.prevSpeed(), -210.0f);
  auto bottom = lit(speed, last(), rt::palette::kWhite);
  ASSERT_FALSE(bottom.empty());
  EXPECT_EQ(bottom.back(), speed.deviceHeight() - 1);
  // The zero line goes on in the new columns, and the old columns moved left.
  EXPECT_FALSE(lit(speed, last(), rt::palette::kYellow).empty() && lit(speed, last(), rt::palette::kWhite).empty());
  EXPECT_FALSE(lit(speed, last() - 1, rt::palette::kWhite).empty());
}

TEST_F(Charts, EveryCanHasItsOwnColourOnTheLevelChart) {
  for (int16_t n : {int16_t(2), int16_t(6)}) {
    charts.clear();
    WheelModel m = wheelOf(n);
    charts.start(m);
    for (int i = 1; i <= n; ++i) m.setLevel(i, m.derived().CanHeight * float(i) / 7);
    charts.advance(m);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(countColour(level, canColor(i)) > 0, i <= n) << n << " cans, can " << i;
  }
}

TEST_F(Charts, TheHeightChartRunsFromTheTopOfTheWheelToItsBottom) {
  WheelModel m = wheelOf(5);
  m.setState(90, 0);
  charts.start(m);
  m.setState(-90, 0);
  charts.advance(m);
  const auto rows = lit(height, last(), canColor(1));
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.back(), height.deviceHeight() - 1);
  EXPECT_EQ(lit(height, last() - 1, canColor(1)).front(), 0);
  EXPECT_DOUBLE_EQ(heightY(119, 50.8f, 101.6f, 50.8f), 0);
  EXPECT_DOUBLE_EQ(levelY(119, 15.24f, 0), 118);
}

}  // namespace
