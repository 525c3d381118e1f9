#include "wheel/wheelmodel.h"

#include <algorithm>
#include <cmath>

namespace wheel {

namespace {

bool bring(float& v, Limits l) {
  float to = v;
  if (std::isnan(v))
    to = l.lo;
  else if (v < l.lo)
    to = l.lo;
  else if (v > l.hi)
    to = l.hi;
  if (to == v) return false;
  v = to;
  return true;
}

}  // namespace

bool bringIntoLimits(WheelSettings& s) {
  bool changed = false;
  if (s.WheelUnits != 1 && s.WheelUnits != 0) {
    s.WheelUnits = 0;
    changed = true;
  }
  const int16_t cans = std::clamp<int16_t>(s.WheelCans, int16_t(kCansLimits.lo), int16_t(kCansLimits.hi));
  if (cans != s.WheelCans) {
    s.WheelCans = cans;
    changed = true;
  }
  changed |= bring(s.WheelStickLength, kStickLengthLimits);
  changed |= bring(s.WheelStickMass, kMassLimits);
  changed |= bring(s.WheelCanDiameter, kCanSizeLimits);
  changed |= bring(s.WheelCanHeight, kCanSizeLimits);
  changed |= bring(s.WheelCanMass, kMassLimits);
  changed |= bring(s.WheelEmptyTime, kTimeLimits);
  changed |= bring(s.WheelFillTime, kTimeLimits);
  changed |= bring(s.WheelFriction, kFrictionLimits);
  return changed;
}

WheelDerived derive(const WheelSettings& s) {
  WheelDerived d;
  // The can arrays hold six cans: a count outside 2..6 never reaches them.
  d.N = std::clamp<int16_t>(s.WheelCans, 2, kMaxCans);
  const float Ls = s.WheelStickLength, Ms = s.WheelStickMass;
  const float D = s.WheelCanDiameter, H = s.WheelCanHeight;
  d.StickLength = Ls;
  d.StickInertia = Ls * Ms * Ls / 12;
  d.WheelRadius = Ls / 2;
  d.CanRadius = D / 2;
  d.CanArea = float(double(D) * rt::phys::kPi * double(D) / 4);
  d.CanHeight = H;
  d.CanMass = s.WheelCanMass;
  const float R = d.WheelRadius, A = d.CanArea;
  d.FrictionFactor = float(double(2 * s.WheelFriction) * std::sqrt(double(rt::phys::kGravityCm / R)) * double(A) *
                           double(H) * double(R) * double(R));
  d.DrainFactor = float(double(2 * A) * std::sqrt(double(H)) / double(s.WheelEmptyTime));
  d.MaxFlow = A * H / s.WheelFillTime;
  d.FlowStep = d.MaxFlow / 20;
  return d;
}

void canPosition(int i, int16_t n, float wheelAngle, float radius, float& x, float& y) {
  // The cans stand evenly round the circle, can 1 at the wheel's angle.
  const double degrees = double((i - 1) * 360) / double(n) + double(wheelAngle);
  const double radians = degrees * kDegToRad;
  x = float(double(radius) * std::cos(radians));
  y = float(double(radius) * std::sin(radians));
}

void WheelModel::placeCans() {
  for (int i = 1; i <= m_derived.N; ++i)
    canPosition(i, m_derived.N, m_angle, m_derived.WheelRadius, m_canX[size_t(i)], m_canY[size_t(i)]);
}

void WheelModel::reset() {
  m_angle = kStartAngle;
  m_speed = 0;
  for (size_t i = 0; i < m_level.size(); ++i) {
    m_level[i] = 0;
    m_mass[i] = 0;
  }
  placeCans();
}

void WheelModel::emptyCans() {
  for (size_t i = 0; i < m_level.size(); ++i) {
    m_level[i] = 0;
    m_mass[i] = 0;
  }
}

void WheelModel::step() {
  const float dt = kStep;
  const float R = m_derived.WheelRadius, A = m_derived.CanArea, H = m_derived.CanHeight, r = m_derived.CanRadius;

  // Friction against the turning, and the inertia of the stick and of two empty cans.
  float T = float(double(-m_derived.FrictionFactor * m_speed) * kDegToRad);
  float I = 2 * m_derived.CanMass * R * R + m_derived.StickInertia;
  // The water: right of the hub it turns the wheel clockwise. Empty cans add no torque.
  for (int i = 1; i <= m_derived.N; ++i) {
    T = T - m_mass[size_t(i)] * rt::phys::kGravityCm * m_canX[size_t(i)];
    I = I + m_mass[size_t(i)] * R * R;
  }
  const float alpha = float(double(T) / (double(I) * kDegToRad));

  m_angle = m_angle + m_speed * dt;
  m_speed = m_speed + alpha * dt;
  if (m_angle > 180) m_angle = m_angle - 360;
  if (m_angle < -180) m_angle = m_angle + 360;

  for (int i = 1; i <= m_derived.N; ++i) {
    const size_t k = size_t(i);
    // Drain through the hole; a can under the stream (from where it stood before this step)
    // fills besides. What overflows is lost.
    float dL = float(double(-m_derived.DrainFactor) * std::sqrt(double(m_level[k])) / double(A));
    if (m_canY[k] > 0 && -2 * r < m_canX[k] && m_canX[k] < 2 * r) dL = dL + m_flow / A;
    m_level[k] = m_level[k] + dL * dt;
    if (m_level[k] < 0) m_level[k] = 0;
    if (m_level[k] > H) m_level[k] = H;
    m_mass[k] = A * m_level[k];
    canPosition(i, m_derived.N, m_angle, R, m_canX[k], m_canY[k]);
  }
}

bool WheelModel::spinDown() {
  if (m_flowSetting <= 0) return false;
  m_flowSetting = int16_t(m_flowSetting - 1);
  return true;
}

bool WheelModel::spinUp() {
  if (m_flowSetting >= kMaxFlowSetting) return false;
  m_flowSetting = int16_t(m_flowSetting + 1);
  return true;
}

void WheelModel::updateFlow() { m_flow = m_flowSetting * m_derived.FlowStep; }

}  // namespace wheel
