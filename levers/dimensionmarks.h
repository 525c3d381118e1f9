#pragma once
// The lever's dimension marks on a drawing surface, the window's or a printed page: the
// extension lines, then each dimension as planDimension lays it out, its line, two arrowheads,
// the gap for the number and the number in the vector font. Both surfaces draw the same strokes
// at the same places in the same order; what differs is the ink, which the caller gives.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "runtime/colour.h"

namespace plat {
class Surface;
}

namespace levers {

class Lever;
class LeverShapes;

// How one surface shows the marks.
struct DimensionInk {
  // The surface whose fore colour becomes `pen` before the extension lines and again before
  // each later dimension, since a number may leave another colour behind. On the screen this
  // is the screen itself; a page keeps its own pen, and the window's is set instead.
  plat::Surface& penHolder;
  rt::Colour pen;
  // The width the marks are drawn in, back to 1 after them; none leaves the width as it is.
  std::optional<int> width;
  // The gap in a dimension line that the number stands in.
  rt::Colour gap;
  // Whether each arrowhead and digit begins with a dot at its start point; without, the pen
  // moves there unmarked.
  bool dotAtStart;
  // The digits' colour, which also becomes the fore colour for each digit; none keeps the pen.
  std::optional<rt::Colour> digitColour;
  // The decimal point's dot, and a stroke drawn on from it (a lone dot vanishes on paper).
  rt::Colour point;
  std::string_view pointStroke;
  // The C command of a drawing-command string.
  std::function<void(int)> setColour;
};

// Heights of the D Effort and D Load dimension lines: the longer one is always the upper.
struct DimensionHeights {
  int16_t effort = 10, load = 25;
};
DimensionHeights dimensionHeights(int16_t leverClass);

// The three dimensions of the lever (D Load only with a load) on target in the given ink;
// each writes its value back to the lever rounded to tenths.
void drawDimensionMarks(plat::Surface& target, const DimensionInk& ink, Lever& lever, const LeverShapes& shapes);

// A digit of the vector font with its cell's top left corner at (x, y); any other d draws
// nothing (the digit colour is still taken up).
void drawVectorDigit(plat::Surface& target, const DimensionInk& ink, int16_t d, int16_t x, int16_t y);

}  // namespace levers
