#pragma once
// The circuit as a picture: the ladder's frame, the five kinds of element in their slots,
// the slot outlines of the editor, the lamp glass lit by its current, and the current
// overlay after each solve. The same routines draw on the window's picture (user scale
// (0, 0)-(319, 120), black, lines two pixels wide) and on the printed page, which gets the
// drawing in black with its filled parts in fixed colours and the glass as an outline.
//
// Nothing is cleared between drawings: every routine paints over what is there, and a
// shape is removed by drawing it again in the background colour.

#include <cstdint>
#include <string_view>

#include "circuits/circuit.h"
#include "runtime/colour.h"

namespace plat {
class Surface;
}

namespace circuits {

// Slot s is the box (slotX(s), slotY(s))-(slotX(s) + 49, slotY(s) + 41); rungs lie in the
// lower row, top-rail pieces in the upper one.
int16_t slotX(int slot);
int16_t slotY(int slot);
// Whether a point of the picture lies strictly inside slot s; the slot hit by a point, 0 for none.
bool slotHit(int slot, double x, double y);
int slotAt(double x, double y);

// The grey of a lamp's glass for a current at or above the zero threshold: 190 just above
// it, up to white from 3 amperes.
int glassGrey(float current);

class CircuitDrawing {
 public:
  // pic is the window's picture: outlines, the glass and the colour command always act on
  // it, whatever surface an element is drawn on.
  CircuitDrawing(plat::Surface& pic, Circuit& circuit);

  int16_t EditMode = 1;
  int16_t SimRedraw = 0;
  int16_t Printing = 0;
  int16_t CurrentSlot = 1;
  float UnitScaleX = 1, UnitScaleY = 1;

  // Gives the picture its scale and line width and records its pixels per unit.
  void setUpPicture();

  // The picture's drawing colour by its number, as a drawing-command string gives it.
  void setColor(int16_t n);
  void drawMacro(plat::Surface& s, std::string_view commands);

  // The whole circuit with its lines in colour c (yellow on the board, black on paper);
  // recounts the elements and leaves CurrentSlot at 10.
  void drawCircuit(plat::Surface& s, rt::Colour c);
  void drawBattery(plat::Surface& s, rt::Colour c);
  void drawLamp(plat::Surface& s, rt::Colour c);
  void drawSwitch(plat::Surface& s, rt::Colour c);
  void drawWire(plat::Surface& s, rt::Colour c);
  void drawLampBulb(plat::Surface& s, float current, int slot);
  void drawSlotOutline();
  void eraseSlotOutline();
  // Every slot's outline in the background colour.
  void eraseSlotOutlines();

  // The overlay after a solve: the circuit again in yellow lines, then the branches that
  // carry current in red and the good lamps lit.
  void drawCurrents();
  // A lamp or switch flipped in the running simulation, before the next solve.
  void drawToggled(int slot);
  // An element taken out of a slot in the editor (its old code given), with its outline.
  void eraseElement(int slot, int16_t oldCode);

 private:
  rt::Colour back() const;
  // A good lamp in the overlay: its filament again, and when lit its glass by the current,
  // its leads in red and its filament glowing red.
  void drawLampCurrent(int slot, bool lit);
  void filament(plat::Surface& s, int slot, rt::Colour colour, const char* left, const char* right);

  plat::Surface& m_pic;
  Circuit& m_circuit;
};

}  // namespace circuits
