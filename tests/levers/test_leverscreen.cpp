// The lever scene drawn on surfaces: what each routine draws, in which colours and at which
// points, and that erasing by redrawing in the background colour leaves nothing behind.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <vector>

#include "levers/leverscreen.h"
#include "platform/surface.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "runtime/physics.h"
#include "tests/support/doubles.h"

namespace {

using levers::Lever;
using levers::LeverScreen;
using levers::LeverShapes;

// A lever scene on a surface of its own, black as a topic's window.
struct Scene {
  float FulcrumPos = 5, DEffort = -2.5f, DLoad = 2, LeverLoad = 10;
  int16_t topic = levers::WorkTopic;
  plat::RecordingSurface surface;
  Lever lever{{FulcrumPos, DEffort, DLoad, LeverLoad}};
  LeverShapes shapes;
  LeverScreen screen{surface, lever, shapes, topic};

  // 319 x 199 device pixels make one logical pixel one device pixel.
  explicit Scene(int w = 319, int h = 199) : surface(w, h) {
    surface.setBackColor(0);
    screen.setLogicalScreen();
    shapes.setBarBase();
    lever.classifyLever();
  }
  std::vector<plat::DrawOp> ops(const std::string& name) const {
    std::vector<plat::DrawOp> out;
    for (const auto& op : surface.ops())
      if (op.op == name) out.push_back(op);
    return out;
  }
  static std::vector<double> points(std::initializer_list<int> xy) { return std::vector<double>(xy.begin(), xy.end()); }
};

TEST(LeverScene, LevelSceneAtFulcrumFive) {
  Scene s;
  s.surface.clearOps();
  s.screen.drawScene();
  const auto boxes = s.ops("box");
  ASSERT_EQ(boxes.size(), 2u);
  // The frame, 2 wide, filled with the background, which clears the screen.
  EXPECT_EQ(boxes[0].args, Scene::points({0, 0, 319, 199}));
  EXPECT_EQ(boxes[0].colour, rt::palette::kRed);
  EXPECT_EQ(boxes[0].drawWidth, 2);
  EXPECT_EQ(boxes[0].fillStyle, plat::FillSolid);
  EXPECT_EQ(boxes[0].fillColour, 0u);
  // The ground, cross-hatched light green.
  EXPECT_EQ(boxes[1].args, Scene::points({1, 81, 318, 104}));
  EXPECT_EQ(boxes[1].fillStyle, plat::FillDiagonalCross);
  EXPECT_EQ(boxes[1].fillColour, rt::palette::kGreen);
  EXPECT_EQ(boxes[1].drawWidth, 1);
  // The light yellow panel of the work topic.
  const auto fills = s.ops("fill");
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].args, Scene::points({0, 105, 319, 199}));
  EXPECT_EQ(fills[0].colour, rt::palette::kLightYellow);

  const auto polys = s.ops("polygon");
  ASSERT_EQ(polys.size(), 3u);
  // The fulcrum, its tip at (160, 64).
  EXPECT_EQ(polys[0].args, Scene::points({160, 64, 152, 80, 168, 80}));
  EXPECT_EQ(polys[0].colour, rt::palette::kRed);
  EXPECT_EQ(polys[0].fillColour, rt::palette::kRed);
  // The bar in drawing order, yellow edge, grey inside.
  EXPECT_EQ(polys[1].args, Scene::points({40, 60, 40, 63, 279, 63, 279, 60}));
  EXPECT_EQ(polys[1].colour, rt::palette::kYellow);
  EXPECT_EQ(polys[1].fillColour, rt::palette::kLightGrey);
  // The load box at x 208 (5 + 2 units), squeezed to 37..59.
  EXPECT_EQ(polys[2].args, Scene::points({192, 37, 223, 37, 223, 59, 192, 59}));
  EXPECT_EQ(polys[2].colour, rt::palette::kWhite);
  EXPECT_EQ(polys[2].fillColour, rt::palette::kMagenta);
  EXPECT_EQ(polys[2].fillStyle, plat::FillSolid);

  // The arrow, an outline 2 wide in light cyan, pointing down onto the bar (class 1).
  const auto psets = s.ops("pset");
  ASSERT_EQ(psets.size(), 1u);
  EXPECT_EQ(psets[0].colour, rt::palette::kCyan);
  EXPECT_EQ(psets[0].drawWidth, 2);
  EXPECT_EQ(s.shapes.ArrowFirst, 16);
  EXPECT_EQ(s.surface.foreColor(), rt::palette::kCyan);
  EXPECT_EQ(s.surface.drawWidth(), 1);

  // The tutorial has no yellow panel.
  Scene t;
  t.topic = levers::LessonTopic;
  t.surface.clearOps();
  t.screen.drawScene();
  EXPECT_TRUE(t.ops("fill").empty());
}

