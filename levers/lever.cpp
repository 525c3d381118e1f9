#include "levers/lever.h"

#include <algorithm>
#include <cmath>

#include "runtime/convert.h"
#include "runtime/physics.h"

namespace levers {

void Lever::setConstants() {
  MaxTilt = float(11 * rt::phys::kPi / 180);  // 11 degrees
  Dt = 0.2f;
  Damping = 1.0f;
  PixPerUnit = float(240.0 / 10);
}

void Lever::classifyLever() {
  if (values.DLoad * values.DEffort < 0) {
    LeverClass = 1;
    ClassText = "1st";
  } else if (std::abs(values.DLoad) >= std::abs(values.DEffort)) {
    // Equal distances, and an effort at the fulcrum, count as the third class.
    LeverClass = 3;
    ClassText = "3rd";
  } else {
    LeverClass = 2;
    ClassText = "2nd";
  }
}

// A bar's whole value divided by 10 is a double; the difference is stored single.
void Lever::moveFulcrum(int fulcrumBar, int effortBar, int loadBar) {
  values.FulcrumPos = float(fulcrumBar / 10.0);
  values.DEffort = float(effortBar / 10.0 - double(values.FulcrumPos));
  values.DLoad = float(loadBar / 10.0 - double(values.FulcrumPos));
}

void Lever::moveEffort(int effortBar) { values.DEffort = float(effortBar / 10.0 - double(values.FulcrumPos)); }

void Lever::moveLoad(int loadBar) { values.DLoad = float(loadBar / 10.0 - double(values.FulcrumPos)); }

namespace {
// A position in 0..10; not-a-number counts as 0.
float clampPosition(float p) {
  if (std::isnan(p)) return 0.0f;
  return std::clamp(p, 0.0f, 10.0f);
}
}  // namespace

void Lever::clampLoadedValues() {
  // The absolute positions as the file put them, each kept where it lies when it is in range.
  const float fulcrum = values.FulcrumPos;
  const float effortAt = values.FulcrumPos + values.DEffort;
  const float loadAt = values.FulcrumPos + values.DLoad;
  const bool fulcrumMoved = !(fulcrum >= 0.0f && fulcrum <= 10.0f);
  if (fulcrumMoved) values.FulcrumPos = clampPosition(fulcrum);
  if (fulcrumMoved || !(effortAt >= 0.0f && effortAt <= 10.0f) || std::isnan(values.DEffort))
    values.DEffort = clampPosition(effortAt) - values.FulcrumPos;
  if (fulcrumMoved || !(loadAt >= 0.0f && loadAt <= 10.0f) || std::isnan(values.DLoad))
    values.DLoad = clampPosition(loadAt) - values.FulcrumPos;

  const float load = values.LeverLoad;
  if (!(load >= 0.0f && load <= 200.0f && load == std::floor(load))) {
    const float inRange = std::isnan(load) ? 0.0f : std::clamp(load, 0.0f, 200.0f);
    values.LeverLoad = float(rt::roundToInt16(inRange));
  }
}

void Lever::computeTiltLimits() {
  // The left part is a logical pixels long; the lever's left end touches the ground when it
  // has dropped 20 pixels: sin = 20 / a, or Atn(20 / Sqr(a^2 - 400)).
  const float a = values.FulcrumPos * PixPerUnit;
  if (a > 20) {
    const double f = values.FulcrumPos, p = PixPerUnit;
    ThetaMax = float(std::atan(20.0 / std::sqrt(p * p * (f * f) - 400.0)));
    if (ThetaMax > MaxTilt) ThetaMax = MaxTilt;
  } else {
    ThetaMax = MaxTilt;
  }
  const float b = (10 - values.FulcrumPos) * PixPerUnit;
  if (b > 20) {
    const double r = 10 - values.FulcrumPos, p = PixPerUnit;
    ThetaMin = float(-std::atan(20.0 / std::sqrt(p * p * (r * r) - 400.0)));
    if (ThetaMin < -MaxTilt) ThetaMin = -MaxTilt;
  } else {
    ThetaMin = -MaxTilt;
  }
}

int Lever::startRotation() {
  computeTiltLimits();
  // The lever starts resting on the side of its load; a load at the fulcrum starts right end
  // down.
  Theta = values.DLoad < 0 ? ThetaMax : ThetaMin;
  Omega = 0;
  Inertia = values.LeverLoad * values.DLoad * values.DLoad;
  if (Inertia < 1) Inertia = 1;
  LastDeg = wholeDegrees(Theta);
  return rt::roundToInt16(Dt * 1000);
}

float Lever::wholeDegrees(float theta) {
  const float scaled = theta * 180;
  return float(rt::roundTowardZero(double(scaled) / rt::phys::kPi));
}

int Lever::rotationStep(rt::TickClock& clock, RotationHooks& hooks) {
  const uint32_t t0 = clock.ticks();

  // The effort pushes down in the first class and pulls up in the other two; a load right of
  // the fulcrum turns the right part down (negative torque).
  const float s = LeverClass == 1 ? -1.0f : 1.0f;
  const float T = s * AEffort * values.DEffort - values.DLoad * values.LeverLoad;
  // The Theta term pulls the lever back toward level, the Omega term damps the swing. The
  // acceleration comes from the state before this step.
  float A = T / Inertia - (Omega / 2 + Theta) * Damping;
  Theta = Theta + Omega * Dt;
  if (Theta < ThetaMin) {
    Theta = ThetaMin;
    Omega = 0;
    A = 0;
  }
  if (Theta > ThetaMax) {
    Theta = ThetaMax;
    Omega = 0;
    A = 0;
  }
  Omega = Omega + A * Dt;

  // Only a change of whole degrees is drawn, once however many degrees the step crossed.
  if (wholeDegrees(Theta) != LastDeg) {
    hooks.click();
    // Inside one degree of level the lever snaps level; its speed is kept.
    if (wholeDegrees(Theta) == 0) Theta = 0;
    hooks.redraw();
    LastDeg = wholeDegrees(Theta);
  }

  const uint32_t elapsed = rt::elapsedMs(t0, clock.ticks());
  const float period = Dt * 1000;
  if (period <= double(elapsed)) return 1;
  return int(rt::roundToInt32(double(period) - double(elapsed)));
}

}  // namespace levers
