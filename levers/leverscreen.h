#pragma once
// The levers window's picture: a fixed logical screen of 320 x 200 pixels on the window's
// surface, with a red frame, a hatched green ground, the fulcrum, the lever bar, the load box,
// the effort arrow and, below a divider, a light yellow panel (work) or the tutorial's text.
// Filled shapes go to the device as polygons through the logical-to-device factors PixX and
// PixY; lines and boxes use the surface's own scale. A shape is removed by drawing it again in
// the background colour at the points stored when it was last drawn, so the scene changes
// without clearing the screen.

#include <QPoint>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "levers/dimensionmarks.h"
#include "levers/dimensions.h"
#include "levers/lever.h"
#include "levers/levergeometry.h"
#include "runtime/colour.h"

namespace plat {
class Surface;
}

namespace levers {

// The topics of the window's panel, numbered as its buttons.
enum Topic : int16_t { NoTopic = 0, LessonTopic = 1, WorkTopic = 2 };

class LeverScreen {
 public:
  // topic is the window's open topic: the work topic gets the light yellow panel.
  LeverScreen(plat::Surface& surface, Lever& lever, LeverShapes& shapes, const int16_t& topic);

  // The surface's scale becomes (0, 0)-(319, 199); PixX and PixY are the device pixels per
  // logical pixel, from the surface's size at this moment.
  void setLogicalScreen();
  float PixX = 1, PixY = 1;
  // Heights of the D Effort and D Load dimension lines: the longer one is always the upper.
  int16_t EffY = 10, LoadY = 25;

  plat::Surface& surface() { return m_surface; }

  // Colour number n (0 to 15) becomes the fore colour; other numbers change nothing.
  void setColor(int n);
  // A drawing-command string from the current point; its C command goes to setColor.
  void drawMacro(std::string_view s);
  // The tutorial's text position: 40 x 25 cells of 8 x 8 logical pixels, from (1, 1).
  void locate(int16_t row, int16_t column);

  void drawScene();
  void drawFulcrum();
  void drawLever();
  void drawLoad();
  void drawEffortArrow();
  void eraseLever();
  void eraseLoad();
  void eraseEffortArrow();
  void eraseFulcrum();
  void clearAboveLever();
  void clearBelowLever();
  void clearLeverArea();
  // The moving shapes redrawn at the lever's tilt: all three erased as last drawn, then drawn.
  void redrawMovingShapes();

  // A digit of the vector font with its cell's top left corner at (x, y), in light magenta.
  void drawDigit(int16_t d, int16_t x, int16_t y);
  // The three dimensions in white with magenta numbers; each writes its value back to the
  // lever values rounded to tenths.
  void drawDimensions();
  // Removes the dimension marks before the lever turns, mending what the removal cut.
  void prepareEffortView();

  // A logical point on the device, rounded halves to even.
  QPoint device(float x, float y) const;

 private:
  rt::Colour back() const;
  void polygonOfPoints(std::initializer_list<int> numbers);
  void fulcrumPolygon();
  void arrowPath(int first, int last, rt::Colour c);
  void loadOutline(rt::Colour c);
  // How the screen shows the dimension marks.
  DimensionInk dimensionInk();

  plat::Surface& m_surface;
  Lever& m_lever;
  LeverShapes& m_shapes;
  const int16_t& m_topic;
};

}  // namespace levers
