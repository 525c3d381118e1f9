// The levers window's tool bar pictures: print, next and previous screen, stop. Shapes and
// pixel patterns only, no fonts.
#include "artwork.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace resgen {
namespace {

QImage transparentImage(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  return img;
}

QImage finishedTransparent(const QImage& img) { return img.convertToFormat(QImage::Format_ARGB32); }

// A fat arrow pointing right across a 32 x 32 picture, in two blues with a dark edge.
QImage drawRightArrow() {
  QImage img = transparentImage(32, 32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPolygonF arrow({QPointF(3, 12), QPointF(16, 12), QPointF(16, 4), QPointF(29, 16), QPointF(16, 28),
                         QPointF(16, 20), QPointF(3, 20)});
  p.setPen(QPen(QColor(0x0c, 0x22, 0x6e), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(0x1e, 0x5a, 0xe6));
  p.drawPolygon(arrow);
  // A lighter upper half gives it some depth.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x6e, 0xa4, 0xff));
  p.drawPolygon(
      QPolygonF({QPointF(4.5, 13.5), QPointF(17.5, 13.5), QPointF(17.5, 7.5), QPointF(26.5, 16), QPointF(4.5, 16)}));
  p.end();
  return img;
}

}  // namespace

QImage drawNextTool() { return finishedTransparent(drawRightArrow()); }

QImage drawPreviousTool() { return finishedTransparent(drawRightArrow().mirrored(true, false)); }

QImage drawPrinterTool() {
  QImage img = transparentImage(16, 16);
  QPainter p(&img);
  // Paper going in at the back.
  p.setPen(QColor(0x50, 0x50, 0x50));
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 5);
  // The body, with a dark slot and a green light.
  p.setBrush(QColor(0xb4, 0xb4, 0xbc));
  p.drawRect(1, 6, 13, 6);
  p.fillRect(3, 8, 9, 1, QColor(0x30, 0x30, 0x30));
  p.fillRect(12, 10, 1, 1, QColor(0x20, 0xc0, 0x40));
  // The printed sheet coming out at the front, with lines of text.
  p.setBrush(Qt::white);
  p.drawRect(3, 10, 9, 5);
  p.fillRect(5, 12, 5, 1, QColor(0x40, 0x40, 0x90));
  p.fillRect(5, 14, 3, 1, QColor(0x40, 0x40, 0x90));
  p.end();
  return finishedTransparent(img);
}

QImage drawStopTool() {
  QImage img = transparentImage(32, 32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // A red octagon with a white rim.
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    const double a = (22.5 + 45.0 * i) * std::numbers::pi / 180.0;
    octagon << QPointF(16 + 15 * std::cos(a), 16 + 15 * std::sin(a));
  }
  p.setPen(QPen(QColor(0x60, 0x00, 0x00), 1));
  p.setBrush(Qt::white);
  p.drawPolygon(octagon);
  QPolygonF inner;
  for (int i = 0; i < 8; ++i) {
    const double a = (22.5 + 45.0 * i) * std::numbers::pi / 180.0;
    inner << QPointF(16 + 13 * std::cos(a), 16 + 13 * std::sin(a));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xd0, 0x10, 0x10));
  p.drawPolygon(inner);
  p.end();
  // The word in white capitals, set pixel by pixel.
  static const char* const kWord[] = {
      ".###.#####..##..###.", "#......#...#..#.#..#", ".##....#...#..#.###.",
      "...#...#...#..#.#...", "###....#....##..#...",
  };
  for (int row = 0; row < 5; ++row)
    for (int col = 0; kWord[row][col]; ++col)
      if (kWord[row][col] == '#') img.setPixel(6 + col, 14 + row, qRgba(255, 255, 255, 255));
  return finishedTransparent(img);
}

}  // namespace resgen
