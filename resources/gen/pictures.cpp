// Picture drawing. Shapes only, no fonts, so the output does not depend on
// which fonts the machine has.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace resgen {
namespace {

const QColor kInk(0x2b, 0x2d, 0x42);  // outline colour shared by every drawing

QImage blankImage(int w, int h, bool opaque) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(opaque ? Qt::white : Qt::transparent);
  // Fixed resolution (96 dpi) so the written file never depends on the screen.
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  return img;
}

QImage finished(const QImage& img, bool opaque) {
  return img.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

QPen inkPen(qreal width) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
  const qreal a = degrees * std::numbers::pi / 180.0;
  return centre + QPointF(radius * std::sin(a), radius * std::cos(a));
}

// A shaded ball with a highlight towards the upper left.
void drawBall(QPainter& p, QPointF c, qreal r, QColor colour, qreal outline) {
  QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.3);
  g.setColorAt(0.0, colour.lighter(160));
  g.setColorAt(0.5, colour);
  g.setColorAt(1.0, colour.darker(140));
  p.setPen(outline > 0 ? inkPen(outline) : Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

void drawPendulum(QPainter& p) {
  const QPointF pivot(42, 20);
  const qreal length = 58;
  // The swing, as a dashed arc the bob travels along.
  QPen dash(QColor(0x8a, 0x9b, 0xb8), 1.2, Qt::DashLine, Qt::RoundCap);
  p.setPen(dash);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(pivot.x() - length, pivot.y() - length, 2 * length, 2 * length), -62 * 16, -56 * 16);
  // Support beam.
  p.setPen(inkPen(1.5));
  p.setBrush(QColor(0x9c, 0x6b, 0x3f));
  p.drawRoundedRect(QRectF(14, 12, 56, 7), 2, 2);
  const QPointF bob = polar(pivot, length, 22);
  p.setPen(inkPen(1.5));
  p.drawLine(pivot, bob);
  p.setBrush(QColor(0xe0, 0xe4, 0xec));
  p.drawEllipse(pivot, 2.5, 2.5);
  drawBall(p, bob, 10, QColor(0xe8, 0x4a, 0x3c), 1.5);
}

