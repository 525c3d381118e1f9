#include "pendulum/pendparams.h"

#include <cmath>
#include <stdexcept>

#include "runtime/convert.h"
#include "runtime/numfmt.h"

namespace pendulum {

namespace {

float within(double v, float lo, float hi) {
  float f = float(v);
  if (f < lo) f = lo;
  if (f > hi) f = hi;
  return f;
}

}  // namespace

size_t PendParameters::idx(int index) {
  if (index < kAngle || index > kFriction) throw std::out_of_range("pendulum parameter index");
  return size_t(index);
}

void PendParameters::setLimits(int index, float lo, float hi, float step, const char* caption, const char* mask) {
  const size_t i = idx(index);
  m_min[i] = lo;
  m_max[i] = hi;
  m_step[i] = step;
  m_caption[i] = caption;
  m_mask[i] = mask;
}

void PendParameters::setupParameters() {
  // A hand-edited start angle or friction outside its limits is shown as it is; the spin
  // buttons bring it back one step at a time.
  m_value[kAngle] = m_settings.PendAngle;
  m_value[kFriction] = m_settings.PendFriction;
  setLimits(kAngle, 1, 45, 1, "Angle (deg)", "#0");
  setLimits(kFriction, 0, 1, 0.01f, "Friction", "0.#0");

  if (metric()) {
    // The nearest 10 g (halves up) and the nearest whole centimetre.
    const float massPlus = m_settings.PendMass + 5.0f;
    m_value[kMass] = within(rt::roundDown(double(massPlus) * 0.1) * 10, 10, 5000);
    m_value[kLength] = within(rt::roundDown(double(m_settings.PendLength) + 0.5), 50, 200);
    setLimits(kMass, 10, 5000, 10, "Mass (g)", "###0");
    setLimits(kLength, 50, 200, 1, "Length (cm)", "##0");
  } else {
    // The nearest ounce and the nearest half inch.
    m_value[kMass] = within(rt::roundDown(double(m_settings.PendMass) * kOuncesPerKilogram / 1000 + 0.5), 1, 200);
    m_value[kLength] = within(rt::roundDown((double(m_settings.PendLength) / kCmPerInch + 0.25) * 2) * 0.5, 10, 80);
    setLimits(kMass, 1, 200, 1, "Mass (oz)", "##0");
    setLimits(kLength, 10, 80, 0.5f, "Length (in)", "#0.0");
  }
}

bool PendParameters::spinDown(int index) {
  const size_t i = idx(index);
  if (m_value[i] <= m_min[i]) {
    m_value[i] = m_min[i];
    return false;
  }
  m_value[i] = m_value[i] - m_step[i];
  if (m_value[i] < m_min[i]) m_value[i] = m_min[i];
  return true;
}

bool PendParameters::spinUp(int index) {
  const size_t i = idx(index);
  if (!(m_value[i] < m_max[i])) {
    m_value[i] = m_max[i];
    return false;
  }
  // Steps of 0.01 do not add up exactly in single precision: the clamp makes the last
  // step land on the limit itself.
  m_value[i] = m_value[i] + m_step[i];
  if (m_value[i] > m_max[i]) m_value[i] = m_max[i];
  return true;
}

void PendParameters::showParameter(int index) {
  const float v = m_value[idx(index)];
  switch (index) {
    case kAngle: m_settings.PendAngle = v; break;
    case kMass:
      m_settings.PendMass = metric() ? v : float(double(v * 1000.0f) / kOuncesPerKilogram);
      m_bobRadius = rt::roundToInt16(std::sqrt(double(m_settings.PendMass / 5000.0f)) * 20);
      break;
    case kLength: m_settings.PendLength = metric() ? v : float(double(v) * kCmPerInch); break;
    case kFriction: m_settings.PendFriction = v; break;
  }
}

std::string PendParameters::text(int index) const {
  const size_t i = idx(index);
  return rt::formatNumber(double(m_value[i]), m_mask[i]);
}

}  // namespace pendulum
