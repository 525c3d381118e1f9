#include "pendulum/pendphysics.h"

#include <cmath>

#include "runtime/convert.h"

namespace pendulum {

float degToRad(float degrees) { return float(double(degrees) * kDegToRad); }

float radToDeg(float radians) { return float(double(radians) / kDegToRad); }

float dampingFactor(float friction, float length, float mass) {
  const double rootGL = std::sqrt(double(rt::phys::kGravityCm / length));
  return float(double(friction) * rootGL * double(mass) * double(length) * double(length));
}

float acceleration(float th, float w, float c, float length, float mass) {
  // The damping term stays in single precision; the sine comes back in double.
  const float damping = (-c * w) / (length * mass * length);
  const double gravity = double(rt::phys::kGravityCm) * std::sin(double(th)) / double(length);
  return float(double(damping) - gravity);
}

void midpointStep(float& theta, float& omega, float c, float length, float mass, float dt) {
  const double h = dt;
  const float a1 = acceleration(theta, omega, c, length, mass);
  const float thMid = float(double(theta) + double(omega) * h / 2);
  const float wMid = float(double(omega) + double(a1) * h / 2);
  const float a2 = acceleration(thMid, wMid, c, length, mass);
  theta = float(double(theta) + double(wMid) * h);
  omega = float(double(omega) + double(a2) * h);
}

float plotHalfAngle(float startAngle) {
  const float size = std::fabs(startAngle);
  return size >= 1.0f ? size : 1.0f;
}

float phaseHalfSpeed(float startAngle, float length) {
  return float(double(plotHalfAngle(startAngle)) * std::sqrt(double(rt::phys::kGravityCm / length)));
}

std::optional<BobPosition> bobAt(float length, float degrees) {
  const double radians = double(degrees) * kDegToRad;
  const double x = double(length) * std::sin(radians);
  const double y = -double(length) * std::cos(radians);
  const auto fits = [](double v) { return std::isfinite(v) && std::fabs(v) < 32767; };
  if (!fits(x) || !fits(y)) return std::nullopt;
  return BobPosition{rt::roundToInt16(x), rt::roundToInt16(y)};
}

}  // namespace pendulum
