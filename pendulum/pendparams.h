#pragma once
// The pendulum's four parameters as the window shows them: start angle, bob mass, string
// length and friction, each with limits and a step in the units shown, metric or US. The
// settings keep them in metric units whatever is shown; every shown value is stored back
// converted, so switching units can round the stored values slightly.

#include <array>
#include <cstdint>
#include <string>

namespace pendulum {

// The pendulum's values in the shared settings (always metric).
struct PendSettings {
  int16_t PendUnits = 1;       // 1 metric, anything else US
  float PendMass = 5000;       // g
  float PendLength = 200;      // cm
  float PendFriction = 0.05f;  // damping coefficient, no unit
  float PendAngle = 45;        // start angle from the vertical, degrees
};

enum ParamIndex { kAngle = 1, kMass = 2, kLength = 3, kFriction = 4 };

// Grams per ounce and centimetres per inch, as the conversions use them.
constexpr double kOuncesPerKilogram = 35.28;
constexpr double kCmPerInch = 2.54;

class PendParameters {
 public:
  explicit PendParameters(PendSettings& settings) : m_settings(settings) {}

  // The option a units value selects: 1 (metric) for 1, 0 (US) for anything else.
  static int16_t unitsOption(int16_t units) { return units == 1 ? 1 : 0; }
  bool metric() const { return m_settings.PendUnits == 1; }

  // Values, limits, steps and captions from the settings, in the units shown. The angle and
  // the friction are taken as stored; the mass and the length are rounded to their steps and
  // brought into their limits. The caller then shows (and so stores) all four.
  void setupParameters();

  // One step down or up. True when the value moved and must be shown (showParameter);
  // a value already at or past the limit is set to it and nothing else happens.
  bool spinDown(int index);
  bool spinUp(int index);

  // Stores the value shown into its setting, converted to metric; for the mass also sizes
  // the bob.
  void showParameter(int index);

  // Texts for the window: the caption and the value through its mask.
  std::string caption(int index) const { return m_caption[idx(index)]; }
  std::string text(int index) const;

  float paramValue(int index) const { return m_value[idx(index)]; }
  float paramMin(int index) const { return m_min[idx(index)]; }
  float paramMax(int index) const { return m_max[idx(index)]; }
  float paramStep(int index) const { return m_step[idx(index)]; }
  // The bob's radius in cm: 20 for 5000 g, as the square root of the mass.
  int16_t bobRadius() const { return m_bobRadius; }

  const PendSettings& settings() const { return m_settings; }

 private:
  static size_t idx(int index);
  void setLimits(int index, float lo, float hi, float step, const char* caption, const char* mask);

  PendSettings& m_settings;
  std::array<float, 5> m_value{}, m_min{}, m_max{}, m_step{};
  std::array<std::string, 5> m_caption, m_mask;
  int16_t m_bobRadius = 0;
};

}  // namespace pendulum
