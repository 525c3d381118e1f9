#include "weather/weathersummary.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "runtime/convert.h"
#include "runtime/numfmt.h"

namespace weather {

float numericValue(const std::string& text) {
  auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
  size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && blank(text[i])) ++i;
  };
  skip();
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string number;
  bool point = false;
  for (skip(); i < text.size(); ++i, skip()) {
    const char ch = text[i];
    if (ch >= '0' && ch <= '9') {
      number += ch;
    } else if (ch == '.' && !point) {
      point = true;
      number += ch;
    } else {
      break;
    }
  }
  if (number.empty() || number == ".") return 0.0f;
  const double v = std::strtod(number.c_str(), nullptr);
  return float(negative ? -v : v);
}

namespace {

// Readings far beyond any weather (only possible from a hand-made file) are held at this
// size, so sums, limits and drawing stay finite.
constexpr float kHuge = 1e9f;

float reading(const std::string& text) {
  const float v = numericValue(text);
  if (!(v == v)) return 0.0f;
  return std::clamp(v, -kHuge, kHuge);
}

// Rounding to a 16-bit integer, halves to even, held within its range.
int16_t roundedInt16(float v) {
  const double r = std::nearbyint(double(v));
  return int16_t(std::clamp(r, -32768.0, 32767.0));
}

// The floor of the decimal logarithm (ln x / ln 10), the quotient first rounded to single
// precision when asked.
double floorLog10(double x, bool single) {
  const double q = std::log(x) / std::log(10.0);
  return std::floor(single ? double(float(q)) : q);
}

std::string fmt(double v, const char* mask) { return rt::formatNumber(v, mask); }

TempSeries series(const WeatherTable& log, int col) {
  TempSeries s;
  int16_t n = 0;
  int32_t Sx = 0, Sxx = 0;
  float Sy = 0;
  double Sxy = 0;
  for (int r = 1; r <= kDays; ++r) {
    const std::string& e = log[size_t(r)][size_t(col)];
    if (e.empty()) continue;
    const float v = reading(e);
    s.points.push_back({float(r), v});
    n = int16_t(n + 1);
    Sx += n;
    Sxx += int32_t(n) * n;
    Sy += v;
    Sxy += double(n) * double(v);
  }
  if (n == 0) return s;
  s.average = Sy / float(n);
  if (n > 1) {
    const double den = double(n) * double(Sxx) - double(Sx) * double(Sx);
    s.a = float((double(Sy) * double(Sxx) - double(Sx) * Sxy) / den);
    s.b = float((double(n) * Sxy - double(Sx) * double(Sy)) / den);
    s.hasTrend = true;
    const float t = 59.0f * s.b;
    if (s.b >= 0)
      s.trendText = t < 60 ? "+" + fmt(t, "#0.0") : "> 60";
    else
      s.trendText = t > -60 ? fmt(t, "#0.0") : "< -60";
  }
  return s;
}

}  // namespace

void findNiceLimits(int16_t n, float& lo, float& hi, float& outLo, float& outHi) {
  if (lo == hi) lo = 0.9f * hi;
  const float m = std::max(std::fabs(lo), std::fabs(hi));
  float scale = float(std::pow(10.0, floorLog10(m, true)));
  const float root50 = float(std::sqrt(50.0)), root10 = float(std::sqrt(10.0)), root2 = float(std::sqrt(2.0));
  float L = 0, H = 0;
  // Each round widens the scale tenfold; a few rounds always suffice for finite limits, and
  // the bound keeps a pathological range from looping.
  for (int round = 0; round < 64; ++round) {
    const float a = lo / scale;
    const float b = hi / scale;
    const float d = (b - a) / float(n);
    const float eps = 0.025f * d;
    const double p = floorLog10(d, false);
    const double tenP = std::pow(10.0, p);
    const float f = float(double(d) / tenP);
    float k = 10;
    if (f < root50) k = 5;
    if (f < root10) k = 2;
    if (f < root2) k = 1;
    const float s = float(double(k) * tenP);
    float i = rt::roundDown(a / s);
    if (std::fabs((i + 1) - a / s) < eps) i = i + 1;
    L = i * s;
    float j = rt::roundDown(b / s) + 1;
    if (std::fabs(b / s + 1 - j) < eps) j = j - 1;
    H = j * s;
    if (std::fabs(H) < 10 && std::fabs(L) < 10) break;
    scale = scale * 10;
  }
  outLo = L * scale;
  outHi = H * scale;
}

