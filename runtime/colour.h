#pragma once

// Colours as the projects store them: one 32-bit value laid out 0x00BBGGRR.

#include "runtime/convert.h"

#include <array>
#include <cstdint>

namespace rt {

using Colour = uint32_t;

namespace detail {
constexpr uint32_t clampComponent(int c) { return c < 0 ? 0u : c > 255 ? 255u : static_cast<uint32_t>(c); }
}  // namespace detail

// Components outside 0..255 are clamped.
constexpr Colour rgb(int r, int g, int b) {
  return detail::clampComponent(r) | (detail::clampComponent(g) << 8) | (detail::clampComponent(b) << 16);
}

constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFFu); }

// The sixteen numbered colours: dark set 0..7, bright set 8..15.
// Throws RuntimeError(5) for a number outside 0..15.
inline Colour numberedColour(int n) {
  constexpr std::array<Colour, 16> kTable = {
      rgb(0, 0, 0),     rgb(0, 0, 128),     rgb(0, 128, 0),     rgb(0, 128, 128),   rgb(128, 0, 0), rgb(128, 0, 128),
      rgb(128, 128, 0), rgb(192, 192, 192), rgb(128, 128, 128), rgb(0, 0, 255),     rgb(0, 255, 0), rgb(0, 255, 255),
      rgb(255, 0, 0),   rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(255, 255, 255),
  };
  if (n < 0 || n > 15) throw RuntimeError(5);
  return kTable[static_cast<std::size_t>(n)];
}

}  // namespace rt
