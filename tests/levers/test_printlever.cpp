// The printed lever through the recording printer: the prompt, the heading and the class
// and load line, the scene drawn from the stored shape points, the dimensions with their
// decimal points and white gaps, stroke for stroke the screen's, a lever without load, a
// cancelled print, and the rounding of the shared values, which must match a screen redraw
// of the dimensions exactly.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "levers/leverswindow.h"
#include "platform/button.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "shell/settings.h"
#include "tests/levers/leverwindow.h"
#include "tests/support/doubles.h"

namespace {

using namespace leverstest;
using Args = std::vector<double>;

class LeverPrintout : public LeversWindowTest {
 protected:
  void SetUp() override {
    LeversWindowTest::SetUp();
    rec = plat::installRecordingPrinter(100, false);
  }
  // The work topic of a freshly opened window.
  LeversWindow* work() {
    LeversWindow* w = open();
    if (w) topicButton(w, 2)->click();
    return w;
  }
  // The Print tool; the page of the one document it printed, or null.
  const plat::PrintedPage* print(LeversWindow* w) {
    const size_t before = rec->documents.size();
    toolButton(w, 0)->click();
    if (rec->documents.size() != before + 1 || rec->documents.back().pages.size() != 1) return nullptr;
    return &rec->documents.back().pages[0];
  }
  static std::vector<Args> argsOf(const plat::PrintedPage& page, const std::string& op,
                                  std::optional<rt::Colour> colour = {}) {
    std::vector<Args> out;
    for (const plat::DrawOp& d : page.ops)
      if (d.op == op && (!colour || d.colour == *colour)) out.push_back(d.args);
    return out;
  }
  static bool has(const std::vector<Args>& all, const Args& a) {
    return std::find(all.begin(), all.end(), a) != all.end();
  }
  plat::RecordingPrinter* rec = nullptr;
};

TEST_F(LeverPrintout, TheFreshLeverPrintsItsClassLineSceneAndDimensions) {
  LeversWindow* w = work();
  ASSERT_TRUE(w);
  const plat::PrintedPage* page = print(w);
  ASSERT_TRUE(page);

  // Asked first, under the report's title, which also names the job.
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[0].title, "Print Lever");
  EXPECT_EQ(services.boxes->calls[0].style, plat::msg::OkCancel | plat::msg::Information);
  EXPECT_EQ(rec->documents.back().title, "Print Lever");

  // The heading and the class line, in Courier New 12.
  EXPECT_EQ(page->texts(), (std::vector<QString>{"Levers", "1st Class Lever - Load = 100"}));
  for (const plat::DrawOp& d : page->ops)
    if (d.op == "print") {
      EXPECT_EQ(d.fontName, "Courier New");
      EXPECT_EQ(d.fontSize, 12);
    }
  EXPECT_EQ(argsOf(*page, "print")[0], (Args{0, -50}));
  EXPECT_EQ(argsOf(*page, "print")[1], (Args{0, -10}));

  // The frame and the hatched ground.
  const auto boxes = argsOf(*page, "box");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], (Args{0, 0, 320, 105}));
  EXPECT_EQ(boxes[1], (Args{1, 81, 318, 104}));
  for (const plat::DrawOp& d : page->ops)
    if (d.op == "box" && d.args[1] == 81) {
      EXPECT_EQ(d.fillStyle, plat::FillDiagonalCross);
      EXPECT_EQ(d.fillColour, rt::palette::kBlack);
    }

  // The fulcrum at 9 (x 256) as an outline.
  const auto lines = argsOf(*page, "line", rt::palette::kBlack);
  EXPECT_TRUE(has(lines, {256, 64, 248, 80}));
  EXPECT_TRUE(has(lines, {248, 80, 264, 80}));
  EXPECT_TRUE(has(lines, {264, 80, 256, 64}));
  // The level bar in light grey and the load box at the right end in light magenta.
  EXPECT_EQ(argsOf(*page, "fill", rt::palette::kLightGrey), (std::vector<Args>{{40, 60, 279, 63}}));
  EXPECT_EQ(argsOf(*page, "fill", rt::palette::kMagenta), (std::vector<Args>{{264, 37, 295, 59}}));
  // The arrow pushing down at the left end, two pixels wide, closed.
  const auto& P = w->shapes().Pts;
  int arrowStrokes = 0;
  for (const plat::DrawOp& d : page->ops)
    if (d.op == "line" && d.drawWidth == 2 && d.args[1] >= 35 && d.args[1] <= 60 && d.args[0] < 50) ++arrowStrokes;
  EXPECT_EQ(arrowStrokes, 7);
  EXPECT_EQ(w->shapes().ArrowFirst, 16);
  EXPECT_TRUE(has(lines, {double(P[22].x), double(P[22].y), double(P[16].x), double(P[16].y)}));

  // Three dimensions: D Effort 9.0 at y 10, D Load 1.0 at y 25, the fulcrum 9.0 at y 72,
  // each with a white gap and a decimal point made of a dot and a short stroke.
  EXPECT_EQ(argsOf(*page, "fill", rt::palette::kWhite),
            (std::vector<Args>{{141, 7, 156, 13}, {261, 22, 276, 28}, {141, 69, 156, 75}}));
  EXPECT_EQ(argsOf(*page, "pset"), (std::vector<Args>{{149, 13}, {269, 28}, {149, 75}}));
  EXPECT_TRUE(has(lines, {149, 75, 150, 75}));
  for (const plat::DrawOp& d : page->ops) {
    if (d.op != "print" && d.op != "fill") {
      EXPECT_EQ(d.colour, rt::palette::kBlack) << d.op;
    }
  }
  // The values were already in tenths.
  EXPECT_EQ(shell::settings().DEffort, -9.0f);
  EXPECT_EQ(shell::settings().FulcrumPos, 9.0f);
}

