// The current's path over many circuits: which batteries, lamps, wires, closed switches and
// pieces of the bottom rail the overlay shows in red. Hand-worked circuits whose current runs
// round the whole ladder; then every circuit of up to three elements, every all-wire circuit
// with up to two other elements and a fixed sample of full circuits, each against an
// independent solve of the ladder (tests/circuits/ladderreference.h); and the overlay's rules
// applied by the test to the currents the model solved, for the circuits whose currents lie
// too near a threshold for an independent solve to judge.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "circuits/circuit.h"
#include "tests/circuits/circuitfamilies.h"
#include "tests/circuits/ladderreference.h"

namespace {

using circuits::Circuit;
using circuits::Overlay;
using ladder::Codes;
using ladder::everyCircuit;

// What the model shows for a circuit as the simulation's first solve leaves it.
struct Solved {
  Codes element;
  Circuit c{element.data()};
  float solvedCurrent[10] = {};  // BranchI after the solve, before the overlay clears any
  Overlay o;
  explicit Solved(const Codes& codes) : element(codes) {
    c.setUp();
    c.solve();
    for (int s = 1; s <= 9; ++s) solvedCurrent[s] = c.BranchI[s];
    o = c.planOverlay();
  }
};

// The differences between the model's overlay and what is expected, as text; empty when none.
std::string differences(const Codes& codes, const Overlay& o, const bool red[10], const bool lit[10],
                        const bool railRed[5]) {
  std::ostringstream out;
  for (int s = 1; s <= 9; ++s) {
    if (o.red[s] != red[s]) out << " slot " << s << (red[s] ? " should be red;" : " should not be red;");
    if (o.lit[s] != lit[s]) out << " lamp " << s << (lit[s] ? " should be lit;" : " should be dark;");
  }
  for (int k = 1; k <= 4; ++k)
    if (o.railRed[k] != railRed[k])
      out << " rail J" << k << (railRed[k] ? " should be red;" : " should not be red;") << " (model J" << k << " = "
          << o.rail[k] << ")";
  std::string d = out.str();
  if (!d.empty()) d = "circuit " + ladder::circuitText(codes.data()) + ":" + d;
  return d;
}

// The circuits of a family checked against the independent solve. Circuits whose decisions
// lie too near a threshold are left to OverlayRulesHoldOnTheSolvedCurrents; the family must
// leave only a few of them. Returns how often each slot was red, for checking the family's reach.
struct Reach {
  int redSlot[10][6] = {};  // by slot and |code|
  int redRail[5] = {};
};
Reach checkAgainstTheIndependentSolve(const std::vector<Codes>& family, double mostUnclear) {
  Reach reach;
  int unclear = 0, wrong = 0;
  for (const Codes& codes : family) {
    const ladder::Expected e = ladder::expectedOverlay(codes.data());
    if (!e.clear) {
      ++unclear;
      continue;
    }
    const Solved m(codes);
    const std::string d = differences(codes, m.o, e.red, e.lit, e.railRed);
    if (!d.empty() && ++wrong <= 10) ADD_FAILURE() << d;
    for (int s = 1; s <= 9; ++s) reach.redSlot[s][std::abs(codes[s])] += e.red[s];
    for (int k = 1; k <= 4; ++k) reach.redRail[k] += e.railRed[k];
  }
  EXPECT_EQ(wrong, 0) << "of " << family.size() << " circuits";
  EXPECT_LE(unclear, mostUnclear * double(family.size())) << "circuits too near a threshold to judge";
  return reach;
}

// A hand-worked circuit: its codes, the slots shown red, the lamps lit and the red pieces of the
// bottom rail (J1 right of rung 4 to J4 left of rung 2).
struct WorkedCircuit {
  const char* name;
  Codes codes;
  std::vector<int> red, lit, rail;
};

// The ring runs up rung 1, right along the four top pieces, down rung 5 (slot 9) and back
// along the whole bottom rail; rungs 2 to 4 (slots 3, 5, 7) are off it.
const WorkedCircuit kRings[] = {
    // 1.5 V over a lamp and four wires: about 1.5 A everywhere on the ring.
    {"LampInTheLastRung", {0, 1, 4, 5, 4, 5, 4, 5, 4, 2}, {1, 2, 4, 6, 8, 9}, {9}, {1, 2, 3, 4}},
    // Four lamps in series along the top: 0.375 A, each lit.
    {"FourLampsAlongTheTop", {0, 1, 2, 5, 2, 5, 2, 5, 2, 4}, {1, 2, 4, 6, 8, 9}, {2, 4, 6, 8}, {1, 2, 3, 4}},
    // A reversed battery in the last rung drives the current round the same way as a battery
    // in the first: up rung 1, down rung 5.
    {"ReversedBatteryInTheLastRung", {0, 2, 3, 5, 3, 5, 3, 5, 3, -1}, {1, 2, 4, 6, 8, 9}, {1}, {1, 2, 3, 4}},
    // A battery in a top piece, lamps in both end rungs: 0.75 A.
    {"BatteryInATopPiece", {0, 2, 4, 5, 4, 5, -1, 5, 4, 2}, {1, 2, 4, 6, 8, 9}, {1, 9}, {1, 2, 3, 4}},
    // Two batteries pulling together: about 3 A through one lamp, no short.
    {"TwoBatteriesInSeries", {0, 1, 4, 5, 4, 5, -1, 5, 4, 2}, {1, 2, 4, 6, 8, 9}, {9}, {1, 2, 3, 4}},
    // Against each other only 0.00001 V is left: 0.00001 A, nothing red.
    {"TwoBatteriesOpposed", {0, 1, 4, 5, 4, 5, 1, 5, 4, 2}, {}, {}, {}},
    // Wires and a closed switch all round: 3000 A, a short; every piece carries far above 10 A.
    {"WiresAllRound", {0, 1, 4, 5, 4, 5, 3, 5, 4, 4}, {1, 2, 4, 6, 8, 9}, {}, {1, 2, 3, 4}},
    // A short with a lamp in the ring: the lamp limits the current, no short.
    {"LampAndClosedSwitches", {0, 1, 3, 5, 3, 5, 3, 5, 3, 2}, {1, 2, 4, 6, 8, 9}, {9}, {1, 2, 3, 4}},
    // The ring broken by an open switch, a burnt-out lamp, an empty piece: nothing flows.
    {"BrokenByAnOpenSwitch", {0, 1, 4, 5, 4, 5, -3, 5, 4, 2}, {}, {}, {}},
    {"BrokenByABurntLamp", {0, 1, 4, 5, -2, 5, 4, 5, 4, 2}, {}, {}, {}},
    {"BrokenByAnEmptyPiece", {0, 1, 4, 5, 4, 5, 4, 5, 5, 2}, {}, {}, {}},
    // A wire across rung 2 shorts the battery: the lamps beyond it stay dark during the short,
    // and only the rail left of rung 2 carries the short's current.
    {"ShortAcrossTheFirstLoop", {0, 1, 4, 4, 2, 5, 2, 5, 2, 2}, {1, 2, 3}, {}, {4}},
    // Lamps in every rung beside the ring, fed along a wired top: each rung lamp carries
    // 1.5 A, the rail adds them up from the right.
    {"LampsInEveryRung", {0, 1, 4, 2, 4, 2, 4, 2, 4, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {3, 5, 7, 9}, {1, 2, 3, 4}},
    // Without a battery nothing flows, whatever the ring holds.
    {"NoBattery", {0, 2, 4, 5, 4, 5, 3, 5, 4, 2}, {}, {}, {}},
};

TEST(CurrentPath, RingsWorkedByHand) {
  for (const WorkedCircuit& row : kRings) {
    SCOPED_TRACE(row.name);
    bool red[10] = {}, lit[10] = {}, railRed[5] = {};
    for (int s : row.red) red[s] = true;
    for (int s : row.lit) lit[s] = true;
    for (int k : row.rail) railRed[k] = true;
    const Solved m(row.codes);
    EXPECT_EQ(differences(row.codes, m.o, red, lit, railRed), "");
    // The independent solve agrees with the hand.
    const ladder::Expected e = ladder::expectedOverlay(row.codes.data());
    EXPECT_TRUE(e.clear);
    for (int s = 1; s <= 9; ++s) EXPECT_EQ(e.red[s], red[s]) << "reference, slot " << s;
  }
}

TEST(CurrentPath, RingCurrentsWorkedByHand) {
  // The worked currents behind the rows above, on the rail: 1.5 / (1 + 4 x 0.0001) A round the
  // ring with one lamp and four wires, 1.5 / 4.0001 A with four lamps and a wire, 2.99999 / 1.0003
  // A with two batteries together, a lamp and three wires.
  const struct {
    const char* name;
    Codes codes;
    double rail;
  } rows[] = {
      {"LampInTheLastRung", {0, 1, 4, 5, 4, 5, 4, 5, 4, 2}, 1.5 / 1.0004},
      {"FourLampsAlongTheTop", {0, 1, 2, 5, 2, 5, 2, 5, 2, 4}, 1.5 / 4.0001},
      {"TwoBatteriesInSeries", {0, 1, 4, 5, 4, 5, -1, 5, 4, 2}, 2.99999 / 1.0003},
      {"ReversedBatteryInTheLastRung", {0, 2, 3, 5, 3, 5, 3, 5, 3, -1}, 1.5 / 1.0004},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Solved m(row.codes);
    for (int k = 1; k <= 4; ++k) EXPECT_NEAR(m.o.rail[k], row.rail, 1e-3) << "J" << k;
  }
}

TEST(CurrentPath, EveryCircuitOfUpToThreeElementsMatchesAnIndependentSolve) {
  const std::vector<Codes> family = everyCircuit(circuits::kEmpty, 3);
  ASSERT_GT(family.size(), 29000u);
  const Reach reach = checkAgainstTheIndependentSolve(family, 0.0);
  // Every kind of element that can show red did so in every slot, and so did each piece of the
  // bottom rail: the family reaches every drawing of the path.
  for (int s = 1; s <= 9; ++s)
    for (int kind : {1, 2, 3, 4}) EXPECT_GT(reach.redSlot[s][kind], 0) << "slot " << s << ", kind " << kind;
  for (int k = 1; k <= 4; ++k) EXPECT_GT(reach.redRail[k], 0) << "J" << k;
}

TEST(CurrentPath, EveryAllWireCircuitWithTwoOtherElementsMatchesAnIndependentSolve) {
  // Mostly short circuits: only the batteries and the branches above 10 A turn red.
  const std::vector<Codes> family = everyCircuit(circuits::kWire, 2);
  ASSERT_GT(family.size(), 1800u);
  checkAgainstTheIndependentSolve(family, 0.01);
}

TEST(CurrentPath, SampledFullCircuitsMatchAnIndependentSolve) {
  // Two batteries bridged by two closed elements drive (1.5 - 1.49999) / 0.0002 A, a hair
  // above the zero threshold: those few circuits are left to the next test.
  const std::vector<Codes> family = ladder::sampledCircuits(8000, 20240611u);
  const Reach reach = checkAgainstTheIndependentSolve(family, 0.015);
  for (int s = 1; s <= 9; ++s)
    for (int kind : {1, 2, 3, 4}) EXPECT_GT(reach.redSlot[s][kind], 0) << "slot " << s << ", kind " << kind;
}

// The overlay's rules applied to the currents the model solved: each battery's current from
// the junction it was taken out at, then the rules for each kind and the rail.
std::string rulesBroken(const Codes& codes) {
  const Solved m(codes);
  const float* i = m.solvedCurrent;
  const bool shorted = m.c.ShortFlag == 1;
  // The short flag and the zero threshold, on the branches that are not batteries.
  bool anyAbove10 = false;
  for (int s = 1; s <= 9; ++s) {
    if (std::abs(codes[s]) == 1) continue;
    if (i[s] != 0 && std::fabs(i[s]) < 0.05f) return "slot " + std::to_string(s) + " below the threshold kept";
    anyAbove10 = anyAbove10 || std::fabs(i[s]) > 10;
  }
  if (anyAbove10 != shorted) return "short flag";

  // Battery currents, from the junction each battery was taken out at.
  double current[10];
  for (int s = 1; s <= 9; ++s) current[s] = std::abs(codes[s]) == 1 ? 0 : i[s];
  const std::array<double, 10> size = ladder::batteryCurrents(codes.data(), current);
  for (int s = 1; s <= 9; ++s) {
    // The model sums in single precision: a short's thousands of amperes cancel to a few
    // thousandths of error.
    if (std::abs(codes[s]) == 1 && std::fabs(current[s] - i[s]) > 1e-6 * (1 + size[s]))
      return "battery " + std::to_string(s) + " current " + std::to_string(i[s]) + ", junction gives " +
             std::to_string(current[s]);
  }

  bool red[10] = {}, lit[10] = {}, railRed[5] = {};
  auto conducting = [shorted](float v) { return (std::fabs(v) > 0.05f && !shorted) || (std::fabs(v) > 10 && shorted); };
  float shown[10];
  for (int s = 1; s <= 9; ++s) {
    shown[s] = i[s];
    if (std::abs(codes[s]) == 1) red[s] = std::fabs(i[s]) > 0.05f;
    if (codes[s] == 2) red[s] = lit[s] = std::fabs(i[s]) > 0.05f && !shorted;
    if (codes[s] == 3 || codes[s] == 4) red[s] = conducting(i[s]);
    if ((codes[s] == 2 || codes[s] == 3 || codes[s] == 4) && !red[s]) shown[s] = 0;
  }
  float rail = 0;
  for (int k = 1; k <= 4; ++k) {
    rail += shown[11 - 2 * k];  // J1 = I9, J2 = J1 + I7, J3 = J2 + I5, J4 = J3 + I3
    railRed[k] = conducting(rail);
  }
  return differences(codes, m.o, red, lit, railRed);
}

TEST(CurrentPath, OverlayRulesHoldOnTheSolvedCurrents) {
  std::vector<Codes> family = everyCircuit(circuits::kEmpty, 3);
  for (const Codes& c : everyCircuit(circuits::kWire, 2)) family.push_back(c);
  for (const Codes& c : ladder::sampledCircuits(8000, 20240611u)) family.push_back(c);
  int wrong = 0;
  for (const Codes& codes : family) {
    const std::string d = rulesBroken(codes);
    if (!d.empty() && ++wrong <= 10) ADD_FAILURE() << ladder::circuitText(codes.data()) << ": " << d;
  }
  EXPECT_EQ(wrong, 0) << "of " << family.size() << " circuits";
}

TEST(CurrentPath, ToggledCircuitsShowTheSamePathAsAFreshStart) {
  // Clicking a lamp or a switch while the simulation runs re-solves with the elimination of
  // the start: the path must be the one the new circuit has from a fresh start.
  int wrong = 0, toggles = 0;
  for (const Codes& start : ladder::sampledCircuits(1500, 20240611u)) {
    Codes element = start;
    Circuit c(element.data());
    c.setUp();
    c.solve();
    for (int s = 1; s <= 9; ++s) {
      if (std::abs(element[s]) != 2 && std::abs(element[s]) != 3) continue;
      c.toggleSlot(s);
      c.solve();
      const Overlay o = c.planOverlay();
      ++toggles;
      const ladder::Expected e = ladder::expectedOverlay(element.data());
      if (!e.clear) continue;
      const std::string d = differences(element, o, e.red, e.lit, e.railRed);
      if (!d.empty() && ++wrong <= 10) ADD_FAILURE() << "after toggling slot " << s << ", " << d;
    }
  }
  EXPECT_GT(toggles, 3000);
  EXPECT_EQ(wrong, 0);
}

}  // namespace
