#pragma once
// Counting a colour's pixels in a drawing: how tests see that a curve, a mark or a fill was
// drawn, or wiped away again.

#include "platform/picturebox.h"
#include "platform/surface.h"
#include "runtime/colour.h"

// How many pixels of the surface have the colour, from a row down to the bottom.
inline int countColour(const plat::ImageSurface& s, rt::Colour c, int fromRow = 0) {
  int n = 0;
  for (int y = fromRow; y < s.deviceHeight(); ++y)
    for (int x = 0; x < s.deviceWidth(); ++x) n += s.pixel(x, y) == c;
  return n;
}

// The same over a picture's drawing surface.
inline int countColour(const plat::PictureBox* p, rt::Colour c, int fromRow = 0) {
  return countColour(p->surface(), c, fromRow);
}
