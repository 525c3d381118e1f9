#pragma once
// A shape control: a rectangle, square, oval, circle or rounded box standing over its
// container like any control (a backdrop, a frame, a marker on a strip). Its outline is in
// the border colour; inside, an opaque back colour and over it the fill colour by the fill
// style. Mouse events pass through it to the container.

#include <QWidget>

#include "runtime/colour.h"

namespace plat {

class Shape : public QWidget {
  Q_OBJECT
 public:
  enum Kind : int { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };

  explicit Shape(QWidget* container, Kind kind = Rectangle);
  void setKind(Kind k);
  Kind kind() const { return m_kind; }
  // Back style: transparent (false) or opaque in the back colour (true).
  void setBackOpaque(bool on);
  void setBackColor(rt::Colour c);
  rt::Colour backColor() const { return m_back; }
  // Fill styles as the surfaces have them: 0 solid, 1 transparent, 2 to 7 the hatches.
  void setFillStyle(int style);
  void setFillColor(rt::Colour c);
  rt::Colour fillColor() const { return m_fill; }
  void setBorderColor(rt::Colour c);
  void setBorderWidth(int pixels);
  // 0 transparent (no outline), 1 solid, 2 dash, 3 dot.
  void setBorderStyle(int style);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Kind m_kind;
  bool m_opaque = false;
  rt::Colour m_back = 0xFFFFFF, m_fill = 0x000000, m_border = 0x000000;
  int m_fillStyle = 1, m_borderWidth = 1, m_borderStyle = 1;
};

}  // namespace plat
