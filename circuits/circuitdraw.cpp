#include "circuits/circuitdraw.h"

#include <QPoint>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/drawmacro.h"
#include "platform/surface.h"
#include "runtime/convert.h"
#include "runtime/palette.h"

namespace circuits {

namespace {

// The lamp's filament: a left and a right half, each from its own start point.
constexpr const char* kFilamentLeft = "u10huhuh2u3e2f3d2glhue4";
constexpr const char* kFilamentRight = "u10eueue2u3h2g3d2freuh4";

// The glass outline, relative to the slot's corner.
constexpr int kGlass[10][2] = {{19, 32}, {8, 14}, {9, 8},  {13, 4},  {19, 1},
                               {30, 1},  {36, 4}, {40, 8}, {41, 14}, {30, 32}};

}  // namespace

int16_t slotX(int slot) { return int16_t(7 + 32 * (slot - 1)); }
int16_t slotY(int slot) { return int16_t(isRung(slot) ? 51 : 3); }

bool slotHit(int slot, double x, double y) {
  return slotX(slot) < x && x < slotX(slot) + 49 && slotY(slot) < y && y < slotY(slot) + 41;
}

int slotAt(double x, double y) {
  for (int s = 1; s <= kSlots; ++s)
    if (slotHit(s, x, y)) return s;
  return 0;
}

int glassGrey(float current) {
  const int g = rt::roundToInt16((double(current) - 0.05) * 65 / (3 - 0.05) + 190);
  return g > 255 ? 255 : g;
}

CircuitDrawing::CircuitDrawing(plat::Surface& pic, Circuit& circuit) : m_pic(pic), m_circuit(circuit) {}

rt::Colour CircuitDrawing::back() const { return m_pic.backColor(); }

void CircuitDrawing::setUpPicture() {
  UnitScaleX = float(m_pic.deviceWidth()) / 319;
  UnitScaleY = float(m_pic.deviceHeight()) / 120;
  m_pic.setScale(0, 0, 319, 120);
  m_pic.setDrawWidth(2);
  m_pic.setFillStyle(plat::FillSolid);
}

void CircuitDrawing::setColor(int16_t n) { m_pic.setForeColor(rt::numberedColour(n)); }

void CircuitDrawing::drawMacro(plat::Surface& s, std::string_view commands) {
  plat::drawMacro(s, commands, [this](int n) { setColor(int16_t(n)); });
}

void CircuitDrawing::drawCircuit(plat::Surface& s, rt::Colour col) {
  static const int kStubs[8][2] = {{31, 39},   {88, 95},   {95, 103},  {152, 159},
                                   {159, 167}, {216, 223}, {223, 231}, {280, 287}};
  for (const auto& st : kStubs) s.line(st[0], 23, st[1], 23, col);
  for (int k = 0; k <= 4; ++k) {
    const int x = 31 + 64 * k;
    s.line(x, 23, x, 51, col);
    s.line(x, 92, x, 112, col);
  }
  s.line(31, 112, 287, 112, col);

  m_circuit.BatteryCount = m_circuit.LampCount = m_circuit.SwitchCount = 0;
  for (CurrentSlot = 1; CurrentSlot <= kSlots; ++CurrentSlot) {
    const int16_t code = m_circuit.Element[CurrentSlot];
    switch (code) {
      case 1:
      case -1:
        m_circuit.BatteryCount += 1;
        drawBattery(s, col);
        break;
      case 2:
      case -2:
        m_circuit.LampCount += 1;
        drawLamp(s, col);
        break;
      case 3:
      case -3:
        m_circuit.SwitchCount += 1;
        drawSwitch(s, col);
        break;
      case 4: drawWire(s, col); break;
      case 5:
        if (EditMode == 1) drawSlotOutline();
        break;
      default: break;
    }
  }
}

void CircuitDrawing::drawBattery(plat::Surface& s, rt::Colour col) {
  const int S = slotX(CurrentSlot), T = slotY(CurrentSlot);
  const bool rung = isRung(CurrentSlot);
  const bool normal = m_circuit.Element[CurrentSlot] > 0;
  if (SimRedraw == 0) {
    // The terminal marks the positive end; the body is drawn over its inner edge.
    if (rung && normal) {
      s.filledBox(S + 20, T + 7, S + 28, T + 10, rt::palette::kLightGrey);
      s.filledBox(S + 11, T + 10, S + 37, T + 36, rt::palette::kMagenta);
    } else if (rung) {
      s.filledBox(S + 20, T + 36, S + 28, T + 33, rt::palette::kLightGrey);
      s.filledBox(S + 11, T + 7, S + 37, T + 33, rt::palette::kMagenta);
    } else if (normal) {
      s.filledBox(S + 5, 21, S + 9, 25, rt::palette::kLightGrey);
      s.filledBox(S + 9, 16, S + 44, 30, rt::palette::kMagenta);
    } else {
      s.filledBox(S + 40, 21, S + 44, 25, rt::palette::kLightGrey);
      s.filledBox(S + 5, 16, S + 40, 30, rt::palette::kMagenta);
    }
  }
  if (rung) {
    s.line(S + 24, T, S + 24, T + 7, col);
    s.line(S + 24, T + 36, S + 24, T + 41, col);
  } else {
    s.line(S, 23, S + 5, 23, col);
    s.line(S + 44, 23, S + 49, 23, col);
  }
  if (EditMode == 1) drawSlotOutline();
}

void CircuitDrawing::filament(plat::Surface& s, int slot, rt::Colour colour, const char* left, const char* right) {
  const int S = slotX(slot), T = slotY(slot);
  s.pset(S + 22, T + 32, colour);
  s.setForeColor(colour);
  drawMacro(s, left);
  s.pset(S + 27, T + 32, colour);
  s.setForeColor(colour);
  drawMacro(s, right);
}

void CircuitDrawing::drawLamp(plat::Surface& s, rt::Colour col) {
  const int S = slotX(CurrentSlot), T = slotY(CurrentSlot);
  const bool rung = isRung(CurrentSlot);
  const bool paper = Printing == 1;
  if (SimRedraw == 0) {
    s.filledBox(S + 12, T + 33, S + 37, T + 40, paper ? rt::palette::kMagenta : rt::palette::kBlue);
    s.circle(S + 16, T + 36, 1, rt::palette::kRed);
    s.circle(S + 33, T + 36, 1, rt::palette::kRed);
    drawLampBulb(s, 0, CurrentSlot);
    if (m_circuit.Element[CurrentSlot] == kLamp)
      filament(s, CurrentSlot, col, "u10huhuh2u3e2f3d2glhue4r", kFilamentRight);
    else
      filament(s, CurrentSlot, col, "u10huhuh2", "u10eueue2");
  }
  if (rung) {
    // The rung's own lead gives way where the lamp's leads leave it.
    const rt::Colour gap = paper ? rt::palette::kWhite : back();
    s.line(S + 24, T - 3, S + 24, T, gap);
    s.line(S + 24, T + 41, S + 24, T + 44, gap);
    s.line(S + 24, T - 3, S + 4, T - 3, col);
    s.lineTo(S + 4, T + 36, col);
    s.lineTo(S + 16, T + 36, col);
    s.line(S + 33, T + 36, S + 33, T + 44, col);
    s.lineTo(S + 24, T + 44, col);
  } else {
    s.line(S - 1, 23, S + 1, 23, col);
    s.line(S + 1, 23, S + 1, 39, col);
    s.lineTo(S + 16, 39, col);
    s.line(S + 33, 39, S + 48, 39, col);
    s.lineTo(S + 48, 23, col);
    s.lineTo(S + 50, 23, col);
  }
  if (EditMode == 1) drawSlotOutline();
}

void CircuitDrawing::drawLampBulb(plat::Surface& s, float current, int slot) {
  const int S = slotX(slot), T = slotY(slot);
  std::vector<QPoint> px;
  px.reserve(10);
  for (const auto& g : kGlass) {
    const float x = float(S + g[0]) * UnitScaleX;
    const float y = float(T + g[1]) * UnitScaleY;
    px.emplace_back(int(std::nearbyint(x)), int(std::nearbyint(y)));
  }
  if (Printing == 1) {
    // On paper the glass is an outline through the same points, taken back to user units.
    s.pset(float(px[0].x()) / UnitScaleX, float(px[0].y()) / UnitScaleY, rt::palette::kBlack);
    for (size_t i = 1; i < px.size(); ++i)
      s.lineTo(float(px[i].x()) / UnitScaleX, float(px[i].y()) / UnitScaleY, rt::palette::kBlack);
    s.lineTo(float(px[0].x()) / UnitScaleX, float(px[0].y()) / UnitScaleY, rt::palette::kBlack);
    return;
  }
  m_pic.setForeColor(rt::palette::kCyan);
  if (current < m_circuit.ZeroCurrent) {
    m_pic.setFillColor(back());
  } else {
    const int g = glassGrey(current);
    m_pic.setFillColor(rt::rgb(g, g, g));
  }
  m_pic.setFillStyle(plat::FillSolid);
  m_pic.polygon(px);
}

void CircuitDrawing::drawSwitch(plat::Surface& s, rt::Colour col) {
  const int S = slotX(CurrentSlot), T = slotY(CurrentSlot);
  const bool rung = isRung(CurrentSlot);
  const bool paper = Printing == 1;
  const bool closed = m_circuit.Element[CurrentSlot] == kSwitch;
  if (SimRedraw == 0) {
    if (rung) {
      if (!paper) s.filledBox(S + 35, T + 2, S + 39, T + 39, back());
      s.filledBox(S + 14, T + 2, S + 34, T + 39, paper ? rt::palette::kLightGrey : rt::palette::kBlue);
      s.setFillColor(rt::palette::kRed);
      s.circle(S + 24, T + 9, 1.5, rt::palette::kRed);
      s.circle(S + 24, T + 33, 1.5, rt::palette::kRed);
    } else {
      if (!paper) s.filledBox(S + 2, 5, S + 47, 15, back());
      s.filledBox(S + 2, 15, S + 47, 31, paper ? rt::palette::kLightGrey : rt::palette::kBlue);
      s.setFillColor(rt::palette::kRed);
      s.circle(S + 9, 23, 1.5, rt::palette::kRed);
      s.circle(S + 40, 23, 1.5, rt::palette::kRed);
    }
  }
  if (rung) {
    if (closed)
      s.line(S + 24, T + 9, S + 24, T + 33, col);
    else
      s.line(S + 24, T + 9, S + 36, T + 30, col);
    s.line(S + 24, T, S + 24, T + 9, col);
    s.line(S + 24, T + 33, S + 24, T + 41, col);
  } else {
    if (closed)
      s.line(S + 9, 23, S + 40, 23, col);
    else
      s.line(S + 9, 23, S + 37, 7, col);
    s.line(S - 1, 23, S + 9, 23, col);
    s.line(S + 40, 23, S + 50, 23, col);
  }
  if (EditMode == 1) drawSlotOutline();
}

void CircuitDrawing::drawWire(plat::Surface& s, rt::Colour c) {
  const int S = slotX(CurrentSlot), T = slotY(CurrentSlot);
  if (isRung(CurrentSlot))
    s.line(S + 24, T, S + 24, T + 41, c);
  else
    s.line(S, 23, S + 49, 23, c);
  if (EditMode == 1) drawSlotOutline();
}

void CircuitDrawing::drawSlotOutline() {
  if (CurrentSlot < 1 || CurrentSlot > kSlots) return;
  m_pic.pset(slotX(CurrentSlot), slotY(CurrentSlot), rt::palette::kCyan);
  m_pic.setForeColor(rt::palette::kCyan);
  drawMacro(m_pic, "r49d41l49u41");
}

void CircuitDrawing::eraseSlotOutline() {
  if (CurrentSlot < 1 || CurrentSlot > kSlots) return;
  m_pic.pset(slotX(CurrentSlot), slotY(CurrentSlot), back());
  m_pic.setForeColor(back());
  drawMacro(m_pic, "r49d41l49u41");
}

void CircuitDrawing::eraseSlotOutlines() {
  const int16_t keep = CurrentSlot;
  for (CurrentSlot = 1; CurrentSlot <= kSlots; ++CurrentSlot) eraseSlotOutline();
  CurrentSlot = keep;
}

void CircuitDrawing::drawCurrents() {
  EditMode = 0;
  SimRedraw = 1;
  drawCircuit(m_pic, rt::palette::kYellow);
  SimRedraw = 0;

  const Overlay o = m_circuit.planOverlay();
  for (int s = 1; s <= kSlots; ++s) {
    const int S = slotX(s);
    const bool rung = isRung(s);
    const int16_t code = m_circuit.Element[s];
    if (code == 1 || code == -1) {
      if (!o.red[s]) continue;
      if (rung) {
        m_pic.line(S + 24, 23, S + 24, 58, rt::palette::kRed);
        m_pic.line(S + 24, 87, S + 24, 112, rt::palette::kRed);
      } else {
        m_pic.line(S - 8, 23, S + 5, 23, rt::palette::kRed);
        m_pic.line(S + 44, 23, S + 56, 23, rt::palette::kRed);
      }
    } else if (code == kLamp) {
      drawLampCurrent(s, o.lit[s]);
    } else if (code == kWire || code == kSwitch) {
      if (!o.red[s]) continue;
      if (rung)
        m_pic.line(S + 24, 23, S + 24, 112, rt::palette::kRed);
      else
        m_pic.line(S - 8, 23, S + 56, 23, rt::palette::kRed);
    }
  }
  // The bottom rail, from the right: each segment carries the rungs to its right.
  static const int kRail[5][2] = {{0, 0}, {223, 287}, {159, 223}, {95, 159}, {31, 95}};
  for (int k = 1; k <= 4; ++k)
    if (o.railRed[k]) m_pic.line(kRail[k][0], 112, kRail[k][1], 112, rt::palette::kRed);
}

void CircuitDrawing::drawLampCurrent(int s, bool lit) {
  const int S = slotX(s);
  filament(m_pic, s, back(), kFilamentLeft, kFilamentRight);
  drawLampBulb(m_pic, 0, s);
  rt::Colour glow = rt::palette::kYellow;
  if (lit) {
    drawLampBulb(m_pic, std::fabs(m_circuit.BranchI[s]), s);
    if (isRung(s)) {
      m_pic.line(S + 24, 23, S + 24, 48, rt::palette::kRed);
      m_pic.lineTo(S + 4, 48, rt::palette::kRed);
      m_pic.lineTo(S + 4, 87, rt::palette::kRed);
      m_pic.lineTo(S + 16, 87, rt::palette::kRed);
      m_pic.line(S + 33, 87, S + 33, 95, rt::palette::kRed);
      m_pic.lineTo(S + 24, 95, rt::palette::kRed);
      m_pic.lineTo(S + 24, 112, rt::palette::kRed);
    } else {
      m_pic.line(S - 8, 23, S + 1, 23, rt::palette::kRed);
      m_pic.lineTo(S + 1, 39, rt::palette::kRed);
      m_pic.lineTo(S + 16, 39, rt::palette::kRed);
      m_pic.line(S + 33, 39, S + 48, 39, rt::palette::kRed);
      m_pic.lineTo(S + 48, 23, rt::palette::kRed);
      m_pic.lineTo(S + 56, 23, rt::palette::kRed);
    }
    glow = rt::palette::kRed;
  }
  filament(m_pic, s, glow, kFilamentLeft, kFilamentRight);
}

void CircuitDrawing::drawToggled(int slot) {
  if (slot < 1 || slot > kSlots) return;
  const int16_t code = m_circuit.Element[slot];
  if (code == kLamp || code == -kLamp) {
    filament(m_pic, slot, back(), kFilamentLeft, kFilamentRight);
    drawLampBulb(m_pic, 0, slot);
    // A burnt-out filament switches to black after its supports, so its upper part vanishes.
    if (code == kLamp)
      filament(m_pic, slot, rt::palette::kYellow, kFilamentLeft, kFilamentRight);
    else
      filament(m_pic, slot, rt::palette::kYellow, "u10huhuh2c0u3e2f3d2glhue4", "u10eueue2c0u3h2g3d2freuh4");
  } else if (code == kSwitch || code == -kSwitch) {
    const int16_t keep = CurrentSlot;
    CurrentSlot = int16_t(slot);
    drawSwitch(m_pic, rt::palette::kYellow);
    CurrentSlot = keep;
  }
}

void CircuitDrawing::eraseElement(int slot, int16_t oldCode) {
  if (slot < 1 || slot > kSlots) return;
  const int S = slotX(slot), T = slotY(slot);
  const rt::Colour bg = back();
  m_pic.filledBox(S, T, S + 49, T + 41, bg);
  if (isRung(slot) && std::abs(oldCode) == kLamp) {
    m_pic.line(S + 24, 48, S + 4, 48, bg);
    m_pic.lineTo(S + 4, 87, bg);
    m_pic.lineTo(S + 16, 87, bg);
    m_pic.line(S + 33, 88, S + 33, 95, bg);
    m_pic.lineTo(S + 24, 95, bg);
    m_pic.line(S + 24, 48, S + 24, 51, rt::palette::kYellow);
    m_pic.line(S + 24, 92, S + 24, 95, rt::palette::kYellow);
  }
  const int16_t keep = CurrentSlot;
  CurrentSlot = int16_t(slot);
  drawSlotOutline();
  CurrentSlot = keep;
}

}  // namespace circuits
