// A launch without a window: start and stop, the timer steps and their pacing, the pictures'
// places, the landing, the silent replays for a repaint and the printout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rocketry/launch.h"
#include "runtime/clock.h"
#include "tests/support/manualsources.h"

namespace {

using namespace rocketry;

struct Segment {
  float t, force, speed, altitude;
};

struct View : LaunchView {
  explicit View(RocketSettings& s) : settings(s) {}
  void computeFlight() override {
    ++computed;
    if (launch) launch->flight().computeFlight();
  }
  void showRunning(bool r) override { running = r; }
  void setPrintEnabled(bool on) override { print = on; }
  void scalePlots(const PlotScale& f, const PlotScale& s, const PlotScale& a) override {
    force = f;
    speed = s;
    altitude = a;
  }
  void resetPlots(float flightTime) override {
    segments.clear();
    zeroLineEnd = flightTime;
    ++resets;
  }
  void drawSegments(float t, float f, float s, float a) override { segments.push_back({t, f, s, a}); }
  void placePictures(const PictureTops& t) override { tops = t; }
  void setSmokeVisible(bool on) override { smoke = on; }
  void setChuteVisible(bool on) override { chute = on; }
  void setTimerInterval(int ms) override { interval = ms; }
  void setTimerEnabled(bool on) override { timer = on; }
  void focusLaunch() override {}

  RocketSettings& settings;
  RocketLaunch* launch = nullptr;
  int computed = 0, resets = 0, interval = 0;
  bool running = false, print = false, smoke = false, chute = false, timer = false;
  float zeroLineEnd = 0;
  PlotScale force{}, speed{}, altitude{};
  PictureTops tops{};
  std::vector<Segment> segments;
};

struct Sound : LaunchSound {
  void playWave(const std::string& f) override { log.push_back(f); }
  void stop() override { log.push_back("stop"); }
  std::vector<std::string> log;
};

class Launch : public ::testing::Test {
 protected:
  void SetUp() override {
    view.launch = &launch;
    launch.flight().ChuteLimit = settings.RocketChute ? kChuteLimit : kFreeLimit;
    launch.flight().computeFlight();
    launch.putOnPad();
  }
  // Ticks until the flight ends by itself; each tick takes `work` ms on the clock.
  int fly(uint32_t work = 0, int limit = 100000) {
    int n = 0;
    while (launch.running() && n < limit) {
      clock.advance(work);
      launch.tick();
      ++n;
    }
    return n;
  }