void drawRocket(QPainter& p) {
  p.save();
  p.translate(140, 46);
  p.rotate(35);  // nose towards the upper right
  // Exhaust flame below the body.
  QPainterPath flame;
  flame.moveTo(-7, 20);
  flame.cubicTo(-8, 32, -2, 38, 0, 46);
  flame.cubicTo(2, 38, 8, 32, 7, 20);
  flame.closeSubpath();
  QLinearGradient fg(0, 20, 0, 46);
  fg.setColorAt(0.0, QColor(0xff, 0xf2, 0x8a));
  fg.setColorAt(0.5, QColor(0xff, 0xa9, 0x2e));
  fg.setColorAt(1.0, QColor(0xf0, 0x4a, 0x2a, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(fg);
  p.drawPath(flame);
  // Fins.
  p.setPen(inkPen(1.5));
  p.setBrush(QColor(0xe2, 0x3d, 0x3d));
  p.drawPolygon(QPolygonF({QPointF(-8, 6), QPointF(-16, 22), QPointF(-8, 19)}));
  p.drawPolygon(QPolygonF({QPointF(8, 6), QPointF(16, 22), QPointF(8, 19)}));
  // Body and nose cone.
  QPainterPath body;
  body.moveTo(-8, 20);
  body.lineTo(-8, -10);
  body.cubicTo(-8, -22, -3, -28, 0, -33);
  body.cubicTo(3, -28, 8, -22, 8, -10);
  body.lineTo(8, 20);
  body.closeSubpath();
  QLinearGradient bg(-8, 0, 8, 0);
  bg.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
  bg.setColorAt(1.0, QColor(0xc4, 0xcb, 0xd8));
  p.setBrush(bg);
  p.drawPath(body);
  QPainterPath nose;
  nose.moveTo(-6.2, -18);
  nose.cubicTo(-4.5, -24, -2, -28, 0, -33);
  nose.cubicTo(2, -28, 4.5, -24, 6.2, -18);
  nose.closeSubpath();
  p.setBrush(QColor(0xe2, 0x3d, 0x3d));
  p.drawPath(nose);
  // Porthole.
  p.setBrush(QColor(0x4d, 0xa3, 0xe8));
  p.drawEllipse(QPointF(0, -5), 4, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QPointF(-1.3, -6.3), 1.3, 1.3);
  p.restore();
}

void drawStar(QPainter& p, QPointF c, qreal r, QColor colour) {
  QPolygonF star;
  for (int i = 0; i < 8; ++i) star << polar(c, (i % 2) ? r * 0.38 : r, i * 45.0);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(star);
}

void drawLamp(QPainter& p) {
  const QPointF c(38, 108);
  // Glow and rays.
  QRadialGradient glow(c, 30);
  glow.setColorAt(0.0, QColor(0xff, 0xf0, 0x80, 200));
  glow.setColorAt(1.0, QColor(0xff, 0xf0, 0x80, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, 30, 30);
  p.setPen(QPen(QColor(0xf2, 0xb2, 0x1b), 2.2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 7; ++i) {
    const qreal a = 90.0 + 45.0 * i;  // fan of rays above and beside the bulb
    p.drawLine(polar(c, 19, a), polar(c, 25, a));
  }
  // Glass bulb narrowing into the neck.
  QPainterPath bulb;
  bulb.moveTo(c + QPointF(-6, 12));
  bulb.cubicTo(c + QPointF(-7, 7), c + QPointF(-14, 4), c + QPointF(-14, -3));
  bulb.cubicTo(c + QPointF(-14, -11), c + QPointF(-8, -15), c + QPointF(0, -15));
  bulb.cubicTo(c + QPointF(8, -15), c + QPointF(14, -11), c + QPointF(14, -3));
  bulb.cubicTo(c + QPointF(14, 4), c + QPointF(7, 7), c + QPointF(6, 12));
  bulb.closeSubpath();
  QRadialGradient gg(c + QPointF(-4, -6), 18);
  gg.setColorAt(0.0, QColor(0xff, 0xff, 0xe8));
  gg.setColorAt(1.0, QColor(0xff, 0xd8, 0x3a));
  p.setPen(inkPen(1.5));
  p.setBrush(gg);
  p.drawPath(bulb);
  // Filament.
  p.setPen(QPen(QColor(0xd0, 0x6a, 0x10), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({c + QPointF(-3, 11), c + QPointF(-3, 0), c + QPointF(-1.5, -3), c + QPointF(0, 0),
                            c + QPointF(1.5, -3), c + QPointF(3, 0), c + QPointF(3, 11)}));
  // Screw base.
  p.setPen(inkPen(1.5));
  p.setBrush(QColor(0xa8, 0xb0, 0xbc));
  p.drawRoundedRect(QRectF(c.x() - 6.5, c.y() + 12, 13, 9), 1.5, 1.5);
  p.drawLine(c + QPointF(-6.5, 15), c + QPointF(6.5, 15));
  p.drawLine(c + QPointF(-6.5, 18), c + QPointF(6.5, 18));
  p.setBrush(kInk);
  p.drawChord(QRectF(c.x() - 3.5, c.y() + 19, 7, 5), 0, -180 * 16);
}

// A die seen from above a corner: the top shows one, the left face five, the right face three.
void drawDie(QPainter& p) {
  const QPointF top(132, 89);  // far corner of the top face
  const qreal s = 20;          // edge length on screen
  const QPointF right(s * 0.87, s * 0.5), left(-s * 0.87, s * 0.5), down(0, s);
  const QPointF front = top + left + right;
  auto face = [&](QPointF o, QPointF u, QPointF v, QColor fill) {
    p.setPen(inkPen(1.5));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({o, o + u, o + u + v, o + v}));
  };
  face(top, left, right, QColor(0xff, 0xff, 0xff));
  face(top + left, right, down, QColor(0xf1, 0xec, 0xe2));
  face(front, -left, down, QColor(0xdc, 0xd5, 0xc8));
  auto pip = [&](QPointF o, QPointF u, QPointF v, qreal a, qreal b, QColor colour) {
    const QPointF at = o + u * a + v * b;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, 2.3, 2.3);
  };
  const QColor dark(0x30, 0x30, 0x48), red(0xd8, 0x2b, 0x2b);
  pip(top, left, right, 0.5, 0.5, red);
  for (auto [a, b] : {std::pair{0.25, 0.25}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.75}, {0.75, 0.75}})
    pip(top + left, right, down, a, b, dark);
  for (auto [a, b] : {std::pair{0.25, 0.25}, {0.5, 0.5}, {0.75, 0.75}}) pip(front, -left, down, a, b, dark);
}

void drawLever(QPainter& p) {
  const QPointF apex(92, 163);
  // Fulcrum.
  p.setPen(inkPen(1.5));
  p.setBrush(QColor(0xf2, 0xb2, 0x1b));
  p.drawPolygon(QPolygonF({apex, QPointF(78, 186), QPointF(106, 186)}));
  // Plank, tipped down on the heavy side.
  p.save();
  p.translate(apex);
  p.rotate(-9);
  p.translate(0, -3.5);
  p.setBrush(QColor(0xc8, 0x8a, 0x4e));
  p.drawRoundedRect(QRectF(-76, -3.5, 146, 7), 2, 2);
  p.setPen(QPen(QColor(0xa0, 0x68, 0x34), 1));
  p.drawLine(QPointF(-70, 0), QPointF(-30, 0));
  p.drawLine(QPointF(10, 0.5), QPointF(60, 0.5));
  // Heavy box on the left end.
  p.setPen(inkPen(1.5));
  p.setBrush(QColor(0x3f, 0x7f, 0xd8));
  p.drawRoundedRect(QRectF(-72, -25, 24, 21.5), 2, 2);
  p.setPen(QPen(QColor(0x2a, 0x5a, 0xa8), 1.5));
  p.drawLine(QPointF(-68, -20), QPointF(-52, -8));
  p.drawLine(QPointF(-52, -20), QPointF(-68, -8));
  p.restore();
  // Ball resting on the raised right end.
  p.save();
  p.translate(apex);
  p.rotate(-9);
  drawBall(p, QPointF(58, -14.5), 7.5, QColor(0x3c, 0xb8, 0x5a), 1.5);
  p.restore();
}

}  // namespace

QImage drawMenuPicture() {
  QImage img = blankImage(180, 200, true);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Pale sky over a soft green floor.
  QLinearGradient sky(0, 0, 0, 200);
  sky.setColorAt(0.0, QColor(0xdf, 0xee, 0xfd));
  sky.setColorAt(1.0, QColor(0xfb, 0xf7, 0xec));
  p.fillRect(img.rect(), sky);
  p.fillRect(QRectF(0, 184, 180, 16), QColor(0xc9, 0xe8, 0xb8));
  p.setPen(QPen(QColor(0x9c, 0xcc, 0x88), 1));
  p.drawLine(QPointF(0, 184.5), QPointF(180, 184.5));
  drawStar(p, QPointF(100, 18), 5, QColor(0xff, 0xd0, 0x3a));
  drawStar(p, QPointF(168, 104), 4, QColor(0xff, 0xd0, 0x3a));
  drawStar(p, QPointF(88, 60), 3.5, QColor(0xa9, 0xc8, 0xff));
  drawPendulum(p);
  drawRocket(p);
  drawLamp(p);
  drawDie(p);
  drawLever(p);
  p.end();
  return finished(img, true);
}

QImage drawExitIcon() {
  QImage img = blankImage(32, 32, false);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Door frame with warm light in the doorway.
  p.setPen(QPen(QColor(0x5a, 0x38, 0x1e), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(QColor(0xff, 0xe4, 0x8a));
  p.drawRect(QRectF(4, 3, 15, 26));
  // The door, swung open towards us on its left hinge.
  p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(0xb0, 0x6e, 0x34));
  p.drawPolygon(QPolygonF({QPointF(4, 3), QPointF(11, 6), QPointF(11, 30.5), QPointF(4, 29)}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xd2, 0x4a));
  p.drawEllipse(QPointF(9.2, 17.5), 1.2, 1.2);
  // Arrow leading out through the doorway.
  p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(0x3c, 0xb8, 0x5a));
  p.drawPolygon(QPolygonF({QPointF(13, 14), QPointF(22, 14), QPointF(22, 9), QPointF(30.5, 16.5), QPointF(22, 24),
                           QPointF(22, 19), QPointF(13, 19)}));
  p.end();
  return finished(img, false);
}

QImage drawHelpIcon() {
  QImage img = blankImage(16, 16, false);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(6, 5), 11);
  g.setColorAt(0.0, QColor(0x6c, 0xb2, 0xff));
  g.setColorAt(1.0, QColor(0x1f, 0x5f, 0xc8));
  p.setPen(QPen(QColor(0x16, 0x3e, 0x8a), 1));
  p.setBrush(g);
  p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  p.end();
  // The question mark is set pixel by pixel: at this size a drawn curve would blur.
  static const char* const kMark[] = {
      ".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..", "..##..",
  };
  for (int row = 0; row < 9; ++row)
    for (int col = 0; col < 6; ++col)
      if (kMark[row][col] == '#') img.setPixel(5 + col, 3 + row, qRgba(255, 255, 255, 255));
  return finished(img, false);
}

