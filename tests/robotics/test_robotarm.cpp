// The arm without a window: load, the spin buttons and their limits, the grid click, the
// motion to a point and along a path, Return, and the printed text.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "robotics/robotarm.h"

namespace {

using namespace robotics;

struct FakeView : RobotView {
  std::vector<ArmDrawing> draws;
  ArmReadouts readouts;
  std::vector<int16_t> clears;
  std::vector<std::pair<float, float>> erased;
  int pathLines = 0;
  std::string startX, startY, desiredX, desiredY, l1, l2, r1, r2, steps;
  int16_t mode = -1;
  bool moving = false, timer = false;
  int unreachable = 0;

  void clearGrid(int16_t m) override { clears.push_back(m); }
  void drawArm(const ArmDrawing& d, const ArmReadouts& r) override {
    draws.push_back(d);
    readouts = r;
  }
  void eraseDesiredBox(float x, float y) override { erased.emplace_back(x, y); }
  void drawPathLine(float, float, float, float) override { ++pathLines; }
  void showStartPoint(const std::string& x, const std::string& y) override { startX = x, startY = y; }
  void showDesiredPoint(const std::string& x, const std::string& y) override { desiredX = x, desiredY = y; }
  void showLinks(const std::string& a, const std::string& b) override { l1 = a, l2 = b; }
  void showResolutions(const std::string& a, const std::string& b) override { r1 = a, r2 = b; }
  void showPathSteps(const std::string& s) override { steps = s; }
  void showMode(int16_t m) override { mode = m; }
  void showMoving(bool m) override { moving = m; }
  void setTimerEnabled(bool on) override { timer = on; }
  void showUnreachable() override { ++unreachable; }
};

struct FakeSound : RobotSound {
  std::vector<RobotWave> played;
  void playWave(RobotWave w) override { played.push_back(w); }
  int count(RobotWave w) const { return int(std::count(played.begin(), played.end(), w)); }
};

class Arm : public ::testing::Test {
 protected:
  void load(const RobotSettings& s = RobotSettings{}) {
    arm.load(s);
    arm.chooseMode(arm.settings().RobotMode);
  }
  // Ticks until the motion ends by itself; -1 when it does not within the bound.
  int runToEnd(int bound = 5000) {
    for (int i = 1; i <= bound; ++i) {
      arm.motionStep();
      if (!arm.moving()) return i;
    }
    return -1;
  }
  FakeView view;
  FakeSound sound;
  RobotArm arm{view, sound};
};

TEST_F(Arm, LoadShowsTheFreshArm) {
  load();
  EXPECT_EQ(view.readouts.A1, "-115");
  EXPECT_EQ(view.readouts.A2, "100");
  EXPECT_EQ(view.readouts.X, "2.72");
  EXPECT_EQ(view.readouts.Y, "-5.83");
  EXPECT_EQ(view.startX, "2.72");
  EXPECT_EQ(view.startY, "-5.83");
  EXPECT_EQ(view.desiredX, "-6.1");
  EXPECT_EQ(view.desiredY, "2.0");
  EXPECT_EQ(view.l1, "5");
  EXPECT_EQ(view.r1, "5");
  EXPECT_EQ(view.steps, "50");
  EXPECT_EQ(view.mode, 0);
  EXPECT_TRUE(sound.played.empty());
  // The first drawing erases nothing but the arm itself: the previous arm is the present one.
  ASSERT_FALSE(view.draws.empty());
  EXPECT_EQ(view.draws.front().flag, 1);
  EXPECT_EQ(view.draws.front().previous.HandX, view.draws.front().present.HandX);
  EXPECT_FALSE(view.draws.back().desiredBox);
}

TEST_F(Arm, JointStepsWrapAtAHalfTurnAndMakeTheStartPoint) {
  RobotSettings s;
  s.JointAngle[0] = 170;
  s.JointAngle[1] = -180;
  s.ResolutionIndex[0] = 6;  // 10 degrees
  s.ResolutionIndex[1] = 6;
  load(s);
  arm.turnJointUp(0);
  EXPECT_EQ(arm.settings().JointAngle[0], 180);
  arm.turnJointUp(0);
  EXPECT_EQ(arm.settings().JointAngle[0], -170);
  arm.turnJointDown(1);
  EXPECT_EQ(arm.settings().JointAngle[1], 170);
  EXPECT_EQ(view.readouts.A2, "170");
  // Turned by hand, the arm's new place is the start point, and the old hand keeps a mark.
  EXPECT_EQ(arm.StartAngle1, -170);
  EXPECT_EQ(arm.StartAngle2, 170);
  EXPECT_EQ(arm.StartPointX, arm.position().HandX);
  EXPECT_EQ(view.draws.back().flag, 0);
  EXPECT_TRUE(sound.played.empty());  // the angle buttons make no sound
}

TEST_F(Arm, ResolutionButtonsSnapTheAnglesAndStopAtTheTableEnds) {
  load();
  arm.resolutionUp(0);  // 5 -> 6 degrees
  EXPECT_EQ(arm.settings().ResolutionIndex[0], 5);
  EXPECT_EQ(arm.settings().JointAngle[0], -114);
  EXPECT_EQ(arm.settings().JointAngle[1], 100);
  EXPECT_EQ(view.r1, "6");
  EXPECT_EQ(arm.StartAngle1, -114);
  EXPECT_EQ(sound.count(RobotWave::Ding), 1);
  EXPECT_EQ(view.clears.back(), 0);  // the grid was cleared and the arm redrawn
  for (int i = 0; i < 20; ++i) arm.resolutionUp(1);
  EXPECT_EQ(arm.settings().ResolutionIndex[1], 15);
  EXPECT_EQ(view.r2, "90");
  EXPECT_EQ(arm.settings().JointAngle[1], 90);
  EXPECT_EQ(sound.count(RobotWave::Ding), 1 + 11);  // no sound at the limit
  for (int i = 0; i < 20; ++i) arm.resolutionDown(0);
  EXPECT_EQ(arm.settings().ResolutionIndex[0], 0);
  EXPECT_EQ(sound.count(RobotWave::Ding), 12 + 5);
}

TEST_F(Arm, LengthButtonsKeepTheReachAndTheirLimits) {
  RobotSettings s;
  s.LinkLength1 = 8;
  s.LinkLength2 = 2;
  load(s);
  arm.lengthenLink1();
  EXPECT_EQ(arm.settings().LinkLength1, 9);
  EXPECT_EQ(arm.settings().LinkLength2, 1);
  EXPECT_EQ(view.l1, "9");
  EXPECT_EQ(view.l2, "1");
  arm.lengthenLink1();  // at 9: nothing, no sound
  arm.shortenLink2();
  EXPECT_EQ(arm.settings().LinkLength1, 9);
  EXPECT_EQ(sound.count(RobotWave::Ding), 1);
  arm.lengthenLink2();
  EXPECT_EQ(arm.settings().LinkLength1, 8);
  EXPECT_EQ(arm.settings().LinkLength2, 2);
  // The hand moved with the lengths and is the new start point.
  EXPECT_EQ(arm.StartPointX, arm.position().HandX);

  // Lengths that do not add up to 10 still keep both links within 1..9.
  RobotSettings odd;
  odd.LinkLength1 = 9;
  odd.LinkLength2 = 9;
  load(odd);
  arm.shortenLink1();
  EXPECT_EQ(arm.settings().LinkLength1, 8);
  EXPECT_EQ(arm.settings().LinkLength2, 9);
  arm.lengthenLink2();
  EXPECT_EQ(arm.settings().LinkLength2, 9);
  EXPECT_EQ(arm.settings().LinkLength1, 8);
}

TEST_F(Arm, PathStepsBetweenOneAndFifty) {
  load();
  arm.morePathSteps();
  EXPECT_EQ(arm.settings().PathSteps, 50);
  EXPECT_TRUE(sound.played.empty());
  for (int i = 0; i < 60; ++i) arm.fewerPathSteps();
  EXPECT_EQ(arm.settings().PathSteps, 1);
  EXPECT_EQ(view.steps, "1");
  EXPECT_EQ(sound.count(RobotWave::Ding), 49);
}

TEST_F(Arm, GridClicksSetTheDesiredPointToOneDecimal) {
  load();
  arm.chooseDesiredPoint(3.14, -2.06);  // Forward mode: nothing
  EXPECT_EQ(arm.settings().DesiredX, -6.1f);
  arm.chooseMode(1);
  EXPECT_EQ(view.clears.back(), 1);
  arm.chooseDesiredPoint(3.14, -2.06);
  EXPECT_EQ(arm.settings().DesiredX, 3.1f);
  EXPECT_EQ(arm.settings().DesiredY, -2.1f);
  EXPECT_EQ(view.desiredX, "3.1");
  EXPECT_EQ(view.desiredY, "-2.1");
  ASSERT_EQ(view.erased.size(), 1u);
  EXPECT_EQ(view.erased[0], std::make_pair(-6.1f, 2.0f));
  EXPECT_TRUE(view.draws.back().desiredBox);
  EXPECT_EQ(view.draws.back().DesiredX, 3.1f);
  // Out of reach: the sound and the message, and the point stays.
  arm.chooseDesiredPoint(8, 8);
  EXPECT_EQ(view.unreachable, 1);
  EXPECT_EQ(sound.count(RobotWave::UhOh), 1);
  EXPECT_EQ(arm.settings().DesiredX, 3.1f);
  // While a motion runs clicks are ignored.
  arm.moveOrStop();
  arm.chooseDesiredPoint(1, 1);
  EXPECT_EQ(arm.settings().DesiredX, 3.1f);
}

TEST_F(Arm, ATargetAtThePresentAnglesArrivesAtTheFirstTick) {
  RobotSettings s;
  s.RobotMode = 1;
  s.DesiredX = 2.7f;  // the fresh hand is at (2.72, -5.83)
  s.DesiredY = -5.8f;
  load(s);
  arm.moveOrStop();
  EXPECT_TRUE(arm.moving());
  EXPECT_TRUE(view.moving);
  EXPECT_TRUE(view.timer);
  EXPECT_EQ(arm.TargetAngle1, -115);
  EXPECT_EQ(arm.TargetAngle2, 100);
  const size_t draws = view.draws.size();
  EXPECT_EQ(runToEnd(), 1);
  EXPECT_EQ(view.draws.size(), draws);  // no step
  EXPECT_EQ(sound.count(RobotWave::Tada), 1);
  EXPECT_FALSE(view.moving);
  EXPECT_FALSE(view.timer);
}

TEST_F(Arm, AMotionWalksTheJointsInTheChosenOrder) {
  RobotSettings s;
  s.RobotMode = 1;
  s.JointAngle[0] = 0;
  s.JointAngle[1] = 0;
  s.DesiredX = 0;  // straight up: A1 = 90, A2 = 0
  s.DesiredY = 10;
  s.FirstJoint = 2;
  load(s);
  arm.moveOrStop();
  EXPECT_EQ(arm.TargetAngle1, 90);
  EXPECT_EQ(arm.TargetAngle2, 0);
  // Together: only joint 1 has anywhere to go.
  arm.motionStep();
  EXPECT_EQ(arm.settings().JointAngle[0], 5);
  EXPECT_EQ(runToEnd(), 18);  // 17 more steps, then the tick that sees arrival
  EXPECT_EQ(arm.settings().JointAngle[0], 90);
  EXPECT_NEAR(arm.position().HandY, 10, 1e-4);

  // To (5, 5) with the elbow above: A1 = 0, A2 = 90.
  RobotSettings t;
  t.RobotMode = 1;
  t.JointAngle[0] = 0;
  t.JointAngle[1] = 0;
  t.DesiredX = 5;
  t.DesiredY = 5;
  t.FirstJoint = 2;
  load(t);
  arm.moveOrStop();
  EXPECT_EQ(arm.TargetAngle1, 0);
  EXPECT_EQ(arm.TargetAngle2, 90);
  // Joint 1 is already there; joint 2 steps.
  arm.motionStep();
  EXPECT_EQ(arm.settings().JointAngle[1], 5);

  // A1 first, then A2: to A1 = 90, A2 = -90 (elbow below) from 0, 0.
  RobotSettings u = t;
  u.FirstJoint = 0;
  u.ElbowChoice = 1;
  load(u);
  arm.moveOrStop();
  EXPECT_EQ(arm.TargetAngle1, 90);
  EXPECT_EQ(arm.TargetAngle2, -90);
  for (int i = 0; i < 18; ++i) arm.motionStep();
  EXPECT_EQ(arm.settings().JointAngle[0], 90);
  EXPECT_EQ(arm.settings().JointAngle[1], 0);  // joint 2 waits
  arm.motionStep();
  // Direction 0 turns counter-clockwise only: from 0 up to -90 the long way round.
  EXPECT_EQ(arm.settings().JointAngle[1], 5);
  EXPECT_EQ(runToEnd(), 270 / 5);
  EXPECT_EQ(arm.settings().JointAngle[1], -90);

  // Together from 0, 0 to 90, -90 with shortest directions: both move in each tick.
  RobotSettings w = u;
  w.FirstJoint = 2;
  w.JointDirection[0] = 2;
  w.JointDirection[1] = 2;
  load(w);
  arm.moveOrStop();
  arm.motionStep();
  EXPECT_EQ(arm.settings().JointAngle[0], 5);
  EXPECT_EQ(arm.settings().JointAngle[1], -5);
  EXPECT_EQ(runToEnd(), 18);
}

TEST_F(Arm, APathEndsAtTheDesiredPointThroughItsWaypoints) {
  RobotSettings s;
  s.RobotMode = 2;
  s.PathSteps = 10;
  s.JointDirection[0] = 2;
  s.JointDirection[1] = 2;
  load(s);
  arm.moveOrStop();
  EXPECT_EQ(arm.PathStep, 1);
  EXPECT_EQ(view.pathLines, 1);
  // The first waypoint: a tenth of the way from the start to (-6.1, 2).
  EXPECT_FLOAT_EQ(arm.TargetPointX, arm.StartPointX + (-6.1f - arm.StartPointX) / 10);
  EXPECT_GT(runToEnd(), 10);
  EXPECT_EQ(arm.PathStep, 10);
  EXPECT_EQ(sound.count(RobotWave::Tada), 1);
  EXPECT_EQ(view.pathLines, 2);  // drawn again as the motion stops
  EXPECT_NEAR(arm.position().HandX, -6.1, 0.6);
  EXPECT_NEAR(arm.position().HandY, 2, 0.6);
  // The start point did not follow the motion.
  EXPECT_EQ(view.startX, "2.72");

  // Return puts the arm back at the start point.
  arm.returnToStart();
  EXPECT_EQ(arm.settings().JointAngle[0], -115);
  EXPECT_EQ(arm.settings().JointAngle[1], 100);
  EXPECT_EQ(view.readouts.X, "2.72");
  EXPECT_FALSE(view.moving);
}

TEST_F(Arm, APathOfOneStepGoesStraightToTheDesiredPoint) {
  RobotSettings s;
  s.RobotMode = 2;
  s.PathSteps = 1;
  s.JointDirection[0] = 2;
  s.JointDirection[1] = 2;
  load(s);
  arm.moveOrStop();
  EXPECT_FLOAT_EQ(arm.TargetPointX, -6.1f);
  EXPECT_FLOAT_EQ(arm.TargetPointY, 2.0f);
  EXPECT_GT(runToEnd(), 1);
  EXPECT_EQ(arm.PathStep, 1);
  EXPECT_EQ(sound.count(RobotWave::Tada), 1);
}

TEST_F(Arm, StopEndsTheMotionWhereTheArmIs) {
  RobotSettings s;
  s.RobotMode = 2;
  load(s);
  arm.moveOrStop();
  for (int i = 0; i < 3; ++i) arm.motionStep();
  const int16_t a1 = arm.settings().JointAngle[0];
  arm.moveOrStop();
  EXPECT_FALSE(arm.moving());
  EXPECT_FALSE(view.timer);
  arm.motionStep();  // a stray tick does nothing
  EXPECT_EQ(arm.settings().JointAngle[0], a1);
  EXPECT_TRUE(sound.played.empty());
}

TEST_F(Arm, UnreachableTargetsStopOrRefuseTheMotion) {
  // Links of 7 and 3 straight out along x, to (-8, 0): the straight path crosses the disc
  // of radius 4 the arm cannot reach; the waypoint at 2.8 is inside it.
  RobotSettings s;
  s.RobotMode = 2;
  s.JointAngle[0] = 0;
  s.JointAngle[1] = 0;
  s.LinkLength1 = 7;
  s.LinkLength2 = 3;
  s.DesiredX = -8;
  s.DesiredY = 0;
  s.PathSteps = 10;
  s.JointDirection[0] = 2;
  s.JointDirection[1] = 2;
  load(s);
  arm.moveOrStop();
  EXPECT_GT(runToEnd(), 0);
  EXPECT_EQ(arm.PathStep, 4);
  EXPECT_EQ(view.unreachable, 1);
  EXPECT_EQ(sound.count(RobotWave::UhOh), 1);
  EXPECT_EQ(sound.count(RobotWave::Tada), 0);
  EXPECT_FALSE(view.timer);
  EXPECT_FALSE(view.moving);

  // A desired point out of reach once the lengths changed: Move does not start.
  RobotSettings t;
  t.RobotMode = 1;
  load(t);
  for (int i = 0; i < 4; ++i) arm.lengthenLink1();  // 9 and 1: nothing nearer than 8
  arm.moveOrStop();
  EXPECT_FALSE(arm.moving());
  EXPECT_FALSE(view.timer);
  EXPECT_EQ(view.unreachable, 2);
  EXPECT_EQ(arm.settings().JointAngle[0], arm.StartAngle1);
}

TEST_F(Arm, AModeChangeDuringAMotionStillEndsIt) {
  // A path leaves its count at 50; with 10 steps set later, a motion started in Inverse mode
  // and switched to Forward ends at arrival rather than walking on past the path.
  RobotSettings s;
  s.RobotMode = 2;
  s.JointDirection[0] = 2;
  s.JointDirection[1] = 2;
  load(s);
  arm.moveOrStop();
  ASSERT_GT(runToEnd(), 0);
  ASSERT_EQ(arm.PathStep, 50);
  for (int i = 0; i < 40; ++i) arm.fewerPathSteps();
  arm.chooseMode(1);
  arm.chooseDesiredPoint(2, 5);
  arm.moveOrStop();
  arm.chooseMode(0);
  const int tadas = sound.count(RobotWave::Tada);
  EXPECT_GT(runToEnd(), 0);
  EXPECT_FALSE(arm.moving());
  EXPECT_EQ(sound.count(RobotWave::Tada), tadas + 1);
  EXPECT_EQ(view.unreachable, 0);
}

TEST_F(Arm, PrintedTextOfEachMode) {
  load();
  std::vector<std::string> forward;
  for (const PrintLine& l : arm.printoutLines()) forward.push_back(l.text);
  EXPECT_EQ(forward,
            (std::vector<std::string>{"Robotics", "", "Forward Mode:", "", "A1 =-115 degrees, 5 degrees of resolution",
                                      "A2 = 100 degrees, 5 degrees of resolution", "L1 = 5, L2 = 5",
                                      "Arm Position: X =2.72, Y =-5.83"}));
  EXPECT_TRUE(arm.printoutLines()[2].heading);
  EXPECT_EQ(arm.printoutLines()[0].x, 100);
  EXPECT_EQ(arm.printoutLines()[4].x, 150);

  arm.chooseMode(2);
  auto path = arm.printoutLines();
  ASSERT_EQ(path.size(), 15u);
  EXPECT_EQ(path[2].text, "Path Mode:");
  EXPECT_EQ(path[9].text, "Start Point: X = 2.72, Y = -5.83");
  EXPECT_EQ(path[10].text, "Desired Point: X = -6.1, Y = 2.0");
  EXPECT_EQ(path[11].text, "Number of Steps on Path = 50");
  EXPECT_EQ(path[13].text, "Move Angles Together - Keep A2 > 0");
  EXPECT_EQ(path[14].text, "Move A1 Counterclockwise - Move A2 Counterclockwise");

  arm.chooseMode(1);
  arm.chooseFirstJoint(1);
  arm.chooseElbow(2);
  arm.chooseDirection(0, 2);
  arm.chooseDirection(1, 1);
  auto inv = arm.printoutLines();
  ASSERT_EQ(inv.size(), 14u);
  EXPECT_EQ(inv[2].text, "Inverse Mode:");
  EXPECT_EQ(inv[12].text, "Move A2 First - Choose A2 for Shortest Motion");
  EXPECT_EQ(inv[13].text, "Move A1 Shortest Distance - Move A2 Clockwise");
  arm.chooseFirstJoint(0);
  arm.chooseElbow(1);
  arm.chooseDirection(0, 1);
  arm.chooseDirection(1, 2);
  inv = arm.printoutLines();
  EXPECT_EQ(inv[12].text, "Move A1 First - Keep A2 < 0");
  EXPECT_EQ(inv[13].text, "Move A1 Clockwise - Move A2 Shortest Distance");
}

}  // namespace
