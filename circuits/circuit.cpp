#include "circuits/circuit.h"

#include <cmath>
#include <cstdlib>

#include "runtime/convert.h"

namespace circuits {

namespace {

// Matrix arithmetic: each product or quotient is formed in double precision and the result
// rounded to single when it is stored.
inline float less(float a, float f, float b) { return float(double(a) - double(f) * double(b)); }
inline float quot(float a, float b) { return float(double(a) / double(b)); }

int sgn(int16_t v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

}  // namespace

bool validCode(int16_t code) {
  switch (code) {
    case 1:
    case -1:
    case 2:
    case -2:
    case 3:
    case -3:
    case 4:
    case 5: return true;
    default: return false;
  }
}

bool normaliseCircuit(int16_t element[10]) {
  bool changed = false;
  int batteries = 0, lamps = 0, switches = 0;
  for (int s = 1; s <= kSlots; ++s) {
    int16_t& code = element[s];
    bool keep = validCode(code);
    if (keep) {
      switch (std::abs(code)) {
        case kBattery: keep = ++batteries <= kMaxBatteries; break;
        case kLamp: keep = ++lamps <= kMaxLamps; break;
        case kSwitch: keep = ++switches <= kMaxSwitches; break;
        default: break;
      }
    }
    if (!keep) {
      code = kEmpty;
      changed = true;
    }
  }
  return changed;
}

Circuit::Circuit(int16_t* element) : Element(element) {
  for (int j = 1; j <= kSlots; ++j) ColumnSlot[j] = int16_t(j);
}

float Circuit::resistanceOf(int16_t code) const {
  switch (code) {
    case kLamp: return LampR;
    case -kLamp: return OpenR;
    case kSwitch: return ClosedR;
    case -kSwitch: return OpenR;
    case kWire: return ClosedR;
    default: return OpenR;  // empty, or a slot no element can be made of
  }
}

void Circuit::setUp() {
  classifySlots();
  clearEquations();
  buildEquations();
  for (int b = 1; b <= BatteryCount; ++b) eliminateBattery(b);
  for (int k = 1; k <= 4; ++k) {
    SysRHS[k] = LoopRHS[k];
    for (int j = 1; j <= UnknownCount; ++j) SysMatrix[k][j] = LoopRows[k][j];
  }
}

void Circuit::classifySlots() {
  // The slots: counts, resistances and the batteries in rising slot order. A battery beyond
  // the second (only a damaged settings file can hold one) is left open like an empty slot.
  BatteryCount = LampCount = SwitchCount = 0;
  for (int s = 1; s <= kSlots; ++s) {
    const int16_t code = Element[s];
    const int kind = std::abs(code);
    if (kind == kBattery && validCode(code) && BatteryCount < kMaxBatteries) {
      BatteryCount += 1;
      BatterySlot[BatteryCount] = int16_t(s);
      continue;
    }
    if (kind == kLamp && validCode(code)) LampCount += 1;
    if (kind == kSwitch && validCode(code)) SwitchCount += 1;
    BranchR[s] = resistanceOf(kind == kBattery ? int16_t(kEmpty) : code);
  }
}

void Circuit::clearEquations() {
  for (int i = 0; i < 10; ++i) {
    SysRHS[i] = 0;
    for (int j = 0; j < 10; ++j) SysMatrix[i][j] = 0;
  }
  for (int j = 1; j <= kSlots; ++j) ColumnSlot[j] = int16_t(j);
  for (int k = 0; k < 5; ++k) {
    LoopRHS[k] = 0;
    for (int j = 0; j < 10; ++j) LoopRows[k][j] = 0;
  }
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 10; ++j) NodeRows[i][j] = 0;
}

void Circuit::buildEquations() {
  // Loop k runs down rung 2k-1 against its direction, along top piece 2k and down rung 2k+1.
  UnknownCount = 9;
  NodeRowCount = 5;
  for (int k = 1; k <= 4; ++k) {
    LoopRows[k][2 * k - 1] = -1;
    LoopRows[k][2 * k] = 1;
    LoopRows[k][2 * k + 1] = 1;
  }
  // Currents into and out of the top junction of each rung.
  NodeRows[1][1] = 1;
  NodeRows[1][2] = 1;
  for (int r = 2; r <= 4; ++r) {
    NodeRows[r][2 * r - 2] = 1;
    NodeRows[r][2 * r - 1] = -1;
    NodeRows[r][2 * r] = -1;
  }
  NodeRows[5][8] = 1;
  NodeRows[5][9] = -1;
}

void Circuit::eliminateBattery(int b) {
  // The battery's voltage is known: its column leaves the system, and one node equation
  // through it is kept aside to give its current afterwards.
  const int s = BatterySlot[b];
  BranchV[s] = float(sgn(Element[s]) * (1.5 - (b - 1) * 0.00001));
  int c = 1;
  while (c < UnknownCount && ColumnSlot[c] != s) ++c;
  int r = 1;
  while (r < NodeRowCount && NodeRows[r][c] == 0) ++r;
  for (int j = 1; j <= UnknownCount; ++j) {
    SavedRow[b][j] = NodeRows[r][j];
    SavedSlot[b][j] = ColumnSlot[j];
  }
  for (int i = 1; i <= NodeRowCount; ++i) {
    if (NodeRows[i][c] == 0) continue;
    const float f = float(rt::roundToInt16(double(SavedRow[b][c]) / double(NodeRows[i][c])));
    for (int j = 1; j <= UnknownCount; ++j) NodeRows[i][j] = less(NodeRows[i][j], f, SavedRow[b][j]);
  }
  const float p = SavedRow[b][c];
  for (int j = 1; j <= UnknownCount; ++j) SavedRow[b][j] = float(-double(SavedRow[b][j]) / double(p));
  SavedRow[b][c] = 0;
  removeNodeRow(r);
  removeColumn(c, BranchV[s]);
}

void Circuit::removeNodeRow(int r) {
  for (int i = r; i < NodeRowCount; ++i)
    for (int j = 1; j <= UnknownCount; ++j) NodeRows[i][j] = NodeRows[i + 1][j];
  for (int j = 1; j <= UnknownCount; ++j) NodeRows[NodeRowCount][j] = 0;
  NodeRowCount -= 1;
}

void Circuit::removeColumn(int c, float volts) {
  for (int i = 1; i <= NodeRowCount; ++i) {
    for (int j = c; j < UnknownCount; ++j) NodeRows[i][j] = NodeRows[i][j + 1];
    NodeRows[i][UnknownCount] = 0;
  }
  for (int k = 1; k <= 4; ++k) LoopRHS[k] = less(LoopRHS[k], LoopRows[k][c], volts);
  for (int j = c; j < UnknownCount; ++j) {
    ColumnSlot[j] = ColumnSlot[j + 1];
    for (int k = 1; k <= 4; ++k) LoopRows[k][j] = LoopRows[k][j + 1];
  }
  ColumnSlot[UnknownCount] = 0;
  for (int k = 1; k <= 4; ++k) LoopRows[k][UnknownCount] = 0;
  UnknownCount -= 1;
}

void Circuit::solve() {
  const int n = UnknownCount;
  // The node equations in branch voltages: current = voltage / resistance.
  for (int i = 5; i <= n; ++i) {
    SysRHS[i] = 0;
    for (int j = 1; j <= n; ++j) SysMatrix[i][j] = quot(NodeRows[i - 4][j], BranchR[ColumnSlot[j]]);
  }
  for (int i = 0; i < 10; ++i) {
    RHSColumn[i] = 0;
    Solution[i] = 0;
    for (int j = 0; j < 10; ++j) WorkMatrix[i][j] = 0;
    for (int j = 0; j < 19; ++j) AugMatrix[i][j] = 0;
  }

  solveNetwork();
  for (int i = 1; i <= n; ++i) BranchV[ColumnSlot[i]] = Solution[i];

  ShortFlag = 0;
  for (int i = 1; i <= n; ++i) {
    const int s = ColumnSlot[i];
    BranchI[s] = quot(BranchV[s], BranchR[s]);
    if (std::fabs(BranchI[s]) > 10) ShortFlag = 1;
    if (std::fabs(BranchI[s]) < ZeroCurrent) BranchI[s] = 0;
  }

  // The last battery first: the first one's formula may hold the second one's current.
  for (int b = BatteryCount; b >= 1; --b) {
    float sum = 0;
    for (int j = 1; j <= 10 - b; ++j)
      sum = float(double(sum) + double(SavedRow[b][j]) * double(BranchI[SavedSlot[b][j]]));
    BranchI[BatterySlot[b]] = sum;
  }

  // A rung whose own current and the currents beside it on the top rail are all zero reads
  // no voltage: nothing flows through that part of the ladder.
  for (int k = 1; k <= 5; ++k) {
    const int rung = 2 * k - 1;
    float v = BranchV[rung];
    bool flowing = BranchI[rung] != 0;
    if (rung > 1 && BranchI[rung - 1] != 0) flowing = true;
    if (rung < 9 && BranchI[rung + 1] != 0) flowing = true;
    if (!flowing) v = 0;
    RungVolt[k - 1] = v;
  }
}

void Circuit::solveNetwork() {
  const int n = UnknownCount;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) WorkMatrix[i][j] = SysMatrix[i][j];
  invertMatrix();
  if (Invertible == 0) return;
  backSubstitute();
  for (int i = 1; i <= n; ++i) RHSColumn[i] = SysRHS[i];
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) WorkMatrix[i][j] = AugMatrix[i][n + j];
  multiplyMatrices();
}

