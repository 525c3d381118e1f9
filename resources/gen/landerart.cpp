// The moon lander's pictures: the world it flies over, its sprites with their masks, and the
// three thruster buttons' icons. Shapes only, no fonts. A sprite is black where it is
// transparent; its mask is black where the sprite is opaque and white elsewhere, so an AND of
// the mask followed by an OR of the sprite puts the sprite over any background.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdint>

namespace resgen {
namespace {

// Pi to fourteen decimals: the thrusters' arrows were drawn with it, and the pictures must
// come out the same byte for byte.
constexpr double kArrowPi = 3.14159265358979;

QImage canvas(int w, int h, QImage::Format format = QImage::Format_ARGB32_Premultiplied) {
  QImage img(w, h, format);
  img.fill(Qt::transparent);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  return img;
}

// A repeatable sequence for stars and craters.
struct Lcg {
  uint32_t state;
  uint32_t next() { return state = state * 1664525u + 1013904223u; }
  int below(int n) { return int((next() >> 8) % uint32_t(n)); }
};

// The opaque pixels of a drawing (alpha of half or more) as a sprite, black elsewhere.
QImage spriteOf(const QImage& drawing) {
  QImage out = canvas(drawing.width(), drawing.height(), QImage::Format_RGB32);
  for (int y = 0; y < drawing.height(); ++y)
    for (int x = 0; x < drawing.width(); ++x) {
      const QRgb c = drawing.pixel(x, y);
      out.setPixel(x, y, qAlpha(c) >= 128 ? qRgb(qRed(c), qGreen(c), qBlue(c)) : qRgb(0, 0, 0));
    }
  return out;
}

QImage maskOf(const QImage& drawing) {
  QImage out = canvas(drawing.width(), drawing.height(), QImage::Format_RGB32);
  for (int y = 0; y < drawing.height(); ++y)
    for (int x = 0; x < drawing.width(); ++x)
      out.setPixel(x, y, qAlpha(drawing.pixel(x, y)) >= 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  return out;
}

// -- the lander, 105 x 115 ----------------------------------------------------------------
// The side flames leave the craft at x 37 and 68 between y 40 and 56; the main flame leaves
// the nozzle at the bottom centre. The craft stays narrow there so the flames show.
QImage landerDrawing() {
  QImage img = canvas(105, 115);
  QPainter p(&img);
  const QColor dark(0x30, 0x30, 0x38), grey(0xb8, 0xb8, 0xc0), light(0xe0, 0xe0, 0xe8);
  const QColor gold(0xd8, 0xa8, 0x30), goldDark(0x90, 0x68, 0x10);

  // Legs from the descent stage to the foot pads.
  p.setPen(QPen(grey, 3));
  p.drawLine(26, 76, 6, 109);
  p.drawLine(78, 76, 98, 109);
  p.setPen(QPen(grey, 2));
  p.drawLine(34, 80, 12, 104);
  p.drawLine(70, 80, 92, 104);
  p.setPen(dark);
  p.setBrush(grey);
  p.drawRect(0, 109, 14, 4);
  p.drawRect(90, 109, 14, 4);

  // Descent stage in gold foil with darker panels.
  p.setBrush(gold);
  p.setPen(goldDark);
  p.drawRect(22, 56, 60, 24);
  p.setBrush(goldDark);
  p.drawRect(30, 60, 10, 16);
  p.drawRect(64, 60, 10, 16);

  // Neck with the two side thrusters.
  p.setBrush(grey);
  p.setPen(dark);
  p.drawRect(40, 40, 24, 16);
  p.setBrush(dark);
  p.drawRect(36, 43, 5, 10);
  p.drawRect(63, 43, 5, 10);

  // Ascent stage: an angular cabin with a window and an antenna.
  p.setBrush(light);
  p.setPen(dark);
  p.drawPolygon(
      QPolygonF({QPointF(34, 18), QPointF(44, 6), QPointF(61, 6), QPointF(71, 18), QPointF(71, 38), QPointF(34, 38)}));
  p.setBrush(QColor(0x20, 0x40, 0x80));
  p.drawPolygon(QPolygonF(
      {QPointF(42, 18), QPointF(48, 11), QPointF(57, 11), QPointF(63, 18), QPointF(63, 26), QPointF(42, 26)}));
  p.setPen(QPen(grey, 1));
  p.drawLine(52, 6, 52, 0);
  p.drawLine(48, 1, 56, 1);

  // The main engine's nozzle.
  p.setBrush(dark);
  p.setPen(dark);
  p.drawPolygon(QPolygonF({QPointF(47, 80), QPointF(57, 80), QPointF(60, 88), QPointF(44, 88)}));
  p.end();
  return img;
}

// -- the landing pad, 143 x 64: its deck's top is the pad's surface line at y 32 -------------
QImage padDrawing() {
  QImage img = canvas(143, 64);
  QPainter p(&img);
  const QColor steel(0x90, 0x90, 0x98), dark(0x40, 0x40, 0x48);
  // Supports and bracing down to the ground.
  p.setPen(QPen(steel, 3));
  for (int x : {10, 50, 92, 132}) p.drawLine(x, 36, x, 63);
  p.setPen(QPen(dark, 1));
  p.drawLine(10, 40, 50, 62);
  p.drawLine(50, 40, 10, 62);
  p.drawLine(92, 40, 132, 62);
  p.drawLine(132, 40, 92, 62);
  // The deck, striped in warning yellow.
  p.setPen(dark);
  p.setBrush(QColor(0xe8, 0xd0, 0x20));
  p.drawRect(0, 32, 142, 5);
  p.setBrush(dark);
  for (int x = 6; x < 140; x += 16) p.drawRect(x, 33, 7, 3);
  // Beacon posts with a red and a green light.
  p.setPen(QPen(steel, 2));
  p.drawLine(3, 31, 3, 18);
  p.drawLine(139, 31, 139, 18);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0x30, 0x30));
  p.drawEllipse(0, 12, 7, 7);
  p.setBrush(QColor(0x30, 0xff, 0x30));
  p.drawEllipse(136, 12, 7, 7);
  p.end();
  return img;
}

// -- the flames ---------------------------------------------------------------------------
// A side flame, 32 x 16, the same on either side of the craft, so symmetric left to right.
QImage sideFlameDrawing() {
  QImage img = canvas(32, 16);
  QPainter p(&img);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0x60, 0x10));
  p.drawEllipse(0, 2, 32, 12);
  p.setBrush(QColor(0xff, 0xb0, 0x20));
  p.drawEllipse(5, 4, 22, 8);
  p.setBrush(QColor(0xff, 0xf8, 0xc0));
  p.drawEllipse(10, 6, 12, 4);
  p.end();
  return img;
}

