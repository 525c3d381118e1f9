#pragma once
// The robot arm project without its window: the arm's settings, the three modes (Forward:
// turn the joints by hand; Inverse: move the hand to a clicked point; Path: move it there
// through waypoints on a straight line), the spin-button steps with their limits, the grid
// click that sets the desired point, and the motion that walks the joints one resolution
// step per timer tick to each target.
//
// The arm talks to its window through RobotView and to the speaker through RobotSound, so
// it runs and is tested without any window. The timer itself is the window's: the arm only
// says when it runs, and the window calls motionStep every 50 ms while it does.

#include <cstdint>
#include <string>
#include <vector>

#include "robotics/armkinematics.h"

namespace robotics {

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
void sanitizeRobotSettings(RobotSettings& s);

enum class RobotWave { Ding, Tada, UhOh };

class RobotSound {
 public:
  virtual ~RobotSound();
  // Plays one of the project's sounds and returns at once.
  virtual void playWave(RobotWave wave) = 0;
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
  virtual void clearGrid(int16_t mode) = 0;
  virtual void drawArm(const ArmDrawing& drawing, const ArmReadouts& readouts) = 0;
  // Removes the desired point's box, drawing it again in the grid's background colour.
  virtual void eraseDesiredBox(float x, float y) = 0;
  // The straight path from the desired point to the start point, in green.
  virtual void drawPathLine(float x1, float y1, float x2, float y2) = 0;
  virtual void showStartPoint(const std::string& x, const std::string& y) = 0;
  virtual void showDesiredPoint(const std::string& x, const std::string& y) = 0;
  virtual void showLinks(const std::string& l1, const std::string& l2) = 0;
  virtual void showResolutions(const std::string& r1, const std::string& r2) = 0;
  virtual void showPathSteps(const std::string& steps) = 0;
  // The mode's frame and the path-steps controls.
  virtual void showMode(int16_t mode) = 0;
  // The Move button's caption ("&Move" or "&Stop") and the seven spin buttons' enabling.
  virtual void showMoving(bool moving) = 0;
  virtual void setTimerEnabled(bool on) = 0;
  // "Robot arm cannot reach desired end point".
  virtual void showUnreachable() = 0;
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
  void load(const RobotSettings& settings);
  const RobotSettings& settings() const { return m_settings; }

  // -- what the user does --------------------------------------------------------------
  void chooseMode(int16_t index);
  void chooseFirstJoint(int16_t index) { m_settings.FirstJoint = index; }
  void chooseElbow(int16_t index) { m_settings.ElbowChoice = index; }
  void chooseDirection(int joint, int16_t index) { m_settings.JointDirection[joint] = index; }
  // A click on the grid: the desired point, in Inverse and Path mode.
  void chooseDesiredPoint(double x, double y);
  // The spin buttons: a joint turned by its resolution, a joint's resolution to the next
  // larger or smaller one, a unit traded between the links, the path's steps.
  void turnJointUp(int j);
  void turnJointDown(int j);
  void resolutionUp(int j);
  void resolutionDown(int j);
  void lengthenLink1();
  void shortenLink1();
  void lengthenLink2();
  void shortenLink2();
  void morePathSteps();
  void fewerPathSteps();
  // The grid cleared of the path the hand left, the arm drawn again.
  void clearPath();
  // Move starts the motion to the desired point; during it, the same button stops it.
  void moveOrStop();
  void returnToStart();
  // One tick of the window's motion timer.
  void motionStep();

  // -- procedures ----------------------------------------------------------------------
  void computeArmPosition();
  // Solves the target point into target angles; false (nothing changed) when it is out of reach.
  bool solveInverseKinematics();
  void saveStartPoint();
  void stepJoint(int j, int delta);
  void refreshArmSettings();
  void drawArm(int16_t flag);

  // -- state ---------------------------------------------------------------------------
  bool moving() const { return m_moving; }
  int16_t resolution(int j) const { return kResolutionTable[size_t(m_settings.ResolutionIndex[j])]; }
  const ArmPosition& position() const { return m_arm; }
  const ArmPosition& previousPosition() const { return m_prev; }
  int16_t StartAngle1 = 0, StartAngle2 = 0;
  float StartPointX = 0, StartPointY = 0;
  int16_t TargetAngle1 = 0, TargetAngle2 = 0;
  float TargetPointX = 0, TargetPointY = 0;
  int16_t PathStep = 0;
  // The start and desired points' read-outs as shown.
  std::string StartText[2], DesiredText[2];

  // The text of the printed page, line by line.
  std::vector<PrintLine> printoutLines() const;

  // Captions of the option groups, as the window shows them.
  static const char* modeCaption(int index);
  static const char* firstCaption(int index);
  static const char* elbowCaption(int index);
  static const char* directionCaption(int joint, int index);

 private:
  void stepLength(int16_t& stepped, int16_t& other, int delta);
  void startMotion();
  void stopMotion();
  void refuseUnreachable();
  void setTargetToWaypoint();
  ArmReadouts readouts() const;

  RobotView& m_view;
  RobotSound& m_sound;
  RobotSettings m_settings;
  ArmPosition m_arm, m_prev;
  bool m_moving = false;
};

}  // namespace robotics
