#include "levers/leverscreen.h"

#include <vector>

#include "platform/drawmacro.h"
#include "platform/surface.h"
#include "runtime/convert.h"
#include "runtime/palette.h"

namespace levers {

LeverScreen::LeverScreen(plat::Surface& surface, Lever& lever, LeverShapes& shapes, const int16_t& topic)
    : m_s(surface), m_lever(lever), m_shapes(shapes), m_topic(topic) {}

void LeverScreen::setLogicalScreen() {
  m_s.setScaleMode(plat::ScaleMode::Pixels);
  PixX = float(m_s.scaleWidth());
  PixY = float(m_s.scaleHeight());
  m_s.setScale(0, 0, 319, 199);
  PixX = PixX / float(m_s.scaleWidth());
  PixY = PixY / float(m_s.scaleHeight());
}

rt::Colour LeverScreen::back() const { return m_s.backColor(); }

QPoint LeverScreen::device(float x, float y) const { return QPoint(rt::CInt(x * PixX), rt::CInt(y * PixY)); }

void LeverScreen::SetColor(int n) {
  if (n >= 0 && n <= 15) m_s.setForeColor(rt::QBColor(n));
}

void LeverScreen::DrawMacro(std::string_view s) {
  plat::drawMacro(m_s, s, [this](int n) { SetColor(n); });
}

void LeverScreen::Locate(int16_t row, int16_t column) { m_s.moveTo((column - 1) * 8, (row - 1) * 8); }

void LeverScreen::DrawScene() {
  // The frame, whose inside filled with the background clears the screen, and the divider.
  m_s.setDrawWidth(2);
  m_s.setFillStyle(plat::FillSolid);
  m_s.setFillColor(back());
  m_s.box(0, 0, 319, 199, Palette::Red);
  m_s.line(0, 105, 319, 105, Palette::Red);
  // The ground, cross-hatched.
  m_s.setDrawWidth(1);
  m_s.setFillStyle(plat::FillDiagonalCross);
  m_s.setFillColor(Palette::Green);
  m_s.box(1, 81, 318, 104, Palette::Green);
  if (m_topic == WorkTopic) m_s.filledBox(0, 105, 319, 199, Palette::LightYellow);
  DrawFulcrum();
  DrawLever();
  DrawLoad();
  DrawEffortArrow();
}

void LeverScreen::polygonOfPoints(std::initializer_list<int> numbers) {
  std::vector<QPoint> pts;
  for (int i : numbers) {
    const Pt& p = m_shapes.Pts[size_t(i)];
    pts.push_back(device(p.x, p.y));
  }
  m_s.polygon(pts);
}

void LeverScreen::fulcrumPolygon() {
  const float x = m_shapes.FulcrumX;
  m_s.setFillStyle(plat::FillSolid);
  m_s.polygon({device(x, kPivotY), device(x - 8, 80), device(x + 8, 80)});
}

void LeverScreen::DrawFulcrum() {
  m_shapes.placeFulcrum(m_lever.v.FulcrumPos, m_lever.PixPerUnit);
  m_s.setForeColor(Palette::Red);
  m_s.setFillColor(Palette::Red);
  fulcrumPolygon();
}

void LeverScreen::EraseFulcrum() {
  m_s.setForeColor(back());
  m_s.setFillColor(back());
  fulcrumPolygon();
}

void LeverScreen::DrawLever() {
  m_shapes.rotate(kBarFirst, kBarLast, m_lever.Theta);
  m_s.setForeColor(Palette::Yellow);
  m_s.setFillColor(Palette::LightGrey);
  m_s.setFillStyle(plat::FillSolid);
  polygonOfPoints({1, 2, 4, 3});
}

void LeverScreen::EraseLever() {
  m_s.setForeColor(back());
  m_s.setFillColor(back());
  m_s.setFillStyle(plat::FillSolid);
  polygonOfPoints({1, 2, 4, 3});
}

void LeverScreen::loadOutline(rt::Colour c) {
  const auto& P = m_shapes.Pts;
  m_s.line(P[5].x, P[5].y, P[6].x, P[6].y, c);
  m_s.lineTo(P[8].x, P[8].y, c);
  m_s.lineTo(P[7].x, P[7].y, c);
  m_s.lineTo(P[5].x, P[5].y, c);
}

void LeverScreen::DrawLoad() {
  // The corner points are kept even without a load, so erasing always has a place.
  m_shapes.buildLoad(m_lever.v.DLoad, m_lever.PixPerUnit);
  m_shapes.rotate(kLoadFirst, kLoadLast, m_lever.Theta);
  if (!(m_lever.v.LeverLoad > 0)) return;
  loadOutline(Palette::Magenta);
  m_s.setForeColor(Palette::White);
  m_s.setFillColor(Palette::Magenta);
  m_s.setFillStyle(plat::FillSolid);
  polygonOfPoints({5, 6, 8, 7});
}

void LeverScreen::EraseLoad() {
  // The box was drawn as an outline of lines under a polygon; lines and polygon do not cover
  // quite the same pixels along a slanted edge, so both are drawn again in the background.
  loadOutline(back());
  m_s.setForeColor(back());
  m_s.setFillColor(back());
  m_s.setFillStyle(plat::FillSolid);
  polygonOfPoints({5, 6, 8, 7});
}

void LeverScreen::arrowPath(int first, int last, rt::Colour c) {
  const auto& P = m_shapes.Pts;
  m_s.pset(P[size_t(first)].x, P[size_t(first)].y, c);
  for (int i = first + 1; i <= last; ++i) m_s.lineTo(P[size_t(i)].x, P[size_t(i)].y, c);
  m_s.lineTo(P[size_t(first)].x, P[size_t(first)].y, c);
}

void LeverScreen::DrawEffortArrow() {
  m_s.setDrawWidth(2);
  m_shapes.buildArrow(m_lever.v.DEffort, m_lever.PixPerUnit, m_lever.LeverClass);
  m_shapes.rotate(m_shapes.ArrowFirst, m_shapes.ArrowLast, m_lever.Theta);
  m_s.setForeColor(Palette::Cyan);
  arrowPath(m_shapes.ArrowFirst, m_shapes.ArrowLast, Palette::Cyan);
  m_s.setDrawWidth(1);
}

void LeverScreen::EraseEffortArrow() {
  m_s.setDrawWidth(2);
  arrowPath(m_shapes.ArrowFirst, m_shapes.ArrowLast, back());
  m_s.setDrawWidth(1);
}

void LeverScreen::ClearAboveLever() { m_s.filledBox(0, 0, 319, 60, back()); }
void LeverScreen::ClearBelowLever() { m_s.filledBox(0, 63, 319, 80, back()); }
void LeverScreen::ClearLeverArea() { m_s.filledBox(0, 0, 319, 80, back()); }

void LeverScreen::RedrawMovingShapes() {
  EraseLever();
  EraseLoad();
  EraseEffortArrow();
  DrawLever();
  DrawLoad();
  DrawEffortArrow();
}

DimensionInk LeverScreen::dimensionInk() {
  // Each arrowhead starts with a dot in the fore colour, each digit with one in magenta.
  return {.penHolder = m_s,
          .pen = Palette::White,
          .width = std::nullopt,
          .gap = back(),
          .dotAtStart = true,
          .digitColour = Palette::Magenta,
          .point = Palette::Magenta,
          .pointStroke = {},
          .setColour = [this](int n) { SetColor(n); }};
}

void LeverScreen::DrawDigit(int16_t d, int16_t x, int16_t y) { drawVectorDigit(m_s, dimensionInk(), d, x, y); }

void LeverScreen::DrawDimensions() {
  const DimensionHeights heights = dimensionHeights(m_lever.LeverClass);
  EffY = heights.effort;
  LoadY = heights.load;
  drawDimensionMarks(m_s, dimensionInk(), m_lever, m_shapes);
}

void LeverScreen::PrepareEffortView() {
  const LeverValues& v = m_lever.v;
  const LeverShapes& s = m_shapes;
  m_s.filledBox(1, 1, 318, 32, back());
  m_s.line(s.FulcrumX, 3, s.FulcrumX, 56, back());
  if (v.LeverLoad > 0) m_s.line(s.LoadX, LoadY - 7, s.LoadX, 33, back());
  m_s.line(s.EffortX, EffY - 7, s.EffortX, 36, back());
  // The load box's edge and the arrow, where the removed extension lines crossed them.
  if (v.LeverLoad > 0) loadOutline(Palette::Magenta);
  if (m_lever.LeverClass == 1)
    arrowPath(kDownArrowFirst, kDownArrowLast, Palette::Cyan);
  else
    arrowPath(kUpArrowFirst, kUpArrowLast, Palette::Cyan);
  m_s.filledBox(1, 66, 318, 78, back());
  DrawFulcrum();
}

}  // namespace levers
