// The pendulum's pictures: the pendulum drawn on its hidden surface and copied whole, and the
// two plots drawn a segment per tick and redrawn from the record.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "pendulum/pendplots.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "tests/support/doubles.h"
#include "tests/support/manualsources.h"

namespace {

using pendulum::PendRun;

// The pictures' sizes on screen: 4095 x 3975 and 3975 x 1935 / 2655 twips.
constexpr int kPendW = 273, kPendH = 265, kPlotW = 265, kAngleH = 129, kPhaseH = 177;

// A window's plots, fed by a run.
class PlotView : public pendulum::PendRunView {
 public:
  plat::RecordingSurface angle{kPlotW, kAngleH}, phase{kPlotW, kPhaseH};
  void showControls(const pendulum::RunControls&) override {}
  void showTime(const std::string&) override {}
  void scalePlots(float runLength, float halfAngle, float halfSpeed) override {
    pendulum::scaleAnglePlot(angle, runLength, halfAngle);
    pendulum::scalePhasePlot(phase, halfAngle, halfSpeed);
  }
  void clearPlots() override {
    angle.cls();
    phase.cls();
  }
  void drawPendulum(float) override {}
  void addSegments(const pendulum::PlotSegment& s) override { pendulum::addPlotSegments(angle, phase, s); }
  void setTimerInterval(int) override {}
  void setTimerEnabled(bool) override {}
  void focusStart() override {}
};

class Silent : public pendulum::PendSound {
 public:
  void playDingAndWait() override {}
};

TEST(PendulumPicture, BobPositionInWholeCentimetres) {
  auto b = pendulum::bobAt(200, 45);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->BobX, 141);
  EXPECT_EQ(b->BobY, -141);
  b = pendulum::bobAt(200, 0);
  EXPECT_EQ(b->BobX, 0);
  EXPECT_EQ(b->BobY, -200);
  b = pendulum::bobAt(200, -30);
  EXPECT_EQ(b->BobX, -100);
  EXPECT_EQ(b->BobY, -173);
  EXPECT_FALSE(pendulum::bobAt(200, std::numeric_limits<float>::quiet_NaN()));
  EXPECT_FALSE(pendulum::bobAt(200, std::numeric_limits<float>::infinity()));
  EXPECT_FALSE(pendulum::bobAt(1e6f, 45));
}

TEST(PendulumPicture, DrawnHiddenThenCopiedWhole) {
  plat::RecordingSurface hidden(kPendW, kPendH), visible(kPendW, kPendH);
  pendulum::setupPendulumPicture(hidden);
  pendulum::setupPendulumPicture(visible);
  auto bob = pendulum::drawPendulumPicture(hidden, visible, 200, 45, 20);
  ASSERT_TRUE(bob);
  EXPECT_EQ(bob->BobX, 141);

  // String, bob and support in that order, then one block copy onto the visible picture.
  const auto& ops = hidden.ops();
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_EQ(ops[0].op, "cls");
  EXPECT_EQ(ops[1].op, "line");
  EXPECT_EQ(ops[1].args, (std::vector<double>{0, 0, 141, -141}));
  EXPECT_EQ(ops[1].colour, rt::palette::kBlack);
  EXPECT_EQ(ops[2].op, "circle");
  EXPECT_EQ(ops[2].args[2], 20);
  EXPECT_EQ(ops[3].op, "fill");
  EXPECT_EQ(ops[3].args, (std::vector<double>{-10.5, 0, 10.5, -6.3}));
  EXPECT_EQ(ops[3].colour, rt::palette::kRed);
  EXPECT_EQ(visible.countOps("blit"), 1);
  EXPECT_EQ(visible.countOps("line"), 0);
  EXPECT_EQ(visible.image(), hidden.image());

  // On the pixels: the bob filled light cyan, the support light red over the string,
  // the string black, and white around.
  auto at = [&](double x, double y) { return visible.pixel(int(visible.toDeviceX(x)), int(visible.toDeviceY(y))); };
  EXPECT_EQ(at(141, -141), rt::palette::kCyan);
  EXPECT_EQ(at(0, -3), rt::palette::kRed);
  EXPECT_EQ(at(70, -70), rt::palette::kBlack);
  EXPECT_EQ(at(-100, -100), rt::palette::kWhite);
}

