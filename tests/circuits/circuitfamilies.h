#pragma once
// Families of circuits for the checks that go over many of them: every circuit near a plain
// one, and a fixed sample of full ones. A circuit is its nine slots' codes (slot 0 unused).

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "tests/circuits/ladderreference.h"

namespace ladder {

using Codes = std::array<int16_t, 10>;

// Whether the palette could have built the circuit: two batteries, five lamps, five switches.
inline bool buildable(const Codes& codes) {
  int batteries = 0, lamps = 0, switches = 0;
  for (int s = 1; s <= 9; ++s) {
    batteries += std::abs(codes[s]) == 1;
    lamps += std::abs(codes[s]) == 2;
    switches += std::abs(codes[s]) == 3;
  }
  return batteries <= 2 && lamps <= 5 && switches <= 5;
}

// Every buildable circuit that differs from `base` in at most `most` slots.
inline std::vector<Codes> everyCircuit(int16_t base, int most) {
  std::vector<Codes> out;
  Codes codes;
  codes.fill(base);
  std::function<void(int, int)> fill = [&](int from, int left) {
    if (buildable(codes)) out.push_back(codes);
    if (left == 0) return;
    for (int s = from; s <= 9; ++s)
      for (int16_t code : kCodes) {
        if (code == base) continue;
        codes[s] = code;
        fill(s + 1, left - 1);
        codes[s] = base;
      }
  };
  fill(1, most);
  return out;
}

// A fixed sample of buildable full circuits, every slot drawn from the eight codes alike.
inline std::vector<Codes> sampledCircuits(int count, uint32_t seed) {
  std::vector<Codes> out;
  while (int(out.size()) < count) {
    Codes codes{};
    for (int s = 1; s <= 9; ++s) {
      seed = seed * 1664525u + 1013904223u;
      codes[s] = kCodes[(seed >> 16) % kCodes.size()];
    }
    if (buildable(codes)) out.push_back(codes);
  }
  return out;
}

}  // namespace ladder
