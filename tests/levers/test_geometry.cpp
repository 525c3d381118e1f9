// Where the lever scene's shapes and dimensions lie on the logical screen.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "levers/dimensions.h"
#include "levers/levergeometry.h"

namespace {

using levers::LeverShapes;
using levers::Pt;

TEST(LeverShapes, LevelBarIsSqueezedTowardThePivot) {
  LeverShapes s;
  s.setBarBase();
  s.placeFulcrum(5, 24);
  EXPECT_EQ(s.FulcrumX, 160.0f);
  s.rotate(1, 4, 0);
  // 59 and 63 are 5 and 1 above the pivot; 5/6 of that is 4.17 and 0.83.
  EXPECT_EQ(s.Pts[1], (Pt{40, 60}));
  EXPECT_EQ(s.Pts[2], (Pt{40, 63}));
  EXPECT_EQ(s.Pts[3], (Pt{279, 60}));
  EXPECT_EQ(s.Pts[4], (Pt{279, 63}));
}

TEST(LeverShapes, LoadBoxIsCentredOnTheLoadRoundedHalvesToEven) {
  LeverShapes s;
  s.placeFulcrum(0, 24);
  s.buildLoad(3.1875f, 24);  // load at x 116.5: left edge 100.5 goes to 100
  EXPECT_EQ(s.LoadX, 116.5f);
  EXPECT_EQ(s.BasePts[5], (Pt{100, 32}));
  EXPECT_EQ(s.BasePts[8], (Pt{131, 58}));
  s.buildLoad(3.3125f, 24);  // load at x 119.5: left edge 103.5 goes to 104
  EXPECT_EQ(s.BasePts[5], (Pt{104, 32}));
  s.rotate(5, 8, 0);
  // Level, the box runs from 37 to 59.
  EXPECT_EQ(s.Pts[5], (Pt{104, 37}));
  EXPECT_EQ(s.Pts[6], (Pt{135, 37}));
  EXPECT_EQ(s.Pts[7], (Pt{104, 59}));
  EXPECT_EQ(s.Pts[8], (Pt{135, 59}));
}

TEST(LeverShapes, ArrowPointsDownForTheFirstClassAndUpOtherwise) {
  LeverShapes s;
  s.placeFulcrum(5, 24);
  // Effort at the far left of a first-class lever: the head reaches x 34.
  s.buildArrow(-5, 24, 1);
  EXPECT_EQ(s.EffortX, 40.0f);
  EXPECT_EQ(s.ArrowFirst, 16);
  EXPECT_EQ(s.ArrowLast, 22);
  EXPECT_EQ(s.BasePts[19], (Pt{40, 58}));  // the tip, just above the bar
  EXPECT_EQ(s.BasePts[20], (Pt{34, 51}));
  EXPECT_EQ(s.BasePts[18], (Pt{46, 51}));
  // The same effort pulling up: tip at (EffortX, 35), shaft from EffortX - 2 to + 2.
  s.buildArrow(2.5f, 24, 3);
  EXPECT_EQ(s.EffortX, 220.0f);
  EXPECT_EQ(s.ArrowFirst, 9);
  EXPECT_EQ(s.ArrowLast, 15);
  EXPECT_EQ(s.BasePts[9], (Pt{218, 58}));
  EXPECT_EQ(s.BasePts[12], (Pt{220, 35}));
  EXPECT_EQ(s.BasePts[13], (Pt{226, 42}));
  EXPECT_EQ(s.BasePts[15], (Pt{222, 58}));
  // The down arrow's points are still there from before, but the arrow is now the up one.
  EXPECT_EQ(s.BasePts[20], (Pt{34, 51}));
}

TEST(LeverShapes, TiltedBarTouchesTheGroundAtItsLimit) {
  LeverShapes s;
  s.setBarBase();
  s.placeFulcrum(5, 24);
  // At the upper limit the left end has dropped 20 pixels, squeezed to about 16.7.
  const float limit = float(std::atan(20.0 / std::sqrt(576.0 * 25 - 400)));
  s.rotate(1, 4, limit);
  EXPECT_EQ(s.Pts[2], (Pt{42, 80}));
  EXPECT_EQ(s.Pts[4], (Pt{277, 47}));
  // Turning the other way mirrors it.
  s.rotate(1, 4, -limit);
  EXPECT_EQ(s.Pts[4], (Pt{278, 80}));
}

TEST(Dimensions, WorkedExampleWithRoomForTheNumber) {
  // Fulcrum at 5 (x 160), D Effort -2.5 puts the effort at x 100.
  levers::DimensionPlan p = levers::planDimension(10, 160, 100, -2.5f, 0.005);
  EXPECT_TRUE(p.room);
  EXPECT_EQ(p.width, 14);
  EXPECT_EQ(p.left, 100.0f);
  EXPECT_EQ(p.right, 160.0f);
  EXPECT_EQ(p.rightHead.x, 159.0f);
  EXPECT_STREQ(p.rightHead.macro, "h3f3g3");
  EXPECT_EQ(p.leftHead.x, 101.0f);
  EXPECT_STREQ(p.leftHead.macro, "e3g3f3");
  EXPECT_EQ(p.x0, 124);
  EXPECT_EQ(p.anchor, 133);
  EXPECT_EQ(p.tenths, 25);
  EXPECT_EQ(p.rounded, -2.5f);
  EXPECT_EQ(p.pointX, 131.0f);
  EXPECT_EQ(p.pointY, 13.0f);
  ASSERT_EQ(p.digits.size(), 2u);
  EXPECT_EQ(p.digits[0].digit, 5);
  EXPECT_EQ(p.digits[0].x, 133);
  EXPECT_EQ(p.digits[0].y, 7);
  EXPECT_EQ(p.digits[1].digit, 2);
  EXPECT_EQ(p.digits[1].x, 126);
}

TEST(Dimensions, ShortDistancesPutTheHeadsOutsideAndTheNumberLeft) {
  levers::DimensionPlan p = levers::planDimension(10, 160, 172, 0.5f, 0.005);
  EXPECT_FALSE(p.room);
  EXPECT_EQ(p.rightHead.x, 173.0f);
  EXPECT_STREQ(p.rightHead.macro, "r6l6e3g3f3");
  EXPECT_EQ(p.leftHead.x, 159.0f);
  EXPECT_STREQ(p.leftHead.macro, "l6r6h3f3g3");
  EXPECT_EQ(p.anchor, 148);
  ASSERT_EQ(p.digits.size(), 2u);
  EXPECT_EQ(p.digits[0].digit, 5);
  EXPECT_EQ(p.digits[1].digit, 0);  // a leading 0 below 1
  EXPECT_EQ(p.digits[1].x, 141);
  EXPECT_EQ(p.pointX, 146.0f);

  // 0.9 units is 21.6 pixels, one short of the 22 the number needs; 1.0 has room.
  EXPECT_FALSE(levers::planDimension(10, 160, 181.6f, 0.9f, 0.005).room);
  EXPECT_TRUE(levers::planDimension(10, 160, 184, 1, 0.005).room);

  // Effort at the fulcrum, and a fulcrum at the lever's left end: 0.0 left of the point.
  levers::DimensionPlan zero = levers::planDimension(25, 160, 160, 0, 0.005);
  EXPECT_FALSE(zero.room);
  EXPECT_EQ(zero.anchor, 148);
  EXPECT_EQ(zero.tenths, 0);
  EXPECT_EQ(zero.rounded, 0.0f);
  levers::DimensionPlan atEnd = levers::planDimension(72, 40, 40, 0, 0.005);
  EXPECT_EQ(atEnd.anchor, 28);
  EXPECT_EQ(atEnd.digits[0].y, 69);
}

TEST(Dimensions, TheFullLengthNeedsThreeDigits) {
  levers::DimensionPlan p = levers::planDimension(72, 280, 40, 10, 0.005);
  EXPECT_EQ(p.width, 18);
  EXPECT_TRUE(p.room);
  EXPECT_EQ(p.x0, 152);  // 160 - 9 + 1
  EXPECT_EQ(p.anchor, 165);
  ASSERT_EQ(p.digits.size(), 3u);
  EXPECT_EQ(p.digits[0].digit, 0);
  EXPECT_EQ(p.digits[0].x, 165);
  EXPECT_EQ(p.digits[1].digit, 0);
  EXPECT_EQ(p.digits[1].x, 158);
  EXPECT_EQ(p.digits[2].digit, 1);
  EXPECT_EQ(p.digits[2].x, 154);
}

TEST(Dimensions, ValuesAreRoundedToTenthsWithTheirGuard) {
  EXPECT_EQ(levers::planDimension(10, 0, 0, 2.4999998f, 0.005).rounded, 2.5f);
  EXPECT_EQ(levers::planDimension(10, 0, 0, -2.4999998f, 0.005).rounded, -2.5f);
  // The distances come from whole tenths of the bars and land a hair off them in single
  // precision; the guard brings them back.
  EXPECT_EQ(levers::planDimension(10, 0, 0, float(3.7 - double(0.9f)), 0.005).rounded, 2.8f);
  EXPECT_EQ(levers::planDimension(25, 0, 0, -0.9999999f, 0.05).rounded, -1.0f);
  // The guard is no rounding to the nearest tenth.
  EXPECT_EQ(levers::planDimension(10, 0, 0, 2.496f, 0.005).rounded, 2.4f);
  EXPECT_EQ(levers::planDimension(25, 0, 0, 2.496f, 0.05).rounded, 2.5f);
}

TEST(VectorDigits, TenGlyphsAndNothingElse) {
  ASSERT_NE(levers::vectorDigit(1), nullptr);
  EXPECT_EQ(std::string(levers::vectorDigit(1)->macro), "ed6lr2");
  EXPECT_EQ(levers::vectorDigit(5)->dx, 3);
  EXPECT_EQ(levers::vectorDigit(9)->dy, 5);
  EXPECT_EQ(levers::vectorDigit(10), nullptr);
  EXPECT_EQ(levers::vectorDigit(-1), nullptr);
}

}  // namespace
