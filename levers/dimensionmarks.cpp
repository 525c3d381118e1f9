#include "levers/dimensionmarks.h"

#include "levers/dimensions.h"
#include "levers/lever.h"
#include "levers/levergeometry.h"
#include "platform/drawmacro.h"
#include "platform/surface.h"

namespace levers {

namespace {

// The pen to a stroke's start, with a dot there when the ink asks for one.
void startAt(plat::Surface& target, const DimensionInk& ink, float x, float y,
             std::optional<rt::Colour> dot = std::nullopt) {
  if (ink.dotAtStart)
    target.pset(x, y, dot);
  else
    target.moveTo(x, y);
}

// One dimension at height y between the ends a and b; returns the value rounded to tenths.
float drawDimension(plat::Surface& target, const DimensionInk& ink, int16_t y, float a, float b, float v,
                    double guard) {
  const DimensionPlan plan = planDimension(y, a, b, v, guard);
  if (plan.room) target.line(a, y, b, y);
  startAt(target, ink, plan.rightHead.x, plan.rightHead.y);
  plat::drawMacro(target, plan.rightHead.macro, ink.setColour);
  startAt(target, ink, plan.leftHead.x, plan.leftHead.y);
  plat::drawMacro(target, plan.leftHead.macro, ink.setColour);
  if (plan.room) target.filledBox(plan.x0 - 1, y - 3, plan.x0 + plan.width, y + 3, ink.gap);
  const PlacedDigit& tenths = plan.digits[0];
  drawVectorDigit(target, ink, tenths.digit, tenths.x, tenths.y);
  target.pset(plan.pointX, plan.pointY, ink.point);
  if (!ink.pointStroke.empty()) plat::drawMacro(target, ink.pointStroke, ink.setColour);
  for (size_t i = 1; i < plan.digits.size(); ++i)
    drawVectorDigit(target, ink, plan.digits[i].digit, plan.digits[i].x, plan.digits[i].y);
  return plan.rounded;
}

}  // namespace

DimensionHeights dimensionHeights(int16_t leverClass) {
  if (leverClass == 3) return {25, 10};
  return {10, 25};
}

void drawVectorDigit(plat::Surface& target, const DimensionInk& ink, int16_t d, int16_t x, int16_t y) {
  if (ink.digitColour) target.setForeColor(*ink.digitColour);
  const VectorDigit* g = vectorDigit(d);
  if (!g) return;
  startAt(target, ink, x + g->dx, y + g->dy, ink.digitColour);
  plat::drawMacro(target, g->macro, ink.setColour);
}

void drawDimensionMarks(plat::Surface& target, const DimensionInk& ink, Lever& lever, const LeverShapes& shapes) {
  LeverValues& v = lever.values;
  const LeverShapes& s = shapes;
  const DimensionHeights h = dimensionHeights(lever.LeverClass);
  if (ink.width) target.setDrawWidth(*ink.width);
  // Extension lines.
  ink.penHolder.setForeColor(ink.pen);
  target.line(s.FulcrumX, 3, s.FulcrumX, 56);
  if (v.LeverLoad > 0) target.line(s.LoadX, h.load - 7, s.LoadX, 33);
  target.line(s.EffortX, h.effort - 7, s.EffortX, 36);
  target.line(kLeverLeft, 66, kLeverLeft, 78);
  target.line(s.FulcrumX, 66, s.FulcrumX, 78);

  v.DEffort = drawDimension(target, ink, h.effort, s.FulcrumX, s.EffortX, v.DEffort, 0.005);
  ink.penHolder.setForeColor(ink.pen);
  if (v.LeverLoad > 0) v.DLoad = drawDimension(target, ink, h.load, s.FulcrumX, s.LoadX, v.DLoad, 0.05);
  ink.penHolder.setForeColor(ink.pen);
  v.FulcrumPos = drawDimension(target, ink, 72, s.FulcrumX, kLeverLeft, v.FulcrumPos, 0.005);
  if (ink.width) target.setDrawWidth(1);
}

}  // namespace levers
