#include "levers/dimensions.h"

#include <algorithm>
#include <cmath>

#include "runtime/convert.h"

namespace levers {

const VectorDigit* vectorDigit(int d) {
  static const VectorDigit kDigits[10] = {
      {0, 1, "erfd4glhu4"},       {0, 1, "ed6lr2"},       {0, 1, "erfdglgd2r3"},  {0, 1, "erfdglrfdglh"},
      {0, 0, "d3r3u3d6"},         {3, 0, "l3d3r2fdglh"},  {3, 1, "hlgd4freuhl2"}, {0, 0, "r3d3g3"},
      {0, 1, "erfdgfdglhuerlhu"}, {0, 5, "freu4hlgdfr2"},
  };
  return d >= 0 && d <= 9 ? &kDigits[d] : nullptr;
}

DimensionPlan planDimension(int16_t y, float a, float b, float v, double g) {
  DimensionPlan p;
  p.y = y;
  p.width = std::abs(v) == 10 ? 18 : 14;
  p.right = std::max(a, b);
  p.left = std::min(a, b);
  p.room = std::abs(a - b) >= p.width + 8;
  if (p.room) {
    // The heads sit inside the span and point at the extension lines; the number stands in a
    // gap in the middle of the line.
    p.rightHead = {p.right - 1, float(y), "h3f3g3"};
    p.leftHead = {p.left + 1, float(y), "e3g3f3"};
    const float middle = (a + b) / 2;
    p.x0 = rt::roundToInt16(double(middle) - p.width / 2.0 + 1);
    p.anchor = int16_t(p.x0 - 5 + p.width);
  } else {
    // Too short for the number: heads outside the span, pointing in, each with a tail, and the
    // number to the left.
    p.rightHead = {p.right + 1, float(y), "r6l6e3g3f3"};
    p.leftHead = {p.left - 1, float(y), "l6r6h3f3g3"};
    p.anchor = rt::roundToInt16(p.left - 12);
  }

  // The value to tenths: its magnitude, scaled in single precision, plus the guard.
  const float scaled = std::abs(v) * 10;
  double tenths = rt::roundDown(double(scaled) + g);
  // Positions and distances never exceed 10; a wider value shows its last three digits.
  tenths = std::clamp(tenths, 0.0, 32767.0);
  p.tenths = int16_t(tenths);
  const int sign = v > 0 ? 1 : v < 0 ? -1 : 0;
  p.rounded = float(sign * p.tenths / 10.0);

  const int16_t top = int16_t(y - 3);
  p.digits.push_back({int16_t(p.tenths % 10), p.anchor, top});
  // Values below 1 show a leading 0.
  p.digits.push_back({int16_t(p.tenths / 10 % 10), int16_t(p.anchor - 7), top});
  if (p.tenths >= 100) p.digits.push_back({int16_t(p.tenths / 100 % 10), int16_t(p.anchor - 11), top});
  p.pointX = float(p.anchor - 2);
  p.pointY = float(y + 3);
  return p;
}

}  // namespace levers
