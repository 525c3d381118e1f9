#include "rocketry/flight.h"

#include <algorithm>
#include <cmath>

#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "runtime/physics.h"

namespace rocket {

// The arithmetic below is double, as the products gravity takes part in: a value is rounded
// to single precision where it is stored, as the read-outs expect.

namespace {
// Half of gravity, for the distance fallen: 4.905 m/s² (halving is exact, so this is the same
// double as the literal 4.905).
constexpr double kHalfGravity = phys::GravityM / 2;
}  // namespace

FlightEvents::~FlightEvents() = default;

Units UnitsFor(int index) {
  if (index == 0) return {0.03527f, float(1 / 0.3048), "ft/s", "ft", "Mass (oz)"};
  return {1.0f, 1.0f, "m/s", "m", "Mass (g)"};
}

MassRange MassLimits(float thrust) {
  return {rt::CInt(double(thrust) * 200 / phys::GravityM), rt::CInt(double(thrust) * 700 / phys::GravityM)};
}

std::optional<float> MassForThrust(float thrust, float mass) {
  const float w = float(double(mass) * phys::GravityM / 1000);
  if (0.2 * double(thrust) > double(w)) return float(double(thrust) * 200 / phys::GravityM);
  if (0.7 * double(thrust) < double(w)) return float(double(thrust) * 700 / phys::GravityM);
  return std::nullopt;
}

int BarValue(float value, float scale, int min, int max) {
  const double v = double(value) * double(scale);
  if (!(v >= min)) return min;  // below the range, or not a number at all
  if (v >= max) return max;
  return rt::CInt(v);
}

std::string TenthsText(float value) { return rt::Format(double(value), "###0.0"); }

void Flight::ComputeFlight() {
  DescentSpeed = ChuteLimit;
  const float tb = m_s.RocketBurnTime;
  Weight = float(double(m_s.RocketMass) * phys::GravityM / 1000);
  ThrustRatio = m_s.RocketThrust / Weight;
  BurnoutSpeed = float(double(ThrustRatio - 1) * phys::GravityM * double(tb));
  BurnoutAltitude = float(double(tb * tb * (ThrustRatio - 1)) * kHalfGravity);
  ApogeeTime = float(double(BurnoutSpeed) / phys::GravityM + double(tb));
  MaxAltitude = float(double(BurnoutSpeed * BurnoutSpeed) * 0.5 / phys::GravityM + double(BurnoutAltitude));

  // Free fall from the top all the way down: when does it reach the ground, how fast?
  const float tg = float(double(ApogeeTime) + std::sqrt(2 * double(MaxAltitude) / phys::GravityM));
  FlightTime = tg;
  const float vi = float(double(tg - ApogeeTime) * -phys::GravityM);
  if (vi < ChuteLimit) {
    // The fall reaches the limit in the air: a steady descent follows.
    DescentTime = float(double(ApogeeTime) - double(ChuteLimit) / phys::GravityM);
    DescentAltitude = float(double(MaxAltitude) - double(ChuteLimit * ChuteLimit) * 0.5 / phys::GravityM);
    FlightTime = DescentTime - DescentAltitude / ChuteLimit;
    DescentSpeed = ChuteLimit;
  } else {
    // The rocket lands before it falls that fast.
    DescentTime = tg;
    DescentAltitude = 0;
    DescentSpeed = vi;
  }
}

FlightResults Flight::Results(const Units& u) const {
  FlightResults r;
  r.maxSpeed = rt::Format(double(u.LengthFactor * BurnoutSpeed), "####0") + " " + u.SpeedUnit;
  r.maxAltitude = rt::Format(double(u.LengthFactor * MaxAltitude), "####0") + " " + u.LengthUnit;
  r.apogeeTime = rt::Format(double(ApogeeTime), "###0.0") + " s";
  r.descentSpeed = rt::Format(double(u.LengthFactor * DescentSpeed), "####0") + " " + u.SpeedUnit;
  r.descentTime = rt::Format(double(DescentTime), "###0.0") + " s";
  r.flightTime = rt::Format(double(FlightTime), "###0.0") + " s";
  return r;
}

void Flight::ResetState() {
  NetForce = m_s.RocketThrust - Weight;
  Phase = 1;
  FlightClock = 0;
  Velocity = 0;
  Altitude = 0;
}

void Flight::UpdateFlight(FlightEvents& events) {
  const float t = FlightClock;
  const float tb = m_s.RocketBurnTime;
  // One call may pass more than one phase: each block hands over to the next at once.
  if (Phase == 1) {
    if (t < tb) {
      Velocity = float(double(ThrustRatio - 1) * phys::GravityM * double(t));
      Altitude = float(double(t * t * (ThrustRatio - 1)) * kHalfGravity);
    } else {
      Phase = 0;
      events.BurnOut();
      NetForce = -Weight;
      Velocity = float(double(ThrustRatio - 1) * phys::GravityM * double(tb));
      Altitude = float(double(tb * tb * (ThrustRatio - 1)) * kHalfGravity);
    }
  }
  if (Phase == 0) {
    if (t < DescentTime) {
      Velocity = float(double(BurnoutSpeed) - double(t - tb) * phys::GravityM);
      // Falling, the drag grows from nothing at the top to the whole weight when the
      // descent speed is reached.
      if (Velocity < 0) NetForce = ((t - ApogeeTime) / (DescentTime - ApogeeTime) - 1) * Weight;
      const float dt = t - tb;
      Altitude = float(double(dt * BurnoutSpeed + BurnoutAltitude) - double(dt * dt) * kHalfGravity);
      if (Silent == 0 && m_s.RocketChute == 1 && !events.ChuteVisible() && Velocity < 0) events.OpenChute();
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
      events.Landed(Silent != 0);
    }
  }
}

}  // namespace rocket
