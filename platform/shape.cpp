#include "platform/shape.h"

#include <QPainter>
#include <algorithm>

#include "platform/colours.h"

namespace plat {

Shape::Shape(QWidget* container, Kind kind) : QWidget(container), m_kind(kind) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  show();
}

void Shape::setKind(Kind k) {
  m_kind = k;
  update();
}

void Shape::setBackOpaque(bool on) {
  m_opaque = on;
  update();
}

void Shape::setBackColor(rt::Colour c) {
  m_back = c;
  update();
}

void Shape::setFillStyle(int style) {
  m_fillStyle = std::clamp(style, 0, 7);
  update();
}

void Shape::setFillColor(rt::Colour c) {
  m_fill = c;
  update();
}

void Shape::setBorderColor(rt::Colour c) {
  m_border = c;
  update();
}

void Shape::setBorderWidth(int pixels) {
  m_borderWidth = std::max(1, pixels);
  update();
}

void Shape::setBorderStyle(int style) {
  m_borderStyle = style;
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, false);
  // The figure's box: the whole control, or a centred square for the square kinds.
  QRect box = rect();
  if (m_kind == Square || m_kind == Circle || m_kind == RoundedSquare) {
    int side = std::min(width(), height());
    box = QRect((width() - side) / 2, (height() - side) / 2, side, side);
  }
  // The outline lies inside the box whatever its width.
  int inset = m_borderStyle == 0 ? 0 : m_borderWidth / 2;
  QRect figure = box.adjusted(inset, inset, -inset - 1, -inset - 1);
  auto draw = [&](QPainter& painter) {
    switch (m_kind) {
      case Oval:
      case Circle: painter.drawEllipse(figure); break;
      case RoundedRectangle:
      case RoundedSquare: {
        int r = std::min(figure.width(), figure.height()) / 6;
        painter.drawRoundedRect(figure, r, r);
        break;
      }
      default: painter.drawRect(figure); break;
    }
  };
  p.setPen(Qt::NoPen);
  if (m_opaque) {
    p.setBrush(toQColor(m_back));
    draw(p);
  }
  static const Qt::BrushStyle kStyles[] = {Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
                                           Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
  if (m_fillStyle != 1) {
    p.setBrush(QBrush(toQColor(m_fill), kStyles[m_fillStyle]));
    draw(p);
  }
  if (m_borderStyle != 0) {
    QPen pen(toQColor(m_border));
    pen.setWidth(m_borderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    if (m_borderWidth == 1 && m_borderStyle == 2) pen.setDashPattern({6, 2});
    if (m_borderWidth == 1 && m_borderStyle == 3) pen.setDashPattern({1, 1});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    draw(p);
  }
}

}  // namespace plat
