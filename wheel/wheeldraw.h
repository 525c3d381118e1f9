#pragma once
// The water wheel's pictures: the wheel with its cans, water and leaks, drawn whole on a
// hidden surface and copied in one block so the visible picture never shows half a frame;
// the water falling from the valve; and the three strip charts that scroll one pixel per
// tick: the wheel's speed, the height of can 1 and the level of every can.

#include <array>

#include "platform/surface.h"
#include "runtime/colour.h"
#include "wheel/wheelmodel.h"

namespace wheel {

// Can i's colour (1 to 6): light cyan, yellow, light magenta, light green, light blue,
// light red. A can is drawn, filled and charted in it.
rt::Colour canColor(int i);

// The wheel picture's drawing state: lines two pixels wide, circles not filled.
void setupWheelPicture(plat::Surface& picture);
// The wheel picture's scale in centimetres, the hub at (0, 0): the circle of cans with the
// cans hanging below its lowest point, and 5% to spare on every side.
void scaleWheelPicture(plat::Surface& picture, const WheelDerived& d);
// The wheel as the model stands, on the hidden surface, then copied whole onto the visible.
void drawWheelPicture(plat::ImageSurface& hidden, plat::ImageSurface& visible, const WheelModel& model);

// Under the gauge (a rectangle in the valve picture's units): five lines of water spreading
// to the picture's bottom while the valve is open, or the background when it is closed.
void drawFallingWater(plat::Surface& valve, double gaugeLeft, double gaugeWidth, double gaugeHeight, bool open);

// The three strip charts, each in pixels, and what they plotted in their last column.
class StripCharts {
 public:
  StripCharts(plat::ImageSurface& speed, plat::ImageSurface& height, plat::ImageSurface& level);
  // Pixel scales (a picture's size may change while it is laid out).
  void setup();
  // The memory of the last column from a wheel at rest: speed 0, can 1's height, empty cans.
  void start(const WheelModel& model);
  void clear();
  // The speed chart's zero line across the whole chart, in yellow.
  void drawZeroLine();
  // Scrolls each chart one pixel left and draws the new column from the model.
  void advance(const WheelModel& model);

  float prevSpeed() const { return m_prevSpeed; }
  float prevHeight() const { return m_prevHeight; }
  float oldLevel(int i) const { return m_oldLevel[size_t(i)]; }

 private:
  static void scroll(plat::ImageSurface& chart);
  plat::ImageSurface& m_speed;
  plat::ImageSurface& m_height;
  plat::ImageSurface& m_level;
  float m_prevSpeed = 0, m_prevHeight = 0;
  std::array<float, kMaxCans + 1> m_oldLevel{};
};

}  // namespace wheel
