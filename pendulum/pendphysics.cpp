#include "pendulum/pendphysics.h"

#include <cmath>

#include "runtime/convert.h"

namespace pend {

float DegToRad(float degrees) { return float(double(degrees) * kDegToRad); }

float RadToDeg(float radians) { return float(double(radians) / kDegToRad); }

float DampingFactor(float friction, float length, float mass) {
  const double rootGL = std::sqrt(double(phys::GravityCm / length));
  return float(double(friction) * rootGL * double(mass) * double(length) * double(length));
}

float Acceleration(float th, float w, float c, float length, float mass) {
  // The damping term stays in single precision; the sine comes back in double.
  const float damping = (-c * w) / (length * mass * length);
  const double gravity = double(phys::GravityCm) * std::sin(double(th)) / double(length);
  return float(double(damping) - gravity);
}

void MidpointStep(float& theta, float& omega, float c, float length, float mass, float dt) {
  const double h = dt;
  const float a1 = Acceleration(theta, omega, c, length, mass);
  const float thMid = float(double(theta) + double(omega) * h / 2);
  const float wMid = float(double(omega) + double(a1) * h / 2);
  const float a2 = Acceleration(thMid, wMid, c, length, mass);
  theta = float(double(theta) + double(wMid) * h);
  omega = float(double(omega) + double(a2) * h);
}

float PlotHalfAngle(float startAngle) {
  const float size = std::fabs(startAngle);
  return size >= 1.0f ? size : 1.0f;
}

float PhaseHalfSpeed(float startAngle, float length) {
  return float(double(PlotHalfAngle(startAngle)) * std::sqrt(double(phys::GravityCm / length)));
}

std::optional<BobPosition> BobAt(float length, float degrees) {
  const double radians = double(degrees) * kDegToRad;
  const double x = double(length) * std::sin(radians);
  const double y = -double(length) * std::cos(radians);
  const auto fits = [](double v) { return std::isfinite(v) && std::fabs(v) < 32767; };
  if (!fits(x) || !fits(y)) return std::nullopt;
  return BobPosition{rt::CInt(x), rt::CInt(y)};
}

}  // namespace pend
