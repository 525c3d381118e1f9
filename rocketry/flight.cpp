#include "rocketry/flight.h"

#include <algorithm>
#include <cmath>

#include "runtime/convert.h"
#include "runtime/numfmt.h"

namespace rocket {

// The literals below are double, as the products they take part in: a value is rounded to
// single precision where it is stored, as the read-outs expect.

FlightEvents::~FlightEvents() = default;

Units UnitsFor(int index) {
  if (index == 0) return {0.03527f, float(1 / 0.3048), "ft/s", "ft", "Mass (oz)"};
  return {1.0f, 1.0f, "m/s", "m", "Mass (g)"};
}

MassRange MassLimits(float thrust) {
  return {rt::CInt(double(thrust) * 200 / 9.81), rt::CInt(double(thrust) * 700 / 9.81)};
}

std::optional<float> MassForThrust(float thrust, float mass) {
  const float w = float(double(mass) * 9.81 / 1000);
  if (0.2 * double(thrust) > double(w)) return float(double(thrust) * 200 / 9.81);
  if (0.7 * double(thrust) < double(w)) return float(double(thrust) * 700 / 9.81);
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
  Weight = float(double(m_s.RocketMass) * 9.81 / 1000);
  ThrustRatio = m_s.RocketThrust / Weight;
  BurnoutSpeed = float(double(ThrustRatio - 1) * 9.81 * double(tb));
  BurnoutAltitude = float(double(tb * tb * (ThrustRatio - 1)) * 4.905);
  ApogeeTime = float(double(BurnoutSpeed) / 9.81 + double(tb));
  MaxAltitude = float(double(BurnoutSpeed * BurnoutSpeed) * 0.5 / 9.81 + double(BurnoutAltitude));

  // Free fall from the top all the way down: when does it reach the ground, how fast?
  const float tg = float(double(ApogeeTime) + std::sqrt(2 * double(MaxAltitude) / 9.81));
  FlightTime = tg;
  const float vi = float(double(tg - ApogeeTime) * -9.81);
  if (vi < ChuteLimit) {
    // The fall reaches the limit in the air: a steady descent follows.
    DescentTime = float(double(ApogeeTime) - double(ChuteLimit) / 9.81);
    DescentAltitude = float(double(MaxAltitude) - double(ChuteLimit * ChuteLimit) * 0.5 / 9.81);
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
  r.lblMaxSpeed = rt::Format(double(u.LengthFactor * BurnoutSpeed), "####0") + " " + u.SpeedUnit;
  r.lblAMax = rt::Format(double(u.LengthFactor * MaxAltitude), "####0") + " " + u.LengthUnit;
  r.lblTAMax = rt::Format(double(ApogeeTime), "###0.0") + " s";
  r.lblCSpeed = rt::Format(double(u.LengthFactor * DescentSpeed), "####0") + " " + u.SpeedUnit;
  r.lblTDS = rt::Format(double(DescentTime), "###0.0") + " s";
  r.lblTCSpeed = rt::Format(double(FlightTime), "###0.0") + " s";
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
      Velocity = float(double(ThrustRatio - 1) * 9.81 * double(t));
      Altitude = float(double(t * t * (ThrustRatio - 1)) * 4.905);
    } else {
      Phase = 0;
      events.BurnOut();
      NetForce = -Weight;
      Velocity = float(double(ThrustRatio - 1) * 9.81 * double(tb));
      Altitude = float(double(tb * tb * (ThrustRatio - 1)) * 4.905);
    }
  }
  if (Phase == 0) {
    if (t < DescentTime) {
      Velocity = float(double(BurnoutSpeed) - double(t - tb) * 9.81);
      // Falling, the drag grows from nothing at the top to the whole weight when the
      // descent speed is reached.
      if (Velocity < 0) NetForce = ((t - ApogeeTime) / (DescentTime - ApogeeTime) - 1) * Weight;
      const float dt = t - tb;
      Altitude = float(double(dt * BurnoutSpeed + BurnoutAltitude) - double(dt * dt) * 4.905);
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
