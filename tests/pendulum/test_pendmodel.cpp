// The pendulum's physics and its run: the integration, the record of 200 ticks, the 20 s
// limit, the states of Start, Stop and Reset, and the pacing of the ticks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "pendulum/pendphysics.h"
#include "pendulum/pendrun.h"
#include "tests/support/manualsources.h"

namespace {

using pend::PendRun;
using pend::PendSettings;
using pend::RunState;

// A window that only remembers what it was asked to do, in order.
class FakeView : public pend::PendRunView {
 public:
  void ShowControls(const pend::RunControls& c) override {
    controls = c;
    log.push_back("controls " + c.startCaption + (c.startVisible ? "" : " hidden") + " " + c.exitCaption);
  }
  void ShowTime(const std::string& text) override {
    time = text;
    log.push_back("time " + text);
  }
  void ScalePlots(float runLength, float halfAngle, float halfSpeed) override {
    scale = {runLength, halfAngle, halfSpeed};
    log.push_back("scale");
  }
  void ClearPlots() override {
    segments.clear();
    log.push_back("clear");
  }
  void DrawPendulum(float degrees) override {
    drawnAngles.push_back(degrees);
    if (duringDraw) duringDraw();
    log.push_back("draw");
  }
  void AddSegments(const pend::PlotSegment& s) override { segments.push_back(s); }
  void SetTimerInterval(int ms) override { interval = ms; }
  void SetTimerEnabled(bool on) override {
    timerOn = on;
    log.push_back(on ? "timer on" : "timer off");
  }
  void FocusStart() override {
    focusStarts++;
    log.push_back("focus start");
  }

  pend::RunControls controls{};
  std::string time;
  std::vector<float> scale;
  std::vector<pend::PlotSegment> segments;
  std::vector<float> drawnAngles;
  std::function<void()> duringDraw;
  int interval = 0;
  bool timerOn = false;
  int focusStarts = 0;
  std::vector<std::string> log;
};

class FakeSound : public pend::PendSound {
 public:
  explicit FakeSound(std::vector<std::string>& log) : m_log(log) {}
  void PlayDingAndWait() override {
    plays++;
    m_log.push_back("ding");
  }
  int plays = 0;

 private:
  std::vector<std::string>& m_log;
};

struct Rig {
  PendSettings settings;
  FakeView view;
  FakeSound sound{view.log};
  rt::ManualTickClock clock{5000};
  PendRun run{settings, view, sound, clock};