void Circuit::invertMatrix() {
  const int n = UnknownCount;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) AugMatrix[i][j] = WorkMatrix[i][j];
    AugMatrix[i][n + i] = 1;
  }
  Invertible = 1;
  for (int p = 1; p <= n; ++p) {
    if (p == n) {
      if (AugMatrix[n][n] == 0) Invertible = 0;
      continue;
    }
    if (AugMatrix[p][p] == 0) {
      fixZeroPivot(int16_t(p));
      if (PivotFixed == 0) {
        Invertible = 0;
        continue;
      }
    }
    for (int r = p + 1; r <= n; ++r) {
      const float f = quot(AugMatrix[r][p], AugMatrix[p][p]);
      for (int j = p; j <= 2 * n; ++j) AugMatrix[r][j] = less(AugMatrix[r][j], f, AugMatrix[p][j]);
    }
  }
}

void Circuit::fixZeroPivot(int16_t p) {
  const int n = UnknownCount;
  PivotFixed = 1;
  for (int r = p + 1; r <= n; ++r) {
    if (AugMatrix[r][p] != 0) {
      for (int j = 1; j <= 2 * n; ++j) AugMatrix[p][j] = float(double(AugMatrix[p][j]) + double(AugMatrix[r][j]));
      return;
    }
  }
  PivotFixed = 0;
}

