#pragma once
// The water wheel: a stick turning about its centre, with N cans hanging from the circle its
// ends sweep. A valve above the hub pours into any can passing under it, every can drains
// through a hole in its bottom, the weight of the water turns the wheel and friction slows
// it. Lengths in centimetres, masses in grams, angles in degrees counter-clockwise; values in
// single precision, as the settings hold them.

#include <array>
#include <cstddef>
#include <cstdint>

#include "runtime/physics.h"

namespace wheel {

// Gravity is rt::phys::kGravityCm (cm/s^2); water weighs 1 g per cm^3.
// Degrees to radians with pi taken as 3.14159.
constexpr double kDegToRad = rt::phys::kPi / 180;
// One integration step: five of them between redraws, two redraws per 100 ms tick.
constexpr float kStep = 0.01f;
constexpr int kStepsPerDraw = 5;
constexpr int kDrawsPerTick = 2;
constexpr int kTickMs = 100;
// Can 1 starts just left of the top, so the wheel is never balanced at the start.
constexpr float kStartAngle = 91.0f;
constexpr int kMaxCans = 6;
// The valve's positions, 0 (closed) to 20 (full flow).
constexpr int16_t kMaxFlowSetting = 20;

// The wheel's values in the shared settings (always metric).
struct WheelSettings {
  int16_t WheelUnits = 0;  // 1 metric, anything else US
  int16_t WheelCans = 5;
  float WheelStickLength = 101.6f;   // cm, the wheel's diameter
  float WheelStickMass = 907.0295f;  // g
  float WheelCanDiameter = 7.62f;    // cm
  float WheelCanHeight = 15.24f;     // cm
  float WheelCanMass = 141.7234f;    // g, one empty can
  float WheelEmptyTime = 30.0f;      // s for a full can to drain
  float WheelFillTime = 1.0f;        // s for the full flow to fill an empty can
  float WheelFriction = 0.05f;       // no unit
};

// The values the wheel can work with, in metric units.
struct Limits {
  float lo, hi;
};
constexpr Limits kCansLimits{2, 6};
constexpr Limits kStickLengthLimits{10, 300};
constexpr Limits kMassLimits{30, 2300};
constexpr Limits kCanSizeLimits{1, 100};
constexpr Limits kTimeLimits{0.1f, 1000};
constexpr Limits kFrictionLimits{0, 1};

// Brings values a hand-edited settings file may hold into what the wheel can use: each into
// its limits (a value that is no number to its lower limit), the units to 1 or 0. Values
// already usable are left exactly as they are. True when anything changed.
bool bringIntoLimits(WheelSettings& s);

// What the model derives from the settings.
struct WheelDerived {
  int16_t N = 0;
  float StickLength = 0;     // Ls, cm
  float StickInertia = 0;    // g cm^2
  float WheelRadius = 0;     // R, cm
  float CanRadius = 0;       // r, cm
  float CanArea = 0;         // A, cm^2
  float CanHeight = 0;       // H, cm
  float CanMass = 0;         // Mc, g
  float FrictionFactor = 0;  // damping torque per unit of angular speed
  float DrainFactor = 0;     // K: a level L falls at K * sqrt(L) / A cm/s
  float MaxFlow = 0;         // g/s at the valve's full setting
  float FlowStep = 0;        // g/s per valve position
};
WheelDerived derive(const WheelSettings& s);

// The wheel's state. Can arrays are indexed 1 to 6; 1 to N are used.
class WheelModel {
 public:
  using CanArray = std::array<float, kMaxCans + 1>;

  // New quantities from the settings (the wheel is not reset by this).
  void setDerived(const WheelDerived& d) { m_derived = d; }
  const WheelDerived& derived() const { return m_derived; }

  // The wheel at the start angle, at rest, every can empty.
  void reset();
  // Every can emptied where the wheel stands (the Stop command).
  void emptyCans();
  // One step of kStep seconds.
  void step();

  // The valve: one position down (not below 0) or up (not above 20). True when it moved.
  bool spinDown();
  bool spinUp();
  void setFlowSetting(int16_t setting) { m_flowSetting = setting; }
  // Flow = FlowSetting * FlowStep: the flow gauge's redraw takes the valve's setting up.
  void updateFlow();
  int16_t flowSetting() const { return m_flowSetting; }
  float flow() const { return m_flow; }

  float wheelAngle() const { return m_angle; }
  float wheelSpeed() const { return m_speed; }
  float canLevel(int i) const { return m_level[size_t(i)]; }
  float waterMass(int i) const { return m_mass[size_t(i)]; }
  float canX(int i) const { return m_canX[size_t(i)]; }
  float canY(int i) const { return m_canY[size_t(i)]; }
  int16_t canCount() const { return m_derived.N; }

  // For tests: a state to step from.
  void setState(float angle, float speed) {
    m_angle = angle;
    m_speed = speed;
    placeCans();
  }
  void setLevel(int i, float level) {
    m_level[size_t(i)] = level;
    m_mass[size_t(i)] = m_derived.CanArea * level;
  }

 private:
  void placeCans();
  WheelDerived m_derived;
  int16_t m_flowSetting = 0;
  float m_flow = 0;
  float m_angle = kStartAngle, m_speed = 0;
  CanArray m_level{}, m_mass{}, m_canX{}, m_canY{};
};

// Where can i of n hangs at a wheel angle, relative to the hub, y up.
void canPosition(int i, int16_t n, float wheelAngle, float radius, float& x, float& y);

}  // namespace wheel
