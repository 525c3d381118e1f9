// The trajectories window's pictures: the target mark dragged over the grid, and two small
// drawings beside the title, a drawn bow and an arrow in flight. Shapes only, no fonts.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace resgen {
namespace {

QImage transparentImage(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  return img;
}

QImage finished(const QImage& img) { return img.convertToFormat(QImage::Format_ARGB32); }

// An arrow from (x1, y1) to its head at (x2, y2), with fletching at the tail.
void arrow(QPainter& p, QPointF tail, QPointF head, double scale) {
  const QPointF d = head - tail;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len, n(-u.y(), u.x());
  p.setPen(QPen(QColor(0x7a, 0x4a, 0x1c), 1.6 * scale, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(tail, head - u * 4 * scale);
  p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1.0));
  p.setBrush(QColor(0x80, 0x88, 0x96));
  p.drawPolygon(QPolygonF({head, head - u * 6 * scale + n * 3 * scale, head - u * 6 * scale - n * 3 * scale}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xd2, 0x1e, 0x1e));
  for (int side : {-1, 1}) {
    p.drawPolygon(QPolygonF({tail + u * 1 * scale, tail + u * 6 * scale, tail + n * side * 3.5 * scale,
                             tail - u * 1.5 * scale + n * side * 3.5 * scale}));
  }
}

}  // namespace

QImage drawArrowMark() {
  // Rings of red and white with a yellow centre: the middle pixel is the mark's point.
  QImage img = transparentImage(25, 25);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(12.5, 12.5);
  const QColor colours[] = {QColor(0xd0, 0x10, 0x10), Qt::white, QColor(0xd0, 0x10, 0x10), Qt::white};
  double r = 12.0;
  for (const QColor& col : colours) {
    p.setPen(QPen(QColor(0x60, 0x00, 0x00), 0.8));
    p.setBrush(col);
    p.drawEllipse(c, r, r);
    r -= 2.6;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xd8, 0x00));
  p.drawEllipse(c, 2.6, 2.6);
  // Cross hairs through the centre.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(0x20, 0x20, 0x20));
  p.drawLine(12, 0, 12, 9);
  p.drawLine(12, 16, 12, 24);
  p.drawLine(0, 12, 9, 12);
  p.drawLine(16, 12, 24, 12);
  p.end();
  return finished(img);
}

QImage drawBowArrow() {
  QImage img = transparentImage(48, 48);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // The bow: a curved limb of wood with a grip, drawn back with its string.
  QPainterPath limb;
  limb.moveTo(30, 3);
  limb.cubicTo(6, 10, 6, 38, 30, 45);
  p.setPen(QPen(QColor(0x5c, 0x34, 0x10), 3.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(limb);
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3.6, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(12.5, 20), QPointF(12.5, 28));
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.9));
  p.drawLine(QPointF(30, 3), QPointF(38, 24));
  p.drawLine(QPointF(38, 24), QPointF(30, 45));
  arrow(p, QPointF(40, 24), QPointF(3, 24), 1.0);
  p.end();
  return finished(img);
}

QImage drawArrowFlight() {
  QImage img = transparentImage(48, 48);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // A dotted arc from the lower left with the arrow at its top, flying to the right.
  p.setPen(QPen(QColor(0xc0, 0x00, 0xc0), 1.6, Qt::DotLine, Qt::RoundCap));
  QPainterPath arc;
  arc.moveTo(2, 44);
  arc.quadTo(14, 4, 30, 14);
  p.drawPath(arc);
  p.setPen(QPen(QColor(0x10, 0x70, 0x10), 2.0));
  p.drawLine(QPointF(0, 46.5), QPointF(48, 46.5));
  arrow(p, QPointF(24, 10), QPointF(45, 22), 1.0);
  p.end();
  return finished(img);
}

}  // namespace resgen
