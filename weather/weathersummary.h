#pragma once
// What the 60-day log adds up to: the temperature highs and lows with a straight trend line
// for each, the precipitation bars and total, the barometric pressure curve, the axis
// limits of the three plots and the texts of every summary label.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "weather/weatherlog.h"

namespace weather {

// The numeric value of a log entry: blanks anywhere are skipped, then an optional sign and
// digits with at most one decimal point are read up to the first other character; no
// digits give 0 ("--5" is 0, "1.2.3" is 1.2).
float numericValue(const std::string& text);

// Widens the range lo..hi to limits that are whole multiples of a step of 1, 2 or 5 times a
// power of ten, n steps or so apart; a value within 2.5 % of a step of a limit is its own
// limit. When lo equals hi, lo becomes 0.9 hi first (the caller's lo too).
void findNiceLimits(int16_t n, float& lo, float& hi, float& outLo, float& outHi);

struct PlotPoint {
  float x;
  float y;
};

// One temperature series: its points (day, value) in day order and, from two points on,
// its least-squares trend over the ordinals of the points.
struct TempSeries {
  std::vector<PlotPoint> points;
  bool hasTrend = false;
  float a = 0, b = 0;     // trend value at ordinal x is a + b x
  std::string trendText;  // "+59.0", "> 60", "-12.3", "< -60"
  float average = 0;
};

struct WeatherSummary {
  // Temperatures. Without data the six summary values show "---" and nothing is drawn.
  bool tempData = false;
  float tLo = 0, tHi = 0;
  std::string tempAxisTop, tempAxisBottom;  // the limits beside the plot
  std::string highestHigh, lowestHigh, highestLow, lowestLow, averageHigh, averageLow;
  TempSeries highs, lows;

  // Precipitation: a bar from 0 to each entered value.
  bool precData = false;
  float pLo = 0, pHi = 1;
  std::string precAxisTop, highestPrec, totalPrec;
  std::vector<PlotPoint> bars;

  // Pressure. A single reading, or equal readings, count as no data.
  bool pressData = false;
  float prLo = 0, prHi = 0;
  std::string pressAxisTop, pressAxisBottom, highestPress, lowestPress;
  std::vector<PlotPoint> pressure;
};

WeatherSummary summariseWeather(const WeatherTable& log);

}  // namespace weather
