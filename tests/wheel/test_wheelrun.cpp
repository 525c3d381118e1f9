// The run's commands and tick, driven through a recording view with a scripted tick clock,
// and the parameters dialog's rows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/clock.h"
#include "tests/support/manualsources.h"
#include "wheel/wheelparams.h"
#include "wheel/wheelrun.h"

namespace {

using namespace wheel;

struct View : WheelView, WheelSound {
  std::vector<std::string> calls;
  RunControls controls{};
  bool spin = false, timer = false;
  int interval = 0;
  rt::ManualTickClock* clock = nullptr;
  uint32_t drawCost = 0;
  void showControls(const RunControls& c) override {
    controls = c;
    calls.push_back("controls");
  }
  void enableFlowSpin(bool on) override { spin = on; }
  void drawFlow() override { calls.push_back("flow"); }
  void showUnits(bool metric) override { calls.push_back(metric ? "g/s" : "oz/s"); }
  void scaleWheel() override { calls.push_back("scale"); }
  void drawWheel() override {
    calls.push_back("wheel");
    if (clock) clock->advance(drawCost);
  }
  void startCharts() override { calls.push_back("note"); }
  void clearCharts() override { calls.push_back("clear"); }
  void drawZeroLine() override { calls.push_back("zero"); }
  void advanceCharts() override { calls.push_back("charts"); }
  void setTimerInterval(int ms) override { interval = ms; }
  void setTimerEnabled(bool on) override { timer = on; }
  void playDingAndWait() override { calls.push_back("ding"); }
  int count(const std::string& what) const {
    int n = 0;
    for (const auto& c : calls) n += c == what;
    return n;
  }
};

struct RunFixture : ::testing::Test {
  View view;
  rt::ManualTickClock clock{5000};
  WheelRun run{view, view, clock};
  void SetUp() override {
    view.clock = &clock;
    run.activate(WheelSettings{});
  }
};

TEST_F(RunFixture, ActivationDerivesResetsAndDrawsWithoutStarting) {
  EXPECT_EQ(view.calls, (std::vector<std::string>{"oz/s", "flow", "scale", "note", "zero", "wheel"}));
  EXPECT_FALSE(run.running());
  EXPECT_EQ(run.model().wheelAngle(), 91.0f);
  EXPECT_EQ(WheelRun::flowText(run.model().flow(), false), "0.0");
  EXPECT_EQ(WheelRun::flowText(0, true), "0");
}

TEST_F(RunFixture, TheFullFlowReadsInGramsOrOuncesPerSecond) {
  EXPECT_EQ(WheelRun::flowText(run.model().derived().MaxFlow, true), "695");
  EXPECT_EQ(WheelRun::flowText(run.model().derived().MaxFlow, false), "24.5");
}

TEST_F(RunFixture, StartPlaysTheSoundFirstThenRunsWithTheValveClosed) {
  view.calls.clear();
  run.startClicked();
  EXPECT_EQ(view.calls.front(), "ding");
  EXPECT_TRUE(run.running());
  EXPECT_TRUE(view.spin);
  EXPECT_TRUE(view.timer);
  EXPECT_EQ(view.interval, 100);
  EXPECT_EQ(view.controls.startCaption, "&Restart");
  EXPECT_TRUE(view.controls.startCentred);
  EXPECT_FALSE(view.controls.parametersVisible);
  EXPECT_EQ(view.controls.exitCaption, "&Stop");
  EXPECT_EQ(run.model().flowSetting(), 0);
  // The charts are cleared after the wheel is drawn, and the zero line goes on after that.
  EXPECT_EQ(view.calls.back(), "zero");
  EXPECT_EQ(view.count("clear"), 1);
}

TEST_F(RunFixture, ATickStepsTenTimesDrawsTwiceAndIsPacedTo100Ms) {
  run.startClicked();
  run.spinUp();
  view.calls.clear();
  view.drawCost = 15;
  run.tick();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"wheel", "wheel", "charts"}));
  EXPECT_EQ(view.interval, 70);
  view.drawCost = 60;
  run.tick();
  EXPECT_EQ(view.interval, 1);
  EXPECT_GT(run.model().canLevel(1), 0.0f);
}

TEST_F(RunFixture, StopEmptiesTheCansWhereTheWheelStandsAndKeepsTheCharts) {
  run.startClicked();
  for (int i = 0; i < 20; ++i) run.spinUp();
  for (int i = 0; i < 30; ++i) run.tick();
  const float angle = run.model().wheelAngle();
  ASSERT_NE(angle, 91.0f);
  view.calls.clear();
  EXPECT_TRUE(run.stopClicked());
  EXPECT_FALSE(run.running());
  EXPECT_EQ(run.model().wheelAngle(), angle);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(run.model().canLevel(i), 0.0f);
  EXPECT_EQ(run.model().flowSetting(), 0);
  EXPECT_EQ(run.model().flow(), 0.0f);
  EXPECT_FALSE(view.spin);
  EXPECT_FALSE(view.timer);
  EXPECT_EQ(view.controls.startCaption, "&Start");
  EXPECT_TRUE(view.controls.parametersVisible);
  EXPECT_EQ(view.controls.exitCaption, "E&xit");
  EXPECT_EQ(view.count("clear"), 0);
  // A stopped run is no longer a run: Exit then leaves the window.
  EXPECT_FALSE(run.stopClicked());
}

