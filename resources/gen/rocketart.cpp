// The rocketry window's pictures: the model rocket, its exhaust smoke and its open
// parachute, each on the sky's cyan, and the launch button's Go and Stop icons.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace resgen {

namespace {

const QColor kSky(0, 255, 255);
const QColor kInk(0x20, 0x20, 0x28);

QImage skyImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kSky);
  return image;
}

QPen ink(qreal width) {
  QPen pen(kInk, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

}  // namespace

QImage drawRocketPicture() {
  QImage image = skyImage(33, 90);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Fins either side of the tail.
  p.setPen(ink(1));
  p.setBrush(QColor(0xe2, 0x3d, 0x3d));
  p.drawPolygon(QPolygonF({QPointF(10, 62), QPointF(2, 86), QPointF(10, 80)}));
  p.drawPolygon(QPolygonF({QPointF(23, 62), QPointF(31, 86), QPointF(23, 80)}));
  // Body tube and nose cone.
  QPainterPath body;
  body.moveTo(10, 88);
  body.lineTo(10, 22);
  body.cubicTo(10, 12, 14, 5, 16.5, 1);
  body.cubicTo(19, 5, 23, 12, 23, 22);
  body.lineTo(23, 88);
  body.closeSubpath();
  QLinearGradient shade(10, 0, 23, 0);
  shade.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
  shade.setColorAt(1.0, QColor(0xb8, 0xc0, 0xd0));
  p.setBrush(shade);
  p.drawPath(body);
  QPainterPath nose;
  nose.moveTo(10.5, 20);
  nose.cubicTo(11, 12, 14, 5, 16.5, 1);
  nose.cubicTo(19, 5, 22, 12, 22.5, 20);
  nose.closeSubpath();
  p.setBrush(QColor(0xe2, 0x3d, 0x3d));
  p.drawPath(nose);
  // A band and the centre fin seen edge on.
  p.setBrush(QColor(0x3b, 0x6e, 0xc8));
  p.drawRect(QRectF(10, 44, 13, 5));
  p.setBrush(QColor(0xe2, 0x3d, 0x3d));
  p.drawRect(QRectF(15.5, 66, 2, 22));
  return image;
}

QImage drawSmokePicture() {
  QImage image = skyImage(33, 40);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A short flame under the nozzle, then billows of grey smoke spreading downwards.
  QPainterPath flame;
  flame.moveTo(12, 0);
  flame.cubicTo(12, 6, 15, 10, 16.5, 14);
  flame.cubicTo(18, 10, 21, 6, 21, 0);
  flame.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xa9, 0x2e));
  p.drawPath(flame);
  p.setBrush(QColor(0xff, 0xf2, 0x8a));
  p.drawEllipse(QPointF(16.5, 4), 2.5, 3.5);
  const struct {
    qreal x, y, r;
    int grey;
  } puffs[] = {{16.5, 16, 5, 0xd8}, {11, 22, 6, 0xc8}, {22, 23, 6, 0xd0},  {16.5, 28, 7, 0xe0},
               {8, 32, 6, 0xcc},    {25, 33, 6, 0xd4}, {16.5, 35, 5, 0xbc}};
  p.setPen(QPen(QColor(0x90, 0x90, 0x98), 0.8));
  for (const auto& puff : puffs) {
    p.setBrush(QColor(puff.grey, puff.grey, puff.grey));
    p.drawEllipse(QPointF(puff.x, puff.y), puff.r, puff.r);
  }
  return image;
}

QImage drawChutePicture() {
  QImage image = skyImage(61, 45);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // The canopy: a dome in alternating panels with a scalloped rim.
  QPainterPath canopy;
  canopy.moveTo(2, 20);
  canopy.cubicTo(2, 6, 16, 1, 30.5, 1);
  canopy.cubicTo(45, 1, 59, 6, 59, 20);
  for (int i = 0; i < 6; ++i) {
    const qreal x0 = 59 - i * 9.5, x1 = x0 - 9.5;
    canopy.quadTo((x0 + x1) / 2, 15, x1, 20);
  }
  canopy.closeSubpath();
  p.setPen(ink(1));
  p.setBrush(QColor(0xff, 0x8c, 0x1a));
  p.drawPath(canopy);
  p.save();
  p.setClipPath(canopy);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xff, 0xff));
  for (int i = 1; i < 6; i += 2) {
    const qreal x = 2 + i * 9.5;
    p.drawPolygon(QPolygonF({QPointF(30.5, -4), QPointF(x, 24), QPointF(x + 9.5, 24)}));
  }
  p.restore();
  p.setPen(ink(1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(canopy);
  // Shroud lines from the rim down to the rocket's nose, which stands under the bottom edge.
  p.setPen(ink(0.7));
  for (int i = 0; i <= 6; ++i) p.drawLine(QPointF(2 + i * 9.5, 20), QPointF(30.5, 44));
  return image;
}

QImage drawLaunchGoIcon() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A green disc with a white arrow pointing up: lift-off.
  p.setPen(ink(1.5));
  p.setBrush(QColor(0x2e, 0xa8, 0x4a));
  p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({QPointF(16, 6), QPointF(25, 16), QPointF(19.5, 16), QPointF(19.5, 26), QPointF(12.5, 26),
                           QPointF(12.5, 16), QPointF(7, 16)}));
  return image;
}

QImage drawLaunchStopIcon() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A red octagon with a white bar.
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    static const qreal pts[8][2] = {{10, 1.5},  {22, 1.5},  {30.5, 10}, {30.5, 22},
                                    {22, 30.5}, {10, 30.5}, {1.5, 22},  {1.5, 10}};
    octagon << QPointF(pts[i][0], pts[i][1]);
  }
  p.setPen(ink(1.5));
  p.setBrush(QColor(0xd8, 0x2a, 0x2a));
  p.drawPolygon(octagon);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7, 13, 18, 6));
  return image;
}

}  // namespace resgen
