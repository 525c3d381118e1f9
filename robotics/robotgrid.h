#pragma once
// The robot's grid picture: a square from -10 to 10 both ways with dotted lines every two
// units, the axes, the arm (link 1 blue, link 2 red, three pixels wide), a light red mark at
// the hand, a trail of marks where the hand has been, and the desired point's box.
//
// The picture keeps what is drawn on it; the arm is moved by drawing the old arm again in
// the background colour and the new one over it, then putting back the grid lines the
// erasing may have cut.

#include <cstdint>

#include "robotics/robotarm.h"
#include "runtime/colour.h"

namespace plat {
class Surface;
}

namespace robotics {

// The radius of the hand's mark, in grid units.
inline constexpr double kMarkRadius = 0.15;

// The grid's scale: (-11, 11) at the top left to (11, -11) at the bottom right.
void scaleGrid(plat::Surface& grid);

// The prompt under the grid in a mode: none in Forward mode.
const char* gridPrompt(int16_t mode);

// Clears the picture and writes "X", "Y" and the mode's prompt in black.
void clearGridPicture(plat::Surface& grid, int16_t mode);

// Draws the arm as the drawing says, with the grid lines, the hand's mark and, when asked,
// the desired point's box.
void drawArmPicture(plat::Surface& grid, const ArmDrawing& d);

// The desired point's box in a colour (black to show it, the background to remove it).
void drawDesiredBox(plat::Surface& grid, float x, float y, rt::Colour c);

void drawPathLinePicture(plat::Surface& grid, float x1, float y1, float x2, float y2);

}  // namespace robotics
