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

using pendulum::PendRun;
using pendulum::PendSettings;
using pendulum::RunState;

// A window that only remembers what it was asked to do, in order.
class FakeView : public pendulum::PendRunView {
 public:
  void showControls(const pendulum::RunControls& c) override {
    controls = c;
    log.push_back("controls " + c.startCaption + (c.startVisible ? "" : " hidden") + " " + c.exitCaption);
  }
  void showTime(const std::string& text) override {
    time = text;
    log.push_back("time " + text);
  }
  void scalePlots(float runLength, float halfAngle, float halfSpeed) override {
    scale = {runLength, halfAngle, halfSpeed};
    log.push_back("scale");
  }
  void clearPlots() override {
    segments.clear();
    log.push_back("clear");
  }
  void drawPendulum(float degrees) override {
    drawnAngles.push_back(degrees);
    if (duringDraw) duringDraw();
    log.push_back("draw");
  }
  void addSegments(const pendulum::PlotSegment& s) override { segments.push_back(s); }
  void setTimerInterval(int ms) override { interval = ms; }
  void setTimerEnabled(bool on) override {
    timerOn = on;
    log.push_back(on ? "timer on" : "timer off");
  }
  void focusStart() override {
    focusStarts++;
    log.push_back("focus start");
  }

  pendulum::RunControls controls{};
  std::string time;
  std::vector<float> scale;
  std::vector<pendulum::PlotSegment> segments;
  std::vector<float> drawnAngles;
  std::function<void()> duringDraw;
  int interval = 0;
  bool timerOn = false;
  int focusStarts = 0;
  std::vector<std::string> log;
};

class FakeSound : public pendulum::PendSound {
 public:
  explicit FakeSound(std::vector<std::string>& log) : m_log(log) {}
  void playDingAndWait() override {
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
    run.setResetPending();
    run.startClicked();
  }
  int runToEnd(int limit = 1000) {
    int ticks = 0;
    while (run.running() && ticks < limit) {
      run.tick();
      ++ticks;
    }
    return ticks;
  }
  float maxAngleDeg(int from, int to) const {
    float m = 0;
    for (int i = from; i <= to; ++i) m = std::max(m, std::fabs(pendulum::radToDeg(run.history()[1][size_t(i)])));
    return m;
  }
};

TEST(PendulumPhysics, AccelerationIsGravityAlongTheArcPlusDamping) {
  // At rest, only gravity: -g sin(th) / L.
  EXPECT_FLOAT_EQ(pendulum::acceleration(0.5f, 0, 0, 200, 5000), float(-980 * std::sin(0.5) / 200));
  EXPECT_EQ(pendulum::acceleration(0, 0, 123, 200, 5000), 0.0f);
  // Hanging straight down, the damping term is -friction * sqrt(g / L) * w, whatever the mass.
  for (float mass : {10.0f, 5000.0f}) {
    const float c = pendulum::dampingFactor(0.5f, 80, mass);
    EXPECT_NEAR(pendulum::acceleration(0, 2.0f, c, 80, mass), -0.5 * std::sqrt(980.0 / 80) * 2.0, 1e-5);
  }
}

TEST(PendulumPhysics, DegreesUseThePiOfTheProject) {
  EXPECT_FLOAT_EQ(pendulum::degToRad(180), 3.14159f);
  EXPECT_FLOAT_EQ(pendulum::radToDeg(pendulum::degToRad(45)), 45.0f);
}

