#include "trajectories/griddraw.h"

#include "platform/surface.h"
#include "runtime/palette.h"

namespace traj {

void SetupGrid(plat::Surface& grid) {
  grid.setScale(0, kGridHeight, kGridWidth, 0);
  grid.setForeColor(Palette::ArrowPath);
}

void GridPen::Start() { m_grid.pset(0, 0); }

void GridPen::LineTo(double x, double y) { m_grid.lineTo(x, y); }

double PageX(double x) { return 200 + x * 3 / 4; }
double PageY(double y) { return 750 - y * 9 / 10; }

void PagePen::Start() {
  m_x = 0;
  m_y = 0;
  m_page.moveTo(PageX(0), PageY(0));
}

void PagePen::LineTo(double x, double y) {
  double x0 = m_x, y0 = m_y, x1 = x, y1 = y;
  m_x = x;
  m_y = y;
  constexpr double top = kGridHeight;
  if (y0 <= top && y1 <= top) {
    m_page.lineTo(PageX(x1), PageY(y1), Palette::Black);
    return;
  }
  if (y0 > top && y1 > top) {
    m_page.moveTo(PageX(x1), PageY(y1));
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
  m_page.line(PageX(x0), PageY(y0), PageX(x1), PageY(y1), Palette::Black);
  m_page.moveTo(PageX(m_x), PageY(m_y));
}

}  // namespace traj
