#include "robotics/robotarm.h"

#include <algorithm>
#include <cmath>

#include "runtime/numfmt.h"

namespace robot {

RobotSound::~RobotSound() = default;
RobotView::~RobotView() = default;

namespace {

int16_t clampTo(int16_t v, int16_t lo, int16_t hi) { return std::clamp(v, lo, hi); }

// The grid's scale runs from -11 to 11 both ways: a desired point is always on it.
float onGrid(float v) {
  if (std::isnan(v)) return 0;
  return std::clamp(v, -11.0f, 11.0f);
}

std::string fmt(double v, const char* mask) { return rt::Format(v, mask); }

}  // namespace

void SanitizeRobotSettings(RobotSettings& s) {
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
      a = WrapAngle(a);
    }
    const int16_t r = ResolutionTable[size_t(s.ResolutionIndex[j])];
    if (a % r != 0) a = WrapAngle(SnapAngle(int16_t(a), r));
    s.JointAngle[j] = int16_t(a);
  }
}

RobotArm::RobotArm(RobotView& view, RobotSound& sound) : m_view(view), m_sound(sound) {}

const char* RobotArm::ModeCaption(int index) {
  static const char* const c[] = {"Forward", "Inverse", "Path"};
  return c[std::clamp(index, 0, 2)];
}

const char* RobotArm::FirstCaption(int index) {
  static const char* const c[] = {"A1 First", "A2 First", "Together"};
  return c[std::clamp(index, 0, 2)];
}

const char* RobotArm::ElbowCaption(int index) {
  static const char* const c[] = {"A2 > 0", "A2 < 0", "Shortest"};
  return c[std::clamp(index, 0, 2)];
}

const char* RobotArm::DirectionCaption(int joint, int index) {
  static const char* const c[2][3] = {{"A1 CCW", "A1 CW", "Shortest"}, {"A2 CCW", "A2 CW", "Shortest"}};
  return c[std::clamp(joint, 0, 1)][std::clamp(index, 0, 2)];
}

// -- load ---------------------------------------------------------------------------------

void RobotArm::Load(const RobotSettings& settings) {
  s = settings;
  SanitizeRobotSettings(s);
  m_moving = false;
  ComputeArmPosition();
  SaveStartPoint();
  m_prev = m_arm;
  m_view.ShowLinks(fmt(s.LinkLength1, "#"), fmt(s.LinkLength2, "#"));
  m_view.ShowResolutions(fmt(Resolution(0), "##"), fmt(Resolution(1), "##"));
  DesiredText[0] = fmt(s.DesiredX, "##0.0");
  DesiredText[1] = fmt(s.DesiredY, "##0.0");
  m_view.ShowDesiredPoint(DesiredText[0], DesiredText[1]);
  m_view.ShowPathSteps(fmt(s.PathSteps, "##"));
  DrawArm(1);
}

// -- arm ----------------------------------------------------------------------------------

void RobotArm::ComputeArmPosition() {
  m_arm = robot::ComputeArmPosition(s.LinkLength1, s.LinkLength2, s.JointAngle[0], s.JointAngle[1]);
}

bool RobotArm::SolveInverseKinematics() {
  const ElbowRule rule{s.ElbowChoice, s.JointDirection[1], s.JointAngle[1]};
  const auto sol = SolveJointAngles(TargetPointX, TargetPointY, s.LinkLength1, s.LinkLength2, rule);
  if (!sol) return false;
  const int16_t a1 = RoundEven(sol->A1 / kDegToRad);
  const int16_t a2 = RoundEven(sol->A2 / kDegToRad);
  TargetAngle1 = SnapAngle(a1, Resolution(0));
  TargetAngle2 = SnapAngle(a2, Resolution(1));
  return true;
}

void RobotArm::SaveStartPoint() {
  StartAngle1 = s.JointAngle[0];
  StartAngle2 = s.JointAngle[1];
  StartPointX = m_arm.HandX;
  StartPointY = m_arm.HandY;
  StartText[0] = fmt(StartPointX, "##0.00");
  StartText[1] = fmt(StartPointY, "##0.00");
  m_view.ShowStartPoint(StartText[0], StartText[1]);
}

