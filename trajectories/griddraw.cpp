#include "trajectories/griddraw.h"

#include "platform/surface.h"
#include "runtime/palette.h"

namespace trajectories {

void setupGrid(plat::Surface& grid) {
  grid.setScale(0, kGridHeight, kGridWidth, 0);
  grid.setForeColor(rt::palette::kArrowPath);
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
  constexpr double kTop = kGridHeight;
  if (y0 <= kTop && y1 <= kTop) {
    m_page.lineTo(pageX(x1), pageY(y1), rt::palette::kBlack);
    return;
  }
  if (y0 > kTop && y1 > kTop) {
    m_page.moveTo(pageX(x1), pageY(y1));
    return;
  }
  // The segment crosses the kTop: only the part inside the grid is drawn.
  const double xTop = x0 + (x1 - x0) * (kTop - y0) / (y1 - y0);
  if (y0 > kTop) {
    x0 = xTop;
    y0 = kTop;
  } else {
    x1 = xTop;
    y1 = kTop;
  }
  m_page.line(pageX(x0), pageY(y0), pageX(x1), pageY(y1), rt::palette::kBlack);
  m_page.moveTo(pageX(m_penX), pageY(m_penY));
}

}  // namespace trajectories