  // The window's load step ends with a Reset.
  void load() {
    run.SetResetPending();
    run.StartClicked();
  }
  int runToEnd(int limit = 1000) {
    int ticks = 0;
    while (run.Running() && ticks < limit) {
      run.Tick();
      ++ticks;
    }
    return ticks;
  }
  float maxAngleDeg(int from, int to) const {
    float m = 0;
    for (int i = from; i <= to; ++i) m = std::max(m, std::fabs(pend::RadToDeg(run.history()[1][size_t(i)])));
    return m;
  }
};

TEST(PendulumPhysics, AccelerationIsGravityAlongTheArcPlusDamping) {
  // At rest, only gravity: -g sin(th) / L.
  EXPECT_FLOAT_EQ(pend::Acceleration(0.5f, 0, 0, 200, 5000), float(-980 * std::sin(0.5) / 200));
  EXPECT_EQ(pend::Acceleration(0, 0, 123, 200, 5000), 0.0f);
  // Hanging straight down, the damping term is -friction * sqrt(g / L) * w, whatever the mass.
  for (float mass : {10.0f, 5000.0f}) {
    const float c = pend::DampingFactor(0.5f, 80, mass);
    EXPECT_NEAR(pend::Acceleration(0, 2.0f, c, 80, mass), -0.5 * std::sqrt(980.0 / 80) * 2.0, 1e-5);
  }
}

TEST(PendulumPhysics, DegreesUseThePiOfTheProject) {
  EXPECT_FLOAT_EQ(pend::DegToRad(180), 3.14159f);
  EXPECT_FLOAT_EQ(pend::RadToDeg(pend::DegToRad(45)), 45.0f);
}

TEST(PendulumPhysics, SmallSwingHasThePeriodOfASimplePendulum) {
  // 2 pi sqrt(L / g) = 2.838 s for 200 cm: count the crossings of the vertical over 20 s.
  Rig r;
  r.settings.PendAngle = 5;
  r.settings.PendFriction = 0;
  r.load();
  r.run.StartClicked();
  r.runToEnd();
  std::vector<float> crossings;
  const auto& h = r.run.history();
  for (int i = 1; i <= r.run.NumPoints(); ++i) {
    if ((h[1][size_t(i - 1)] > 0) != (h[1][size_t(i)] > 0)) {
      // Linear interpolation between the two recorded ticks.
      float a = h[1][size_t(i - 1)], b = h[1][size_t(i)];
      crossings.push_back(h[0][size_t(i - 1)] + 0.1f * a / (a - b));
    }
  }
  ASSERT_GE(crossings.size(), 13u);
  const float period = 2 * (crossings.back() - crossings.front()) / float(crossings.size() - 1);
  EXPECT_NEAR(period, 2 * 3.14159 * std::sqrt(200.0 / 980), 0.01);
}

TEST(PendulumPhysics, UndampedSwingKeepsItsAmplitudeInsideThePlots) {
  Rig r;
  r.settings.PendFriction = 0;
  r.load();
  r.run.StartClicked();
  r.runToEnd();
  ASSERT_EQ(r.run.NumPoints(), 200);
  // The last swings reach the start angle again.
  EXPECT_NEAR(r.maxAngleDeg(150, 200), 45.0f, 0.5f);
  // The phase curve stays within the phase plot's scale.
  for (const auto& s : r.view.segments) {
    EXPECT_LE(std::fabs(s.angle1), 45.5f);
    EXPECT_LE(std::fabs(s.omega1), r.run.OmegaScale());
  }
}

TEST(PendulumPhysics, FrictionDampsTheSwing) {
  // The amplitude falls as exp(-friction * sqrt(g / L) * t / 2): to about a third in 20 s.
  Rig r;
  r.load();
  r.run.StartClicked();
  r.runToEnd();
  // Between 17 s and 20 s the swing peaks at least once within its first half period.
  const double k = 0.05 * std::sqrt(4.9);
  const float late = r.maxAngleDeg(170, 200);
  EXPECT_LE(late, 45 * std::exp(-k * 17 / 2) + 0.3);
  EXPECT_GE(late, 45 * std::exp(-k * 18.5 / 2) - 0.3);
}

TEST(PendulumRun, LoadEndsInTheReadyStateAfterOneSound) {
  Rig r;
  r.load();
  EXPECT_EQ(r.sound.plays, 1);
  EXPECT_EQ(r.view.log.front(), "ding");
  EXPECT_EQ(r.run.state(), RunState::Ready);
  EXPECT_EQ(r.view.time, "0.00 Seconds");
  EXPECT_EQ(r.view.controls.startCaption, "&Start");
  EXPECT_TRUE(r.view.controls.startVisible);
  EXPECT_TRUE(r.view.controls.parametersVisible);
  EXPECT_FALSE(r.view.controls.printVisible);
  EXPECT_EQ(r.view.controls.exitCaption, "E&xit");
  ASSERT_EQ(r.view.drawnAngles.size(), 1u);
  EXPECT_EQ(r.view.drawnAngles[0], 45.0f);
  EXPECT_FALSE(r.view.timerOn);
}

TEST(PendulumRun, StartPlaysTheSoundToItsEndBeforeTheRunBegins) {
  Rig r;
  r.load();
  r.view.log.clear();
  r.run.StartClicked();
  ASSERT_FALSE(r.view.log.empty());
  EXPECT_EQ(r.view.log.front(), "ding");
  EXPECT_EQ(r.view.log.back(), "timer on");
  EXPECT_EQ(r.run.state(), RunState::Running);
  EXPECT_FALSE(r.view.controls.startVisible);
  EXPECT_FALSE(r.view.controls.parametersVisible);
  EXPECT_FALSE(r.view.controls.printVisible);
  EXPECT_EQ(r.view.controls.exitCaption, "&Stop");
  EXPECT_EQ(r.view.interval, 100);
  EXPECT_EQ(r.view.time, "0.00 Seconds");
  // The record's start state, and the plots scaled to the start angle.
  EXPECT_EQ(r.run.history()[0][0], 0.0f);
  EXPECT_EQ(r.run.history()[1][0], pend::DegToRad(45));
  EXPECT_EQ(r.run.history()[2][0], 0.0f);
  EXPECT_EQ(r.view.scale, (std::vector<float>{20, 45, r.run.OmegaScale()}));
  EXPECT_FLOAT_EQ(r.run.OmegaScale(), 45 * std::sqrt(4.9f));
}

TEST(PendulumRun, AFullRunRecords200TicksAndEndsItself) {
  Rig r;
  r.load();
  r.run.StartClicked();
  const int ticks = r.runToEnd();
  // 200 ticks run and record; the first step of the 201st passes 20 s and stops the run.
  EXPECT_EQ(ticks, 201);
  EXPECT_EQ(r.run.NumPoints(), 200);
  EXPECT_EQ(r.run.SimTime(), 19.9999809f);
  EXPECT_EQ(r.run.history()[0][200], r.run.SimTime());
  EXPECT_EQ(r.view.time, "20.00 Seconds");
  // The tick that passed the limit drew nothing.
  EXPECT_EQ(r.view.drawnAngles.size(), 1u + 200u);
  EXPECT_EQ(r.view.segments.size(), 200u);
  EXPECT_EQ(r.run.state(), RunState::Stopped);
  EXPECT_EQ(r.view.controls.startCaption, "&Reset");
  EXPECT_TRUE(r.view.controls.startVisible);
  EXPECT_EQ(r.view.controls.exitCaption, "E&xit");
  EXPECT_TRUE(r.view.controls.printVisible);
  EXPECT_FALSE(r.view.controls.parametersVisible);
  EXPECT_FALSE(r.view.timerOn);
  EXPECT_EQ(r.view.focusStarts, 1);
  // A tick arriving after the end changes nothing.
  r.run.Tick();
  EXPECT_EQ(r.run.NumPoints(), 200);
}

TEST(PendulumRun, SegmentsJoinTheRecordedTicks) {
  Rig r;
  r.load();
  r.run.StartClicked();
  for (int i = 0; i < 3; ++i) r.run.Tick();
  const auto& h = r.run.history();
  ASSERT_EQ(r.view.segments.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    const auto& s = r.view.segments[i];
    EXPECT_EQ(s.t0, h[0][i]);
    EXPECT_EQ(s.angle0, pend::RadToDeg(h[1][i]));
    EXPECT_EQ(s.omega0, pend::RadToDeg(h[2][i]));
    EXPECT_EQ(s.t1, h[0][i + 1]);
    EXPECT_EQ(s.angle1, pend::RadToDeg(h[1][i + 1]));
    EXPECT_EQ(s.omega1, pend::RadToDeg(h[2][i + 1]));
    EXPECT_EQ(r.view.drawnAngles[i + 1], s.angle1);
  }
  EXPECT_FLOAT_EQ(h[0][3], 0.3f);
  EXPECT_EQ(r.view.time, "0.30 Seconds");
}

TEST(PendulumRun, StopKeepsTheCurvesAndResetClearsThem) {
  Rig r;
  r.load();
  r.run.StartClicked();
  for (int i = 0; i < 37; ++i) r.run.Tick();
  EXPECT_TRUE(r.run.StopClicked());
  EXPECT_EQ(r.run.state(), RunState::Stopped);
  EXPECT_EQ(r.run.NumPoints(), 37);
  EXPECT_EQ(r.view.segments.size(), 37u);
  EXPECT_EQ(r.view.time, "3.70 Seconds");
  EXPECT_EQ(r.view.focusStarts, 1);
  EXPECT_EQ(r.view.controls.startCaption, "&Reset");
  // Exit is Exit again: a second click means leaving.
  EXPECT_FALSE(r.run.StopClicked());

  r.view.log.clear();
  r.run.StartClicked();  // Reset
  EXPECT_EQ(r.view.log.front(), "ding");
  EXPECT_EQ(r.sound.plays, 3);
  EXPECT_EQ(r.run.state(), RunState::Ready);
  EXPECT_EQ(r.run.NumPoints(), 0);
  EXPECT_TRUE(r.view.segments.empty());
  EXPECT_EQ(r.view.time, "0.00 Seconds");
  EXPECT_EQ(r.view.drawnAngles.back(), 45.0f);
  EXPECT_EQ(r.view.controls.startCaption, "&Start");
  EXPECT_FALSE(r.view.controls.printVisible);
  EXPECT_TRUE(r.view.controls.parametersVisible);
}

TEST(PendulumRun, StopAtOnceRecordsNothing) {
  Rig r;
  r.load();
  r.run.StartClicked();
  r.run.StopClicked();
  EXPECT_EQ(r.run.NumPoints(), 0);
  EXPECT_EQ(r.view.time, "0.00 Seconds");
  EXPECT_TRUE(r.view.segments.empty());
  EXPECT_EQ(r.run.state(), RunState::Stopped);
}

TEST(PendulumRun, TicksArePacedTo100msOfWallTime) {
  Rig r;
  r.load();
  r.run.StartClicked();
  for (uint32_t work : {0u, 30u, 99u, 100u, 150u}) {
    r.view.duringDraw = [&r, work] { r.clock.advance(work); };
    r.run.Tick();
    EXPECT_EQ(r.view.interval, work >= 100 ? 1 : 100 - int(work)) << work;
  }
  // Simulated time moves 0.1 s per tick, however long the ticks took.
  EXPECT_FLOAT_EQ(r.run.SimTime(), 0.5f);
  // The tick count may wrap during a tick.
  r.clock.set(0xFFFFFFF0u);
  r.view.duringDraw = [&r] { r.clock.advance(40); };
  r.run.Tick();
  EXPECT_EQ(r.view.interval, 60);
}

TEST(PendulumRun, AStartAngleOfZeroStillScalesThePlots) {
  Rig r;
  r.settings.PendAngle = 0;
  r.settings.PendLength = 50;
  r.load();
  r.run.StartClicked();
  // A one-degree floor for the angle scales and the matching speed scale.
  EXPECT_EQ(r.view.scale[1], 1.0f);
  EXPECT_FLOAT_EQ(r.view.scale[2], std::sqrt(980.0f / 50));
  EXPECT_FLOAT_EQ(r.run.OmegaScale(), std::sqrt(980.0f / 50));
  r.runToEnd();
  // Hanging straight down, it stays there.
  EXPECT_EQ(r.run.NumPoints(), 200);
  EXPECT_EQ(r.maxAngleDeg(0, 200), 0.0f);
}

TEST(PendulumRun, ParametersArePickedUpAtEachStart) {
  Rig r;
  r.load();
  r.settings.PendAngle = 10;
  r.settings.PendLength = 100;
  r.settings.PendFriction = 0.5f;
  r.run.StartClicked();
  EXPECT_EQ(r.run.history()[1][0], pend::DegToRad(10));
  EXPECT_FLOAT_EQ(r.run.OmegaScale(), 10 * std::sqrt(9.8f));
  EXPECT_FLOAT_EQ(r.run.DampingFactor(), 0.5f * std::sqrt(9.8f) * 5000 * 100 * 100);
}

}  // namespace