ArmReadouts RobotArm::Readouts() const {
  return {fmt(s.JointAngle[0], "###0"), fmt(s.JointAngle[1], "###0"), fmt(m_arm.HandX, "##0.00"),
          fmt(m_arm.HandY, "##0.00")};
}

void RobotArm::DrawArm(int16_t flag) {
  ArmDrawing d;
  d.previous = m_prev;
  d.present = m_arm;
  d.flag = flag;
  d.desiredBox = s.RobotMode != 0;
  d.DesiredX = s.DesiredX;
  d.DesiredY = s.DesiredY;
  m_view.DrawArm(d, Readouts());
  m_prev = m_arm;
}

void RobotArm::RefreshArmSettings() {
  m_view.ShowLinks(fmt(s.LinkLength1, "0"), fmt(s.LinkLength2, "0"));
  m_view.ShowResolutions(fmt(Resolution(0), "##"), fmt(Resolution(1), "##"));
  ClearPath();
  ComputeArmPosition();
  DrawArm(1);
}

// -- joints -------------------------------------------------------------------------------

void RobotArm::TurnJointUp(int j) {
  s.JointAngle[j] = WrapAngle(s.JointAngle[j] + Resolution(j));
  ComputeArmPosition();
  if (!m_moving) SaveStartPoint();
  DrawArm(0);
}

void RobotArm::TurnJointDown(int j) {
  s.JointAngle[j] = WrapAngle(s.JointAngle[j] - Resolution(j));
  ComputeArmPosition();
  if (!m_moving) SaveStartPoint();
  DrawArm(0);
}

void RobotArm::StepJoint(int j, int delta) {
  switch (s.JointDirection[j]) {
    case 0: TurnJointUp(j); break;
    case 1: TurnJointDown(j); break;
    default:
      if (delta > 0)
        TurnJointUp(j);
      else
        TurnJointDown(j);
  }
}

// -- spin buttons -------------------------------------------------------------------------

void RobotArm::ResolutionUp(int j) {
  if (s.ResolutionIndex[j] >= 15) return;
  m_sound.PlayWave(RobotWave::Ding);
  ++s.ResolutionIndex[j];
  s.JointAngle[0] = SnapAngle(s.JointAngle[0], Resolution(0));
  s.JointAngle[1] = SnapAngle(s.JointAngle[1], Resolution(1));
  RefreshArmSettings();
  SaveStartPoint();
}

void RobotArm::ResolutionDown(int j) {
  if (s.ResolutionIndex[j] <= 0) return;
  m_sound.PlayWave(RobotWave::Ding);
  --s.ResolutionIndex[j];
  s.JointAngle[0] = SnapAngle(s.JointAngle[0], Resolution(0));
  s.JointAngle[1] = SnapAngle(s.JointAngle[1], Resolution(1));
  RefreshArmSettings();
  SaveStartPoint();
}

// The length buttons trade one unit between the links, so the outer reach stays the same.
// Only the stepped link's limit refuses a step; when a hand-edited file gave lengths of
// another sum, the other link stops at its own end of 1..9 rather than leave it.
void RobotArm::StepLength(int16_t& stepped, int16_t& other, int delta) {
  if ((delta > 0 && stepped >= 9) || (delta < 0 && stepped <= 1)) return;
  m_sound.PlayWave(RobotWave::Ding);
  stepped = int16_t(stepped + delta);
  other = std::clamp(int16_t(other - delta), int16_t(1), int16_t(9));
  RefreshArmSettings();
  SaveStartPoint();
}

void RobotArm::LengthenLink1() { StepLength(s.LinkLength1, s.LinkLength2, 1); }
void RobotArm::ShortenLink1() { StepLength(s.LinkLength1, s.LinkLength2, -1); }
void RobotArm::LengthenLink2() { StepLength(s.LinkLength2, s.LinkLength1, 1); }
void RobotArm::ShortenLink2() { StepLength(s.LinkLength2, s.LinkLength1, -1); }

