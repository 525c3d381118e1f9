// The settings file reader on any bytes. What it accepts must survive a round trip: the text
// written from it reads back as the values first read, every integer exactly and every single
// as its 7 significant digits allow, and from the second writing on the text stays the same.
// (A single just above a power of ten is written as that power and reads back as the single
// just below it, so the first text written may change once in a last digit.)

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

#include "fuzz/require.h"
#include "shell/settings.h"

namespace {

// Whether `back` is what `first` may read back as once written with 7 significant digits:
// the decimal text lies within half a unit of the 7th digit of `first`, and reading it
// takes the nearest single, less than one step of a single further.
bool sameToSevenDigits(float first, float back) {
  if (first == back) return true;  // 0 and -0 alike: the file has one zero
  const double x = first, y = back;
  const double unit = std::pow(10.0, std::floor(std::log10(std::abs(x))) - 6);
  const float larger = std::max(std::abs(first), std::abs(back));
  const double step = double(std::nextafter(larger, std::numeric_limits<float>::infinity())) - larger;
  return std::abs(y - x) <= 0.5 * unit + step;
}

using shell::SharedSettings;

// Every value the file holds, listed here rather than taken from the writer, so that a
// writer that drops, swaps or zeroes a value cannot hide it.
#define VANTREL_VALUE(field) \
  { #field, &SharedSettings::field }
constexpr std::pair<const char*, float SharedSettings::*> kSingles[] = {
    VANTREL_VALUE(FulcrumPos),     VANTREL_VALUE(DEffort),          VANTREL_VALUE(DLoad),
    VANTREL_VALUE(LeverLoad),      VANTREL_VALUE(PendMass),         VANTREL_VALUE(PendLength),
    VANTREL_VALUE(PendFriction),   VANTREL_VALUE(PendAngle),        VANTREL_VALUE(WheelStickLength),
    VANTREL_VALUE(WheelStickMass), VANTREL_VALUE(WheelCanDiameter), VANTREL_VALUE(WheelCanHeight),
    VANTREL_VALUE(WheelCanMass),   VANTREL_VALUE(WheelEmptyTime),   VANTREL_VALUE(WheelFillTime),
    VANTREL_VALUE(WheelFriction),  VANTREL_VALUE(ArrowAngle),       VANTREL_VALUE(ArrowSpeed),
    VANTREL_VALUE(DesiredX),       VANTREL_VALUE(DesiredY),         VANTREL_VALUE(SpareReal1),
    VANTREL_VALUE(SpareReal2),     VANTREL_VALUE(RocketThrust),     VANTREL_VALUE(RocketBurnTime),
    VANTREL_VALUE(RocketMass),
};
constexpr std::pair<const char*, int16_t SharedSettings::*> kIntegers[] = {
    VANTREL_VALUE(LanderUnits), VANTREL_VALUE(LanderLevel), VANTREL_VALUE(PendUnits),  VANTREL_VALUE(WheelUnits),
    VANTREL_VALUE(WheelCans),   VANTREL_VALUE(MarkX),       VANTREL_VALUE(MarkY),      VANTREL_VALUE(RobotMode),
    VANTREL_VALUE(LinkLength1), VANTREL_VALUE(LinkLength2), VANTREL_VALUE(FirstJoint), VANTREL_VALUE(ElbowChoice),
    VANTREL_VALUE(PathSteps),   VANTREL_VALUE(SpareInt1),   VANTREL_VALUE(SpareInt2),  VANTREL_VALUE(RocketUnits),
    VANTREL_VALUE(RocketChute), VANTREL_VALUE(DropGroup),   VANTREL_VALUE(NumCoins),   VANTREL_VALUE(NumFlips),
    VANTREL_VALUE(NumDice),     VANTREL_VALUE(NumRolls),
};
#undef VANTREL_VALUE

// The first value that did not survive the round trip, told with both readings; empty when
// every value did.
std::string firstDifference(const SharedSettings& read, const SharedSettings& back) {
  auto differ = [](const std::string& name, double a, double b) {
    char line[160];
    std::snprintf(line, sizeof line, "%s: read %.9g, read back %.9g", name.c_str(), a, b);
    return std::string(line);
  };
  for (const auto& [name, value] : kSingles)
    if (!sameToSevenDigits(read.*value, back.*value)) return differ(name, read.*value, back.*value);
  for (const auto& [name, value] : kIntegers)
    if (read.*value != back.*value) return differ(name, read.*value, back.*value);
  // The integer arrays, by their stored indexes (Element 0 is never stored).
  struct Array {
    const char* name;
    const int16_t* read;
    const int16_t* back;
    int first, last;
  };
  const Array arrays[] = {
      {"Element", read.Element, back.Element, 1, 9},
      {"JointAngle", read.JointAngle, back.JointAngle, 0, 1},
      {"ResolutionIndex", read.ResolutionIndex, back.ResolutionIndex, 0, 1},
      {"JointDirection", read.JointDirection, back.JointDirection, 0, 1},
  };
  for (const Array& a : arrays)
    for (int i = a.first; i <= a.last; ++i)
      if (a.read[i] != a.back[i]) return differ(a.name + ("(" + std::to_string(i) + ")"), a.read[i], a.back[i]);
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  shell::SharedSettings read;
  if (!shell::parseSettings(text, read)) return 0;

  const std::string first = shell::formatSettings(read);
  shell::SharedSettings again;
  FUZZ_REQUIRE(shell::parseSettings(first, again));
  const std::string difference = firstDifference(read, again);
  if (!difference.empty()) std::fprintf(stderr, "%s\n", difference.c_str());
  FUZZ_REQUIRE(difference.empty());

  const std::string second = shell::formatSettings(again);
  if (second == first) return 0;
  shell::SharedSettings third;
  FUZZ_REQUIRE(shell::parseSettings(second, third));
  FUZZ_REQUIRE(shell::formatSettings(third) == second);
  return 0;
}
