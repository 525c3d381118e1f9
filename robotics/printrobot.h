#pragma once
// The printed robot page: the arm's settings as text lines, then a copy of the grid picture
// with the arm and its trail.

#include <vector>

#include "robotics/robotarm.h"

namespace plat {
class ImageSurface;
class Surface;
}  // namespace plat

namespace robotics {

// Draws the page on a printer (or any surface) without ending the document.
void printRobotPage(plat::Surface& page, const std::vector<PrintLine>& lines, const plat::ImageSurface& grid);

}  // namespace robotics
