#pragma once
// A line control: a straight line that stands over its container (a picture or a window)
// like any control, above whatever is drawn on the container's surface, so clearing or
// redrawing the picture never touches it and it needs no repainting. Mouse events pass
// through it to the container beneath.
//
// Its ends are given in the container's units: twips, or the scale of the container's
// surface as it is at the moment of the call. The line keeps its place in pixels when the
// container's scale changes later.

#include <QWidget>

#include "runtime/colour.h"

namespace plat {

class Surface;

class Line : public QWidget {
  Q_OBJECT
 public:
  enum Style : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Transparent = 5 };

  explicit Line(QWidget* container);
  void setEndsTwips(double x1, double y1, double x2, double y2);
  void setEnds(const Surface& scale, double x1, double y1, double x2, double y2);
  double x1Twips() const;
  double y1Twips() const;
  double x2Twips() const;
  double y2Twips() const;
  double x1(const Surface& scale) const;
  double y1(const Surface& scale) const;
  double x2(const Surface& scale) const;
  double y2(const Surface& scale) const;
  // The ends in the container's pixels.
  QPoint end1() const { return m_p1; }
  QPoint end2() const { return m_p2; }

  void setBorderColor(rt::Colour c);
  rt::Colour borderColor() const { return m_colour; }
  // Width in pixels; broken styles draw only at width 1 (a wider line is solid).
  void setBorderWidth(int pixels);
  int borderWidth() const { return m_width; }
  void setBorderStyle(int style);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void setEndsPixels(QPoint p1, QPoint p2);
  void place();
  QPoint m_p1, m_p2;
  rt::Colour m_colour = 0x000000;
  int m_width = 1;
  int m_style = Solid;
};

}  // namespace plat
