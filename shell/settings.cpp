#include "shell/settings.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "runtime/recordfile.h"

namespace shell {

SharedSettings& settings() {
  static SharedSettings s;
  return s;
}

namespace {

// One line of the file: pointers to its variables, in order.
struct Field {
  int16_t* integer = nullptr;
  float* single = nullptr;
};
using Line = std::vector<Field>;

template <typename S>
std::vector<Line> layout(S& s) {
  auto I = [](auto& v) { return Field{const_cast<int16_t*>(&v), nullptr}; };
  auto F = [](auto& v) { return Field{nullptr, const_cast<float*>(&v)}; };
  return {
      {I(s.Element[1]), I(s.Element[2]), I(s.Element[3]), I(s.Element[4]), I(s.Element[5]), I(s.Element[6]),
       I(s.Element[7]), I(s.Element[8]), I(s.Element[9])},
      {F(s.FulcrumPos), F(s.DEffort), F(s.DLoad), F(s.LeverLoad)},
      {I(s.LanderUnits), I(s.LanderLevel)},
      {I(s.PendUnits)},
      {F(s.PendMass), F(s.PendLength), F(s.PendFriction), F(s.PendAngle)},
      {I(s.WheelUnits), I(s.WheelCans)},
      {F(s.WheelStickLength), F(s.WheelStickMass), F(s.WheelCanDiameter), F(s.WheelCanHeight), F(s.WheelCanMass)},
      {F(s.WheelEmptyTime), F(s.WheelFillTime), F(s.WheelFriction)},
      {F(s.ArrowAngle), F(s.ArrowSpeed), I(s.MarkX), I(s.MarkY)},
      {I(s.RobotMode), I(s.JointAngle[0]), I(s.JointAngle[1])},
      {I(s.ResolutionIndex[0]), I(s.ResolutionIndex[1]), I(s.LinkLength1), I(s.LinkLength2)},
      {I(s.FirstJoint), I(s.JointDirection[0]), I(s.JointDirection[1])},
      {I(s.ElbowChoice), F(s.DesiredX), F(s.DesiredY), I(s.PathSteps)},
      {I(s.SpareInt1), I(s.SpareInt2)},
      {F(s.SpareReal1), F(s.SpareReal2)},
      {F(s.RocketThrust), F(s.RocketBurnTime), F(s.RocketMass), I(s.RocketUnits), I(s.RocketChute)},
      {I(s.DropGroup)},
      {I(s.NumCoins), I(s.NumFlips)},
      {I(s.NumDice), I(s.NumRolls)},
  };
}

}  // namespace

bool parseSettings(const std::string& text, SharedSettings& s) {
  rt::RecordReader in = rt::RecordReader::fromBytes(text);
  try {
    for (const Line& line : layout(s)) {
      for (const Field& field : line) {
        auto value = rt::parseNumber(in.readItem());
        if (!value) return false;
        if (field.integer) {
          // Integers take the value rounded, halves to even; out of range is a read error.
          *field.integer = rt::roundToInt16(*value);
        } else {
          double v = *value;
          if (std::abs(v) > double(std::numeric_limits<float>::max())) return false;
          *field.single = float(v);
        }
      }
    }
  } catch (const std::exception&) {
    return false;  // past the end of the file, or an integer out of range
  }
  return true;
}

std::string formatSettings(const SharedSettings& s) {
  std::string out;
  for (const Line& line : layout(s)) {
    bool first = true;
    for (const Field& field : line) {
      if (!first) out += ',';
      first = false;
      out += field.integer ? rt::settingsNumber(*field.integer) : rt::settingsNumber(*field.single);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace shell
