#include "robotics/robotarm.h"

#include <algorithm>
#include <cmath>

#include "runtime/numfmt.h"

namespace robotics {

RobotSound::~RobotSound() = default;
RobotView::~RobotView() = default;

namespace {

int16_t clampTo(int16_t v, int16_t lo, int16_t hi) { return std::clamp(v, lo, hi); }

// The grid's scale runs from -11 to 11 both ways: a desired point is always on it.
float onGrid(float v) {
  if (std::isnan(v)) return 0;
  return std::clamp(v, -11.0f, 11.0f);
}

std::string fmt(double v, const char* mask) { return rt::formatNumber(v, mask); }

}  // namespace

void sanitizeRobotSettings(RobotSettings& s) {
  s.RobotMode = clampTo(s.RobotMode, 0, 2);
  for (int j = 0; j < 2; ++j) {
    s.ResolutionIndex[j] = clampTo(s.ResolutionIndex[j], 0, 15);
    s.JointDirection[j] = clampTo(s.JointDirection[j], 0, 2);
  }
  s.LinkLength1 = clampTo(s.LinkLength1, 1, 9);
  s.LinkLength2 = clampTo(s.LinkLength2, 1, 9);
  s.FirstJoint = clampTo(s.FirstJoint, 0, 2);
  s.ElbowChoice = clampTo(s.ElbowChoice, 0, 2);
  s.PathSteps = clampTo(s.PathSteps, 1, 50);
  s.DesiredX = onGrid(s.DesiredX);
  s.DesiredY = onGrid(s.DesiredY);
  // A joint walks to its targets in steps of its resolution, so it must stand on one of
  // them, or a motion would step past its target for ever.
  for (int j = 0; j < 2; ++j) {
    int a = s.JointAngle[j];
    if (a > 180 || a < -180) {
      a %= 360;
      a = wrapAngle(a);
    }
    const int16_t r = kResolutionTable[size_t(s.ResolutionIndex[j])];
    if (a % r != 0) a = wrapAngle(snapAngle(int16_t(a), r));
    s.JointAngle[j] = int16_t(a);
  }
}

RobotArm::RobotArm(RobotView& view, RobotSound& sound) : m_view(view), m_sound(sound) {}

const char* RobotArm::modeCaption(int index) {
  static const char* const kCaptions[] = {"Forward", "Inverse", "Path"};
  return kCaptions[std::clamp(index, 0, 2)];
}

const char* RobotArm::firstCaption(int index) {
  static const char* const kCaptions[] = {"A1 First", "A2 First", "Together"};
  return kCaptions[std::clamp(index, 0, 2)];
}

const char* RobotArm::elbowCaption(int index) {
  static const char* const kCaptions[] = {"A2 > 0", "A2 < 0", "Shortest"};
  return kCaptions[std::clamp(index, 0, 2)];
}

const char* RobotArm::directionCaption(int joint, int index) {
  static const char* const kCaptions[2][3] = {{"A1 CCW", "A1 CW", "Shortest"}, {"A2 CCW", "A2 CW", "Shortest"}};
  return kCaptions[std::clamp(joint, 0, 1)][std::clamp(index, 0, 2)];
}

// -- load ---------------------------------------------------------------------------------

void RobotArm::load(const RobotSettings& settings) {
  m_settings = settings;
  sanitizeRobotSettings(m_settings);
  m_moving = false;
  computeArmPosition();
  saveStartPoint();
  m_prev = m_arm;
  m_view.showLinks(fmt(m_settings.LinkLength1, "#"), fmt(m_settings.LinkLength2, "#"));
  m_view.showResolutions(fmt(resolution(0), "##"), fmt(resolution(1), "##"));
  DesiredText[0] = fmt(m_settings.DesiredX, "##0.0");
  DesiredText[1] = fmt(m_settings.DesiredY, "##0.0");
  m_view.showDesiredPoint(DesiredText[0], DesiredText[1]);
  m_view.showPathSteps(fmt(m_settings.PathSteps, "##"));
  drawArm(1);
}

// -- arm ----------------------------------------------------------------------------------

void RobotArm::computeArmPosition() {
  m_arm = robotics::computeArmPosition(m_settings.LinkLength1, m_settings.LinkLength2, m_settings.JointAngle[0],
                                       m_settings.JointAngle[1]);
}

bool RobotArm::solveInverseKinematics() {
  const ElbowRule rule{m_settings.ElbowChoice, m_settings.JointDirection[1], m_settings.JointAngle[1]};
  const auto sol = solveJointAngles(TargetPointX, TargetPointY, m_settings.LinkLength1, m_settings.LinkLength2, rule);
  if (!sol) return false;
  const int16_t a1 = roundEven(sol->A1 / kDegToRad);
  const int16_t a2 = roundEven(sol->A2 / kDegToRad);
  TargetAngle1 = snapAngle(a1, resolution(0));
  TargetAngle2 = snapAngle(a2, resolution(1));
  return true;
}

void RobotArm::saveStartPoint() {
  StartAngle1 = m_settings.JointAngle[0];
  StartAngle2 = m_settings.JointAngle[1];
  StartPointX = m_arm.HandX;
  StartPointY = m_arm.HandY;
  StartText[0] = fmt(StartPointX, "##0.00");
  StartText[1] = fmt(StartPointY, "##0.00");
  m_view.showStartPoint(StartText[0], StartText[1]);
}

ArmReadouts RobotArm::readouts() const {
  return {fmt(m_settings.JointAngle[0], "###0"), fmt(m_settings.JointAngle[1], "###0"), fmt(m_arm.HandX, "##0.00"),
          fmt(m_arm.HandY, "##0.00")};
}

void RobotArm::drawArm(int16_t flag) {
  ArmDrawing d;
  d.previous = m_prev;
  d.present = m_arm;
  d.flag = flag;
  d.desiredBox = m_settings.RobotMode != 0;
  d.DesiredX = m_settings.DesiredX;
  d.DesiredY = m_settings.DesiredY;
  m_view.drawArm(d, readouts());
  m_prev = m_arm;
}

void RobotArm::refreshArmSettings() {
  m_view.showLinks(fmt(m_settings.LinkLength1, "0"), fmt(m_settings.LinkLength2, "0"));
  m_view.showResolutions(fmt(resolution(0), "##"), fmt(resolution(1), "##"));
  clearPath();
  computeArmPosition();
  drawArm(1);
}

// -- joints -------------------------------------------------------------------------------

void RobotArm::turnJointUp(int j) {
  m_settings.JointAngle[j] = wrapAngle(m_settings.JointAngle[j] + resolution(j));
  computeArmPosition();
  if (!m_moving) saveStartPoint();
  drawArm(0);
}

void RobotArm::turnJointDown(int j) {
  m_settings.JointAngle[j] = wrapAngle(m_settings.JointAngle[j] - resolution(j));
  computeArmPosition();
  if (!m_moving) saveStartPoint();
  drawArm(0);
}

void RobotArm::stepJoint(int j, int delta) {
  switch (m_settings.JointDirection[j]) {
    case 0: turnJointUp(j); break;
    case 1: turnJointDown(j); break;
    default:
      if (delta > 0)
        turnJointUp(j);
      else
        turnJointDown(j);
  }
}

// -- spin buttons -------------------------------------------------------------------------

void RobotArm::resolutionUp(int j) {
  if (m_settings.ResolutionIndex[j] >= 15) return;
  m_sound.playWave(RobotWave::Ding);
  ++m_settings.ResolutionIndex[j];
  m_settings.JointAngle[0] = snapAngle(m_settings.JointAngle[0], resolution(0));
  m_settings.JointAngle[1] = snapAngle(m_settings.JointAngle[1], resolution(1));
  refreshArmSettings();
  saveStartPoint();
}

void RobotArm::resolutionDown(int j) {
  if (m_settings.ResolutionIndex[j] <= 0) return;
  m_sound.playWave(RobotWave::Ding);
  --m_settings.ResolutionIndex[j];
  m_settings.JointAngle[0] = snapAngle(m_settings.JointAngle[0], resolution(0));
  m_settings.JointAngle[1] = snapAngle(m_settings.JointAngle[1], resolution(1));
  refreshArmSettings();
  saveStartPoint();
}

// The length buttons trade one unit between the links, so the outer reach stays the same.
// Only the stepped link's limit refuses a step; when a hand-edited file gave lengths of
// another sum, the other link stops at its own end of 1..9 rather than leave it.
void RobotArm::stepLength(int16_t& stepped, int16_t& other, int delta) {
  if ((delta > 0 && stepped >= 9) || (delta < 0 && stepped <= 1)) return;
  m_sound.playWave(RobotWave::Ding);
  stepped = int16_t(stepped + delta);
  other = std::clamp(int16_t(other - delta), int16_t(1), int16_t(9));
  refreshArmSettings();
  saveStartPoint();
}

void RobotArm::lengthenLink1() { stepLength(m_settings.LinkLength1, m_settings.LinkLength2, 1); }
void RobotArm::shortenLink1() { stepLength(m_settings.LinkLength1, m_settings.LinkLength2, -1); }
void RobotArm::lengthenLink2() { stepLength(m_settings.LinkLength2, m_settings.LinkLength1, 1); }
void RobotArm::shortenLink2() { stepLength(m_settings.LinkLength2, m_settings.LinkLength1, -1); }

void RobotArm::morePathSteps() {
  if (m_settings.PathSteps >= 50) return;
  m_sound.playWave(RobotWave::Ding);
  ++m_settings.PathSteps;
  m_view.showPathSteps(fmt(m_settings.PathSteps, "##"));
}

void RobotArm::fewerPathSteps() {
  if (m_settings.PathSteps <= 1) return;
  m_sound.playWave(RobotWave::Ding);
  --m_settings.PathSteps;
  m_view.showPathSteps(fmt(m_settings.PathSteps, "##"));
}

// -- modes and the grid -------------------------------------------------------------------

void RobotArm::chooseMode(int16_t index) {
  m_settings.RobotMode = clampTo(index, 0, 2);
  m_view.showMode(m_settings.RobotMode);
  clearPath();
}

void RobotArm::clearPath() {
  m_view.clearGrid(m_settings.RobotMode);
  drawArm(1);
}

void RobotArm::refuseUnreachable() {
  m_sound.playWave(RobotWave::UhOh);
  m_view.showUnreachable();
}

void RobotArm::chooseDesiredPoint(double x, double y) {
  if (m_settings.RobotMode == 0 || m_moving) return;
  // The desired point is kept to one decimal.
  const auto X = float(roundEven(x * 10) / 10.0);
  const auto Y = float(roundEven(y * 10) / 10.0);
  if (!canReachPoint(X, Y, m_settings.LinkLength1, m_settings.LinkLength2)) {
    refuseUnreachable();
    return;
  }
  m_view.eraseDesiredBox(m_settings.DesiredX, m_settings.DesiredY);
  m_settings.DesiredX = X;
  m_settings.DesiredY = Y;
  DesiredText[0] = fmt(X, "##0.0");
  DesiredText[1] = fmt(Y, "##0.0");
  m_view.showDesiredPoint(DesiredText[0], DesiredText[1]);
  drawArm(0);
}

// -- motion -------------------------------------------------------------------------------

void RobotArm::setTargetToWaypoint() {
  TargetPointX = (m_settings.DesiredX - StartPointX) * PathStep / m_settings.PathSteps + StartPointX;
  TargetPointY = (m_settings.DesiredY - StartPointY) * PathStep / m_settings.PathSteps + StartPointY;
}

void RobotArm::moveOrStop() {
  if (m_moving)
    stopMotion();
  else
    startMotion();
}

void RobotArm::startMotion() {
  // The target: the desired point itself, or the first waypoint of the path to it.
  float tx = m_settings.DesiredX, ty = m_settings.DesiredY;
  if (m_settings.RobotMode != 1) {
    tx = StartPointX + (m_settings.DesiredX - StartPointX) / m_settings.PathSteps;
    ty = StartPointY + (m_settings.DesiredY - StartPointY) / m_settings.PathSteps;
  }
  // A desired point clicked before the lengths changed, or a path's first waypoint inside
  // the inner circle, may be out of reach: the motion does not start.
  if (!canReachPoint(tx, ty, m_settings.LinkLength1, m_settings.LinkLength2)) {
    refuseUnreachable();
    return;
  }
  m_moving = true;
  m_view.showMoving(true);
  if (m_settings.RobotMode != 1) PathStep = 1;
  TargetPointX = tx;
  TargetPointY = ty;
  // The arm goes back to the start point first.
  m_settings.JointAngle[0] = StartAngle1;
  m_settings.JointAngle[1] = StartAngle2;
  solveInverseKinematics();
  refreshArmSettings();
  m_view.setTimerEnabled(true);
  if (m_settings.RobotMode == 2)
    m_view.drawPathLine(m_settings.DesiredX, m_settings.DesiredY, StartPointX, StartPointY);
}

void RobotArm::stopMotion() {
  m_moving = false;
  m_view.showMoving(false);
  m_view.setTimerEnabled(false);
  if (m_settings.RobotMode == 2)
    m_view.drawPathLine(m_settings.DesiredX, m_settings.DesiredY, StartPointX, StartPointY);
}

void RobotArm::returnToStart() {
  m_moving = false;
  m_view.showMoving(false);
  m_view.setTimerEnabled(false);
  m_arm.HandX = StartPointX;
  m_arm.HandY = StartPointY;
  m_settings.JointAngle[0] = StartAngle1;
  m_settings.JointAngle[1] = StartAngle2;
  refreshArmSettings();
  computeArmPosition();
  drawArm(0);
}

void RobotArm::motionStep() {
  if (!m_moving) return;
  const int16_t d1 = reduceTurn(TargetAngle1 - m_settings.JointAngle[0]);
  const int16_t d2 = reduceTurn(TargetAngle2 - m_settings.JointAngle[1]);
  switch (m_settings.FirstJoint) {
    case 0:
      if (d1 != 0)
        stepJoint(0, d1);
      else if (d2 != 0)
        stepJoint(1, d2);
      break;
    case 1:
      if (d2 != 0)
        stepJoint(1, d2);
      else if (d1 != 0)
        stepJoint(0, d1);
      break;
    default:
      if (d1 != 0) stepJoint(0, d1);
      if (d2 != 0) stepJoint(1, d2);
  }
  // Arrival is judged on the differences before this tick's steps.
  if (d1 != 0 || d2 != 0) return;
  // A path ends at its last waypoint; a count already past it (a path step left from an
  // earlier motion after the mode changed) ends it too rather than walking on.
  if (m_settings.RobotMode == 1 || PathStep >= m_settings.PathSteps) {
    m_sound.playWave(RobotWave::Tada);
    moveOrStop();
    return;
  }
  ++PathStep;
  setTargetToWaypoint();
  if (!solveInverseKinematics()) {
    // The straight path crosses the circle the arm cannot reach into.
    stopMotion();
    refuseUnreachable();
  }
}

// -- printout -----------------------------------------------------------------------------

std::vector<PrintLine> RobotArm::printoutLines() const {
  std::vector<PrintLine> lines;
  auto add = [&](int16_t x, std::string text, bool heading = false) { lines.push_back({x, std::move(text), heading}); };
  add(100, "Robotics");
  add(0, "");
  add(150, std::string(modeCaption(m_settings.RobotMode)) + " Mode:", true);
  add(0, "");
  add(150, "A1 =" + rt::numberText(m_settings.JointAngle[0]) + " degrees," + rt::numberText(resolution(0)) +
               " degrees of resolution");
  add(150, "A2 =" + rt::numberText(m_settings.JointAngle[1]) + " degrees," + rt::numberText(resolution(1)) +
               " degrees of resolution");
  add(150, "L1 =" + rt::numberText(m_settings.LinkLength1) + ", L2 =" + rt::numberText(m_settings.LinkLength2));
  add(150, "Arm Position: X =" + fmt(m_arm.HandX, "##0.00") + ", Y =" + fmt(m_arm.HandY, "##0.00"));
  if (m_settings.RobotMode == 0) return lines;
  add(0, "");
  add(150, "Start Point: X = " + StartText[0] + ", Y = " + StartText[1]);
  add(150, "Desired Point: X = " + DesiredText[0] + ", Y = " + DesiredText[1]);
  if (m_settings.RobotMode == 2) add(150, "Number of Steps on Path =" + rt::numberText(m_settings.PathSteps));
  add(0, "");
  std::string order = m_settings.FirstJoint == 0 || m_settings.FirstJoint == 1
                          ? "Move " + std::string(firstCaption(m_settings.FirstJoint)) + " - "
                          : std::string("Move Angles Together - ");
  order += m_settings.ElbowChoice == 0 || m_settings.ElbowChoice == 1
               ? "Keep " + std::string(elbowCaption(m_settings.ElbowChoice))
               : std::string("Choose A2 for Shortest Motion");
  add(150, order);
  static const char* const kFirstJointMoves[] = {"Move A1 Counterclockwise - ", "Move A1 Clockwise - ",
                                                 "Move A1 Shortest Distance - "};
  static const char* const kSecondJointMoves[] = {"Move A2 Counterclockwise", "Move A2 Clockwise",
                                                  "Move A2 Shortest Distance"};
  add(150,
      std::string(kFirstJointMoves[m_settings.JointDirection[0]]) + kSecondJointMoves[m_settings.JointDirection[1]]);
  return lines;
}

}  // namespace robotics
