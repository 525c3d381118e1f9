#pragma once
// Window layout is given in twips: 1440 to the inch, 15 to a screen pixel at 96 dots per inch.

#include <QRect>
#include <QWidget>
#include <cmath>

namespace plat {

constexpr int kTwipsPerPixel = 15;
constexpr double kScreenDpi = 96.0;

inline int twipsToPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

// Places a control in its container at a rectangle given in twips.
inline void placeTwips(QWidget* w, double left, double top, double width, double height) {
  w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace plat