TEST(LeverScene, DevicePointsRoundHalvesToEven) {
  // A fulcrum at 0.1875 units stands at x 44.5: its corners go to 44, 36 and 52.
  Scene s;
  s.FulcrumPos = 0.1875f;
  s.surface.clearOps();
  s.screen.drawFulcrum();
  const auto polys = s.ops("polygon");
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].args, Scene::points({44, 64, 36, 80, 52, 80}));
}

TEST(LeverScene, PixelsOfTheScene) {
  Scene s(520, 600);
  s.screen.drawScene();
  const plat::ImageSurface& img = s.surface;
  auto at = [&](double x, double y) {
    QPoint p = s.screen.device(float(x), float(y));
    return img.pixel(p.x(), p.y());
  };
  EXPECT_EQ(img.pixel(0, 100), rt::palette::kRed);     // frame, left edge
  EXPECT_EQ(at(160, 72), rt::palette::kRed);           // inside the fulcrum
  EXPECT_EQ(at(100, 61.5), rt::palette::kLightGrey);   // the bar
  EXPECT_EQ(at(208, 48), rt::palette::kMagenta);       // the load
  EXPECT_EQ(at(100, 20), 0u);                          // black sky
  EXPECT_EQ(at(160, 150), rt::palette::kLightYellow);  // the panel
  // The ground: light green hatch over black, both present along a row.
  int green = 0, black = 0;
  for (int x = 20; x < 500; ++x) {
    rt::Colour c = img.pixel(x, s.screen.device(0, 92).y());
    green += c == rt::palette::kGreen;
    black += c == 0;
  }
  EXPECT_GT(green, 20);
  EXPECT_GT(black, 20);
}

// True when no pixel of the image has one of the colours.
bool noneOf(const QImage& img, std::initializer_list<rt::Colour> colours) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      for (rt::Colour c : colours)
        if (rt::rgb(qRed(p), qGreen(p), qBlue(p)) == c) return false;
    }
  return true;
}

TEST(LeverScene, ErasingTheMovingShapesLeavesNoTrace) {
  for (float fulcrum : {5.0f, 8.3f, 0.0f}) {
    Scene s(520, 600);
    s.FulcrumPos = fulcrum;
    s.DEffort = -fulcrum;
    s.DLoad = 10 - fulcrum;
    s.lever.classifyLever();
    s.screen.drawScene();
    // The scene without the moving shapes.
    s.screen.eraseLever();
    s.screen.eraseLoad();
    s.screen.eraseEffortArrow();
    const QImage bare = s.surface.image().copy();

    s.screen.drawLever();
    s.screen.drawLoad();
    s.screen.drawEffortArrow();
    s.lever.computeTiltLimits();
    const float deg = float(rt::phys::kPi / 180);
    for (float t = s.lever.ThetaMin; t <= s.lever.ThetaMax; t += 0.7f * deg) {
      s.lever.Theta = t;
      s.screen.redrawMovingShapes();
    }
    s.screen.eraseLever();
    s.screen.eraseLoad();
    s.screen.eraseEffortArrow();
    // Nothing of the bar, the load or the arrow is left.
    EXPECT_TRUE(noneOf(s.surface.image(), {rt::palette::kLightGrey, rt::palette::kCyan, rt::palette::kMagenta,
                                           rt::palette::kYellow, rt::palette::kWhite}))
        << "fulcrum " << fulcrum;
    // With the fulcrum at the left end the load swings up past the frame and takes part of it
    // with it; elsewhere the screen is as it was.
    if (fulcrum != 0.0f) {
      EXPECT_TRUE(s.surface.image() == bare) << "fulcrum " << fulcrum;
    }
  }
}

