#include "trajectories/griddraw.h"

#include "platform/surface.h"
#include "runtime/palette.h"

namespace trajectories {

void setupGrid(plat::Surface& grid) {
  grid.setScale(0, kGridHeight, kGridWidth, 0);
  grid.setForeColor(Palette::ArrowPath);
}

void GridPen::start() { m_grid.pset(0, 0); }

void GridPen::lineTo(double x, double y) { m_grid.lineTo(x, y); }

double pageX(double x) { return 200 + x * 3 / 4; }
double pageY(double y) { return 750 - y * 9 / 10; }

void PagePen::start() {
  m_penX = 0;
  m_penY = 0;
  m_page.moveTo(pageX(0), pageY(0));
}

void PagePen::lineTo(double x, double y) {
  double x0 = m_penX, y0 = m_penY, x1 = x, y1 = y;
  m_penX = x;
  m_penY = y;
  constexpr double top = kGridHeight;
  if (y0 <= top && y1 <= top) {
    m_page.lineTo(pageX(x1), pageY(y1), Palette::Black);
    return;
  }
  if (y0 > top && y1 > top) {
    m_page.moveTo(pageX(x1), pageY(y1));
    return;
  }
  // The segment crosses the top: only the part inside the grid is drawn.
  const double xTop = x0 + (x1 - x0) * (top - y0) / (y1 - y0);
  if (y0 > top) {
    x0 = xTop;
    y0 = top;
  } else {
    x1 = xTop;
    y1 = top;
  }
  m_page.line(pageX(x0), pageY(y0), pageX(x1), pageY(y1), Palette::Black);
  m_page.moveTo(pageX(m_penX), pageY(m_penY));
}

}  // namespace trajectories