void Circuit::backSubstitute() {
  const int n = UnknownCount;
  for (int c = n; c >= 2; --c) {
    for (int r = 1; r <= c - 1; ++r) {
      const float f = quot(AugMatrix[r][c], AugMatrix[c][c]);
      for (int j = r + 1; j <= 2 * n; ++j) AugMatrix[r][j] = less(AugMatrix[r][j], f, AugMatrix[c][j]);
    }
  }
  if (Invertible != 1) return;
  for (int i = 1; i <= n; ++i) {
    const float d = AugMatrix[i][i];
    for (int j = 1; j <= 2 * n; ++j) AugMatrix[i][j] = quot(AugMatrix[i][j], d);
  }
}

void Circuit::multiplyMatrices() {
  const int n = UnknownCount;
  for (int i = 1; i <= n; ++i) {
    float sum = 0;
    for (int j = 1; j <= n; ++j) sum = float(double(sum) + double(WorkMatrix[i][j]) * double(RHSColumn[j]));
    Solution[i] = sum;
  }
}

Toggle Circuit::toggleSlot(int slot) {
  if (slot < 1 || slot > kSlots) return Toggle::None;
  int16_t& code = Element[slot];
  if (code == kLamp || code == -kLamp) {
    code = int16_t(-code);
    BranchR[slot] = code == kLamp ? LampR : OpenR;
    return Toggle::Lamp;
  }
  if (code == kSwitch || code == -kSwitch) {
    code = int16_t(-code);
    BranchR[slot] = code == kSwitch ? ClosedR : OpenR;
    return Toggle::Switch;
  }
  return Toggle::None;
}