TEST(LeverScene, ErasersUseTheShapesAsLastDrawn) {
  Scene s;
  s.screen.drawScene();
  ASSERT_EQ(s.shapes.ArrowFirst, 16);
  const auto down = s.shapes.Pts;
  // The class changes and the effort moves: the eraser still removes the down arrow where it was.
  s.DEffort = 2;
  s.DLoad = 3;
  s.lever.classifyLever();
  ASSERT_EQ(s.lever.LeverClass, 3);
  s.surface.clearOps();
  s.screen.eraseEffortArrow();
  const auto psets = s.ops("pset");
  ASSERT_EQ(psets.size(), 1u);
  EXPECT_EQ(psets[0].args, (std::vector<double>{double(down[16].x), double(down[16].y)}));
  EXPECT_EQ(psets[0].colour, 0u);
  EXPECT_EQ(s.ops("line").size(), 7u);  // six edges and the closing one
  s.screen.drawEffortArrow();
  EXPECT_EQ(s.shapes.ArrowFirst, 9);
  EXPECT_EQ(s.shapes.ArrowLast, 15);
}

TEST(LeverScene, NoLoadDrawsNoBoxButKeepsItsCorners) {
  Scene s;
  s.LeverLoad = 0;
  s.surface.clearOps();
  s.screen.drawScene();
  EXPECT_EQ(s.ops("polygon").size(), 2u);  // fulcrum and bar only
  EXPECT_EQ(s.shapes.Pts[5], (levers::Pt{192, 37}));
  s.surface.clearOps();
  s.screen.eraseLoad();
  const auto polys = s.ops("polygon");
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].colour, 0u);
  EXPECT_EQ(polys[0].fillColour, 0u);
}

TEST(LeverScene, DimensionWorkedExample) {
  // Fulcrum at 5, D Effort -2.5 (effort at x 100), a first-class lever.
  Scene s;
  s.screen.drawScene();
  s.surface.clearOps();
  s.screen.drawDimensions();
  EXPECT_EQ(s.screen.EffY, 10);
  EXPECT_EQ(s.screen.LoadY, 25);
  const auto& ops = s.surface.ops();
  auto find = [&](const std::string& name, std::vector<double> args) {
    return std::find_if(ops.begin(), ops.end(), [&](const plat::DrawOp& o) { return o.op == name && o.args == args; });
  };
  // Extension lines in white.
  auto ext = find("line", {160, 3, 160, 56});
  ASSERT_NE(ext, ops.end());
  EXPECT_EQ(ext->colour, rt::palette::kWhite);
  EXPECT_NE(find("line", {100, 3, 100, 36}), ops.end());
  EXPECT_NE(find("line", {208, 18, 208, 33}), ops.end());
  EXPECT_NE(find("line", {40, 66, 40, 78}), ops.end());
  EXPECT_NE(find("line", {160, 66, 160, 78}), ops.end());
  // The dimension line, the head pointing right with its tip at 159 and the left one at 101.
  auto dim = find("line", {160, 10, 100, 10});
  ASSERT_NE(dim, ops.end());
  auto head = find("pset", {159, 10});
  ASSERT_NE(head, ops.end());
  EXPECT_EQ((head + 1)->args, (std::vector<double>{159, 10, 156, 7}));
  EXPECT_EQ((head + 3)->args, (std::vector<double>{159, 10, 156, 13}));
  EXPECT_NE(find("pset", {101, 10}), ops.end());
  // The gap for the number, in the background colour.
  auto gap = find("fill", {123, 7, 138, 13});
  ASSERT_NE(gap, ops.end());
  EXPECT_EQ(gap->colour, 0u);
  // Digit 5 at 133 (it starts at its cell's top right), the point at (131, 13), digit 2 at 126.
  auto five = find("pset", {136, 7});
  ASSERT_NE(five, ops.end());
  EXPECT_EQ(five->colour, rt::palette::kMagenta);
  EXPECT_EQ((five + 1)->args, (std::vector<double>{136, 7, 133, 7}));  // "l3"
  auto point = find("pset", {131, 13});
  ASSERT_NE(point, ops.end());
  EXPECT_GT(point, five);
  EXPECT_EQ(point->colour, rt::palette::kMagenta);
  auto two = find("pset", {126, 8});
  ASSERT_NE(two, ops.end());
  EXPECT_GT(two, point);
  EXPECT_EQ(s.DEffort, -2.5f);
  // The fulcrum's own dimension: 5.0 from x 40 to 160 at y 72.
  EXPECT_NE(find("line", {160, 72, 40, 72}), ops.end());
}