QImage drawProgramIcon() {
  QImage img = blankImage(64, 64, false);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Rounded tile.
  QLinearGradient tile(0, 2, 0, 62);
  tile.setColorAt(0.0, QColor(0x4a, 0x90, 0xe8));
  tile.setColorAt(1.0, QColor(0x23, 0x4e, 0xa8));
  p.setPen(QPen(QColor(0x1a, 0x3a, 0x80), 1.5));
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(2.75, 2.75, 58.5, 58.5), 12, 12);
  drawStar(p, QPointF(47, 15), 7, QColor(0xff, 0xe0, 0x5a));
  drawStar(p, QPointF(34, 10), 3, QColor(0xcf, 0xe2, 0xff));
  // A lever on its fulcrum: box on the low end, ball on the high end.
  const QPointF apex(32, 41);
  p.setPen(inkPen(1.5));
  p.setBrush(QColor(0xff, 0xc2, 0x2e));
  p.drawPolygon(QPolygonF({apex, QPointF(23, 54), QPointF(41, 54)}));
  p.translate(apex);
  p.rotate(-12);
  p.translate(0, -2.5);
  p.setBrush(QColor(0xf4, 0xf4, 0xf8));
  p.drawRoundedRect(QRectF(-25, -2.5, 50, 5), 1.5, 1.5);
  p.setBrush(QColor(0xe8, 0x4a, 0x3c));
  p.drawRoundedRect(QRectF(-24, -15.5, 13, 13), 1.5, 1.5);
  drawBall(p, QPointF(18, -7.5), 5, QColor(0x4c, 0xd0, 0x6a), 1.5);
  p.end();
  return finished(img, false);
}

}  // namespace resgen
