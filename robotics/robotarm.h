#pragma once
// The robot arm project without its window: the arm's settings, the three modes (Forward:
// turn the joints by hand; Inverse: move the hand to a clicked point; Path: move it there
// through waypoints on a straight line), the spin-button steps with their limits, the grid
// click that sets the desired point, and the motion that walks the joints one resolution
// step per timer tick to each target.
//
// The arm talks to its window through RobotView and to the speaker through RobotSound, so
// it runs and is tested without any window. The timer itself is the window's: the arm only
// says when it runs, and the window calls MotionStep every 50 ms while it does.

#include <cstdint>
#include <string>
#include <vector>

#include "robotics/armkinematics.h"

namespace robot {

// The robotics lines of the settings file.
struct RobotSettings {
  int16_t RobotMode = 0;  // 0 Forward, 1 Inverse, 2 Path
  int16_t JointAngle[2] = {-115, 100};
  int16_t ResolutionIndex[2] = {4, 4};
  int16_t LinkLength1 = 5, LinkLength2 = 5;
  int16_t FirstJoint = 2;              // 0 A1 first, 1 A2 first, 2 together
  int16_t JointDirection[2] = {0, 0};  // 0 counter-clockwise, 1 clockwise, 2 shortest
  int16_t ElbowChoice = 0;             // 0 A2 > 0, 1 A2 < 0, 2 shortest
  float DesiredX = -6.1f, DesiredY = 2;
  int16_t PathSteps = 50;
};

// Brings values the window cannot use (from a hand-edited settings file) into its controls'
// ranges: choices and indexes to their ends, lengths to 1..9, path steps to 1..50, angles
// into -180..180 on their joint's resolution, the desired point onto the grid. Values
// already usable, the fresh file's among them, stay as they are.
void SanitizeRobotSettings(RobotSettings& s);

enum class RobotWave { Ding, Tada, UhOh };

class RobotSound {
 public:
  virtual ~RobotSound();
  // Plays one of the project's sounds and returns at once.
  virtual void PlayWave(RobotWave wave) = 0;
};

// One drawing of the arm: the arm as last drawn (erased), the arm now, and whether the old
// hand position keeps a trail mark (flag 0) or is erased (flag not 0).
struct ArmDrawing {
  ArmPosition previous, present;
  int16_t flag = 0;
  bool desiredBox = false;  // the desired point's box, in Inverse and Path mode
  float DesiredX = 0, DesiredY = 0;
};

// The arm's read-outs as shown: the joint angles and the hand position.
struct ArmReadouts {
  std::string A1, A2, X, Y;
};

class RobotView {
 public:
  virtual ~RobotView();
  // Clears the grid, labels its axes and writes the mode's prompt below it.
  virtual void ClearGrid(int16_t mode) = 0;
  virtual void DrawArm(const ArmDrawing& drawing, const ArmReadouts& readouts) = 0;
  // Removes the desired point's box, drawing it again in the grid's background colour.
  virtual void EraseDesiredBox(float x, float y) = 0;
  // The straight path from the desired point to the start point, in green.
  virtual void DrawPathLine(float x1, float y1, float x2, float y2) = 0;
  virtual void ShowStartPoint(const std::string& x, const std::string& y) = 0;
  virtual void ShowDesiredPoint(const std::string& x, const std::string& y) = 0;
  virtual void ShowLinks(const std::string& l1, const std::string& l2) = 0;
  virtual void ShowResolutions(const std::string& r1, const std::string& r2) = 0;
  virtual void ShowPathSteps(const std::string& steps) = 0;
  // The mode's frame and the path-steps controls.
  virtual void ShowMode(int16_t mode) = 0;
  // The Move button's caption ("&Move" or "&Stop") and the seven spin buttons' enabling.
  virtual void ShowMoving(bool moving) = 0;
  virtual void SetTimerEnabled(bool on) = 0;
  // "Robot arm cannot reach desired end point".
  virtual void ShowUnreachable() = 0;
};

// One line of the printed page: its x in page units and its text; a heading is underlined.
struct PrintLine {
  int16_t x = 0;
  std::string text;
  bool heading = false;
};

class RobotArm {
 public:
  RobotArm(RobotView& view, RobotSound& sound);

  // The window's load step, up to showing it: takes the settings (brought into range),
  // computes the arm, makes it the start point and draws it.
  void Load(const RobotSettings& settings);
  const RobotSettings& settings() const { return s; }

  // -- what the user does --------------------------------------------------------------
  void ChooseMode(int16_t index);
  void ChooseFirstJoint(int16_t index) { s.FirstJoint = index; }
  void ChooseElbow(int16_t index) { s.ElbowChoice = index; }
  void ChooseDirection(int joint, int16_t index) { s.JointDirection[joint] = index; }
  // A click on the grid: the desired point, in Inverse and Path mode.
  void ChooseDesiredPoint(double x, double y);
  // The spin buttons: a joint turned by its resolution, a joint's resolution to the next
  // larger or smaller one, a unit traded between the links, the path's steps.
  void TurnJointUp(int j);
  void TurnJointDown(int j);
  void ResolutionUp(int j);
  void ResolutionDown(int j);
  void LengthenLink1();
  void ShortenLink1();
  void LengthenLink2();
  void ShortenLink2();
  void MorePathSteps();
  void FewerPathSteps();
  // The grid cleared of the path the hand left, the arm drawn again.
  void ClearPath();
  // Move starts the motion to the desired point; during it, the same button stops it.
  void MoveOrStop();
  void ReturnToStart();
  // One tick of the window's motion timer.
  void MotionStep();

  // -- procedures ----------------------------------------------------------------------
  void ComputeArmPosition();
  // Solves the target point into target angles; false (nothing changed) when it is out of reach.
  bool SolveInverseKinematics();
  void SaveStartPoint();
  void StepJoint(int j, int delta);
  void RefreshArmSettings();
  void DrawArm(int16_t flag);

  // -- state ---------------------------------------------------------------------------
  bool Moving() const { return m_moving; }
  int16_t Resolution(int j) const { return ResolutionTable[size_t(s.ResolutionIndex[j])]; }
  const ArmPosition& Position() const { return m_arm; }
  const ArmPosition& PreviousPosition() const { return m_prev; }
  int16_t StartAngle1 = 0, StartAngle2 = 0;
  float StartPointX = 0, StartPointY = 0;
  int16_t TargetAngle1 = 0, TargetAngle2 = 0;
  float TargetPointX = 0, TargetPointY = 0;
  int16_t PathStep = 0;
  // The start and desired points' read-outs as shown.
  std::string StartText[2], DesiredText[2];

  // The text of the printed page, line by line.
  std::vector<PrintLine> PrintoutLines() const;

  // Captions of the option groups, as the window shows them.
  static const char* ModeCaption(int index);
  static const char* FirstCaption(int index);
  static const char* ElbowCaption(int index);
  static const char* DirectionCaption(int joint, int index);

 private:
  void StepLength(int16_t& stepped, int16_t& other, int delta);
  void StartMotion();
  void StopMotion();
  void RefuseUnreachable();
  void SetTargetToWaypoint();
  ArmReadouts Readouts() const;

  RobotView& m_view;
  RobotSound& m_sound;
  RobotSettings s;
  ArmPosition m_arm, m_prev;
  bool m_moving = false;
};

}  // namespace robot
