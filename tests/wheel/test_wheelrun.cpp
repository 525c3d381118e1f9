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
  void ShowControls(const RunControls& c) override {
    controls = c;
    calls.push_back("controls");
  }
  void EnableFlowSpin(bool on) override { spin = on; }
  void DrawFlow() override { calls.push_back("flow"); }
  void ShowUnits(bool metric) override { calls.push_back(metric ? "g/s" : "oz/s"); }
  void ScaleWheel() override { calls.push_back("scale"); }
  void DrawWheel() override {
    calls.push_back("wheel");
    if (clock) clock->advance(drawCost);
  }
  void StartCharts() override { calls.push_back("note"); }
  void ClearCharts() override { calls.push_back("clear"); }
  void DrawZeroLine() override { calls.push_back("zero"); }
  void AdvanceCharts() override { calls.push_back("charts"); }
  void SetTimerInterval(int ms) override { interval = ms; }
  void SetTimerEnabled(bool on) override { timer = on; }
  void PlayDingAndWait() override { calls.push_back("ding"); }
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
    run.Activate(WheelSettings{});
  }
};

TEST_F(RunFixture, ActivationDerivesResetsAndDrawsWithoutStarting) {
  EXPECT_EQ(view.calls, (std::vector<std::string>{"oz/s", "flow", "scale", "note", "zero", "wheel"}));
  EXPECT_FALSE(run.Running());
  EXPECT_EQ(run.model().WheelAngle(), 91.0f);
  EXPECT_EQ(WheelRun::FlowText(run.model().Flow(), false), "0.0");
  EXPECT_EQ(WheelRun::FlowText(0, true), "0");
}

TEST_F(RunFixture, TheFullFlowReadsInGramsOrOuncesPerSecond) {
  EXPECT_EQ(WheelRun::FlowText(run.model().derived().MaxFlow, true), "695");
  EXPECT_EQ(WheelRun::FlowText(run.model().derived().MaxFlow, false), "24.5");
}

TEST_F(RunFixture, StartPlaysTheSoundFirstThenRunsWithTheValveClosed) {
  view.calls.clear();
  run.StartClicked();
  EXPECT_EQ(view.calls.front(), "ding");
  EXPECT_TRUE(run.Running());
  EXPECT_TRUE(view.spin);
  EXPECT_TRUE(view.timer);
  EXPECT_EQ(view.interval, 100);
  EXPECT_EQ(view.controls.startCaption, "&Restart");
  EXPECT_TRUE(view.controls.startCentred);
  EXPECT_FALSE(view.controls.parametersVisible);
  EXPECT_EQ(view.controls.exitCaption, "&Stop");
  EXPECT_EQ(run.model().FlowSetting(), 0);
  // The charts are cleared after the wheel is drawn, and the zero line goes on after that.
  EXPECT_EQ(view.calls.back(), "zero");
  EXPECT_EQ(view.count("clear"), 1);
}

TEST_F(RunFixture, ATickStepsTenTimesDrawsTwiceAndIsPacedTo100Ms) {
  run.StartClicked();
  run.SpinUp();
  view.calls.clear();
  view.drawCost = 15;
  run.Tick();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"wheel", "wheel", "charts"}));
  EXPECT_EQ(view.interval, 70);
  view.drawCost = 60;
  run.Tick();
  EXPECT_EQ(view.interval, 1);
  EXPECT_GT(run.model().CanLevel(1), 0.0f);
}

TEST_F(RunFixture, StopEmptiesTheCansWhereTheWheelStandsAndKeepsTheCharts) {
  run.StartClicked();
  for (int i = 0; i < 20; ++i) run.SpinUp();
  for (int i = 0; i < 30; ++i) run.Tick();
  const float angle = run.model().WheelAngle();
  ASSERT_NE(angle, 91.0f);
  view.calls.clear();
  EXPECT_TRUE(run.StopClicked());
  EXPECT_FALSE(run.Running());
  EXPECT_EQ(run.model().WheelAngle(), angle);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(run.model().CanLevel(i), 0.0f);
  EXPECT_EQ(run.model().FlowSetting(), 0);
  EXPECT_EQ(run.model().Flow(), 0.0f);
  EXPECT_FALSE(view.spin);
  EXPECT_FALSE(view.timer);
  EXPECT_EQ(view.controls.startCaption, "&Start");
  EXPECT_TRUE(view.controls.parametersVisible);
  EXPECT_EQ(view.controls.exitCaption, "E&xit");
  EXPECT_EQ(view.count("clear"), 0);
  // A stopped run is no longer a run: Exit then leaves the window.
  EXPECT_FALSE(run.StopClicked());
}

