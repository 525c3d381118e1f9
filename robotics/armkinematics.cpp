#include "robotics/armkinematics.h"

#include <cmath>

namespace robotics {

double angleOf(float y, float x) {
  if (y == 0) return x < 0 ? rt::phys::kPi : 0.0;
  if (x == 0) return (y > 0 ? 1 : -1) * rt::phys::kPi / 2;
  // The quotient is taken in single precision, as both arguments are singles.
  const float q = y / x;
  double a = std::atan(double(q));
  if (x < 0) a += (y > 0 ? 1 : -1) * rt::phys::kPi;
  return a;
}

int16_t roundEven(double x) {
  // The default rounding mode gives exact halves to the even neighbour.
  const double r = std::nearbyint(x);
  if (!(r >= -32768.0)) return -32768;
  if (r > 32767.0) return 32767;
  return int16_t(r);
}

ArmPosition computeArmPosition(int16_t L1, int16_t L2, int16_t A1, int16_t A2) {
  ArmPosition p;
  p.ElbowX = float(L1 * std::cos(A1 * kDegToRad));
  p.ElbowY = float(L1 * std::sin(A1 * kDegToRad));
  const auto sum = int16_t(A1 + A2);
  p.HandX = float(double(p.ElbowX) + L2 * std::cos(sum * kDegToRad));
  p.HandY = float(double(p.ElbowY) + L2 * std::sin(sum * kDegToRad));
  return p;
}

namespace {

// The cosine of the elbow angle for a point and, when the point is within reach, the
// quantity under the square root of its sine (never negative then).
struct ElbowCosine {
  float c2;
  double underRoot;
};

ElbowCosine elbowCosine(float X, float Y, int16_t L1, int16_t L2) {
  const double num = double(Y) * double(Y) + double(X) * double(X) - double(L1) * L1 - double(L2) * L2;
  const auto c2 = float(num / double(2 * L1 * L2));
  return {c2, 1.0 - double(c2) * double(c2)};
}

}  // namespace

bool canReachPoint(float x, float y, int16_t L1, int16_t L2) {
  if (L1 <= 0 || L2 <= 0) return false;
  const ElbowCosine e = elbowCosine(x, y, L1, L2);
  // Outside the ring the square root would be of a negative number (and NaN never reaches).
  return e.underRoot >= 0;
}

int16_t reduceTurn(int d) {
  if (d > 180) return int16_t(d - 360);
  if (d < -180) return int16_t(d + 360);
  return int16_t(d);
}

int16_t wrapAngle(int a) {
  if (a > 180) return int16_t(a - 360);
  if (a < -180) return int16_t(a + 360);
  return int16_t(a);
}

std::optional<JointSolution> solveJointAngles(float X, float Y, int16_t L1, int16_t L2, const ElbowRule& rule) {
  if (!canReachPoint(X, Y, L1, L2)) return std::nullopt;
  const ElbowCosine e = elbowCosine(X, Y, L1, L2);
  const float c2 = e.c2;
  const auto s2 = float(std::sqrt(e.underRoot));

  float A2 = 0;
  switch (rule.ElbowChoice) {
    case 1: A2 = float(angleOf(-s2, c2)); break;
    case 2: {
      const auto a = float(angleOf(s2, c2));
      const auto b = float(angleOf(-s2, c2));
      // The two candidates as changes from the present elbow angle, the short way round.
      const int16_t da = reduceTurn(roundEven(a / kDegToRad - rule.PresentA2));
      const int16_t db = reduceTurn(roundEven(b / kDegToRad - rule.PresentA2));
      bool takeA = false;
      if (rule.Direction2 == 0)
        takeA = da < db;
      else if (rule.Direction2 == 1)
        takeA = da >= db;
      else
        takeA = std::abs(da) < std::abs(db);
      A2 = takeA ? a : b;
      break;
    }
    default: A2 = float(angleOf(s2, c2)); break;
  }
  const auto sy = float(L2 * std::sin(double(A2)));
  const auto sx = float(L1 + L2 * std::cos(double(A2)));
  const auto A1 = float(angleOf(Y, X) - angleOf(sy, sx));
  return JointSolution{A1, A2};
}

int16_t snapAngle(int16_t a, int16_t resolution) {
  if (resolution <= 0) return a;
  return int16_t(roundEven(double(a) / resolution) * resolution);
}

}  // namespace robotics
