#pragma once
// The probability tab's pictures on any surface: the frequency graphs and their axis
// strips, the marble board with its pegs, bins and marbles, and the toothpick sheet.

#include "probability/coinsdice.h"
#include "runtime/colour.h"

namespace plat {
class ImageSurface;
class Surface;
}  // namespace plat

namespace probability {

// Draws the graph on the hidden surface (theory in red, the actual frequencies in black)
// and copies it whole onto the shown one, so the graph never shows half drawn.
void drawGraph(plat::ImageSurface& hidden, plat::ImageSurface& shown, const FrequencyGraph& g);
// The axis digits, each centred under its x on the strip.
void drawAxisStrip(plat::Surface& strip, const FrequencyGraph& g);

// The empty marble board in units of xUnit by yUnit twips.
void drawMarbleBoard(plat::Surface& board, int16_t xUnit, int16_t yUnit);
// A marble at a board position, rimmed in black; erasing paints it in the background.
void drawMarbleAt(plat::Surface& board, int16_t xUnit, int16_t yUnit, float col, float row, rt::Colour colour);
void eraseMarbleAt(plat::Surface& board, int16_t xUnit, int16_t yUnit, float col, float row);

// A ruled line across the sheet, and a toothpick two pixels wide.
void drawRuledLine(plat::Surface& sheet, int16_t y, int width);
void drawToothpickLine(plat::Surface& sheet, double x1, double y1, double x2, double y2, rt::Colour colour);

}  // namespace probability
