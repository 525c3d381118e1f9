#include "wheel/wheelparams.h"

#include <cmath>

#include "runtime/convert.h"
#include "runtime/numfmt.h"

namespace wheel {

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kOuncesPerKilogram = 35.28;

enum Row { kCans = 0, kStickLength, kStickMass, kCanDiameter, kCanHeight, kCanMass, kEmptyTime, kFillTime, kFriction };

}  // namespace

void WheelParameters::setRow(int row, float value, float lo, float hi, const char* caption) {
  const size_t k = size_t(row);
  m_value[k] = value;
  m_min[k] = lo;
  m_max[k] = hi;
  m_caption[k] = caption;
}

void WheelParameters::loadParameters() {
  setRow(kCans, m_settings.WheelCans, kCansLimits.lo, kCansLimits.hi, "N Cans");
  setRow(kEmptyTime, m_settings.WheelEmptyTime, kTimeLimits.lo, kTimeLimits.hi, "T Empty (s)");
  setRow(kFillTime, m_settings.WheelFillTime, kTimeLimits.lo, kTimeLimits.hi, "T Fill (s)");
  setRow(kFriction, m_settings.WheelFriction, kFrictionLimits.lo, kFrictionLimits.hi, "Friction");
  if (metric()) {
    setRow(kStickLength, m_settings.WheelStickLength, 10, 300, "L Stick (cm)");
    setRow(kStickMass, m_settings.WheelStickMass, 30, 2300, "M Stick (g)");
    setRow(kCanDiameter, m_settings.WheelCanDiameter, 1, 100, "D Can (cm)");
    setRow(kCanHeight, m_settings.WheelCanHeight, 1, 100, "H Can (cm)");
    setRow(kCanMass, m_settings.WheelCanMass, 30, 2300, "M Can (g)");
  } else {
    const auto inches = [](float cm) { return float(double(cm) / kCmPerInch); };
    const auto ounces = [](float g) { return float(double(g) * kOuncesPerKilogram / 1000); };
    setRow(kStickLength, inches(m_settings.WheelStickLength), 4, 120, "L Stick (in)");
    setRow(kStickMass, ounces(m_settings.WheelStickMass), 1, 80, "M Stick (oz)");
    setRow(kCanDiameter, inches(m_settings.WheelCanDiameter), 0.5f, 40, "D Can (in)");
    setRow(kCanHeight, inches(m_settings.WheelCanHeight), 0.5f, 40, "H Can (in)");
    setRow(kCanMass, ounces(m_settings.WheelCanMass), 1, 80, "M Can (oz)");
  }
  for (int row = kStickLength; row <= kCanMass; ++row) {
    const size_t k = size_t(row);
    if (m_value[k] < m_min[k]) m_value[k] = m_min[k];
    if (m_value[k] > m_max[k]) m_value[k] = m_max[k];
  }
  for (int row = 0; row < kParamRows; ++row) storeParameter(row);
}

void WheelParameters::storeParameter(int row) {
  const float v = m_value[size_t(row)];
  const bool us = !metric();
  const auto cm = [us](float x) { return us ? float(double(x) * kCmPerInch) : x; };
  const auto grams = [us](float x) { return us ? float(double(x * 1000) / kOuncesPerKilogram) : x; };
  switch (row) {
    case kCans: m_settings.WheelCans = rt::roundToInt16(double(v)); break;
    case kStickLength: m_settings.WheelStickLength = cm(v); break;
    case kStickMass: m_settings.WheelStickMass = grams(v); break;
    case kCanDiameter: m_settings.WheelCanDiameter = cm(v); break;
    case kCanHeight: m_settings.WheelCanHeight = cm(v); break;
    case kCanMass: m_settings.WheelCanMass = grams(v); break;
    case kEmptyTime: m_settings.WheelEmptyTime = v; break;
    case kFillTime: m_settings.WheelFillTime = v; break;
    case kFriction: m_settings.WheelFriction = v; break;
    default: break;
  }
}

void WheelParameters::textEntered(int row, const std::string& text) {
  const size_t k = size_t(row);
  double v;
  try {
    v = rt::leadingNumber(text);
  } catch (const rt::RuntimeError&) {
    // Digits beyond any number's range: far above every upper limit.
    v = double(m_max[k]);
  }
  float value = float(v);
  if (std::isnan(value) || value < m_min[k]) value = m_min[k];
  if (value > m_max[k]) value = m_max[k];
  m_value[k] = value;
  storeParameter(row);
}

std::string WheelParameters::text(int row) const {
  const char* mask = row == kCans ? "#" : row == kFriction ? "0.##0" : "###0.0";
  return rt::formatNumber(double(m_value[size_t(row)]), mask);
}

std::string WheelParameters::limitsText(int row) const {
  return "(" + rt::settingsNumber(m_min[size_t(row)]) + "-" + rt::settingsNumber(m_max[size_t(row)]) + ")";
}

int WheelParameters::filterKey(int key) {
  if (key == 8 || key == 13 || key == 9 || key == '.' || (key >= '0' && key <= '9')) return key;
  return 0;
}

}  // namespace wheel