TEST_F(LeverPrintout, WithoutLoadThereIsNoLoadBoxAndNoDLoadDimension) {
  LeversWindow* w = work();
  ASSERT_TRUE(w);
  loadBar(w)->setValue(0);
  shell::settings().DLoad = 1.04f;  // left alone: no D Load dimension rounds it
  const plat::PrintedPage* page = print(w);
  ASSERT_TRUE(page);
  EXPECT_EQ(page->texts(), (std::vector<QString>{"Levers", "1st Class Lever - Load = 0"}));
  EXPECT_TRUE(argsOf(*page, "fill", rt::palette::kMagenta).empty());
  EXPECT_EQ(argsOf(*page, "fill", rt::palette::kWhite), (std::vector<Args>{{141, 7, 156, 13}, {141, 69, 156, 75}}));
  EXPECT_EQ(argsOf(*page, "pset"), (std::vector<Args>{{149, 13}, {149, 75}}));
  for (const Args& a : argsOf(*page, "line")) {
    EXPECT_FALSE(a[1] == 25 && a[3] == 25) << "a D Load line";
    EXPECT_FALSE(a[0] == 280 && a[2] == 280) << "a load extension line";
  }
  EXPECT_EQ(shell::settings().DLoad, 1.04f);
}

TEST_F(LeverPrintout, CancelPrintsNothingAndChangesNothing) {
  LeversWindow* w = work();
  ASSERT_TRUE(w);
  shell::settings().DEffort = -8.96f;
  services.boxes->answer(plat::msg::Cancel);
  toolButton(w, 0)->click();
  EXPECT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_TRUE(rec->documents.empty());
  EXPECT_EQ(rec->aborted, 0);
  EXPECT_EQ(shell::settings().DEffort, -8.96f);
  EXPECT_EQ(plat::printer().pagesInDocument(), 0);
}

TEST_F(LeverPrintout, AThirdClassLeverPutsDLoadAboveDEffort) {
  LeversWindow* w = work();
  ASSERT_TRUE(w);
  effortPositionBar(w)->setValue(95);  // half a unit right of the fulcrum, the load a whole unit
  ASSERT_EQ(w->lever().LeverClass, 3);
  const plat::PrintedPage* page = print(w);
  ASSERT_TRUE(page);
  EXPECT_EQ(page->texts()[1], "3rd Class Lever - Load = 100");
  // D Load 1.0 has room on the upper line; D Effort 0.5 has none on the lower line and
  // stands left of the fulcrum, pointed at by two tailed heads.
  EXPECT_EQ(argsOf(*page, "pset"), (std::vector<Args>{{242, 28}, {269, 13}, {149, 75}}));
  EXPECT_EQ(argsOf(*page, "fill", rt::palette::kWhite), (std::vector<Args>{{261, 7, 276, 13}, {141, 69, 156, 75}}));
}

TEST_F(LeverPrintout, ATiltedLeverPrintsBoxesBetweenItsStoredCorners) {
  LeversWindow* w = work();
  ASSERT_TRUE(w);
  modeButton(w)->click();  // the lever rests on the side of its load, tilted
  ASSERT_NE(w->lever().Theta, 0.0f);
  const plat::PrintedPage* page = print(w);
  ASSERT_TRUE(page);
  const auto& P = w->shapes().Pts;
  EXPECT_EQ(argsOf(*page, "fill", rt::palette::kLightGrey),
            (std::vector<Args>{{double(P[1].x), double(P[1].y), double(P[4].x), double(P[4].y)}}));
  EXPECT_EQ(argsOf(*page, "fill", rt::palette::kMagenta),
            (std::vector<Args>{{double(P[5].x), double(P[5].y), double(P[8].x), double(P[8].y)}}));
  EXPECT_NE(P[1].y, P[3].y);
}

