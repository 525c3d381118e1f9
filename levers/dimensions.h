#pragma once
// Engineering-style dimensions of the lever scene: a dimension line between two x positions
// with arrowheads drawn from drawing-command strings, and its value in lever units with one
// decimal written in a small vector font of 4 x 7 logical pixels per digit. This works out
// where every stroke goes; the screen and the page draw the plan each in their own way.

#include <cstdint>
#include <vector>

namespace levers {

// A digit of the vector font: its command string, drawn from a start point offset from the
// cell's top left corner.
struct VectorDigit {
  int16_t dx, dy;
  const char* macro;
};
// The ten digits; any other number has no glyph.
const VectorDigit* vectorDigit(int d);

// An arrowhead: a point set at its start, then its command string.
struct Arrowhead {
  float x, y;
  const char* macro;
};

// A digit placed with the top left corner of its cell.
struct PlacedDigit {
  int16_t digit, x, y;
};

struct DimensionPlan {
  int16_t width = 14;         // room the number needs: three digits for 10.0 need 18
  bool room = false;          // the number and the heads fit between the ends
  float y = 0;                // height of the dimension line
  float left = 0, right = 0;  // the two ends, smaller first
  Arrowhead rightHead{}, leftHead{};
  int16_t x0 = 0;                   // with room: the gap (x0 - 1, y - 3)-(x0 + width, y + 3) in the line
  int16_t anchor = 0;               // x of the tenths digit
  int16_t tenths = 0;               // the value in tenths, 0 to 100
  float rounded = 0;                // the value written back: its sign times tenths / 10
  float pointX = 0, pointY = 0;     // the decimal point
  std::vector<PlacedDigit> digits;  // tenths first, then units, then the hundreds digit
};

// The dimension at height y between the ends a and b for the value v. The guard g is added
// before the tenths are cut off, so a stored 2.4999998 reads 2.5.
DimensionPlan planDimension(int16_t y, float a, float b, float v, double g);

}  // namespace levers
