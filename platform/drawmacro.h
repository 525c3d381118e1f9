#pragma once
// Drawing-command strings: a small line-drawing language for outline shapes (arrowheads,
// vector digits, circuit symbols). Each command is a letter and an optional count (a missing
// count is 1): U, D, L, R up, down, left and right; E, F, G, H the diagonals up-right,
// down-right, down-left and up-left; C a colour number. Every stroke is a line from the
// surface's current point, in its fore colour, and its end becomes the current point; there
// is no move without drawing. Letters may be of either case; any other character is skipped
// together with the digits after it.

#include <functional>
#include <string_view>

namespace plat {

class Surface;

// Interprets cmds on s from its current point, in the surface's scale units. The C command
// calls setColour with its number (nothing happens when setColour is empty). Counts beyond
// 32767 are taken as 32767.
void drawMacro(Surface& s, std::string_view cmds, const std::function<void(int)>& setColour);

}  // namespace plat
