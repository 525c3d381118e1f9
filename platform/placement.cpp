#include "platform/placement.h"

#include <algorithm>
#include <cmath>

#include "platform/picturebox.h"
#include "platform/surface.h"
#include "platform/twips.h"

namespace plat {

namespace {
int px(double v) { return int(std::lround(v)); }
QPoint origin(const QWidget* w) { return innerOrigin(w->parentWidget()); }
}  // namespace

QPoint innerOrigin(const QWidget* container) {
  auto* picture = qobject_cast<const PictureBox*>(container);
  return picture && picture->border() ? QPoint(1, 1) : QPoint(0, 0);
}

double leftTwips(const QWidget* w) { return pixelsToTwips(w->x() - origin(w).x()); }
double topTwips(const QWidget* w) { return pixelsToTwips(w->y() - origin(w).y()); }
double widthTwips(const QWidget* w) { return pixelsToTwips(w->width()); }
double heightTwips(const QWidget* w) { return pixelsToTwips(w->height()); }
void setLeftTwips(QWidget* w, double left) { w->move(origin(w).x() + twipsToPixels(left), w->y()); }
void setTopTwips(QWidget* w, double top) { w->move(w->x(), origin(w).y() + twipsToPixels(top)); }
void moveTwips(QWidget* w, double left, double top) {
  w->move(origin(w) + QPoint(twipsToPixels(left), twipsToPixels(top)));
}
void resizeTwips(QWidget* w, double width, double height) {
  w->resize(std::max(0, twipsToPixels(width)), std::max(0, twipsToPixels(height)));
}

void placeInScale(QWidget* w, const Surface& s, double left, double top, double width, double height) {
  moveInScale(w, s, left, top);
  resizeInScale(w, s, width, height);
}

void moveInScale(QWidget* w, const Surface& s, double left, double top) {
  w->move(origin(w) + QPoint(px(s.toDeviceX(left)), px(s.toDeviceY(top))));
}

void setLeftInScale(QWidget* w, const Surface& s, double left) {
  w->move(origin(w).x() + px(s.toDeviceX(left)), w->y());
}
void setTopInScale(QWidget* w, const Surface& s, double top) { w->move(w->x(), origin(w).y() + px(s.toDeviceY(top))); }

void resizeInScale(QWidget* w, const Surface& s, double width, double height) {
  int pw = px(std::abs(width) / s.unitsPerPixelX());
  int ph = px(std::abs(height) / s.unitsPerPixelY());
  w->resize(std::max(0, pw), std::max(0, ph));
}

double leftInScale(const QWidget* w, const Surface& s) { return s.fromDeviceX(w->x() - origin(w).x()); }
double topInScale(const QWidget* w, const Surface& s) { return s.fromDeviceY(w->y() - origin(w).y()); }
double widthInScale(const QWidget* w, const Surface& s) { return w->width() * s.unitsPerPixelX(); }
double heightInScale(const QWidget* w, const Surface& s) { return w->height() * s.unitsPerPixelY(); }

}  // namespace plat