TEST(PendulumPicture, AnAngleThatCannotBeDrawnKeepsTheLastFrame) {
  plat::RecordingSurface hidden(kPendW, kPendH), visible(kPendW, kPendH);
  pendulum::setupPendulumPicture(hidden);
  pendulum::setupPendulumPicture(visible);
  ASSERT_TRUE(pendulum::drawPendulumPicture(hidden, visible, 200, 10, 20));
  const QImage before = visible.image();
  hidden.clearOps();
  EXPECT_FALSE(pendulum::drawPendulumPicture(hidden, visible, 200, std::nanf(""), 20));
  EXPECT_TRUE(hidden.ops().empty());
  EXPECT_EQ(visible.image(), before);
}

TEST(PendulumPlots, ScalesPutZeroInTheMiddle) {
  plat::RecordingSurface angle(kPlotW, kAngleH), phase(kPlotW, kPhaseH);
  pendulum::scaleAnglePlot(angle, 20, 45);
  pendulum::scalePhasePlot(phase, 45, 99.6f);
  EXPECT_DOUBLE_EQ(angle.toDeviceX(0), 0);
  EXPECT_DOUBLE_EQ(angle.toDeviceX(20), kPlotW);
  EXPECT_DOUBLE_EQ(angle.toDeviceY(45), 0);
  EXPECT_DOUBLE_EQ(angle.toDeviceY(0), kAngleH / 2.0);
  EXPECT_DOUBLE_EQ(phase.toDeviceX(0), kPlotW / 2.0);
  EXPECT_DOUBLE_EQ(phase.toDeviceY(0), kPhaseH / 2.0);
  EXPECT_DOUBLE_EQ(phase.toDeviceY(-99.6f), kPhaseH);
}

TEST(PendulumPlots, RepaintRedrawsTheCurvesOfTheRun) {
  PlotView view;
  Silent sound;
  rt::ManualTickClock clock;
  pendulum::PendSettings settings;
  PendRun run(settings, view, sound, clock);
  run.setResetPending();
  run.startClicked();
  run.startClicked();
  while (run.running()) run.tick();
  ASSERT_EQ(run.numPoints(), 200);
  EXPECT_EQ(view.angle.countOps("line"), 200);
  EXPECT_EQ(view.phase.countOps("line"), 200);
  // Every segment is in light red; the angle curve reaches the right edge at 20 s.
  for (const auto& op : view.angle.ops()) {
    if (op.op == "line") {
      EXPECT_EQ(op.colour, rt::palette::kRed);
    }
  }
  EXPECT_NEAR(view.angle.ops().back().args[2], 20, 1e-4);

  // Redrawn from the record onto cleared plots, the curves come out pixel for pixel.
  const QImage angleDrawn = view.angle.image(), phaseDrawn = view.phase.image();
  view.clearPlots();
  view.angle.clearOps();
  pendulum::redrawAnglePlot(view.angle, run.history(), run.numPoints());
  pendulum::redrawPhasePlot(view.phase, run.history(), run.numPoints());
  EXPECT_EQ(view.angle.countOps("pset"), 1);
  EXPECT_EQ(view.angle.countOps("line"), 200);
  EXPECT_EQ(view.angle.ops()[0].args, (std::vector<double>{0, 45}));
  EXPECT_EQ(view.angle.image(), angleDrawn);
  EXPECT_EQ(view.phase.image(), phaseDrawn);
}

TEST(PendulumPlots, NothingRecordedDrawsNothing) {
  plat::RecordingSurface plot(kPlotW, kAngleH);
  PendRun::History h{};
  pendulum::redrawAnglePlot(plot, h, 0);
  pendulum::redrawPhasePlot(plot, h, 0);
  EXPECT_TRUE(plot.ops().empty());
}

TEST(PendulumPlots, ADivergedRunDrawsWhatCanBeDrawn) {
  plat::RecordingSurface plot(kPlotW, kAngleH);
  pendulum::scaleAnglePlot(plot, 20, 45);
  PendRun::History h{};
  for (size_t i = 0; i <= 4; ++i) h[0][i] = 0.1f * float(i);
  h[1][1] = 1e30f;
  h[1][2] = std::nanf("");
  h[1][3] = -std::numeric_limits<float>::infinity();
  pendulum::redrawAnglePlot(plot, h, 4);
  EXPECT_EQ(plot.countOps("line"), 3);
  for (const auto& op : plot.ops())
    for (double v : op.args) EXPECT_LE(std::fabs(v), 1e6);
  pendulum::addPlotSegments(plot, plot, {0, 0, 0, 0.1f, std::nanf(""), 0});
  EXPECT_EQ(plot.countOps("line"), 3);
}

}  // namespace