TEST_F(LeverPrintout, TheDimensionMarksOnPaperAreTheScreensStrokes) {
  // The page draws every stroke of the screen's marks, at the same places and in the same
  // order, two pixels wide; only its decimal points add a stroke to their dots.
  LeversWindow* w = work();
  ASSERT_TRUE(w);
  const auto paperAndScreen = [&](std::vector<Args>& paper, std::vector<Args>& screen) {
    const plat::PrintedPage* page = print(w);
    ASSERT_TRUE(page);
    const levers::LeverShapes& s = w->shapes();
    const Args fulcrumExtension{s.FulcrumX, 3, s.FulcrumX, 56};
    auto d = std::find_if(page->ops.begin(), page->ops.end(),
                          [&](const plat::DrawOp& op) { return op.op == "line" && op.args == fulcrumExtension; });
    ASSERT_NE(d, page->ops.end());
    std::vector<Args> points;
    for (; d != page->ops.end(); ++d) {
      EXPECT_EQ(d->drawWidth, 2) << d->op;
      if (d->op == "line") paper.push_back(d->args);
      if (d->op != "pset") continue;
      points.push_back(d->args);
      ASSERT_NE(d + 1, page->ops.end());
      EXPECT_EQ((d + 1)->args, (Args{d->args[0], d->args[1], d->args[0] + 1, d->args[1]}));
      ++d;
    }
    plat::Surface& window = w->surface();
    window.setRecording(true);
    window.clearOps();
    w->screen().drawDimensions();
    window.setRecording(false);
    std::vector<Args> screenPoints;
    for (const plat::DrawOp& op : window.ops()) {
      if (op.op == "line") screen.push_back(op.args);
      if (op.op == "pset" && op.colour == rt::palette::kMagenta) screenPoints.push_back(op.args);
    }
    // The decimal points stand where the screen sets its magenta ones.
    ASSERT_EQ(points.size(), 3u);
    for (const Args& p : points) EXPECT_TRUE(has(screenPoints, p)) << p[0] << " " << p[1];
  };

  // The first-class lever: room for every number. D Effort 9.0 at y 10 from the fulcrum at
  // x 256 to the effort at x 40: the line, the right head from 255, the left head from 41 and
  // the tenths digit 0 from (151, 8).
  std::vector<Args> paper, screen;
  ASSERT_NO_FATAL_FAILURE(paperAndScreen(paper, screen));
  EXPECT_EQ(paper, screen);
  ASSERT_GE(paper.size(), 13u);
  EXPECT_EQ(paper[5], (Args{256, 10, 40, 10}));
  EXPECT_EQ(paper[6], (Args{255, 10, 252, 7}));
  EXPECT_EQ(paper[9], (Args{41, 10, 44, 7}));
  EXPECT_EQ(paper[12], (Args{151, 8, 152, 7}));

  // A third-class lever: D Effort 0.5 has no room and stands left of its tailed heads.
  effortPositionBar(w)->setValue(95);
  ASSERT_EQ(w->lever().LeverClass, 3);
  paper.clear();
  screen.clear();
  ASSERT_NO_FATAL_FAILURE(paperAndScreen(paper, screen));
  EXPECT_EQ(paper, screen);
}

TEST_F(LeverPrintout, PrintingRoundsTheSharedValuesExactlyAsTheScreenDoes) {
  LeversWindow* w = work();
  ASSERT_TRUE(w);
  shell::SharedSettings& s = shell::settings();
  struct Case {
    float fulcrum, effort, load;
  } cases[] = {
      {9.0f, -2.4999998f, 1.0f},    // a stored 2.4999998 is 2.5
      {4.9999f, -3.14159f, 0.96f},  // the load's wider guard still cuts 9.65 tenths to 9
      {0.0049f, 9.99f, 1.449f},    {7.25f, -0.004f, -1.9499999f}, {10.0f, -10.0f, 0.0f},
  };
  for (const Case& c : cases) {
    s.FulcrumPos = c.fulcrum;
    s.DEffort = c.effort;
    s.DLoad = c.load;
    ASSERT_TRUE(print(w));
    const float printedF = s.FulcrumPos, printedE = s.DEffort, printedL = s.DLoad;
    s.FulcrumPos = c.fulcrum;
    s.DEffort = c.effort;
    s.DLoad = c.load;
    w->screen().drawDimensions();
    EXPECT_EQ(printedF, s.FulcrumPos) << c.fulcrum;
    EXPECT_EQ(printedE, s.DEffort) << c.effort;
    EXPECT_EQ(printedL, s.DLoad) << c.load;
  }
  s.DEffort = -2.4999998f;
  ASSERT_TRUE(print(w));
  EXPECT_EQ(s.DEffort, -2.5f);
  s.DLoad = 0.96f;
  ASSERT_TRUE(print(w));
  EXPECT_EQ(s.DLoad, 0.9f);
}

}  // namespace
