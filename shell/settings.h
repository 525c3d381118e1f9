#pragma once
// The shared settings: the values the user last chose in the projects, kept between runs in
// the settings file "vtrel5.ini" of the program's folder. The file is read once at start-up
// and written once when the program ends through the menu; in between, these variables are
// the only copy, read and changed by the project windows.

#include <cstdint>
#include <string>

namespace shell {

struct SharedSettings {
  // Circuits: the nine slots (index 0 unused, never stored).
  int16_t Element[10] = {};
  // Levers.
  float FulcrumPos = 0, DEffort = 0, DLoad = 0, LeverLoad = 0;
  // Moon lander.
  int16_t LanderUnits = 0, LanderLevel = 0;
  // Pendulum.
  int16_t PendUnits = 0;
  float PendMass = 0, PendLength = 0, PendFriction = 0, PendAngle = 0;
  // Water wheel.
  int16_t WheelUnits = 0, WheelCans = 0;
  float WheelStickLength = 0, WheelStickMass = 0, WheelCanDiameter = 0, WheelCanHeight = 0, WheelCanMass = 0;
  float WheelEmptyTime = 0, WheelFillTime = 0, WheelFriction = 0;
  // Trajectories.
  float ArrowAngle = 0, ArrowSpeed = 0;
  int16_t MarkX = 0, MarkY = 0;
  // Robotics.
  int16_t RobotMode = 0, JointAngle[2] = {};
  int16_t ResolutionIndex[2] = {}, LinkLength1 = 0, LinkLength2 = 0;
  int16_t FirstJoint = 0, JointDirection[2] = {};
  int16_t ElbowChoice = 0;
  float DesiredX = 0, DesiredY = 0;
  int16_t PathSteps = 0;
  // Kept for the file's sake: no window uses them.
  int16_t SpareInt1 = 0, SpareInt2 = 0;
  float SpareReal1 = 0, SpareReal2 = 0;
  // Rocketry.
  float RocketThrust = 0, RocketBurnTime = 0, RocketMass = 0;
  int16_t RocketUnits = 0, RocketChute = 0;
  // Probability.
  int16_t DropGroup = 0;
  int16_t NumCoins = 0, NumFlips = 0;
  int16_t NumDice = 0, NumRolls = 0;
};

// The settings in use by every window.
SharedSettings& settings();

// Reads the file's text into s. The values are one stream in the file's order: commas and
// line ends end a value, blanks and line ends before a value are skipped, values past the
// last one are ignored. False (s partly filled) when a value is missing or does not fit its
// variable: text that is no number, an integer outside -32768..32767, an infinity.
bool parseSettings(const std::string& text, SharedSettings& s);

// The file's text: 19 lines of comma-separated values, each ended by CR LF.
std::string formatSettings(const SharedSettings& s);

// The file in the program's folder: read into settings(), or written from it. Writing goes
// to a temporary file renamed over the old one, so a failed write leaves the old file whole;
// it is false then, with the cause ("Disk full (No space left on device)") in reason.
bool readSettingsFile();
bool writeSettingsFile(std::string* reason = nullptr);

}  // namespace shell
