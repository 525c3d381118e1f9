// The grid picture: what is drawn for the arm, the trail and the prompts, and that an arm
// drawn again in the background colour leaves no trace.

#include <gtest/gtest.h>

#include <QString>

#include "platform/surface.h"
#include "robotics/robotgrid.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "tests/support/doubles.h"

namespace {

using namespace robotics;

struct Grid {
  plat::RecordingSurface s{401, 401};
  Grid() { scaleGrid(s); }
  rt::Colour at(double x, double y) const { return s.pixel(int(s.toDeviceX(x)), int(s.toDeviceY(y))); }
  // Pixels of a colour within a few pixels of a point.
  int near(double x, double y, rt::Colour c, int r = 4) const {
    const int cx = int(s.toDeviceX(x)), cy = int(s.toDeviceY(y));
    int n = 0;
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx) n += s.pixel(cx + dx, cy + dy) == c;
    return n;
  }
};

ArmDrawing drawing(const ArmPosition& prev, const ArmPosition& now, int16_t flag) {
  ArmDrawing d;
  d.previous = prev;
  d.present = now;
  d.flag = flag;
  return d;
}

TEST(GridPicture, ClearingWritesTheAxisNamesAndTheModesPrompt) {
  Grid g;
  clearGridPicture(g.s, 0);
  EXPECT_EQ(g.s.printedTexts(), (std::vector<QString>{"X", "Y"}));
  g.s.clearOps();
  clearGridPicture(g.s, 1);
  EXPECT_EQ(g.s.printedTexts(), (std::vector<QString>{"X", "Y", "Click Grid To Set Desired Point"}));
  g.s.clearOps();
  clearGridPicture(g.s, 2);
  ASSERT_EQ(g.s.printedTexts().size(), 3u);
  EXPECT_EQ(g.s.printedTexts()[2], "Click Grid To Establish Path Endpoint");
  // Centred: the prompt's left edge half its width left of x = 0, its top half a line
  // above y = -10.5.
  const auto& op = g.s.ops().back();
  EXPECT_NEAR(op.args[0], -g.s.textWidth("Click Grid To Establish Path Endpoint") / 2, 1e-9);
  EXPECT_NEAR(op.args[1], -10.5 + g.s.textHeight() / 2, 1e-9);
  EXPECT_EQ(op.colour, 0u);
}

TEST(GridPicture, TheArmItsGridAndItsMarks) {
  Grid g;
  const ArmPosition a = computeArmPosition(5, 5, -115, 100);
  ArmDrawing d = drawing(a, a, 1);
  d.desiredBox = true;
  d.DesiredX = -6.1f;
  d.DesiredY = 2;
  drawArmPicture(g.s, d);
  const auto& ops = g.s.ops();
  // Old arm erased, new arm drawn, both three pixels wide.
  ASSERT_GE(ops.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ops[size_t(i)].drawWidth, 3);
  EXPECT_EQ(ops[0].colour, rt::palette::kWhite);
  EXPECT_EQ(ops[2].colour, rt::palette::kBlue);
  EXPECT_EQ(ops[3].colour, rt::palette::kRed);
  EXPECT_EQ(ops[2].args, (std::vector<double>{0, 0, a.ElbowX, a.ElbowY}));
  // Flag 1: the old hand's mark is erased.
  EXPECT_EQ(ops[4].op, "circle");
  EXPECT_EQ(ops[4].colour, rt::palette::kWhite);
  EXPECT_EQ(ops[4].drawWidth, 1);
  int dotted = 0;
  for (const auto& op : ops) dotted += op.op == "line" && op.drawStyle == plat::DrawDot;
  EXPECT_EQ(dotted, 18);
  EXPECT_EQ(g.s.countOps("box"), 2);  // the frame and the desired point
  EXPECT_EQ(ops.back().op, "box");
  EXPECT_NEAR(ops.back().args[0], -6.3, 1e-6);
  // The hand's mark is light red; the links show in their colours.
  EXPECT_GT(g.near(a.HandX, a.HandY, rt::palette::kRed), 8);
  EXPECT_EQ(g.at(a.ElbowX / 2, a.ElbowY / 2), rt::palette::kBlue);
  EXPECT_EQ(g.at((a.ElbowX + a.HandX) / 2, (a.ElbowY + a.HandY) / 2), rt::palette::kRed);
  EXPECT_GT(g.near(10, 5, 0, 1), 0);  // the frame
  EXPECT_GT(g.near(-10, 5, 0, 1), 0);
  EXPECT_GT(g.near(3, 0, 0, 1), 0);  // the x axis
}

TEST(GridPicture, MovingTheArmLeavesATrailAndNoOldArm) {
  Grid g;
  const ArmPosition a = computeArmPosition(5, 5, -115, 100);
  const ArmPosition b = computeArmPosition(5, 5, 60, 30);
  drawArmPicture(g.s, drawing(a, a, 1));
  drawArmPicture(g.s, drawing(a, b, 0));
  EXPECT_EQ(g.at(a.ElbowX / 2, a.ElbowY / 2), rt::palette::kWhite);
  EXPECT_EQ(g.at((a.ElbowX + a.HandX) / 2, (a.ElbowY + a.HandY) / 2), rt::palette::kWhite);
  EXPECT_EQ(g.at(b.ElbowX / 2, b.ElbowY / 2), rt::palette::kBlue);
  // The old hand keeps its light red mark, the trail, though its red link is gone.
  EXPECT_GT(g.near(a.HandX, a.HandY, rt::palette::kRed), 8);
  EXPECT_EQ(g.at(a.HandX, a.HandY), rt::palette::kWhite);
  // Back to a with flag 1: the arm at b and its hand's mark go without a trace.
  drawArmPicture(g.s, drawing(b, a, 1));
  EXPECT_EQ(g.near(b.HandX, b.HandY, rt::palette::kRed), 0);
  EXPECT_EQ(g.near(b.ElbowX / 2, b.ElbowY / 2, rt::palette::kBlue), 0);
}

}  // namespace