void Circuit::recount() {
  BatteryCount = LampCount = SwitchCount = 0;
  for (int s = 1; s <= kSlots; ++s) {
    switch (std::abs(Element[s])) {
      case kBattery: BatteryCount += 1; break;
      case kLamp: LampCount += 1; break;
      case kSwitch: SwitchCount += 1; break;
      default: break;
    }
  }
}

int16_t Circuit::emptySlot(int slot) {
  if (slot < 1 || slot > kSlots) return kEmpty;
  const int16_t old = Element[slot];
  switch (std::abs(old)) {
    case kBattery: BatteryCount -= 1; break;
    case kLamp: LampCount -= 1; break;
    case kSwitch: SwitchCount -= 1; break;
    default: break;
  }
  Element[slot] = kEmpty;
  return old;
}

void Circuit::placeElement(int slot, int index) {
  if (slot < 1 || slot > kSlots) return;
  const bool rung = isRung(slot);
  int16_t code = kEmpty;
  switch (index) {
    case 0:
      code = rung ? 1 : -1;
      BatteryCount += 1;
      break;
    case 1:
      code = rung ? -1 : 1;
      BatteryCount += 1;
      break;
    case 2:
      code = kLamp;
      LampCount += 1;
      break;
    case 3:
      code = -kSwitch;
      SwitchCount += 1;
      break;
    case 4: code = kWire; break;
    default: return;
  }
  Element[slot] = code;
}

bool Circuit::paletteEnabled(int index) const {
  switch (index) {
    case 0:
    case 1: return BatteryCount != kMaxBatteries;
    case 2: return LampCount != kMaxLamps;
    case 3: return SwitchCount != kMaxSwitches;
    default: return true;
  }
}

void Circuit::repairAndOpen() {
  for (int s = 1; s <= kSlots; ++s) {
    if (Element[s] == -kLamp) Element[s] = kLamp;
    if (Element[s] == kSwitch) Element[s] = -kSwitch;
  }
}

void Circuit::clear() {
  BatteryCount = LampCount = SwitchCount = 0;
  for (int s = 1; s <= kSlots; ++s) Element[s] = kEmpty;
}

Overlay Circuit::planOverlay() {
  Overlay o;
  const bool shorted = ShortFlag == 1;
  auto conducting = [shorted](float i) {
    const double a = std::fabs(double(i));
    return (a > 0.05 && !shorted) || (a > 10 && shorted);
  };
  for (int s = 1; s <= kSlots; ++s) {
    const int16_t code = Element[s];
    const float i = BranchI[s];
    if (code == kBattery || code == -kBattery) {
      o.red[s] = std::fabs(double(i)) > 0.05;
    } else if (code == kLamp) {
      o.lit[s] = o.red[s] = std::fabs(double(i)) > 0.05 && !shorted;
      if (!o.lit[s]) BranchI[s] = 0;
    } else if (code == kWire || code == kSwitch) {
      o.red[s] = conducting(i);
      if (!o.red[s]) BranchI[s] = 0;
    }
  }
  o.rail[1] = BranchI[9];
  o.rail[2] = o.rail[1] + BranchI[7];
  o.rail[3] = o.rail[2] + BranchI[5];
  o.rail[4] = o.rail[3] + BranchI[3];
  for (int k = 1; k <= 4; ++k) o.railRed[k] = conducting(o.rail[k]);
  return o;
}

}  // namespace circuits