void RobotArm::MorePathSteps() {
  if (s.PathSteps >= 50) return;
  m_sound.PlayWave(RobotWave::Ding);
  ++s.PathSteps;
  m_view.ShowPathSteps(fmt(s.PathSteps, "##"));
}

void RobotArm::FewerPathSteps() {
  if (s.PathSteps <= 1) return;
  m_sound.PlayWave(RobotWave::Ding);
  --s.PathSteps;
  m_view.ShowPathSteps(fmt(s.PathSteps, "##"));
}

// -- modes and the grid -------------------------------------------------------------------

void RobotArm::ChooseMode(int16_t index) {
  s.RobotMode = clampTo(index, 0, 2);
  m_view.ShowMode(s.RobotMode);
  ClearPath();
}

void RobotArm::ClearPath() {
  m_view.ClearGrid(s.RobotMode);
  DrawArm(1);
}

void RobotArm::RefuseUnreachable() {
  m_sound.PlayWave(RobotWave::UhOh);
  m_view.ShowUnreachable();
}

void RobotArm::ChooseDesiredPoint(double x, double y) {
  if (s.RobotMode == 0 || m_moving) return;
  // The desired point is kept to one decimal.
  const auto X = float(RoundEven(x * 10) / 10.0);
  const auto Y = float(RoundEven(y * 10) / 10.0);
  if (!CanReachPoint(X, Y, s.LinkLength1, s.LinkLength2)) {
    RefuseUnreachable();
    return;
  }
  m_view.EraseDesiredBox(s.DesiredX, s.DesiredY);
  s.DesiredX = X;
  s.DesiredY = Y;
  DesiredText[0] = fmt(X, "##0.0");
  DesiredText[1] = fmt(Y, "##0.0");
  m_view.ShowDesiredPoint(DesiredText[0], DesiredText[1]);
  DrawArm(0);
}

// -- motion -------------------------------------------------------------------------------

void RobotArm::SetTargetToWaypoint() {
  TargetPointX = (s.DesiredX - StartPointX) * PathStep / s.PathSteps + StartPointX;
  TargetPointY = (s.DesiredY - StartPointY) * PathStep / s.PathSteps + StartPointY;
}

void RobotArm::MoveOrStop() {
  if (m_moving)
    StopMotion();
  else
    StartMotion();
}

void RobotArm::StartMotion() {
  // The target: the desired point itself, or the first waypoint of the path to it.
  float tx = s.DesiredX, ty = s.DesiredY;
  if (s.RobotMode != 1) {
    tx = StartPointX + (s.DesiredX - StartPointX) / s.PathSteps;
    ty = StartPointY + (s.DesiredY - StartPointY) / s.PathSteps;
  }
  // A desired point clicked before the lengths changed, or a path's first waypoint inside
  // the inner circle, may be out of reach: the motion does not start.
  if (!CanReachPoint(tx, ty, s.LinkLength1, s.LinkLength2)) {
    RefuseUnreachable();
    return;
  }
  m_moving = true;
  m_view.ShowMoving(true);
  if (s.RobotMode != 1) PathStep = 1;
  TargetPointX = tx;
  TargetPointY = ty;
  // The arm goes back to the start point first.
  s.JointAngle[0] = StartAngle1;
  s.JointAngle[1] = StartAngle2;
  SolveInverseKinematics();
  RefreshArmSettings();
  m_view.SetTimerEnabled(true);
  if (s.RobotMode == 2) m_view.DrawPathLine(s.DesiredX, s.DesiredY, StartPointX, StartPointY);
}

void RobotArm::StopMotion() {
  m_moving = false;
  m_view.ShowMoving(false);
  m_view.SetTimerEnabled(false);
  if (s.RobotMode == 2) m_view.DrawPathLine(s.DesiredX, s.DesiredY, StartPointX, StartPointY);
}

