// The probability window's coin faces and die faces. Shapes only, no fonts.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace resgen {
namespace {

// The window's light yellow, so the pictures sit on the page without a seam.
const QColor kPage(255, 255, 192);
const QColor kRim(0x6b, 0x4f, 0x10);

QImage pageImage(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(kPage);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  return img;
}

// A coin: a shaded disc with a raised rim.
void coinDisc(QPainter& p, QColor metal) {
  const QPointF c(32.5, 32.5);
  QRadialGradient g(c - QPointF(10, 10), 44);
  g.setColorAt(0.0, metal.lighter(150));
  g.setColorAt(0.6, metal);
  g.setColorAt(1.0, metal.darker(150));
  p.setPen(QPen(kRim, 2));
  p.setBrush(g);
  p.drawEllipse(c, 30, 30);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(metal.darker(130), 1.5));
  p.drawEllipse(c, 25, 25);
}

QImage drawDie(int spots) {
  QImage img = pageImage(57, 57);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
  p.setBrush(QColor(0xfa, 0xfa, 0xfa));
  p.drawRoundedRect(QRectF(3, 3, 51, 51), 9, 9);
  // Pip places on a three by three grid: 0 left/top, 1 middle, 2 right/bottom.
  static const int layout[7][6][2] = {
      {},
      {{1, 1}},
      {{0, 0}, {2, 2}},
      {{0, 0}, {1, 1}, {2, 2}},
      {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
      {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
      {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}},
  };
  p.setPen(Qt::NoPen);
  p.setBrush(spots == 1 ? QColor(0xc0, 0x10, 0x10) : QColor(0x10, 0x10, 0x10));
  for (int i = 0; i < spots; ++i) {
    const QPointF at(15 + 13.5 * layout[spots][i][0], 15 + 13.5 * layout[spots][i][1]);
    p.drawEllipse(at, spots == 1 ? 6.5 : 5, spots == 1 ? 6.5 : 5);
  }
  return img;
}

}  // namespace

QImage drawCoinHeads() {
  QImage img = pageImage(65, 65);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor gold(0xe0, 0xb0, 0x30);
  coinDisc(p, gold);
  // A head in profile, facing left: skull, nose, chin and neck.
  QPainterPath head;
  head.moveTo(38, 48);
  head.cubicTo(44, 42, 46, 30, 42, 22);
  head.cubicTo(38, 14, 26, 14, 23, 22);
  head.lineTo(22, 28);
  head.lineTo(18, 33);
  head.lineTo(22, 34);
  head.lineTo(22, 38);
  head.cubicTo(24, 41, 28, 40, 29, 42);
  head.lineTo(28, 48);
  head.closeSubpath();
  p.setPen(QPen(gold.darker(170), 1.5));
  p.setBrush(gold.darker(115));
  p.drawPath(head);
  // An eye.
  p.setBrush(gold.darker(170));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(27, 27), 1.6, 1.6);
  return img;
}

QImage drawCoinTails() {
  QImage img = pageImage(65, 65);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor silver(0xb8, 0xbc, 0xc4);
  coinDisc(p, silver);
  // A five-pointed star in the middle.
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? 17 : 7;
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const QPointF pt(32.5 + r * std::cos(a), 33.5 + r * std::sin(a));
    if (i == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  p.setPen(QPen(silver.darker(180), 1.5));
  p.setBrush(silver.darker(125));
  p.drawPath(star);
  return img;
}

QImage drawDieOne() { return drawDie(1); }
QImage drawDieTwo() { return drawDie(2); }
QImage drawDieThree() { return drawDie(3); }
QImage drawDieFour() { return drawDie(4); }
QImage drawDieFive() { return drawDie(5); }
QImage drawDieSix() { return drawDie(6); }

}  // namespace resgen
