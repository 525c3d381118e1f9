// Drawing-command strings on a recording surface: the strokes they make and where they leave
// the current point.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/drawmacro.h"
#include "platform/surface.h"
#include "tests/support/doubles.h"

namespace {

using Seg = std::array<double, 4>;

struct Path {
  std::vector<Seg> lines;
  std::vector<int> colours;
  double x = 0, y = 0;
};

Path run(const char* cmds, double x, double y) {
  plat::RecordingSurface s(64, 64);
  s.setScaleMode(plat::ScaleMode::Pixels);
  s.moveTo(x, y);
  Path r;
  plat::drawMacro(s, cmds, [&](int n) { r.colours.push_back(n); });
  for (const plat::DrawOp& op : s.ops())
    if (op.op == "line") r.lines.push_back({op.args[0], op.args[1], op.args[2], op.args[3]});
  r.x = s.currentX();
  r.y = s.currentY();
  return r;
}

TEST(DrawMacro, ArrowheadAndDigitOneFromTheirStartPoints) {
  Path head = run("h3f3g3", 10, 20);
  EXPECT_EQ(head.lines, (std::vector<Seg>{{10, 20, 7, 17}, {7, 17, 10, 20}, {10, 20, 7, 23}}));
  EXPECT_EQ(head.x, 7);
  EXPECT_EQ(head.y, 23);

  Path one = run("ed6lr2", 0, 1);
  EXPECT_EQ(one.lines, (std::vector<Seg>{{0, 1, 1, 0}, {1, 0, 1, 6}, {1, 6, 0, 6}, {0, 6, 2, 6}}));
}

TEST(DrawMacro, CountsAndTheEightDirections) {
  EXPECT_EQ(run("U", 5, 5).lines, (std::vector<Seg>{{5, 5, 5, 4}}));  // a missing count is 1
  Path all = run("u2d3l4r5e6f7g8h9", 30, 30);
  ASSERT_EQ(all.lines.size(), 8u);
  const double ends[8][2] = {{30, 28}, {30, 31}, {26, 31}, {31, 31}, {37, 25}, {44, 32}, {36, 40}, {27, 31}};
  for (size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(all.lines[i][2], ends[i][0]) << i;
    EXPECT_EQ(all.lines[i][3], ends[i][1]) << i;
  }
  // Several digits make one count.
  EXPECT_EQ(run("d16", 0, 0).lines, (std::vector<Seg>{{0, 0, 0, 16}}));
  // A zero count leaves the current point where it is.
  Path zero = run("R0", 3, 4);
  EXPECT_EQ(zero.x, 3);
  EXPECT_EQ(zero.y, 4);
  // Counts past 16 bits are held at the largest.
  EXPECT_EQ(run("r999999", 0, 0).x, 32767);
}

TEST(DrawMacro, CaseJunkAndColour) {
  EXPECT_EQ(run("erfd4glhu4", 0, 1).lines, run("ERFD4GLHU4", 0, 1).lines);
  // An unknown letter is skipped with its digits.
  EXPECT_EQ(run("x45r2", 0, 0).lines, (std::vector<Seg>{{0, 0, 2, 0}}));
  // A string that begins with digits: the first is an (unknown) command, the rest its count.
  EXPECT_EQ(run("123r", 0, 0).lines, (std::vector<Seg>{{0, 0, 1, 0}}));
  // Colours go to the caller and do not move; C alone is colour 1.
  Path c = run("c13r1C", 0, 0);
  EXPECT_EQ(c.colours, (std::vector<int>{13, 1}));
  EXPECT_EQ(c.lines.size(), 1u);
  Path empty = run("", 9, 8);
  EXPECT_TRUE(empty.lines.empty());
  EXPECT_EQ(empty.x, 9);
  EXPECT_EQ(empty.y, 8);
  // Without a colour setter a C does nothing.
  plat::RecordingSurface s(8, 8);
  plat::drawMacro(s, "c4", {});
  EXPECT_TRUE(s.ops().empty());
}

}  // namespace