TEST_F(RunFixture, RestartBeginsAgainAndActivationKeepsARunGoingWithNewValues) {
  run.StartClicked();
  for (int i = 0; i < 20; ++i) run.SpinUp();
  for (int i = 0; i < 10; ++i) run.Tick();
  run.StartClicked();
  EXPECT_TRUE(run.Running());
  EXPECT_EQ(run.model().WheelAngle(), 91.0f);
  EXPECT_EQ(run.model().FlowSetting(), 0);

  for (int i = 0; i < 4; ++i) run.SpinUp();
  WheelSettings wider;
  wider.WheelUnits = 1;
  wider.WheelCanDiameter = 15.24f;
  run.Activate(wider);
  EXPECT_TRUE(run.Running());
  EXPECT_EQ(run.model().FlowSetting(), 4);
  // The open valve now pours with the new can's flow per step.
  EXPECT_FLOAT_EQ(run.model().Flow(), 4 * run.model().derived().FlowStep);
  EXPECT_EQ(run.model().WheelAngle(), 91.0f);
  EXPECT_TRUE(run.metric());
}

// -- the parameters dialog's rows -------------------------------------------------------

struct Params : ::testing::Test {
  WheelSettings s;
  WheelParameters p{s};
};

TEST_F(Params, CansAreHeldBetween2And6AndRoundedHalfToEven) {
  s.WheelUnits = 1;
  p.LoadParameters();
  p.TextEntered(0, "0");
  EXPECT_EQ(s.WheelCans, 2);
  p.TextEntered(0, "7.5");
  EXPECT_EQ(s.WheelCans, 6);
  p.TextEntered(0, "3.5");
  EXPECT_EQ(s.WheelCans, 4);
  EXPECT_EQ(p.text(0), "4");
  p.TextEntered(0, "2.5");
  EXPECT_EQ(s.WheelCans, 2);
}

TEST_F(Params, TextThatIsNoNumberTakesALimit) {
  p.LoadParameters();
  p.TextEntered(8, "");
  EXPECT_EQ(s.WheelFriction, 0.0f);
  EXPECT_EQ(p.text(8), "0.000");
  p.TextEntered(6, "..");
  EXPECT_EQ(s.WheelEmptyTime, 0.1f);
  p.TextEntered(7, "12.5.3");
  EXPECT_EQ(s.WheelFillTime, 12.5f);
  // Digits past any number's range are far above the limit, not a failure.
  p.TextEntered(7, std::string(400, '9'));
  EXPECT_EQ(s.WheelFillTime, 1000.0f);
}

TEST_F(Params, UnitsConvertForShowingAndBackForStoring) {
  s.WheelUnits = 1;
  p.LoadParameters();
  EXPECT_EQ(p.caption(1), "L Stick (cm)");
  EXPECT_EQ(p.text(1), "101.6");
  const char* metricLimits[] = {"(2-6)",     "(10-300)",  "(30-2300)", "(1-100)", "(1-100)",
                                "(30-2300)", "(.1-1000)", "(.1-1000)", "(0-1)"};
  for (int i = 0; i < kParamRows; ++i) EXPECT_EQ(p.limitsText(i), metricLimits[i]);

  p.SetUnits(0);
  p.LoadParameters();
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
  p.LoadParameters();
  EXPECT_EQ(p.ParamValue(1), 4.0f);
  EXPECT_FLOAT_EQ(s.WheelStickLength, 10.16f);
  p.TextEntered(3, "2");
  EXPECT_FLOAT_EQ(s.WheelCanDiameter, 5.08f);
}

TEST_F(Params, OnlyDigitsAPointAndTheEditingKeysPass) {
  for (int key : {int('0'), int('9'), int('.'), 8, 9, 13}) EXPECT_EQ(WheelParameters::FilterKey(key), key);
  for (int key : {'-', 'e', ' ', ',', 'a'}) EXPECT_EQ(WheelParameters::FilterKey(key), 0);
  EXPECT_EQ(WheelParameters::NextRow(3), 4);
  EXPECT_EQ(WheelParameters::NextRow(8), 0);
}

}  // namespace
