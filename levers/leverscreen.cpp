#include "levers/leverscreen.h"

#include <vector>

#include "platform/drawmacro.h"
#include "platform/surface.h"
#include "runtime/convert.h"
#include "runtime/palette.h"

namespace levers {

LeverScreen::LeverScreen(plat::Surface& surface, Lever& lever, LeverShapes& shapes, const int16_t& topic)
    : m_surface(surface), m_lever(lever), m_shapes(shapes), m_topic(topic) {}

void LeverScreen::setLogicalScreen() {
  m_surface.setScaleMode(plat::ScaleMode::Pixels);
  PixX = float(m_surface.scaleWidth());
  PixY = float(m_surface.scaleHeight());
  m_surface.setScale(0, 0, 319, 199);
  PixX = PixX / float(m_surface.scaleWidth());
  PixY = PixY / float(m_surface.scaleHeight());
}

rt::Colour LeverScreen::back() const { return m_surface.backColor(); }

QPoint LeverScreen::device(float x, float y) const {
  return QPoint(rt::roundToInt16(x * PixX), rt::roundToInt16(y * PixY));
}

void LeverScreen::setColor(int n) {
  if (n >= 0 && n <= 15) m_surface.setForeColor(rt::numberedColour(n));
}

void LeverScreen::drawMacro(std::string_view s) {
  plat::drawMacro(m_surface, s, [this](int n) { setColor(n); });
}

void LeverScreen::locate(int16_t row, int16_t column) { m_surface.moveTo((column - 1) * 8, (row - 1) * 8); }

void LeverScreen::drawScene() {
  // The frame, whose inside filled with the background clears the screen, and the divider.
  m_surface.setDrawWidth(2);
  m_surface.setFillStyle(plat::FillSolid);
  m_surface.setFillColor(back());
  m_surface.box(0, 0, 319, 199, rt::palette::kRed);
  m_surface.line(0, 105, 319, 105, rt::palette::kRed);
  // The ground, cross-hatched.
  m_surface.setDrawWidth(1);
  m_surface.setFillStyle(plat::FillDiagonalCross);
  m_surface.setFillColor(rt::palette::kGreen);
  m_surface.box(1, 81, 318, 104, rt::palette::kGreen);
  if (m_topic == WorkTopic) m_surface.filledBox(0, 105, 319, 199, rt::palette::kLightYellow);
  drawFulcrum();
  drawLever();
  drawLoad();
  drawEffortArrow();
}

void LeverScreen::polygonOfPoints(std::initializer_list<int> numbers) {
  std::vector<QPoint> pts;
  for (int i : numbers) {
    const Pt& p = m_shapes.Pts[size_t(i)];
    pts.push_back(device(p.x, p.y));
  }
  m_surface.polygon(pts);
}

void LeverScreen::fulcrumPolygon() {
  const float x = m_shapes.FulcrumX;
  m_surface.setFillStyle(plat::FillSolid);
  m_surface.polygon({device(x, kPivotY), device(x - 8, 80), device(x + 8, 80)});
}

void LeverScreen::drawFulcrum() {
  m_shapes.placeFulcrum(m_lever.values.FulcrumPos, m_lever.PixPerUnit);
  m_surface.setForeColor(rt::palette::kRed);
  m_surface.setFillColor(rt::palette::kRed);
  fulcrumPolygon();
}

void LeverScreen::eraseFulcrum() {
  m_surface.setForeColor(back());
  m_surface.setFillColor(back());
  fulcrumPolygon();
}

void LeverScreen::drawLever() {
  m_shapes.rotate(kBarFirst, kBarLast, m_lever.Theta);
  m_surface.setForeColor(rt::palette::kYellow);
  m_surface.setFillColor(rt::palette::kLightGrey);
  m_surface.setFillStyle(plat::FillSolid);
  polygonOfPoints({1, 2, 4, 3});
}

void LeverScreen::eraseLever() {
  m_surface.setForeColor(back());
  m_surface.setFillColor(back());
  m_surface.setFillStyle(plat::FillSolid);
  polygonOfPoints({1, 2, 4, 3});
}

void LeverScreen::loadOutline(rt::Colour c) {
  const auto& P = m_shapes.Pts;
  m_surface.line(P[5].x, P[5].y, P[6].x, P[6].y, c);
  m_surface.lineTo(P[8].x, P[8].y, c);
  m_surface.lineTo(P[7].x, P[7].y, c);
  m_surface.lineTo(P[5].x, P[5].y, c);
}

void LeverScreen::drawLoad() {
  // The corner points are kept even without a load, so erasing always has a place.
  m_shapes.buildLoad(m_lever.values.DLoad, m_lever.PixPerUnit);
  m_shapes.rotate(kLoadFirst, kLoadLast, m_lever.Theta);
  if (!(m_lever.values.LeverLoad > 0)) return;
  loadOutline(rt::palette::kMagenta);
  m_surface.setForeColor(rt::palette::kWhite);
  m_surface.setFillColor(rt::palette::kMagenta);
  m_surface.setFillStyle(plat::FillSolid);
  polygonOfPoints({5, 6, 8, 7});
}

void LeverScreen::eraseLoad() {
  // The box was drawn as an outline of lines under a polygon; lines and polygon do not cover
  // quite the same pixels along a slanted edge, so both are drawn again in the background.
  loadOutline(back());
  m_surface.setForeColor(back());
  m_surface.setFillColor(back());
  m_surface.setFillStyle(plat::FillSolid);
  polygonOfPoints({5, 6, 8, 7});
}

void LeverScreen::arrowPath(int first, int last, rt::Colour c) {
  const auto& P = m_shapes.Pts;
  m_surface.pset(P[size_t(first)].x, P[size_t(first)].y, c);
  for (int i = first + 1; i <= last; ++i) m_surface.lineTo(P[size_t(i)].x, P[size_t(i)].y, c);
  m_surface.lineTo(P[size_t(first)].x, P[size_t(first)].y, c);
}

void LeverScreen::drawEffortArrow() {
  m_surface.setDrawWidth(2);
  m_shapes.buildArrow(m_lever.values.DEffort, m_lever.PixPerUnit, m_lever.LeverClass);
  m_shapes.rotate(m_shapes.ArrowFirst, m_shapes.ArrowLast, m_lever.Theta);
  m_surface.setForeColor(rt::palette::kCyan);
  arrowPath(m_shapes.ArrowFirst, m_shapes.ArrowLast, rt::palette::kCyan);
  m_surface.setDrawWidth(1);
}

void LeverScreen::eraseEffortArrow() {
  m_surface.setDrawWidth(2);
  arrowPath(m_shapes.ArrowFirst, m_shapes.ArrowLast, back());
  m_surface.setDrawWidth(1);
}

void LeverScreen::clearAboveLever() { m_surface.filledBox(0, 0, 319, 60, back()); }
void LeverScreen::clearBelowLever() { m_surface.filledBox(0, 63, 319, 80, back()); }
void LeverScreen::clearLeverArea() { m_surface.filledBox(0, 0, 319, 80, back()); }

void LeverScreen::redrawMovingShapes() {
  eraseLever();
  eraseLoad();
  eraseEffortArrow();
  drawLever();
  drawLoad();
  drawEffortArrow();
}

DimensionInk LeverScreen::dimensionInk() {
  // Each arrowhead starts with a dot in the fore colour, each digit with one in magenta.
  return {.penHolder = m_surface,
          .pen = rt::palette::kWhite,
          .width = std::nullopt,
          .gap = back(),
          .dotAtStart = true,
          .digitColour = rt::palette::kMagenta,
          .point = rt::palette::kMagenta,
          .pointStroke = {},
          .setColour = [this](int n) { setColor(n); }};
}

void LeverScreen::drawDigit(int16_t d, int16_t x, int16_t y) { drawVectorDigit(m_surface, dimensionInk(), d, x, y); }

void LeverScreen::drawDimensions() {
  const DimensionHeights heights = dimensionHeights(m_lever.LeverClass);
  EffY = heights.effort;
  LoadY = heights.load;
  drawDimensionMarks(m_surface, dimensionInk(), m_lever, m_shapes);
}

void LeverScreen::prepareEffortView() {
  const LeverValues& v = m_lever.values;
  const LeverShapes& s = m_shapes;
  m_surface.filledBox(1, 1, 318, 32, back());
  m_surface.line(s.FulcrumX, 3, s.FulcrumX, 56, back());
  if (v.LeverLoad > 0) m_surface.line(s.LoadX, LoadY - 7, s.LoadX, 33, back());
  m_surface.line(s.EffortX, EffY - 7, s.EffortX, 36, back());
  // The load box's edge and the arrow, where the removed extension lines crossed them.
  if (v.LeverLoad > 0) loadOutline(rt::palette::kMagenta);
  if (m_lever.LeverClass == 1)
    arrowPath(kDownArrowFirst, kDownArrowLast, rt::palette::kCyan);
  else
    arrowPath(kUpArrowFirst, kUpArrowLast, rt::palette::kCyan);
  m_surface.filledBox(1, 66, 318, 78, back());
  drawFulcrum();
}

}  // namespace levers
