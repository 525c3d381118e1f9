// The ladder circuit as a network: worked circuits, the battery elimination, the solver's
// singular and zero-pivot cases, the thresholds, toggles and the editor's bookkeeping.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "circuits/circuit.h"
#include "runtime/numfmt.h"

namespace {

using circuits::Circuit;
using circuits::Toggle;

// A circuit from nine slot codes, set up and solved as a simulation starts.
struct Board {
  int16_t element[10] = {};
  Circuit c{element};
  explicit Board(std::initializer_list<int16_t> codes) {
    int s = 1;
    for (int16_t code : codes) element[s++] = code;
    c.setUp();
    c.solve();
  }
  std::string readout(int k) const { return rt::formatNumber(c.RungVolt[k], "0.#0 V"); }
};

TEST(CircuitSolve, FreshCircuitCarriesNoCurrent) {
  Board b({1, -1, 5, -3, 2, 2, 2, 2, 2});
  EXPECT_EQ(b.c.ShortFlag, 0);
  for (int s = 1; s <= 9; ++s) EXPECT_LT(std::fabs(b.c.BranchI[s]), 0.05f) << "slot " << s;
  for (int k = 0; k < 5; ++k) EXPECT_EQ(b.readout(k), "0.00 V") << "rung " << k + 1;
  const circuits::Overlay o = b.c.planOverlay();
  for (int s = 1; s <= 9; ++s) EXPECT_FALSE(o.red[s]);
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(o.railRed[k]);
}

TEST(CircuitSolve, BatteryLampAndWireInTheFirstLoop) {
  Board b({1, 2, 4, 5, 5, 5, 5, 5, 5});
  const float expected = 1.5f / 1.0001f;
  EXPECT_NEAR(b.c.BranchI[2], expected, 2e-4);
  EXPECT_NEAR(b.c.BranchI[3], expected, 2e-4);
  // Node 1: what goes right along the top comes up through the battery.
  EXPECT_NEAR(b.c.BranchI[1], -expected, 2e-4);
  EXPECT_EQ(b.c.ShortFlag, 0);
  EXPECT_EQ(b.readout(0), "1.50 V");
  for (int k = 1; k < 5; ++k) EXPECT_EQ(b.readout(k), "0.00 V");

  const circuits::Overlay o = b.c.planOverlay();
  EXPECT_TRUE(o.red[1]);
  EXPECT_TRUE(o.red[2] && o.lit[2]);
  EXPECT_TRUE(o.red[3]);
  // The wire's current returns along the bottom rail left of rung 2 only.
  EXPECT_TRUE(o.railRed[4]);
  EXPECT_FALSE(o.railRed[1] || o.railRed[2] || o.railRed[3]);
}

TEST(CircuitSolve, WiresAcrossABatteryAreAShortCircuit) {
  Board b({1, 4, 4, 5, 5, 5, 5, 5, 5});
  EXPECT_NEAR(std::fabs(b.c.BranchI[2]), 7500, 1);
  EXPECT_NEAR(std::fabs(b.c.BranchI[3]), 7500, 1);
  EXPECT_EQ(b.c.ShortFlag, 1);
  EXPECT_EQ(b.readout(0), "1.50 V");
  EXPECT_EQ(b.readout(1), "0.75 V");
  // The solve still completes: the battery's current comes from the node it was taken from.
  EXPECT_NEAR(b.c.BranchI[1], -b.c.BranchI[2], 1);
}

TEST(CircuitSolve, DuringAShortOnlyTheHeavyBranchesAndBatteriesTurnRed) {
  // A lamp in rung 5 fed along the wired top rail, and a wire across the battery in rung 2.
  Board b({1, 4, 4, 4, 5, 4, 5, 4, 2});
  ASSERT_EQ(b.c.ShortFlag, 1);
  const circuits::Overlay o = b.c.planOverlay();
  EXPECT_TRUE(o.red[1]);
  EXPECT_TRUE(o.red[2]);
  EXPECT_TRUE(o.red[3]);
  EXPECT_FALSE(o.lit[9]);
  EXPECT_FALSE(o.red[9]);
  EXPECT_EQ(b.c.BranchI[9], 0.0f);  // cleared by the overlay
}

TEST(CircuitSolve, SecondBatteryIsAHairBelowTheFirst) {
  Board b({1, 5, -1, 5, 5, 5, 5, 5, 5});
  EXPECT_EQ(b.c.BatteryCount, 2);
  EXPECT_EQ(b.c.BatterySlot[1], 1);
  EXPECT_EQ(b.c.BatterySlot[2], 3);
  EXPECT_EQ(b.c.BranchV[1], 1.5f);
  EXPECT_EQ(b.c.BranchV[3], float(-1.49999));
  EXPECT_EQ(b.c.UnknownCount, 7);
}

TEST(CircuitSolve, TwoBatteriesInSeriesDriveOneLamp) {
  // Rung 1 and the reversed battery in top piece 2 both push the current round the first loop
  // through the lamp in rung 2.
  Board b({1, -1, 2, 5, 5, 5, 5, 5, 5});
  EXPECT_NEAR(b.c.BranchI[3], 2.99999f, 1e-3);
  EXPECT_NEAR(b.c.BranchI[2], 2.99999f, 1e-3);
  EXPECT_NEAR(b.c.BranchI[1], -2.99999f, 1e-3);
  EXPECT_EQ(b.readout(1), "3.00 V");
}

TEST(CircuitSolve, WithoutABatteryNothingFlows) {
  Board b({2, 4, 3, 4, 2, 5, 5, 5, 4});
  EXPECT_EQ(b.c.ShortFlag, 0);
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(b.c.BranchI[s], 0.0f);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(b.readout(k), "0.00 V");
}

TEST(CircuitSolve, CurrentsNearTheThresholds) {
  // The lamp's resistance is set as a toggle would, the elimination kept.
  Board b({1, 2, 4, 5, 5, 5, 5, 5, 5});
  b.c.BranchR[2] = 29.9f;  // just above 0.05 A: kept
  b.c.solve();
  EXPECT_GT(b.c.BranchI[2], 0.05f);
  b.c.BranchR[2] = 30.1f;  // just below: cleared
  b.c.solve();
  EXPECT_EQ(b.c.BranchI[2], 0.0f);
  b.c.BranchR[2] = 0.1501f;  // just under 10 A: no warning
  b.c.solve();
  EXPECT_LT(b.c.BranchI[2], 10.0f);
  EXPECT_EQ(b.c.ShortFlag, 0);
  b.c.BranchR[2] = 0.149f;  // just over
  b.c.solve();
  EXPECT_EQ(b.c.ShortFlag, 1);
}

TEST(CircuitSolve, ToggleReusesTheEliminationAndMatchesAFreshSetUp) {
  Board b({1, 2, 5, 5, 2, 5, 5, 5, 5});
  // Only the lamp in rung 3 is not in a closed loop; close it with a switch in piece 4.
  Board closed({1, 2, 5, 3, 2, 5, 5, 5, 5});
  b.element[4] = -3;
  b.c.setUp();
  b.c.solve();
  EXPECT_EQ(b.c.BranchI[5], 0.0f);
  EXPECT_EQ(b.c.toggleSlot(4), Toggle::Switch);
  EXPECT_EQ(b.element[4], 3);
  EXPECT_EQ(b.c.BranchR[4], b.c.ClosedR);
  b.c.solve();
  for (int s = 1; s <= 9; ++s) EXPECT_FLOAT_EQ(b.c.BranchI[s], closed.c.BranchI[s]) << "slot " << s;
  EXPECT_EQ(b.c.toggleSlot(2), Toggle::Lamp);
  EXPECT_EQ(b.element[2], -2);
  EXPECT_EQ(b.c.BranchR[2], b.c.OpenR);
  b.c.solve();
  EXPECT_EQ(b.c.BranchI[5], 0.0f);
  EXPECT_EQ(b.c.toggleSlot(1), Toggle::None);
  EXPECT_EQ(b.c.toggleSlot(3), Toggle::None);
  EXPECT_EQ(b.element[1], 1);
}

TEST(CircuitSolver, SingularMatrixLeavesTheSolutionAtZero) {
  int16_t element[10] = {};
  Circuit c(element);
  c.UnknownCount = 2;
  c.WorkMatrix[1][1] = 1;
  c.WorkMatrix[1][2] = 2;
  c.WorkMatrix[2][1] = 2;
  c.WorkMatrix[2][2] = 4;
  c.invertMatrix();
  EXPECT_EQ(c.Invertible, 0);

  // A zero column with nothing to repair it.
  Circuit d(element);
  d.UnknownCount = 2;
  d.SysMatrix[1][2] = 1;
  d.SysMatrix[2][2] = 1;
  d.SysRHS[1] = 3;
  d.solveNetwork();
  EXPECT_EQ(d.Invertible, 0);
  EXPECT_EQ(d.PivotFixed, 0);
  EXPECT_EQ(d.Solution[1], 0.0f);
  EXPECT_EQ(d.Solution[2], 0.0f);
}

TEST(CircuitSolver, ZeroPivotIsRepairedFromARowBelow) {
  int16_t element[10] = {};
  Circuit c(element);
  c.UnknownCount = 3;
  const float m[3][3] = {{0, 2, 1}, {1, 1, 0}, {2, 0, 3}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) c.SysMatrix[i + 1][j + 1] = m[i][j];
  c.SysRHS[1] = 5;  // x = 1, y = 1.5, z = 2
  c.SysRHS[2] = 2.5;
  c.SysRHS[3] = 8;
  c.solveNetwork();
  EXPECT_EQ(c.PivotFixed, 1);
  EXPECT_EQ(c.Invertible, 1);
  EXPECT_FLOAT_EQ(c.Solution[1], 1.0f);
  EXPECT_FLOAT_EQ(c.Solution[2], 1.5f);
  EXPECT_FLOAT_EQ(c.Solution[3], 2.0f);
}

TEST(CircuitEditor, PaletteLimitsFollowTheCounts) {
  int16_t element[10] = {0, 1, 5, -1, 5, 5, 5, 5, 5, 5};
  Circuit c(element);
  c.recount();
  EXPECT_FALSE(c.paletteEnabled(0));
  EXPECT_FALSE(c.paletteEnabled(1));
  EXPECT_TRUE(c.paletteEnabled(4));
  // Emptying a battery's slot gives its place back at once.
  EXPECT_EQ(c.emptySlot(3), -1);
  EXPECT_EQ(element[3], 5);
  EXPECT_TRUE(c.paletteEnabled(0));
  EXPECT_TRUE(c.paletteEnabled(1));

  for (int s : {2, 4, 5, 6, 7}) c.placeElement(s, 2);
  EXPECT_FALSE(c.paletteEnabled(2));
  EXPECT_TRUE(c.paletteEnabled(3));
}

TEST(CircuitEditor, PlacedElementsTakeTheirCodes) {
  int16_t element[10] = {0, 5, 5, 5, 5, 5, 5, 5, 5, 5};
  Circuit c(element);
  c.placeElement(1, 0);
  c.placeElement(3, 1);
  c.placeElement(2, 0);  // a top-rail piece gets the battery the other way round
  c.placeElement(4, 1);
  c.placeElement(5, 2);
  c.placeElement(6, 3);  // a new switch is open
  c.placeElement(7, 4);
  const int16_t want[10] = {0, 1, -1, -1, 1, 2, -3, 4, 5, 5};
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(element[s], want[s]) << "slot " << s;
  EXPECT_EQ(c.BatteryCount, 4);
  EXPECT_EQ(c.LampCount, 1);
  EXPECT_EQ(c.SwitchCount, 1);
}

TEST(CircuitEditor, StoppingRepairsLampsAndOpensSwitches) {
  int16_t element[10] = {0, 1, -2, 3, -3, 2, 4, 5, 3, -1};
  Circuit c(element);
  c.repairAndOpen();
  const int16_t want[10] = {0, 1, 2, -3, -3, 2, 4, 5, -3, -1};
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(element[s], want[s]) << "slot " << s;
  c.clear();
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(element[s], 5);
}

TEST(CircuitEditor, DamagedCircuitsAreBroughtIntoRange) {
  int16_t fresh[10] = {0, 1, -1, 5, -3, 2, 2, 2, 2, 2};
  EXPECT_FALSE(circuits::normaliseCircuit(fresh));
  const int16_t freshWant[10] = {0, 1, -1, 5, -3, 2, 2, 2, 2, 2};
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(fresh[s], freshWant[s]);

  // Unknown codes, a third battery, a sixth lamp.
  int16_t damaged[10] = {0, 7, 1, -1, 1, 2, 2, 0, -4, -5};
  EXPECT_TRUE(circuits::normaliseCircuit(damaged));
  const int16_t want[10] = {0, 5, 1, -1, 5, 2, 2, 5, 5, 5};
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(damaged[s], want[s]) << "slot " << s;
  int16_t lamps[10] = {0, 2, 2, -2, 2, 2, 2, 3, 3, 3};
  EXPECT_TRUE(circuits::normaliseCircuit(lamps));
  EXPECT_EQ(lamps[6], 5);
}

TEST(CircuitEditor, UnknownCodesAreOpenInTheSolver) {
  // Solving a circuit with a code no element has must neither divide by zero nor drive current.
  Board b({1, 9, 4, 5, 5, 5, 5, 5, 5});
  EXPECT_EQ(b.c.ShortFlag, 0);
  EXPECT_EQ(b.c.BranchR[2], b.c.OpenR);
  for (int s = 1; s <= 9; ++s) EXPECT_TRUE(std::isfinite(b.c.BranchI[s]));
}

}  // namespace
