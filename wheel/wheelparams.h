#pragma once
// The wheel's nine parameters as the parameters dialog shows them, in metric or US units:
// number of cans, stick length and mass, can diameter, height and mass, drain and fill times
// and friction. Every value shown is held within its row's limits and stored at once into
// the settings, converted back to metric; switching units can therefore move a stored value
// (a 10 cm stick is 3.94 in, raised to 4 in and stored as 10.16 cm).

#include <array>
#include <string>

#include "wheel/wheelmodel.h"

namespace wheel {

constexpr int kParamRows = 9;

class WheelParameters {
 public:
  explicit WheelParameters(WheelSettings& settings) : m_settings(settings) {}

  bool metric() const { return m_settings.WheelUnits == 1; }
  // The units option: 1 metric, 0 US.
  void setUnits(int16_t units) { m_settings.WheelUnits = units; }

  // Values, limits and captions from the settings in the units shown; the five lengths and
  // masses brought within their limits. Then every row is stored and shown (storeParameter).
  void loadParameters();
  // The row's value into its setting, converted to metric.
  void storeParameter(int row);
  // A typed text: its leading number, held within the row's limits, then stored.
  void textEntered(int row, const std::string& text);

  std::string caption(int row) const { return m_caption[size_t(row)]; }
  // The value through the row's mask.
  std::string text(int row) const;
  // "(lower-upper)".
  std::string limitsText(int row) const;

  float paramValue(int row) const { return m_value[size_t(row)]; }
  float paramMin(int row) const { return m_min[size_t(row)]; }
  float paramMax(int row) const { return m_max[size_t(row)]; }

  // The keys a value field lets through: Backspace, "." and digits; Enter and Tab pass and
  // move on. 0 for a key to drop.
  static int filterKey(int key);
  static bool movesOn(int key) { return key == 13 || key == 9; }
  static int nextRow(int row) { return row >= kParamRows - 1 ? 0 : row + 1; }
  // Shift+Tab (key code 9, shift state 1) goes back a row, from the first to the last.
  static bool movesBack(int keyCode, int shift) { return keyCode == 9 && shift == 1; }
  static int previousRow(int row) { return row <= 0 ? kParamRows - 1 : row - 1; }

 private:
  void setRow(int row, float value, float lo, float hi, const char* caption);

  WheelSettings& m_settings;
  std::array<float, kParamRows> m_value{}, m_min{}, m_max{};
  std::array<std::string, kParamRows> m_caption;
};

}  // namespace wheel
