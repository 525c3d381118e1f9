#include "levers/levergeometry.h"

#include <cmath>

#include "runtime/convert.h"

namespace levers {

void LeverShapes::setBarBase() {
  BasePts[1] = {40, 59};
  BasePts[2] = {40, 63};
  BasePts[3] = {279, 59};
  BasePts[4] = {279, 63};
}

void LeverShapes::placeFulcrum(float FulcrumPos, float PixPerUnit) { FulcrumX = 40 + FulcrumPos * PixPerUnit; }

void LeverShapes::buildLoad(float DLoad, float PixPerUnit) {
  LoadX = FulcrumX + DLoad * PixPerUnit;
  const int16_t x0 = rt::roundToInt16(LoadX - 16);
  BasePts[5] = {x0, 32};
  BasePts[6] = {int16_t(x0 + 31), 32};
  BasePts[7] = {x0, 58};
  BasePts[8] = {int16_t(x0 + 31), 58};
}

void LeverShapes::buildArrow(float DEffort, float PixPerUnit, int16_t LeverClass) {
  EffortX = FulcrumX + DEffort * PixPerUnit;
  if (LeverClass == 1) {
    // Pointing down, its tip at (EffortX, 58) just above the bar.
    const int16_t X = rt::roundToInt16(EffortX + 2);
    BasePts[16] = {X, 35};
    BasePts[17] = {X, 51};
    BasePts[18] = {int16_t(X + 4), 51};
    BasePts[19] = {int16_t(X - 2), 58};
    BasePts[20] = {int16_t(X - 8), 51};
    BasePts[21] = {int16_t(X - 4), 51};
    BasePts[22] = {int16_t(X - 4), 35};
    ArrowFirst = kDownArrowFirst;
    ArrowLast = kDownArrowLast;
  } else {
    // Pointing up, its tip at (EffortX, 35).
    const int16_t X = rt::roundToInt16(EffortX - 2);
    BasePts[9] = {X, 58};
    BasePts[10] = {X, 42};
    BasePts[11] = {int16_t(X - 4), 42};
    BasePts[12] = {int16_t(X + 2), 35};
    BasePts[13] = {int16_t(X + 8), 42};
    BasePts[14] = {int16_t(X + 4), 42};
    BasePts[15] = {int16_t(X + 4), 58};
    ArrowFirst = kUpArrowFirst;
    ArrowLast = kUpArrowLast;
  }
}

Pt rotatePoint(Pt base, float pivotX, float theta) {
  // The trigonometric values are double; the offsets keep their single and integer types.
  const double c = std::cos(double(theta)), s = std::sin(double(theta));
  const float dx = base.x - pivotX;
  const int dy = base.y - kPivotY;
  const double x = dx * c + dy * s + pivotX;
  const double y = (-dx * s + dy * c) * 5 / 6 + kPivotY;
  return {rt::roundToInt16(x), rt::roundToInt16(y)};
}

void LeverShapes::rotate(int first, int last, float theta) {
  for (int i = first; i <= last; ++i) Pts[size_t(i)] = rotatePoint(BasePts[size_t(i)], FulcrumX, theta);
}

}  // namespace levers
