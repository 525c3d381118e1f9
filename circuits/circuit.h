#pragma once
// The circuits project's model: a fixed ladder of nine slots (five rungs between the two
// rails and four pieces of the top rail between neighbouring rungs), each holding one
// element, solved as a direct-current network.
//
// Branch voltages are the unknowns. Four loop equations (one per mesh of the ladder) and
// the node equations at the top of the rungs (currents in terms of voltage / resistance)
// make a square system once the batteries, whose voltages are known, have been eliminated:
// each battery takes one node equation with it, which is kept to give the battery's current
// from the other branch currents after the solve. The system is solved by Gauss-Jordan
// inversion in single precision.
//
// Sign convention: rung currents and voltages are positive downwards (top rail to bottom
// rail), top-rail ones positive to the right (towards the higher slot number).

#include <cstdint>

namespace circuits {

// Slot codes, as the settings keep them. A negative lamp is burnt out, a negative switch
// open; the sign of a battery is its polarity.
enum : int16_t {
  kBattery = 1,
  kLamp = 2,
  kSwitch = 3,
  kWire = 4,
  kEmpty = 5,
};

inline constexpr int kSlots = 9;
inline constexpr int kMaxBatteries = 2;
inline constexpr int kMaxLamps = 5;
inline constexpr int kMaxSwitches = 5;

inline bool isRung(int slot) { return slot % 2 == 1; }

// Whether a code is one the circuit knows.
bool validCode(int16_t code);

// Brings a circuit from a hand-edited settings file into a form the window can show and
// solve: unknown codes become empty slots, and elements beyond the palette's limits
// (2 batteries, 5 lamps, 5 switches, counted from slot 1) are removed. A circuit the window
// wrote itself is left as it is. Returns whether anything changed.
bool normaliseCircuit(int16_t element[10]);

// What a click on a slot did while the simulation runs.
enum class Toggle { None, Lamp, Switch };

// Which parts of the circuit the current overlay shows in red, and the lamps' brightness.
struct Overlay {
  bool red[10] = {};     // battery leads, lit lamp leads and filament, wire or closed switch
  bool lit[10] = {};     // a good lamp drawn with its glass lit by |BranchI|
  float rail[5] = {};    // bottom-rail currents J1..J4 (J1 right of rung 4, J4 left of rung 2)
  bool railRed[5] = {};  // the bottom-rail segment carrying J1..J4
};

class Circuit {
 public:
  // element is the shared settings array (slots 1..9); the circuit edits it in place.
  explicit Circuit(int16_t* element);

  int16_t* Element;

  // Constants, set as the window loads.
  float ZeroCurrent = 0.05f;
  float OpenR = 10000.0f;
  float ClosedR = 1.0f / 10000.0f;
  float LampR = 1.0f;

  // Per slot, 1..9.
  float BranchR[10] = {};
  float BranchV[10] = {};
  float BranchI[10] = {};

  int16_t BatteryCount = 0, LampCount = 0, SwitchCount = 0;
  int16_t BatterySlot[3] = {};

  // The equations.
  int16_t UnknownCount = 9;
  int16_t ColumnSlot[10] = {};
  float LoopRows[5][10] = {};
  float LoopRHS[5] = {};
  float NodeRows[6][10] = {};
  int16_t NodeRowCount = 5;
  float SavedRow[3][10] = {};
  int16_t SavedSlot[3][10] = {};
  float SysMatrix[10][10] = {};
  float SysRHS[10] = {};
  float WorkMatrix[10][10] = {};
  float AugMatrix[10][19] = {};
  float RHSColumn[10] = {};
  float Solution[10] = {};
  int16_t Invertible = 0, PivotFixed = 0, ShortFlag = 0;

  // The five rung voltages as the read-outs show them (rung k = slot 2k+1, k = 0..4).
  float RungVolt[5] = {};

  // Classifies the slots, assigns resistances and battery voltages, builds the loop and
  // node equations, eliminates the batteries and copies the loop equations into the
  // system: everything a simulation needs before its first solve.
  void setUp();
  // Solves with the present resistances: branch voltages and currents, the short-circuit
  // flag, the battery currents and the rung voltages. The battery elimination of setUp is
  // reused, so a toggle only changes one resistance before the next solve.
  void solve();

  // -- the solver, on UnknownCount unknowns -------------------------------------------
  void solveNetwork();
  void invertMatrix();
  void fixZeroPivot(int16_t p);
  void backSubstitute();
  void multiplyMatrices();

  // Flips a lamp (good / burnt out) or a switch (closed / open) in the running simulation
  // and gives the branch its new resistance; any other slot is left alone.
  Toggle toggleSlot(int slot);

  // -- editing --------------------------------------------------------------------------
  // Counts the elements of the circuit.
  void recount();
  // Empties a slot, giving its element's place in the palette back. Returns the old code.
  int16_t emptySlot(int slot);
  // Puts the palette's element (0 battery, 1 battery reversed, 2 lamp, 3 switch, 4 wire)
  // in a slot. A top-rail slot gets the batteries the other way round, so that each
  // button's picture shows the battery as it lands.
  void placeElement(int slot, int index);
  // Whether the palette's button may be used with the present counts.
  bool paletteEnabled(int index) const;
  // Leaving the simulation: burnt-out lamps are repaired, closed switches opened.
  void repairAndOpen();
  // Every slot empty.
  void clear();

  // Which parts the current overlay shows red; clears the current of the wires, closed
  // switches and good lamps it does not show, then sums the bottom-rail currents.
  Overlay planOverlay();

 private:
  float resistanceOf(int16_t code) const;
  // The steps of setUp.
  void classifySlots();
  void clearEquations();
  void buildEquations();
  // Takes battery b's known voltage out of the system (b = 1, 2 in rising slot order).
  void eliminateBattery(int b);
  void removeNodeRow(int r);
  // Takes column c out of the node and loop equations, its voltage moving to the loops'
  // right-hand sides.
  void removeColumn(int c, float volts);
};

}  // namespace circuits