TEST_F(RunFixture, RestartBeginsAgainAndActivationKeepsARunGoingWithNewValues) {
  run.startClicked();
  for (int i = 0; i < 20; ++i) run.spinUp();
  for (int i = 0; i < 10; ++i) run.tick();
  run.startClicked();
  EXPECT_TRUE(run.running());
  EXPECT_EQ(run.model().wheelAngle(), 91.0f);
  EXPECT_EQ(run.model().flowSetting(), 0);

  for (int i = 0; i < 4; ++i) run.spinUp();
  WheelSettings wider;
  wider.WheelUnits = 1;
  wider.WheelCanDiameter = 15.24f;
  run.activate(wider);
  EXPECT_TRUE(run.running());
  EXPECT_EQ(run.model().flowSetting(), 4);
  // The open valve now pours with the new can's flow per step.
  EXPECT_FLOAT_EQ(run.model().flow(), 4 * run.model().derived().FlowStep);
  EXPECT_EQ(run.model().wheelAngle(), 91.0f);
  EXPECT_TRUE(run.metric());
}

// -- the parameters dialog's rows -------------------------------------------------------

struct Params : ::testing::Test {
  WheelSettings s;
  WheelParameters p{s};
};

TEST_F(Params, CansAreHeldBetween2And6AndRoundedHalfToEven) {
  s.WheelUnits = 1;
  p.loadParameters();
  p.textEntered(0, "0");
  EXPECT_EQ(s.WheelCans, 2);
  p.textEntered(0, "7.5");
  EXPECT_EQ(s.WheelCans, 6);
  p.textEntered(0, "3.5");
  EXPECT_EQ(s.WheelCans, 4);
  EXPECT_EQ(p.text(0), "4");
  p.textEntered(0, "2.5");
  EXPECT_EQ(s.WheelCans, 2);
}

TEST_F(Params, TextThatIsNoNumberTakesALimit) {
  p.loadParameters();
  p.textEntered(8, "");
  EXPECT_EQ(s.WheelFriction, 0.0f);
  EXPECT_EQ(p.text(8), "0.000");
  p.textEntered(6, "..");
  EXPECT_EQ(s.WheelEmptyTime, 0.1f);
  p.textEntered(7, "12.5.3");
  EXPECT_EQ(s.WheelFillTime, 12.5f);
  // Digits past any number's range are far above the limit, not a failure.
  p.textEntered(7, std::string(400, '9'));
  EXPECT_EQ(s.WheelFillTime, 1000.0f);
}

TEST_F(Params, UnitsConvertForShowingAndBackForStoring) {
  s.WheelUnits = 1;
  p.loadParameters();
  EXPECT_EQ(p.caption(1), "L Stick (cm)");
  EXPECT_EQ(p.text(1), "101.6");
  const char* metricLimits[] = {"(2-6)",     "(10-300)",  "(30-2300)", "(1-100)", "(1-100)",
                                "(30-2300)", "(.1-1000)", "(.1-1000)", "(0-1)"};
  for (int i = 0; i < kParamRows; ++i) EXPECT_EQ(p.limitsText(i), metricLimits[i]);

  p.setUnits(0);
  p.loadParameters();
  EXPECT_EQ(p.caption(1), "L Stick (in)");
  EXPECT_EQ(p.caption(2), "M Stick (oz)");
  EXPECT_EQ(p.text(1), "40.0");
  EXPECT_EQ(p.text(2), "32.0");
  EXPECT_EQ(p.text(4), "6.0");
  const char* usLimits[] = {"(4-120)", "(1-80)", "(.5-40)", "(.5-40)", "(1-80)"};
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(p.limitsText(i), usLimits[i - 1]);
  // Stored back unchanged, within single precision.
  EXPECT_NEAR(s.WheelStickLength, 101.6, 1e-4);
  EXPECT_NEAR(s.WheelStickMass, 907.0295, 1e-3);

  // A 10 cm stick is 3.94 in: raised to 4 in, stored as 10.16 cm.
  s.WheelStickLength = 10;
  p.loadParameters();
  EXPECT_EQ(p.paramValue(1), 4.0f);
  EXPECT_FLOAT_EQ(s.WheelStickLength, 10.16f);
  p.textEntered(3, "2");
  EXPECT_FLOAT_EQ(s.WheelCanDiameter, 5.08f);
}

TEST_F(Params, OnlyDigitsAPointAndTheEditingKeysPassAndTabsStepRoundTheRows) {
  for (int key : {int('0'), int('9'), int('.'), 8, 9, 13}) EXPECT_EQ(WheelParameters::filterKey(key), key);
  for (int key : {'-', 'e', ' ', ',', 'a'}) EXPECT_EQ(WheelParameters::filterKey(key), 0);
  EXPECT_EQ(WheelParameters::nextRow(3), 4);
  EXPECT_EQ(WheelParameters::nextRow(8), 0);
  EXPECT_TRUE(WheelParameters::movesBack(9, 1));
  EXPECT_FALSE(WheelParameters::movesBack(9, 0));
  EXPECT_FALSE(WheelParameters::movesBack(9, 3));  // Ctrl+Shift+Tab leaves the rows instead
  EXPECT_EQ(WheelParameters::previousRow(4), 3);
  EXPECT_EQ(WheelParameters::previousRow(0), 8);
}

}  // namespace
