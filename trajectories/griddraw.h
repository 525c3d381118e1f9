#pragma once
// The arrow paths on the grid picture and on the printed page: pens that turn the model's
// path points (grid feet) into lines on a drawing surface.

#include "trajectories/shot.h"

namespace plat {
class Surface;
}

namespace trajectories {

// Gives the grid picture its scale, feet with the origin at the bottom left, and its pen
// in the paths' colour.
void setupGrid(plat::Surface& grid);

// Draws on the grid picture in its pen colour; each path starts with a point at the origin.
class GridPen : public PathPen {
 public:
  explicit GridPen(plat::Surface& grid) : m_grid(grid) {}
  void start() override;
  void lineTo(double x, double y) override;

 private:
  plat::Surface& m_grid;
};

// The page of the printout: 1000 feet across to 750 hundredths of an inch, 500 feet up to
// 450, the origin at (200, 750).
double pageX(double x);
double pageY(double y);

// Draws on the printed page in black, from the grid's origin. Paper has no picture border
// to clip a high flight, so the part of a path above the grid's top is left out: it would
// run over the text above the grid and off the page.
class PagePen : public PathPen {
 public:
  explicit PagePen(plat::Surface& page) : m_page(page) {}
  void start() override;
  void lineTo(double x, double y) override;

 private:
  plat::Surface& m_page;
  double m_penX = 0, m_penY = 0;  // the pen, in grid feet
};

}  // namespace trajectories
