// The arm's geometry: arc tangent, forward and inverse kinematics, snapping, reach, turns.

#include <gtest/gtest.h>

#include <cmath>

#include "robotics/armkinematics.h"
#include "robotics/robotarm.h"

namespace {

using namespace robotics;

TEST(AngleOf, QuadrantsAxesAndTheOriginWithPiAs314159) {
  EXPECT_EQ(angleOf(0, 0), 0.0);
  EXPECT_EQ(angleOf(0, 1), 0.0);
  EXPECT_DOUBLE_EQ(angleOf(0, -1), 3.14159);
  EXPECT_DOUBLE_EQ(angleOf(2, 0), 1.570795);
  EXPECT_DOUBLE_EQ(angleOf(-2, 0), -1.570795);
  EXPECT_NEAR(angleOf(1, 1), 0.785398, 1e-6);
  EXPECT_NEAR(angleOf(1, -1), 3.14159 - 0.785398, 1e-6);
  EXPECT_NEAR(angleOf(-1, -1), 0.785398 - 3.14159, 1e-6);
  EXPECT_NEAR(angleOf(-1, 1), -0.785398, 1e-6);
}

TEST(ForwardKinematics, TheFreshArmAndAStraightArm) {
  // A1 = -115, A2 = 100: the elbow below left of the origin, the hand at -15 degrees from it.
  const ArmPosition p = computeArmPosition(5, 5, -115, 100);
  EXPECT_NEAR(p.ElbowX, -2.1131, 1e-4);
  EXPECT_NEAR(p.ElbowY, -4.5315, 1e-4);
  EXPECT_NEAR(p.HandX, 2.7165, 1e-4);
  EXPECT_NEAR(p.HandY, -5.8256, 1e-4);
  const ArmPosition straight = computeArmPosition(7, 3, 90, 0);
  EXPECT_NEAR(straight.HandX, 0, 1e-4);
  EXPECT_NEAR(straight.HandY, 10, 1e-6);
  // Angles that add up past a half turn still point the right way.
  const ArmPosition back = computeArmPosition(5, 5, 170, 170);
  EXPECT_NEAR(back.HandX, 5 * std::cos(170 * kDegToRad) + 5 * std::cos(340 * kDegToRad), 1e-5);
}

TEST(Reach, TheRingBetweenTheDifferenceAndTheSumOfTheLengths) {
  // Equal links reach every point within 10, the origin included.
  EXPECT_TRUE(canReachPoint(0, 0, 5, 5));
  EXPECT_TRUE(canReachPoint(6, 8, 5, 5));
  EXPECT_TRUE(canReachPoint(-7, 7, 5, 5));
  EXPECT_FALSE(canReachPoint(6.1f, 8, 5, 5));
  EXPECT_FALSE(canReachPoint(10.5f, 0, 5, 5));
  // Links of 7 and 3 cannot reach nearer the origin than 4.
  EXPECT_FALSE(canReachPoint(0, 0, 7, 3));
  EXPECT_FALSE(canReachPoint(3.9f, 0, 7, 3));
  EXPECT_TRUE(canReachPoint(4, 0, 7, 3));
  EXPECT_TRUE(canReachPoint(0, -10, 7, 3));
  EXPECT_FALSE(solveJointAngles(0, 0, 7, 3, {}).has_value());
}

TEST(InverseKinematics, ElbowUpDownAndShortest) {
  // The hand of A1 = 30, A2 = 60 solved back: elbow up gives those angles, elbow down the
  // mirror arm about the line to the hand (A1 = 90, A2 = -60).
  const ArmPosition p = computeArmPosition(5, 5, 30, 60);
  auto up = solveJointAngles(p.HandX, p.HandY, 5, 5, {0, 0, 0});
  ASSERT_TRUE(up);
  EXPECT_NEAR(up->A1 / kDegToRad, 30, 1e-3);
  EXPECT_NEAR(up->A2 / kDegToRad, 60, 1e-3);
  auto down = solveJointAngles(p.HandX, p.HandY, 5, 5, {1, 0, 0});
  ASSERT_TRUE(down);
  EXPECT_NEAR(down->A1 / kDegToRad, 90, 1e-3);
  EXPECT_NEAR(down->A2 / kDegToRad, -60, 1e-3);
  // Shortest from an elbow at -50: changes of 110 (to +60) and -10 (to -60).
  auto a = [&](int16_t dir) { return solveJointAngles(p.HandX, p.HandY, 5, 5, {2, dir, -50})->A2 / kDegToRad; };
  EXPECT_NEAR(a(2), -60, 1e-3);  // the smaller change
  EXPECT_NEAR(a(0), -60, 1e-3);  // 110 < -10 is false
  EXPECT_NEAR(a(1), 60, 1e-3);   // 110 >= -10
  // Changes past a half turn are taken the short way round: from 170, +60 is -110 away
  // and -60 is 130 away (-230 + 360).
  auto b = [&](int16_t dir) { return solveJointAngles(p.HandX, p.HandY, 5, 5, {2, dir, 170})->A2 / kDegToRad; };
  EXPECT_NEAR(b(2), 60, 1e-3);
  EXPECT_NEAR(b(0), 60, 1e-3);
  EXPECT_NEAR(b(1), -60, 1e-3);
  // The origin with equal links folds the arm back on itself.
  auto fold = solveJointAngles(0, 0, 5, 5, {0, 0, 0});
  ASSERT_TRUE(fold);
  EXPECT_NEAR(fold->A2, 3.14159f, 1e-5);
  EXPECT_TRUE(std::isfinite(fold->A1));
}

TEST(Angles, SnappingWrappingAndTurns) {
  EXPECT_EQ(snapAngle(45, 2), 44);      // 22.5 rounds to the even 22
  EXPECT_EQ(snapAngle(47, 2), 48);      // 23.5 to 24
  EXPECT_EQ(snapAngle(-115, 6), -114);  // -19.17 to -19
  EXPECT_EQ(snapAngle(100, 5), 100);
  EXPECT_EQ(snapAngle(-135, 90), -180);  // -1.5 to -2
  EXPECT_EQ(wrapAngle(170 + 10), 180);
  EXPECT_EQ(wrapAngle(180 + 10), -170);
  EXPECT_EQ(wrapAngle(-180 - 10), 170);
  EXPECT_EQ(wrapAngle(-180), -180);
  EXPECT_EQ(reduceTurn(180), 180);
  EXPECT_EQ(reduceTurn(181), -179);
  EXPECT_EQ(reduceTurn(-300), 60);
  EXPECT_EQ(reduceTurn(360), 0);
  EXPECT_EQ(roundEven(2.5), 2);
  EXPECT_EQ(roundEven(3.5), 4);
  EXPECT_EQ(roundEven(-2.5), -2);
}

TEST(Settings, TheFreshValuesStayAndUnusableOnesAreBroughtIntoRange) {
  RobotSettings fresh;
  RobotSettings s = fresh;
  sanitizeRobotSettings(s);
  EXPECT_EQ(s.RobotMode, 0);
  EXPECT_EQ(s.JointAngle[0], -115);
  EXPECT_EQ(s.JointAngle[1], 100);
  EXPECT_EQ(s.ResolutionIndex[0], 4);
  EXPECT_EQ(s.LinkLength1, 5);
  EXPECT_EQ(s.FirstJoint, 2);
  EXPECT_EQ(s.DesiredX, -6.1f);
  EXPECT_EQ(s.DesiredY, 2.0f);
  EXPECT_EQ(s.PathSteps, 50);

  RobotSettings bad;
  bad.RobotMode = 9;
  bad.JointAngle[0] = 32767;
  bad.JointAngle[1] = -181;
  bad.ResolutionIndex[0] = 20;
  bad.ResolutionIndex[1] = -3;
  bad.LinkLength1 = 0;
  bad.LinkLength2 = 40;
  bad.FirstJoint = -1;
  bad.JointDirection[0] = 3;
  bad.ElbowChoice = 5;
  bad.DesiredX = std::nanf("");
  bad.DesiredY = 500;
  bad.PathSteps = 0;
  sanitizeRobotSettings(bad);
  EXPECT_EQ(bad.RobotMode, 2);
  EXPECT_EQ(bad.ResolutionIndex[0], 15);
  EXPECT_EQ(bad.ResolutionIndex[1], 0);
  EXPECT_EQ(bad.JointAngle[0], 0);  // 32767 mod 360 = 7, on a 90 degree joint 0
  EXPECT_EQ(bad.JointAngle[1], 179);
  EXPECT_EQ(bad.LinkLength1, 1);
  EXPECT_EQ(bad.LinkLength2, 9);
  EXPECT_EQ(bad.FirstJoint, 0);
  EXPECT_EQ(bad.JointDirection[0], 2);
  EXPECT_EQ(bad.ElbowChoice, 2);
  EXPECT_EQ(bad.DesiredX, 0.0f);
  EXPECT_EQ(bad.DesiredY, 11.0f);
  EXPECT_EQ(bad.PathSteps, 1);

  // An angle off its joint's steps is put on them, else a motion could never arrive.
  RobotSettings off;
  off.JointAngle[0] = 7;
  off.JointAngle[1] = 180;
  off.ResolutionIndex[1] = 10;  // 24 degrees: 180 would snap to 192, which wraps to -168
  sanitizeRobotSettings(off);
  EXPECT_EQ(off.JointAngle[0], 5);
  EXPECT_EQ(off.JointAngle[1], -168);
}

}  // namespace
