// The circuits window's pictures: the palette's element buttons (each element as the board
// shows it, on a black square) and the arrow from a rung's voltage down to its rung.
// Shapes only, no fonts.
#include "artwork.h"

#include <QPainter>
#include <QPolygon>

namespace resgen {
namespace {

const QColor kBoard(0, 0, 0);
const QColor kLead(255, 255, 0);
const QColor kBody(255, 0, 255);
const QColor kTerminal(192, 192, 192);
const QColor kBase(0, 0, 255);
const QColor kContact(255, 0, 0);
const QColor kGlass(0, 255, 255);

QImage board() {
  QImage img(32, 32, QImage::Format_RGB32);
  img.fill(kBoard);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  return img;
}

QPen lead() { return QPen(kLead, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin); }

// A battery standing upright, its positive terminal at the top; turned for the other ways.
QImage battery(int quarterTurns) {
  QImage img = board();
  QPainter p(&img);
  p.setPen(lead());
  p.drawLine(16, 0, 16, 7);
  p.drawLine(16, 25, 16, 32);
  p.fillRect(12, 5, 8, 3, kTerminal);
  p.fillRect(8, 8, 16, 17, kBody);
  p.end();
  QTransform t;
  t.rotate(90 * quarterTurns);
  return img.transformed(t);
}

QImage wire(bool upright) {
  QImage img = board();
  QPainter p(&img);
  p.setPen(lead());
  if (upright)
    p.drawLine(16, 0, 16, 32);
  else
    p.drawLine(0, 16, 32, 16);
  return img;
}

}  // namespace

QImage drawBatteryUpIcon() { return battery(0); }
QImage drawBatteryDownIcon() { return battery(2); }
QImage drawBatteryRightIcon() { return battery(1); }
QImage drawBatteryLeftIcon() { return battery(3); }
QImage drawWireUprightIcon() { return wire(true); }
QImage drawWireAcrossIcon() { return wire(false); }

QImage drawLampIcon() {
  QImage img = board();
  QPainter p(&img);
  p.fillRect(9, 25, 14, 5, kBase);
  p.setPen(kContact);
  p.drawPoint(11, 27);
  p.drawPoint(20, 27);
  p.setPen(kGlass);
  p.drawPolygon(QPolygon({QPoint(12, 24), QPoint(6, 13), QPoint(7, 8), QPoint(10, 5), QPoint(13, 3), QPoint(19, 3),
                          QPoint(22, 5), QPoint(25, 8), QPoint(26, 13), QPoint(20, 24)}));
  p.setPen(kLead);
  p.drawPolyline(QPolygon({QPoint(14, 24), QPoint(14, 15), QPoint(13, 14), QPoint(14, 13), QPoint(15, 12),
                           QPoint(17, 12), QPoint(18, 13), QPoint(19, 14), QPoint(18, 15), QPoint(18, 24)}));
  return img;
}

QImage drawSwitchIcon() {
  QImage img = board();
  QPainter p(&img);
  p.fillRect(9, 2, 12, 28, kBase);
  p.setPen(lead());
  p.drawLine(15, 0, 15, 7);
  p.drawLine(15, 25, 15, 32);
  p.drawLine(15, 7, 24, 22);
  p.setPen(kContact);
  p.setBrush(kContact);
  p.drawEllipse(QPoint(15, 7), 2, 2);
  p.drawEllipse(QPoint(15, 25), 2, 2);
  return img;
}

QImage drawVoltArrow() {
  QImage img(12, 40, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  QPainter p(&img);
  p.fillRect(5, 0, 2, 32, QColor(255, 255, 255));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawPolygon(QPolygon({QPoint(0, 30), QPoint(12, 30), QPoint(6, 40)}));
  return img;
}

}  // namespace resgen