TEST(LeverScene, DimensionsFollowClassAndLoad) {
  // Class 3: the load farther out on the same side gets the upper line.
  Scene s;
  s.DEffort = 1;
  s.DLoad = 3;
  s.lever.classifyLever();
  s.screen.drawScene();
  s.surface.clearOps();
  s.screen.drawDimensions();
  EXPECT_EQ(s.screen.EffY, 25);
  EXPECT_EQ(s.screen.LoadY, 10);
  int atTen = 0, atTwentyFive = 0;
  for (const auto& op : s.surface.ops()) {
    if (op.op != "line" || op.args[1] != op.args[3]) continue;
    if (op.args == std::vector<double>{160, 10, 232, 10}) ++atTen;         // D Load 3
    if (op.args == std::vector<double>{160, 25, 184, 25}) ++atTwentyFive;  // D Effort 1
  }
  EXPECT_EQ(atTen, 1);
  EXPECT_EQ(atTwentyFive, 1);

  // No load: no D Load dimension, no load extension line, and DLoad is left as it was.
  Scene n;
  n.LeverLoad = 0;
  n.DLoad = 2.4999998f;
  n.screen.drawScene();
  n.surface.clearOps();
  n.screen.drawDimensions();
  EXPECT_EQ(n.DLoad, 2.4999998f);
  for (const auto& op : n.surface.ops()) {
    if (op.op != "line") continue;
    EXPECT_NE(op.args[0], 220.0) << "a line at the load";
    EXPECT_NE(op.args[1], 25.0) << "a line at the D Load height";
  }

  // Values are written back rounded to tenths; the fulcrum at the left end shows 0.0 at 28.
  Scene r;
  r.FulcrumPos = 0;
  r.DEffort = 2.4999998f;
  r.DLoad = 7.0000003f;
  r.lever.classifyLever();
  r.screen.drawScene();
  r.surface.clearOps();
  r.screen.drawDimensions();
  EXPECT_EQ(r.DEffort, 2.5f);
  EXPECT_EQ(r.DLoad, 7.0f);
  EXPECT_EQ(r.FulcrumPos, 0.0f);
  bool zeroAt28 = false;
  for (const auto& op : r.surface.ops())
    if (op.op == "pset" && op.args == std::vector<double>{28, 70}) zeroAt28 = true;  // digit 0 at (28, 69)
  EXPECT_TRUE(zeroAt28);
}

TEST(LeverScene, RemovingTheMarksRestoresThePlainScene) {
  for (auto [fulcrum, dEffort, dLoad] : {std::tuple{5.0f, -2.5f, 2.0f}, {9.0f, -9.0f, 1.0f}, {2.0f, 3.0f, 6.0f}}) {
    Scene plain(520, 600);
    plain.FulcrumPos = fulcrum;
    plain.DEffort = dEffort;
    plain.DLoad = dLoad;
    plain.lever.classifyLever();
    plain.screen.drawScene();

    Scene s(520, 600);
    s.FulcrumPos = fulcrum;
    s.DEffort = dEffort;
    s.DLoad = dLoad;
    s.lever.classifyLever();
    s.screen.drawScene();
    s.screen.drawDimensions();
    EXPECT_FALSE(s.surface.image() == plain.surface.image());
    s.screen.prepareEffortView();
    // The moving shapes are then redrawn at the start tilt; level here, the screen is the
    // plain scene again.
    s.screen.redrawMovingShapes();
    EXPECT_TRUE(s.surface.image() == plain.surface.image()) << fulcrum << " " << dEffort << " " << dLoad;
  }
}

TEST(LeverScene, DigitsAndLocate) {
  Scene s;
  s.surface.clearOps();
  s.screen.drawDigit(10, 5, 5);
  s.screen.drawDigit(-1, 5, 5);
  EXPECT_TRUE(s.surface.ops().empty());
  EXPECT_EQ(s.surface.foreColor(), rt::palette::kMagenta);
  s.screen.setColor(4);
  s.screen.setColor(16);  // no such colour: nothing changes
  EXPECT_EQ(s.surface.foreColor(), rt::palette::kDarkRed);
  s.screen.locate(3, 34);
  EXPECT_EQ(s.surface.currentX(), 264);
  EXPECT_EQ(s.surface.currentY(), 16);
  // A colour command inside a string goes through the window's colour setter.
  s.screen.drawMacro("c9r2");
  EXPECT_EQ(s.surface.foreColor(), rt::palette::kBlue);
}

}  // namespace
