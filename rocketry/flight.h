#pragma once
// The model rocket's flight, straight up and down, worked out in closed form: a powered
// climb at constant thrust for the burn time, a coast upwards under gravity to the highest
// point, a free fall until the fall speed reaches a limit (the parachute's, or a fixed limit
// without one), and a steady descent at that speed to the ground. There is no air drag apart
// from that limit and the mass does not change while the motor burns.
//
// Internal units are metres, metres per second, seconds, newtons and grams, upwards
// positive; the display units only change the read-outs.

#include <cstdint>
#include <optional>
#include <string>

namespace rocketry {

// The project's shared settings, as the window keeps them.
struct RocketSettings {
  float RocketThrust = 10.0f;   // newtons, 2.0 to 10.0
  float RocketBurnTime = 3.9f;  // seconds, 0.5 to 5.0
  float RocketMass = 204.0f;    // grams, whole numbers
  int16_t RocketUnits = 0;      // 0 US units, 1 metric
  int16_t RocketChute = 0;      // 1 with parachute, 0 without
};

// Descent speed limits, metres per second.
constexpr float kChuteLimit = -15.0f;
constexpr float kFreeLimit = -60.0f;

// The input bars' ranges, in tenths.
constexpr int kThrustMin = 20, kThrustMax = 100;
constexpr int kBurnMin = 5, kBurnMax = 50;

// The display units: factors from grams and metres, and the unit names.
struct Units {
  float MassFactor;
  float LengthFactor;
  std::string SpeedUnit, LengthUnit, MassHead;
};
// Index 0 US units, 1 metric.
Units unitsFor(int index);

// The mass bar keeps the weight between 20% and 70% of the thrust.
struct MassRange {
  int16_t min, max;
};
MassRange massLimits(float thrust);
// The mass a new thrust forces on the rocket: the nearer limit when the weight falls
// outside 20% to 70% of the thrust, nothing when the mass may stay.
std::optional<float> massForThrust(float thrust, float mass);

// A bar's value for a stored setting: value x scale, rounded, held within the bar's range
// (a hand-edited settings file may hold anything, a number too big to round included).
int barValue(float value, float scale, int min, int max);

// "###0.0" read-outs of the inputs.
std::string tenthsText(float value);

// The six predicted results, as the window's read-outs show them: the maximum speed, the
// maximum altitude and when it is reached, the descent speed and when it is reached, and the
// flight time.
struct FlightResults {
  std::string maxSpeed, maxAltitude, apogeeTime, descentSpeed, descentTime, flightTime;
};

// What a flight does outside itself when it passes its events.
class FlightEvents {
 public:
  virtual ~FlightEvents();
  // Burn-out: the motor's sound stops and its smoke goes.
  virtual void burnOut() = 0;
  // Whether the parachute is shown, and opening it (with its sound).
  virtual bool chuteVisible() const = 0;
  virtual void openChute() = 0;
  // Landing: the sound (unless silent) and the plots' last lines to the ground.
  virtual void landed(bool silent) = 0;
};

class Flight {
 public:
  explicit Flight(const RocketSettings& settings) : m_settings(settings) {}

  // The flight plan from the settings. The current state is not touched, so a plan
  // changed during a flight takes over under the running animation.
  void computeFlight();
  FlightResults results(const Units& units) const;
  // The state at the start of a flight: on the pad, motor burning.
  void resetState();
  // The state at FlightClock; FlightClock only grows between two resets.
  void updateFlight(FlightEvents& events);

  // The plan.
  float ChuteLimit = kFreeLimit;
  float Weight = 0, ThrustRatio = 0;
  float BurnoutSpeed = 0, BurnoutAltitude = 0;
  float ApogeeTime = 0, MaxAltitude = 0;
  float DescentSpeed = 0, DescentTime = 0, DescentAltitude = 0;
  float FlightTime = 0;

  // The current state.
  float FlightClock = 0;
  int16_t Phase = 1;  // 1 powered, 0 coasting or falling, -1 steady descent
  float Velocity = 0, Altitude = 0, NetForce = 0;
  int16_t Silent = 0;  // 1 while a flight is replayed: no sounds, no parachute

 private:
  const RocketSettings& m_settings;
};

}  // namespace rocketry
