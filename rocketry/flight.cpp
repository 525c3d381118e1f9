#include "rocketry/flight.h"

#include <algorithm>
#include <cmath>

#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "runtime/physics.h"

namespace rocketry {

// The arithmetic below is double, as the products gravity takes part in: a value is rounded
// to single precision where it is stored, as the read-outs expect.

namespace {
// Half of gravity, for the distance fallen: 4.905 m/s² (halving is exact, so this is the same
// double as the literal 4.905).
constexpr double kHalfGravity = rt::phys::kGravityM / 2;
}  // namespace

FlightEvents::~FlightEvents() = default;

Units unitsFor(int index) {
  if (index == 0) return {0.03527f, float(1 / 0.3048), "ft/s", "ft", "Mass (oz)"};
  return {1.0f, 1.0f, "m/s", "m", "Mass (g)"};
}

MassRange massLimits(float thrust) {
  return {rt::roundToInt16(double(thrust) * 200 / rt::phys::kGravityM),
          rt::roundToInt16(double(thrust) * 700 / rt::phys::kGravityM)};
}

std::optional<float> massForThrust(float thrust, float mass) {
  const float w = float(double(mass) * rt::phys::kGravityM / 1000);
  if (0.2 * double(thrust) > double(w)) return float(double(thrust) * 200 / rt::phys::kGravityM);
  if (0.7 * double(thrust) < double(w)) return float(double(thrust) * 700 / rt::phys::kGravityM);
  return std::nullopt;
}

int barValue(float value, float scale, int min, int max) {
  const double v = double(value) * double(scale);
  if (!(v >= min)) return min;  // below the range, or not a number at all
  if (v >= max) return max;
  return rt::roundToInt16(v);
}

std::string tenthsText(float value) { return rt::formatNumber(double(value), "###0.0"); }

void Flight::computeFlight() {
  DescentSpeed = ChuteLimit;
  const float tb = m_settings.RocketBurnTime;
  Weight = float(double(m_settings.RocketMass) * rt::phys::kGravityM / 1000);
  ThrustRatio = m_settings.RocketThrust / Weight;
  BurnoutSpeed = float(double(ThrustRatio - 1) * rt::phys::kGravityM * double(tb));
  BurnoutAltitude = float(double(tb * tb * (ThrustRatio - 1)) * kHalfGravity);
  ApogeeTime = float(double(BurnoutSpeed) / rt::phys::kGravityM + double(tb));
  MaxAltitude = float(double(BurnoutSpeed * BurnoutSpeed) * 0.5 / rt::phys::kGravityM + double(BurnoutAltitude));

  // Free fall from the top all the way down: when does it reach the ground, how fast?
  const float tg = float(double(ApogeeTime) + std::sqrt(2 * double(MaxAltitude) / rt::phys::kGravityM));
  FlightTime = tg;
  const float vi = float(double(tg - ApogeeTime) * -rt::phys::kGravityM);
  if (vi < ChuteLimit) {
    // The fall reaches the limit in the air: a steady descent follows.
    DescentTime = float(double(ApogeeTime) - double(ChuteLimit) / rt::phys::kGravityM);
    DescentAltitude = float(double(MaxAltitude) - double(ChuteLimit * ChuteLimit) * 0.5 / rt::phys::kGravityM);
    FlightTime = DescentTime - DescentAltitude / ChuteLimit;
    DescentSpeed = ChuteLimit;
  } else {
    // The rocket lands before it falls that fast.
    DescentTime = tg;
    DescentAltitude = 0;
    DescentSpeed = vi;
  }
}

FlightResults Flight::results(const Units& u) const {
  FlightResults r;
  r.maxSpeed = rt::formatNumber(double(u.LengthFactor * BurnoutSpeed), "####0") + " " + u.SpeedUnit;
  r.maxAltitude = rt::formatNumber(double(u.LengthFactor * MaxAltitude), "####0") + " " + u.LengthUnit;
  r.apogeeTime = rt::formatNumber(double(ApogeeTime), "###0.0") + " s";
  r.descentSpeed = rt::formatNumber(double(u.LengthFactor * DescentSpeed), "####0") + " " + u.SpeedUnit;
  r.descentTime = rt::formatNumber(double(DescentTime), "###0.0") + " s";
  r.flightTime = rt::formatNumber(double(FlightTime), "###0.0") + " s";
  return r;
}

void Flight::resetState() {
  NetForce = m_settings.RocketThrust - Weight;
  Phase = 1;
  FlightClock = 0;
  Velocity = 0;
  Altitude = 0;
}

void Flight::updateFlight(FlightEvents& events) {
  const float t = FlightClock;
  const float tb = m_settings.RocketBurnTime;
  // One call may pass more than one phase: each block hands over to the next at once.
  if (Phase == 1) {
    if (t < tb) {
      Velocity = float(double(ThrustRatio - 1) * rt::phys::kGravityM * double(t));
      Altitude = float(double(t * t * (ThrustRatio - 1)) * kHalfGravity);
    } else {
      Phase = 0;
      events.burnOut();
      NetForce = -Weight;
      Velocity = float(double(ThrustRatio - 1) * rt::phys::kGravityM * double(tb));
      Altitude = float(double(tb * tb * (ThrustRatio - 1)) * kHalfGravity);
    }
  }
  if (Phase == 0) {
    if (t < DescentTime) {
      Velocity = float(double(BurnoutSpeed) - double(t - tb) * rt::phys::kGravityM);
      // Falling, the drag grows from nothing at the top to the whole weight when the
      // descent speed is reached.
      if (Velocity < 0) NetForce = ((t - ApogeeTime) / (DescentTime - ApogeeTime) - 1) * Weight;
      const float dt = t - tb;
      Altitude = float(double(dt * BurnoutSpeed + BurnoutAltitude) - double(dt * dt) * kHalfGravity);
      if (Silent == 0 && m_settings.RocketChute == 1 && !events.chuteVisible() && Velocity < 0) events.openChute();
    } else {
      Velocity = DescentSpeed;
      Phase = -1;
      NetForce = 0;
      Altitude = (t - DescentTime) * DescentSpeed + DescentAltitude;
    }
  }
  if (Phase == -1) {
    if (t < FlightTime) {
      Velocity = DescentSpeed;
      Altitude = (t - DescentTime) * DescentSpeed + DescentAltitude;
    } else {
      FlightClock = FlightTime;
      Altitude = 0;
      events.landed(Silent != 0);
    }
  }
}

}  // namespace rocketry
