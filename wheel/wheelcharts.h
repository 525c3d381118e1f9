#pragma once
// Where the strip charts put a value: each chart is SH pixels high, its top row 0.
// Speeds in degrees per second run from +210 at the top to -210 at the bottom (faster
// turning is held at the edge); can 1's height from the top of the wheel to its bottom;
// a can's level from full at the top to empty at the bottom.

#include <algorithm>

namespace wheel {

constexpr float kSpeedChartLimit = 210.0f;

inline float speedPlotted(float speed) { return std::clamp(speed, -kSpeedChartLimit, kSpeedChartLimit); }
inline double speedY(double SH, float v) { return (SH - 1) * (210 - double(v)) / 420; }
inline double heightY(double SH, float radius, float stickLength, float v) {
  return (double(radius) - double(v)) * (SH - 1) / double(stickLength);
}
inline double levelY(double SH, float canHeight, float v) {
  return (double(canHeight) - double(v)) * (SH - 1) / double(canHeight);
}
inline double zeroLineY(double SH) { return (SH - 1) * 0.5; }

}  // namespace wheel