namespace {

// The extremes of the highs and the lows. Each starts from the first reading of its series,
// so any reading counts; a series without readings stands at the classic bounds (highs
// -1000, lows +1000). The lowest high and the highest low are rounded when found.
struct TemperatureExtremes {
  float maxHigh = -1000, minLow = 1000;
  int16_t minHigh = 1000, maxLow = -1000;
  bool anyHigh = false, anyLow = false;
};

TemperatureExtremes findTemperatureExtremes(const WeatherTable& log) {
  TemperatureExtremes t;
  for (int r = 1; r <= kDays; ++r) {
    const std::string& hi = log[size_t(r)][kHigh];
    if (!hi.empty()) {
      const float v = reading(hi);
      if (!t.anyHigh || v > t.maxHigh) t.maxHigh = v;
      if (!t.anyHigh || v < t.minHigh) t.minHigh = roundedInt16(v);
      t.anyHigh = true;
    }
    const std::string& lo = log[size_t(r)][kLow];
    if (!lo.empty()) {
      const float v = reading(lo);
      if (!t.anyLow || v > t.maxLow) t.maxLow = roundedInt16(v);
      if (!t.anyLow || v < t.minLow) t.minLow = v;
      t.anyLow = true;
    }
  }
  return t;
}

void summariseTemperatures(const WeatherTable& log, WeatherSummary& out) {
  TemperatureExtremes t = findTemperatureExtremes(log);
  out.tempData = t.anyHigh && t.anyLow && t.minLow < t.maxHigh;
  if (!out.tempData) {
    t.minLow = 30;
    t.maxHigh = 70;
  }
  findNiceLimits(4, t.minLow, t.maxHigh, out.tLo, out.tHi);
  out.tempAxisTop = fmt(out.tHi, "####0");
  out.tempAxisBottom = fmt(out.tLo, "####0");
  if (!out.tempData) {
    out.highestHigh = out.lowestHigh = out.highestLow = out.lowestLow = out.averageHigh = out.averageLow = "---";
    return;
  }
  out.highestHigh = fmt(t.maxHigh, "####0");
  out.lowestHigh = fmt(t.minHigh, "####0");
  out.highestLow = fmt(t.maxLow, "####0");
  out.lowestLow = fmt(t.minLow, "####0");
  out.highs = series(log, kHigh);
  out.lows = series(log, kLow);
  out.averageHigh = fmt(out.highs.average, "####0");
  out.averageLow = fmt(out.lows.average, "####0");
}

void summarisePrecipitation(const WeatherTable& log, WeatherSummary& out) {
  float maxP = -1000;
  for (int r = 1; r <= kDays; ++r) maxP = std::max(maxP, reading(log[size_t(r)][kPrec]));
  out.precData = maxP >= 0;
  if (!out.precData || maxP == 0) {
    out.pLo = 0;
    out.pHi = 1;
  } else {
    float lo = 0, hi = maxP;
    findNiceLimits(4, lo, hi, out.pLo, out.pHi);
    if (out.pHi < 0.1f) out.pHi = 0.1f;
  }
  out.precAxisTop = fmt(out.pHi, "##0.0");
  if (!out.precData) {
    out.highestPrec = out.totalPrec = "---";
    return;
  }
  out.highestPrec = fmt(maxP, "##0.00");
  float total = 0;
  for (int r = 1; r <= kDays; ++r) {
    const std::string& e = log[size_t(r)][kPrec];
    if (e.empty()) continue;
    const float v = reading(e);
    out.bars.push_back({float(r), v});
    total = total + v;
  }
  out.totalPrec = fmt(total, "##0.00");
}

void summarisePressure(const WeatherTable& log, WeatherSummary& out) {
  float maxPr = -1000, minPr = 1000;
  bool anyPr = false;
  for (int r = 1; r <= kDays; ++r) {
    const std::string& e = log[size_t(r)][kPress];
    if (e.empty()) continue;
    const float v = reading(e);
    if (!anyPr || v > maxPr) maxPr = v;
    if (!anyPr || v < minPr) minPr = v;
    anyPr = true;
    out.pressure.push_back({float(r), v});
  }
  out.pressData = anyPr && minPr < maxPr;
  if (!out.pressData) {
    minPr = 25;
    maxPr = 30;
    out.pressure.clear();
  }
  findNiceLimits(4, minPr, maxPr, out.prLo, out.prHi);
  const bool whole = out.prHi >= 100 || out.prHi == rt::roundDown(out.prHi) || out.prLo == rt::roundDown(out.prLo);
  const char* axis = whole ? "####0" : "#0.0";
  out.pressAxisTop = fmt(out.prHi, axis);
  out.pressAxisBottom = fmt(out.prLo, axis);
  if (!out.pressData) {
    out.highestPress = out.lowestPress = "---";
    return;
  }
  const char* mask = maxPr < 100 ? "#0.00" : "####.0";
  out.highestPress = fmt(maxPr, mask);
  out.lowestPress = fmt(minPr, mask);
}

}  // namespace

WeatherSummary summariseWeather(const WeatherTable& log) {
  WeatherSummary out;
  summariseTemperatures(log, out);
  summarisePrecipitation(log, out);
  summarisePressure(log, out);
  return out;
}

}  // namespace weather