TEST(PendulumPhysics, SmallSwingHasThePeriodOfASimplePendulum) {
  // 2 pi sqrt(L / g) = 2.838 s for 200 cm: count the crossings of the vertical over 20 s.
  Rig r;
  r.settings.PendAngle = 5;
  r.settings.PendFriction = 0;
  r.load();
  r.run.startClicked();
  r.runToEnd();
  std::vector<float> crossings;
  const auto& h = r.run.history();
  for (int i = 1; i <= r.run.numPoints(); ++i) {
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
  r.run.startClicked();
  r.runToEnd();
  ASSERT_EQ(r.run.numPoints(), 200);
  // The last swings reach the start angle again.
  EXPECT_NEAR(r.maxAngleDeg(150, 200), 45.0f, 0.5f);
  // The phase curve stays within the phase plot's scale.
  for (const auto& s : r.view.segments) {
    EXPECT_LE(std::fabs(s.angle1), 45.5f);
    EXPECT_LE(std::fabs(s.omega1), r.run.omegaScale());
  }
}

TEST(PendulumPhysics, FrictionDampsTheSwing) {
  // The amplitude falls as exp(-friction * sqrt(g / L) * t / 2): to about a third in 20 s.
  Rig r;
  r.load();
  r.run.startClicked();
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
  r.run.startClicked();
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
  EXPECT_EQ(r.run.history()[1][0], pendulum::degToRad(45));
  EXPECT_EQ(r.run.history()[2][0], 0.0f);
  EXPECT_EQ(r.view.scale, (std::vector<float>{20, 45, r.run.omegaScale()}));
  EXPECT_FLOAT_EQ(r.run.omegaScale(), 45 * std::sqrt(4.9f));
}

TEST(PendulumRun, AFullRunRecords200TicksAndEndsItself) {
  Rig r;
  r.load();
  r.run.startClicked();
  const int ticks = r.runToEnd();
  // 200 ticks run and record; the first step of the 201st passes 20 s and stops the run.
  EXPECT_EQ(ticks, 201);
  EXPECT_EQ(r.run.numPoints(), 200);
  EXPECT_EQ(r.run.simTime(), 19.9999809f);
  EXPECT_EQ(r.run.history()[0][200], r.run.simTime());
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
  r.run.tick();
  EXPECT_EQ(r.run.numPoints(), 200);
}

TEST(PendulumRun, SegmentsJoinTheRecordedTicks) {
  Rig r;
  r.load();
  r.run.startClicked();
  for (int i = 0; i < 3; ++i) r.run.tick();
  const auto& h = r.run.history();
  ASSERT_EQ(r.view.segments.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    const auto& s = r.view.segments[i];
    EXPECT_EQ(s.t0, h[0][i]);
    EXPECT_EQ(s.angle0, pendulum::radToDeg(h[1][i]));
    EXPECT_EQ(s.omega0, pendulum::radToDeg(h[2][i]));
    EXPECT_EQ(s.t1, h[0][i + 1]);
    EXPECT_EQ(s.angle1, pendulum::radToDeg(h[1][i + 1]));
    EXPECT_EQ(s.omega1, pendulum::radToDeg(h[2][i + 1]));
    EXPECT_EQ(r.view.drawnAngles[i + 1], s.angle1);
  }
  EXPECT_FLOAT_EQ(h[0][3], 0.3f);
  EXPECT_EQ(r.view.time, "0.30 Seconds");
}

TEST(PendulumRun, StopKeepsTheCurvesAndResetClearsThem) {
  Rig r;
  r.load();
  r.run.startClicked();
  for (int i = 0; i < 37; ++i) r.run.tick();
  EXPECT_TRUE(r.run.stopClicked());
  EXPECT_EQ(r.run.state(), RunState::Stopped);
  EXPECT_EQ(r.run.numPoints(), 37);
  EXPECT_EQ(r.view.segments.size(), 37u);
  EXPECT_EQ(r.view.time, "3.70 Seconds");
  EXPECT_EQ(r.view.focusStarts, 1);
  EXPECT_EQ(r.view.controls.startCaption, "&Reset");
  // Exit is Exit again: a second click means leaving.
  EXPECT_FALSE(r.run.stopClicked());

  r.view.log.clear();
  r.run.startClicked();  // Reset
  EXPECT_EQ(r.view.log.front(), "ding");
  EXPECT_EQ(r.sound.plays, 3);
  EXPECT_EQ(r.run.state(), RunState::Ready);
  EXPECT_EQ(r.run.numPoints(), 0);
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
  r.run.startClicked();
  r.run.stopClicked();
  EXPECT_EQ(r.run.numPoints(), 0);
  EXPECT_EQ(r.view.time, "0.00 Seconds");
  EXPECT_TRUE(r.view.segments.empty());
  EXPECT_EQ(r.run.state(), RunState::Stopped);
}

TEST(PendulumRun, TicksArePacedTo100msOfWallTime) {
  Rig r;
  r.load();
  r.run.startClicked();
  for (uint32_t work : {0u, 30u, 99u, 100u, 150u}) {
    r.view.duringDraw = [&r, work] { r.clock.advance(work); };
    r.run.tick();
    EXPECT_EQ(r.view.interval, work >= 100 ? 1 : 100 - int(work)) << work;
  }
  // Simulated time moves 0.1 s per tick, however long the ticks took.
  EXPECT_FLOAT_EQ(r.run.simTime(), 0.5f);
  // The tick count may wrap during a tick.
  r.clock.set(0xFFFFFFF0u);
  r.view.duringDraw = [&r] { r.clock.advance(40); };
  r.run.tick();
  EXPECT_EQ(r.view.interval, 60);
}

TEST(PendulumRun, AStartAngleOfZeroStillScalesThePlots) {
  Rig r;
  r.settings.PendAngle = 0;
  r.settings.PendLength = 50;
  r.load();
  r.run.startClicked();
  // A one-degree floor for the angle scales and the matching speed scale.
  EXPECT_EQ(r.view.scale[1], 1.0f);
  EXPECT_FLOAT_EQ(r.view.scale[2], std::sqrt(980.0f / 50));
  EXPECT_FLOAT_EQ(r.run.omegaScale(), std::sqrt(980.0f / 50));
  r.runToEnd();
  // Hanging straight down, it stays there.
  EXPECT_EQ(r.run.numPoints(), 200);
  EXPECT_EQ(r.maxAngleDeg(0, 200), 0.0f);
}

TEST(PendulumRun, ParametersArePickedUpAtEachStart) {
  Rig r;
  r.load();
  r.settings.PendAngle = 10;
  r.settings.PendLength = 100;
  r.settings.PendFriction = 0.5f;
  r.run.startClicked();
  EXPECT_EQ(r.run.history()[1][0], pendulum::degToRad(10));
  EXPECT_FLOAT_EQ(r.run.omegaScale(), 10 * std::sqrt(9.8f));
  EXPECT_FLOAT_EQ(r.run.dampingFactor(), 0.5f * std::sqrt(9.8f) * 5000 * 100 * 100);
}

}  // namespace