void RobotArm::ReturnToStart() {
  m_moving = false;
  m_view.ShowMoving(false);
  m_view.SetTimerEnabled(false);
  m_arm.HandX = StartPointX;
  m_arm.HandY = StartPointY;
  s.JointAngle[0] = StartAngle1;
  s.JointAngle[1] = StartAngle2;
  RefreshArmSettings();
  ComputeArmPosition();
  DrawArm(0);
}

void RobotArm::MotionStep() {
  if (!m_moving) return;
  const int16_t d1 = ReduceTurn(TargetAngle1 - s.JointAngle[0]);
  const int16_t d2 = ReduceTurn(TargetAngle2 - s.JointAngle[1]);
  switch (s.FirstJoint) {
    case 0:
      if (d1 != 0)
        StepJoint(0, d1);
      else if (d2 != 0)
        StepJoint(1, d2);
      break;
    case 1:
      if (d2 != 0)
        StepJoint(1, d2);
      else if (d1 != 0)
        StepJoint(0, d1);
      break;
    default:
      if (d1 != 0) StepJoint(0, d1);
      if (d2 != 0) StepJoint(1, d2);
  }
  // Arrival is judged on the differences before this tick's steps.
  if (d1 != 0 || d2 != 0) return;
  // A path ends at its last waypoint; a count already past it (a path step left from an
  // earlier motion after the mode changed) ends it too rather than walking on.
  if (s.RobotMode == 1 || PathStep >= s.PathSteps) {
    m_sound.PlayWave(RobotWave::Tada);
    MoveOrStop();
    return;
  }
  ++PathStep;
  SetTargetToWaypoint();
  if (!SolveInverseKinematics()) {
    // The straight path crosses the circle the arm cannot reach into.
    StopMotion();
    RefuseUnreachable();
  }
}

// -- printout -----------------------------------------------------------------------------

std::vector<PrintLine> RobotArm::PrintoutLines() const {
  std::vector<PrintLine> lines;
  auto add = [&](int16_t x, std::string text, bool heading = false) { lines.push_back({x, std::move(text), heading}); };
  add(100, "Robotics");
  add(0, "");
  add(150, std::string(ModeCaption(s.RobotMode)) + " Mode:", true);
  add(0, "");
  add(150, "A1 =" + rt::Str(s.JointAngle[0]) + " degrees," + rt::Str(Resolution(0)) + " degrees of resolution");
  add(150, "A2 =" + rt::Str(s.JointAngle[1]) + " degrees," + rt::Str(Resolution(1)) + " degrees of resolution");
  add(150, "L1 =" + rt::Str(s.LinkLength1) + ", L2 =" + rt::Str(s.LinkLength2));
  add(150, "Arm Position: X =" + fmt(m_arm.HandX, "##0.00") + ", Y =" + fmt(m_arm.HandY, "##0.00"));
  if (s.RobotMode == 0) return lines;
  add(0, "");
  add(150, "Start Point: X = " + StartText[0] + ", Y = " + StartText[1]);
  add(150, "Desired Point: X = " + DesiredText[0] + ", Y = " + DesiredText[1]);
  if (s.RobotMode == 2) add(150, "Number of Steps on Path =" + rt::Str(s.PathSteps));
  add(0, "");
  std::string order = s.FirstJoint == 0 || s.FirstJoint == 1 ? "Move " + std::string(FirstCaption(s.FirstJoint)) + " - "
                                                             : std::string("Move Angles Together - ");
  order += s.ElbowChoice == 0 || s.ElbowChoice == 1 ? "Keep " + std::string(ElbowCaption(s.ElbowChoice))
                                                    : std::string("Choose A2 for Shortest Motion");
  add(150, order);
  static const char* const a1[] = {"Move A1 Counterclockwise - ", "Move A1 Clockwise - ",
                                   "Move A1 Shortest Distance - "};
  static const char* const a2[] = {"Move A2 Counterclockwise", "Move A2 Clockwise", "Move A2 Shortest Distance"};
  add(150, std::string(a1[s.JointDirection[0]]) + a2[s.JointDirection[1]]);
  return lines;
}

}  // namespace robot
