// The robotics window's title picture: a small two-link arm on its base, reaching up to the
// right with a gripper. Shapes only, no fonts.
#include "artwork.h"

#include <QPainter>
#include <QPolygonF>

namespace resgen {

QImage drawRobotArmPicture() {
  QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor edge(0x20, 0x20, 0x30);

  // The base on the floor.
  p.setPen(QPen(edge, 1));
  p.setBrush(QColor(0x60, 0x60, 0x70));
  p.drawRect(QRectF(4.5, 25.5, 12, 4));
  // Link 1, blue, from the shoulder to the elbow.
  p.setPen(QPen(QColor(0x10, 0x30, 0xc0), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.5, 24), QPointF(14, 11));
  // Link 2, red, from the elbow to the wrist.
  p.setPen(QPen(QColor(0xd0, 0x18, 0x18), 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14, 11), QPointF(25, 7));
  // The joints.
  p.setPen(QPen(edge, 1));
  p.setBrush(QColor(0xf0, 0xc8, 0x20));
  p.drawEllipse(QPointF(10.5, 24), 2.6, 2.6);
  p.drawEllipse(QPointF(14, 11), 2.4, 2.4);
  // The gripper's two fingers.
  p.setPen(QPen(edge, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(25, 7), QPointF(29, 4));
  p.drawLine(QPointF(25, 7), QPointF(29.5, 9.5));
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace resgen
