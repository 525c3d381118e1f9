// The weather window's file buttons: a fresh sheet, an open folder, a diskette and a
// printer, each 32 x 32 on a transparent background. Shapes only, no fonts.
#include "artwork.h"

#include <QPainter>
#include <QPolygonF>

namespace resgen {
namespace {

QImage canvas() {
  QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  return img;
}

QImage finished(const QImage& img) { return img.convertToFormat(QImage::Format_ARGB32); }

const QColor kInk(0x30, 0x30, 0x30);
const QColor kLines(0x40, 0x50, 0xa0);

// A sheet with a folded corner and lines of writing.
void sheet(QPainter& p, int x, int y, int w, int h, int lines) {
  p.setPen(kInk);
  p.setBrush(Qt::white);
  p.drawPolygon(
      QPolygon({QPoint(x, y), QPoint(x + w - 6, y), QPoint(x + w, y + 6), QPoint(x + w, y + h), QPoint(x, y + h)}));
  p.drawPolyline(QPolygon({QPoint(x + w - 6, y), QPoint(x + w - 6, y + 6), QPoint(x + w, y + 6)}));
  for (int i = 0; i < lines; ++i) p.fillRect(x + 3, y + 9 + 3 * i, w - 7, 1, kLines);
}

}  // namespace

QImage drawNewFileIcon() {
  QImage img = canvas();
  QPainter p(&img);
  sheet(p, 7, 3, 18, 25, 0);
  // A small yellow star: the sheet is new.
  p.setPen(QColor(0x90, 0x70, 0x00));
  p.setBrush(QColor(0xff, 0xd8, 0x20));
  p.drawPolygon(QPolygon({QPoint(16, 11), QPoint(18, 15), QPoint(22, 16), QPoint(18, 18), QPoint(16, 23),
                          QPoint(14, 18), QPoint(10, 16), QPoint(14, 15)}));
  p.end();
  return finished(img);
}

QImage drawOpenFileIcon() {
  QImage img = canvas();
  QPainter p(&img);
  // The folder's back with its tab, a sheet standing in it, and the front flap open.
  p.setPen(QColor(0x80, 0x60, 0x10));
  p.setBrush(QColor(0xe0, 0xb0, 0x40));
  p.drawPolygon(QPolygon({QPoint(2, 8), QPoint(10, 8), QPoint(12, 11), QPoint(26, 11), QPoint(26, 27), QPoint(2, 27)}));
  sheet(p, 7, 5, 16, 18, 3);
  p.setPen(QColor(0x80, 0x60, 0x10));
  p.setBrush(QColor(0xf8, 0xd0, 0x60));
  p.drawPolygon(QPolygon({QPoint(2, 27), QPoint(7, 15), QPoint(31, 15), QPoint(26, 27)}));
  p.end();
  return finished(img);
}

QImage drawSaveFileIcon() {
  QImage img = canvas();
  QPainter p(&img);
  // A diskette: dark body, metal shutter above, white label below.
  p.setPen(kInk);
  p.setBrush(QColor(0x28, 0x38, 0x70));
  p.drawPolygon(QPolygon({QPoint(3, 3), QPoint(26, 3), QPoint(29, 6), QPoint(29, 29), QPoint(3, 29)}));
  p.setBrush(QColor(0xc0, 0xc4, 0xcc));
  p.drawRect(9, 3, 13, 9);
  p.fillRect(17, 5, 3, 6, QColor(0x28, 0x38, 0x70));
  p.setBrush(Qt::white);
  p.drawRect(7, 16, 18, 12);
  for (int i = 0; i < 3; ++i) p.fillRect(9, 19 + 3 * i, 14, 1, kLines);
  p.end();
  return finished(img);
}

QImage drawPrintFileIcon() {
  QImage img = canvas();
  QPainter p(&img);
  // Paper at the back, the body with its slot and light, the printed sheet in front.
  sheet(p, 9, 2, 14, 11, 1);
  p.setPen(kInk);
  p.setBrush(QColor(0xb4, 0xb4, 0xbc));
  p.drawRect(2, 12, 27, 12);
  p.fillRect(6, 16, 19, 2, QColor(0x30, 0x30, 0x30));
  p.fillRect(25, 20, 2, 2, QColor(0x20, 0xc0, 0x40));
  p.setBrush(Qt::white);
  p.drawRect(7, 20, 17, 10);
  for (int i = 0; i < 2; ++i) p.fillRect(10, 23 + 3 * i, 11, 1, kLines);
  p.end();
  return finished(img);
}

}  // namespace resgen
