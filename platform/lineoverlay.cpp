#include "platform/lineoverlay.h"

#include <QPainter>
#include <cmath>

#include "platform/colours.h"
#include "platform/placement.h"
#include "platform/surface.h"
#include "platform/twips.h"

namespace plat {

namespace {
int px(double v) { return int(std::lround(v)); }
}  // namespace

Line::Line(QWidget* container) : QWidget(container) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  place();
  show();
}

// Ends are kept in the pixels of the container's inside (where its surface begins).
void Line::setEndsTwips(double x1, double y1, double x2, double y2) {
  setEndsPixels(QPoint(twipsToPixels(x1), twipsToPixels(y1)), QPoint(twipsToPixels(x2), twipsToPixels(y2)));
}

void Line::setEnds(const Surface& s, double x1, double y1, double x2, double y2) {
  setEndsPixels(QPoint(px(s.toDeviceX(x1)), px(s.toDeviceY(y1))), QPoint(px(s.toDeviceX(x2)), px(s.toDeviceY(y2))));
}

double Line::x1Twips() const { return pixelsToTwips(m_p1.x()); }
double Line::y1Twips() const { return pixelsToTwips(m_p1.y()); }
double Line::x2Twips() const { return pixelsToTwips(m_p2.x()); }
double Line::y2Twips() const { return pixelsToTwips(m_p2.y()); }
double Line::x1(const Surface& s) const { return s.fromDeviceX(m_p1.x()); }
double Line::y1(const Surface& s) const { return s.fromDeviceY(m_p1.y()); }
double Line::x2(const Surface& s) const { return s.fromDeviceX(m_p2.x()); }
double Line::y2(const Surface& s) const { return s.fromDeviceY(m_p2.y()); }

void Line::setEndsPixels(QPoint p1, QPoint p2) {
  m_p1 = p1;
  m_p2 = p2;
  place();
}

void Line::setBorderColor(rt::Colour c) {
  m_colour = c;
  update();
}

void Line::setBorderWidth(int pixels) {
  m_width = std::max(1, pixels);
  place();
}

void Line::setBorderStyle(int style) {
  m_style = style;
  update();
}

// The widget covers the line's bounding box with room for the pen on every side.
void Line::place() {
  int margin = m_width / 2 + 1;
  QRect box = QRect(m_p1, m_p2).normalized().adjusted(-margin, -margin, margin + 1, margin + 1);
  setGeometry(box.translated(innerOrigin(parentWidget())));
  update();
}

void Line::paintEvent(QPaintEvent*) {
  if (m_style == Transparent) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(toQColor(m_colour));
  pen.setWidth(m_width);
  pen.setCapStyle(m_width > 1 ? Qt::RoundCap : Qt::SquareCap);
  if (m_width == 1) {
    switch (m_style) {
      case Dash: pen.setDashPattern({6, 2}); break;
      case Dot: pen.setDashPattern({1, 1}); break;
      case DashDot: pen.setDashPattern({6, 2, 1, 2}); break;
      case DashDotDot: pen.setDashPattern({6, 2, 1, 2, 1, 2}); break;
      default: break;
    }
  }
  p.setPen(pen);
  QPoint origin = pos() - innerOrigin(parentWidget());
  p.drawLine(m_p1 - origin, m_p2 - origin);
}

}  // namespace plat