  RocketSettings settings{10.0f, 3.9f, 204, 1, 1};
  View view{settings};
  Sound sound;
  rt::ManualTickClock clock{5000};
  RocketLaunch launch{settings, view, sound, clock};
};

TEST_F(Launch, LaunchingScalesThePlotsAndStartsTheTimer) {
  launch.launchClicked();
  const Flight& f = launch.flight();
  EXPECT_EQ(view.computed, 1);
  EXPECT_TRUE(view.running);
  EXPECT_EQ(launch.running(), 1);
  EXPECT_EQ(launch.haveFlight(), 0);
  EXPECT_FALSE(view.print);
  EXPECT_TRUE(view.timer);
  EXPECT_EQ(view.interval, 50);
  EXPECT_EQ(sound.log, (std::vector<std::string>{"rocket.wav"}));
  EXPECT_FLOAT_EQ(view.force.y1, 1.1f * (10 - f.Weight));
  EXPECT_FLOAT_EQ(view.force.y2, -1.1f * f.Weight);
  EXPECT_FLOAT_EQ(view.speed.y1, 1.1f * f.BurnoutSpeed);
  EXPECT_FLOAT_EQ(view.speed.y2, 1.2f * kChuteLimit);
  EXPECT_FLOAT_EQ(view.altitude.y1, 1.1f * f.MaxAltitude);
  EXPECT_EQ(view.altitude.y2, 0.0f);
  EXPECT_EQ(view.force.x2, f.FlightTime);
  EXPECT_EQ(view.zeroLineEnd, f.FlightTime);
  // On the pad: smoke shown, parachute hidden.
  EXPECT_TRUE(view.smoke);
  EXPECT_FALSE(view.chute);
  EXPECT_EQ(view.tops.rocket, kSkyHeight - kRocketHeight);
  EXPECT_EQ(view.tops.smoke, kSkyHeight);
  EXPECT_EQ(view.tops.chute, kSkyHeight - kRocketHeight - kChuteHeight + kChuteOverlap);
}

TEST_F(Launch, TheFirstStepDrawsAnUprightNetForceLine) {
  launch.launchClicked();
  launch.tick();
  ASSERT_EQ(view.segments.size(), 1u);
  EXPECT_EQ(view.segments[0].t, 0.0f);
  EXPECT_FLOAT_EQ(view.segments[0].force, 10 - launch.flight().Weight);
  EXPECT_EQ(view.segments[0].speed, 0.0f);
  EXPECT_EQ(view.segments[0].altitude, 0.0f);
  EXPECT_FLOAT_EQ(launch.flight().FlightClock, 0.05f);
}

TEST_F(Launch, AFlightLandsByItselfBackOnThePad) {
  launch.launchClicked();
  const int ticks = fly();
  const Flight& f = launch.flight();
  EXPECT_NEAR(ticks, f.FlightTime / 0.05f, 2);
  EXPECT_EQ(launch.running(), 0);
  EXPECT_EQ(launch.haveFlight(), 1);
  EXPECT_FALSE(view.running);
  EXPECT_TRUE(view.print);
  EXPECT_FALSE(view.timer);
  EXPECT_FALSE(view.chute);
  EXPECT_EQ(view.tops.rocket, kSkyHeight - kRocketHeight);
  EXPECT_EQ(sound.log, (std::vector<std::string>{"rocket.wav", "stop", "xpoof.wav", "tada.wav"}));
  // The landing's last lines reach the ground at the flight time.
  const Segment& last = view.segments.back();
  EXPECT_EQ(last.t, f.FlightTime);
  EXPECT_EQ(last.force, 0.0f);
  EXPECT_EQ(last.speed, kChuteLimit);
  EXPECT_EQ(last.altitude, 0.0f);
  EXPECT_EQ(f.FlightClock, f.FlightTime);
}

TEST_F(Launch, ThePicturesClimbToTheTopOfTheSky) {
  launch.launchClicked();
  float highest = kSkyHeight;
  while (launch.running()) {
    launch.tick();
    if (launch.running()) highest = std::min(highest, view.tops.rocket);
    EXPECT_EQ(view.tops.smoke, view.tops.rocket + kRocketHeight);
    EXPECT_EQ(view.tops.chute, view.tops.rocket - kChuteHeight + kChuteOverlap);
  }
  // At the top the parachute just fits inside the sky.
  EXPECT_NEAR(highest, kChuteHeight - kChuteOverlap, 2);
  EXPECT_EQ(flightTops(0, 100).rocket, kSkyHeight - kRocketHeight);
  EXPECT_EQ(flightTops(100, 100).chute, 0.0f);
}

TEST_F(Launch, StoppingKeepsTheFlightAndTheRocketWhereItIs) {
  launch.launchClicked();
  for (int i = 0; i < 100; ++i) launch.tick();
  const PictureTops where = view.tops;
  launch.launchClicked();
  EXPECT_EQ(launch.running(), 0);
  EXPECT_EQ(launch.haveFlight(), 1);
  EXPECT_TRUE(view.print);
  EXPECT_FALSE(view.timer);
  EXPECT_EQ(view.tops.rocket, where.rocket);
  EXPECT_LT(where.rocket, kSkyHeight - kRocketHeight);
  // A tick already queued does nothing.
  const size_t drawn = view.segments.size();
  launch.tick();
  EXPECT_EQ(view.segments.size(), drawn);
  // The next launch starts from the pad with cleared plots and drops the kept flight.
  launch.launchClicked();
  EXPECT_EQ(launch.haveFlight(), 0);
  EXPECT_FALSE(view.print);
  EXPECT_TRUE(view.segments.empty());
  EXPECT_EQ(launch.flight().FlightClock, 0.0f);
  EXPECT_EQ(view.tops.rocket, kSkyHeight - kRocketHeight);
}

// A clock that moves on by a step's work between the step's two readings of it, across the
// counter's wrap.
struct WorkClock : rt::TickClock {
  explicit WorkClock(uint32_t w) : work(w) {}
  uint32_t ticks() override {
    const uint32_t t = now;
    now += work;
    return t;
  }
  uint32_t now = 0xFFFFFFF0u;
  uint32_t work;
};

TEST_F(Launch, TheNextIntervalIsShortenedByTheStepsOwnWork) {
  launch.launchClicked();
  clock.advance(20);
  launch.tick();  // the clock moved between ticks, not during this one
  EXPECT_EQ(view.interval, 50);
  for (uint32_t work : {30u, 49u, 50u, 60u}) {
    WorkClock ticks(work);
    View v{settings};
    Sound s;
    RocketLaunch l{settings, v, s, ticks};
    v.launch = &l;
    l.launchClicked();
    l.tick();
    EXPECT_EQ(v.interval, work >= 50 ? 1 : 50 - int(work)) << work;
  }
}

TEST_F(Launch, ChangingThePlanMidFlightTakesOverAtOnce) {
  launch.launchClicked();
  for (int i = 0; i < 40; ++i) launch.tick();  // 2 s into a 3.9 s burn
  EXPECT_EQ(launch.flight().Phase, 1);
  settings.RocketBurnTime = 1.0f;  // the burn bar moved
  launch.flight().computeFlight();
  launch.tick();
  EXPECT_EQ(launch.flight().Phase, 0);
  EXPECT_EQ(sound.log.back(), "stop");
  EXPECT_TRUE(launch.running());
}

TEST_F(Launch, ARepaintReplaysTheKeptFlightSilentlyAndLeavesItAsItWas) {
  launch.repaint();  // nothing kept yet: nothing drawn
  EXPECT_EQ(view.resets, 0);
  launch.launchClicked();
  for (int i = 0; i < 500; ++i) launch.tick();  // 25 s: under the parachute
  launch.launchClicked();
  const std::vector<Segment> drawn = view.segments;
  const float end = launch.flight().FlightClock;
  sound.log.clear();

  launch.repaint();
  // The same curve again, to where the flight was stopped.
  ASSERT_GE(view.segments.size(), drawn.size());
  EXPECT_EQ(view.segments.front().t, 0.0f);
  EXPECT_EQ(view.segments.back().t, end);
  // Silent: only the motor's sound is stopped again at burn-out; no parachute shown.
  EXPECT_EQ(sound.log, (std::vector<std::string>{"stop"}));
  EXPECT_FALSE(view.chute);
  EXPECT_FALSE(view.smoke);
  EXPECT_EQ(view.tops.rocket, kSkyHeight - kRocketHeight);
  EXPECT_EQ(launch.haveFlight(), 1);
  EXPECT_TRUE(view.print);
  // Every later repaint draws the same: the kept flight does not creep on.
  EXPECT_EQ(launch.flight().FlightClock, end);
  const std::vector<Segment> first = view.segments;
  launch.repaint();
  launch.repaint();
  ASSERT_EQ(view.segments.size(), first.size());
  EXPECT_EQ(view.segments.back().t, first.back().t);
}

TEST_F(Launch, AReplayOfAFlightThatNowLandsSoonerEnds) {
  launch.launchClicked();
  fly();
  // A heavier rocket after the flight lands long before the kept flight's end.
  settings.RocketMass = 700;
  launch.flight().computeFlight();
  ASSERT_LT(launch.flight().FlightTime, 60.0f);
  launch.repaint();
  EXPECT_LT(view.segments.size(), 2000u);
  EXPECT_EQ(view.segments.back().t, launch.flight().FlightTime);
  const auto points = launch.printReplay();
  EXPECT_LT(points.size(), 2000u);
  EXPECT_EQ(points.back().time, launch.flight().FlightTime);
}

TEST_F(Launch, ThePrintReplayEndsWhereTheFlightWasStopped) {
  launch.launchClicked();
  for (int i = 0; i < 200; ++i) launch.tick();
  launch.launchClicked();
  const float end = launch.flight().FlightClock;
  sound.log.clear();
  const auto points = launch.printReplay();
  ASSERT_EQ(points.size(), 201u);  // the start and one point a step
  EXPECT_EQ(points.front().time, 0.0f);
  EXPECT_FLOAT_EQ(points.front().force, 10 - launch.flight().Weight);
  EXPECT_EQ(points.back().time, end);
  EXPECT_FLOAT_EQ(points[1].time, 0.05f);
  // The replay is silent and leaves the kept flight where it ended.
  EXPECT_EQ(sound.log, (std::vector<std::string>{"stop"}));
  EXPECT_EQ(launch.flight().Silent, 0);
  EXPECT_EQ(launch.flight().FlightClock, end);
  EXPECT_EQ(launch.printReplay().size(), points.size());
}

}  // namespace