// The main flame, 24 x 32, pointing down.
QImage mainFlameDrawing() {
  QImage img = canvas(24, 32);
  QPainter p(&img);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0x60, 0x10));
  p.drawPolygon(QPolygonF({QPointF(1, 0), QPointF(23, 0), QPointF(17, 18), QPointF(12, 31), QPointF(7, 18)}));
  p.setBrush(QColor(0xff, 0xb0, 0x20));
  p.drawPolygon(QPolygonF({QPointF(5, 0), QPointF(19, 0), QPointF(15, 14), QPointF(12, 24), QPointF(9, 14)}));
  p.setBrush(QColor(0xff, 0xf8, 0xc0));
  p.drawPolygon(QPolygonF({QPointF(9, 0), QPointF(15, 0), QPointF(12, 13)}));
  p.end();
  return img;
}

// A thruster icon, 32 x 32: a nozzle with its flame pointing along (dx, dy).
QImage thrusterIcon(int dx, int dy) {
  QImage img = canvas(32, 32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(16, 16);
  p.rotate(std::atan2(double(dy), double(dx)) * 180.0 / kArrowPi);
  // Drawn pointing right (+x), turned into place.
  p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
  p.setBrush(QColor(0xa0, 0xa0, 0xa8));
  p.drawPolygon(
      QPolygonF({QPointF(-14, -5), QPointF(-5, -5), QPointF(-1, -9), QPointF(-1, 9), QPointF(-5, 5), QPointF(-14, 5)}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0x60, 0x10));
  p.drawPolygon(QPolygonF({QPointF(0, -8), QPointF(8, -6), QPointF(15, 0), QPointF(8, 6), QPointF(0, 8)}));
  p.setBrush(QColor(0xff, 0xd0, 0x40));
  p.drawPolygon(QPolygonF({QPointF(0, -4), QPointF(6, -3), QPointF(11, 0), QPointF(6, 3), QPointF(0, 4)}));
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

// The world, 640 x 700: a starry sky with the earth over a ridge of hills, and the plain the
// pad stands on. The pad's surface line lies at y 668.
QImage drawLanderWorld() {
  QImage img = canvas(640, 700, QImage::Format_RGB32);
  img.fill(qRgb(0, 0, 8));
  Lcg rng{20261207u};
  for (int i = 0; i < 420; ++i) {
    const int x = rng.below(640), y = rng.below(600);
    const int b = 120 + rng.below(136);
    img.setPixel(x, y, qRgb(b, b, std::min(255, b + 20)));
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // The earth, half lit.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x20, 0x50, 0xb0));
  p.drawEllipse(QPointF(520, 90), 28, 28);
  p.setBrush(QColor(0x30, 0x90, 0x40));
  p.drawEllipse(QPointF(510, 82), 10, 14);
  p.drawEllipse(QPointF(530, 100), 8, 6);
  p.setBrush(QColor(0, 0, 8, 170));
  QPainterPath night;
  night.addEllipse(QPointF(520, 90), 28.5, 28.5);
  QPainterPath lit;
  lit.addEllipse(QPointF(508, 90), 28, 28);
  p.drawPath(night.subtracted(lit));

  // Far hills, then near ones.
  QPolygonF far;
  far << QPointF(0, 700);
  for (int x = 0; x <= 640; x += 20) far << QPointF(x, 560 + 30 * std::sin(x / 61.0) + 18 * std::sin(x / 23.0 + 1.0));
  far << QPointF(640, 700);
  p.setBrush(QColor(0x50, 0x50, 0x58));
  p.drawPolygon(far);
  QPolygonF near;
  near << QPointF(0, 700);
  for (int x = 0; x <= 640; x += 16) near << QPointF(x, 615 + 14 * std::sin(x / 37.0 + 2.0) + 8 * std::sin(x / 13.0));
  near << QPointF(640, 700);
  p.setBrush(QColor(0x78, 0x78, 0x80));
  p.drawPolygon(near);
  // The plain from the pad's surface line down.
  p.setBrush(QColor(0xa0, 0xa0, 0xa4));
  p.drawRect(QRectF(0, 660, 640, 40));
  p.setPen(QPen(QColor(0xc8, 0xc8, 0xcc), 1));
  p.drawLine(QPointF(0, 660.5), QPointF(640, 660.5));
  // Craters on the plain.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 14; ++i) {
    const double cx = rng.below(640), cy = 670 + rng.below(26), r = 3 + rng.below(8);
    p.setBrush(QColor(0x70, 0x70, 0x74));
    p.drawEllipse(QPointF(cx, cy), r, r * 0.4);
    p.setBrush(QColor(0xb8, 0xb8, 0xbc));
    p.drawEllipse(QPointF(cx + 1, cy + 1), r * 0.7, r * 0.25);
  }
  p.end();
  return img;
}

QImage drawLanderSprite() { return spriteOf(landerDrawing()); }
QImage drawLanderMask() { return maskOf(landerDrawing()); }
QImage drawPadSprite() { return spriteOf(padDrawing()); }
QImage drawPadMask() { return maskOf(padDrawing()); }
QImage drawSideFlameSprite() { return spriteOf(sideFlameDrawing()); }
QImage drawSideFlameMask() { return maskOf(sideFlameDrawing()); }
QImage drawMainFlameSprite() { return spriteOf(mainFlameDrawing()); }
QImage drawMainFlameMask() { return maskOf(mainFlameDrawing()); }
QImage drawLeftThrusterIcon() { return thrusterIcon(-1, 0); }
QImage drawMainThrusterIcon() { return thrusterIcon(0, 1); }
QImage drawRightThrusterIcon() { return thrusterIcon(1, 0); }

}  // namespace resgen
