#pragma once
// An independent reckoning of what the current overlay shows, for checking the circuit over
// many circuits. It solves the ladder as a physicist would (node potentials, double precision,
// pivoting on the largest entry), then applies the overlay's rules as they are stated for the
// user: the zero threshold on the solved branches, each battery's current from the junction
// it was taken out at, the short-circuit rule for lamps, wires and closed switches, and the
// bottom rail summed from the right.
//
// The solver under test works in single precision without pivoting; where a decision of the
// overlay lies close to one of its thresholds the two may honestly differ, so the reference
// says whether every decision it made is clear of the thresholds.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace ladder {

// The eight codes a slot can hold.
inline constexpr std::array<int16_t, 8> kCodes = {1, -1, 2, -2, 3, -3, 4, 5};

// The junction at the top of rung k (1..5) is node k; the bottom rail is node 0. A rung slot
// 2k-1 runs from node k down to the rail, a top slot 2k from node k right to node k+1.
inline int fromNode(int slot) { return (slot + 1) / 2; }
inline int toNode(int slot) { return slot % 2 == 1 ? 0 : slot / 2 + 1; }

struct Expected {
  double current[10] = {};  // after the overlay: what the window keeps in each slot
  bool shorted = false;
  bool red[10] = {};    // battery leads, lit lamp, wire or closed switch
  bool lit[10] = {};    // a good lamp glowing
  double rail[5] = {};  // bottom rail J1..J4
  bool railRed[5] = {};
  // Whether every comparison with 0.05 or 10 was clear by a margin the single-precision
  // solve cannot cross.
  bool clear = true;
  int batteries = 0;
};

namespace detail {

// Resistance of a slot that is not a battery, as the window's constants give it.
inline double resistance(int16_t code) {
  const double closed = double(1.0f / 10000.0f);
  switch (code) {
    case 2: return 1.0;
    case 3:
    case 4: return closed;
    default: return 10000.0;  // burnt lamp, open switch, empty
  }
}

// Gaussian elimination with partial pivoting on an n x n system (n <= 7), in place.
inline bool solveLinear(int n, double a[7][8]) {
  for (int p = 0; p < n; ++p) {
    int best = p;
    for (int r = p + 1; r < n; ++r)
      if (std::fabs(a[r][p]) > std::fabs(a[best][p])) best = r;
    if (a[best][p] == 0) return false;
    for (int j = 0; j <= n; ++j) std::swap(a[p][j], a[best][j]);
    for (int r = 0; r < n; ++r) {
      if (r == p) continue;
      const double f = a[r][p] / a[p][p];
      for (int j = p; j <= n; ++j) a[r][j] -= f * a[p][j];
    }
  }
  for (int r = 0; r < n; ++r) a[r][n] /= a[r][r];
  return true;
}

// Whether |v| is clear of the threshold t by more than the single-precision solve can err.
inline bool clearOf(double v, double t) { return std::fabs(std::fabs(v) - t) > t * 0.02; }

}  // namespace detail

// Fills in each battery's current from the currents of the other branches (current[1..9],
// already thresholded). A battery's current is what the other branches at its junction carry.
// A battery's junction is the node at its slot's left (or top) end; the second battery's is the
// node at its right end when the first battery, a rung, already took that node; and when the
// first battery is a top piece ending at the second's node, the two nodes count as one (the
// first battery then lies inside). The second is worked out first, since the first battery's
// junction may hold it. Returns, per slot, the sum of the magnitudes the battery's current was
// added up from.
inline std::array<double, 10> batteryCurrents(const int16_t codes[10], double current[10]) {
  std::array<double, 10> size{};
  int batterySlot[10] = {}, batteries = 0;
  for (int s = 1; s <= 9; ++s)
    if (std::abs(codes[s]) == 1) batterySlot[++batteries] = s;
  for (int b = std::min(batteries, 2); b >= 1; --b) {
    const int s = batterySlot[b];
    bool inSet[7] = {};
    if (b == 1) {
      inSet[fromNode(s)] = true;
    } else if (fromNode(batterySlot[1]) == fromNode(s)) {
      inSet[toNode(s)] = true;
    } else {
      inSet[fromNode(s)] = true;
      if (batterySlot[1] % 2 == 0 && toNode(batterySlot[1]) == fromNode(s)) inSet[fromNode(batterySlot[1])] = true;
    }
    // Leaving the set counts positive; a branch inside it counts nothing.
    auto leaving = [&inSet](int slot) { return int(inSet[fromNode(slot)]) - int(inSet[toNode(slot)]); };
    double others = 0;
    for (int t = 1; t <= 9; ++t) {
      if (t == s) continue;
      others += leaving(t) * current[t];
      size[s] += std::fabs(leaving(t) * current[t]);
    }
    current[s] = -others * leaving(s);
  }
  return size;
}

// The overlay of circuit codes[1..9] (at most two batteries) once it is solved.
inline Expected expectedOverlay(const int16_t codes[10]) {
  Expected e;
  int batterySlot[10] = {};
  for (int s = 1; s <= 9; ++s)
    if (std::abs(codes[s]) == 1) batterySlot[++e.batteries] = s;
  if (e.batteries > 2) return e;  // the palette allows two

  // Unknowns: the potentials of nodes 1..5, then one current per battery (in the direction of
  // its slot). Rows: the current leaving each node, then each battery's voltage.
  const int n = 5 + e.batteries;
  double a[7][8] = {};
  for (int s = 1; s <= 9; ++s) {
    const int from = fromNode(s), to = toNode(s);
    if (std::abs(codes[s]) == 1) continue;
    const double g = 1.0 / detail::resistance(codes[s]);
    a[from - 1][from - 1] += g;
    if (to > 0) {
      a[from - 1][to - 1] -= g;
      a[to - 1][to - 1] += g;
      a[to - 1][from - 1] -= g;
    }
  }
  for (int b = 1; b <= e.batteries; ++b) {
    const int s = batterySlot[b], from = fromNode(s), to = toNode(s);
    const int col = 4 + b;
    a[from - 1][col] += 1;
    if (to > 0) a[to - 1][col] -= 1;
    // The second battery is a hair weaker than the first.
    const double volts = double(float((codes[s] > 0 ? 1 : -1) * (1.5 - (b - 1) * 0.00001)));
    a[col][from - 1] = 1;
    if (to > 0) a[col][to - 1] = -1;
    a[col][n] = volts;
  }
  double potential[6] = {};
  if (e.batteries > 0 && detail::solveLinear(n, a))
    for (int k = 1; k <= 5; ++k) potential[k] = a[k - 1][n];

  // The branches that are not batteries: current = voltage / resistance, then the zero
  // threshold. Any of them above 10 A is a short circuit.
  for (int s = 1; s <= 9; ++s) {
    if (std::abs(codes[s]) == 1) continue;
    const double i = (potential[fromNode(s)] - potential[toNode(s)]) / detail::resistance(codes[s]);
    e.clear = e.clear && detail::clearOf(i, 0.05) && detail::clearOf(i, 10);
    if (std::fabs(i) > 10) e.shorted = true;
    e.current[s] = std::fabs(i) < 0.05 ? 0 : i;
  }

  batteryCurrents(codes, e.current);
  for (int b = 1; b <= e.batteries; ++b) e.clear = e.clear && detail::clearOf(e.current[batterySlot[b]], 0.05);

  // The overlay.
  auto conducting = [&e](double i) {
    const double m = std::fabs(i);
    return (m > 0.05 && !e.shorted) || (m > 10 && e.shorted);
  };
  for (int s = 1; s <= 9; ++s) {
    const int16_t code = codes[s];
    if (std::abs(code) == 1) {
      e.red[s] = std::fabs(e.current[s]) > 0.05;
    } else if (code == 2) {
      e.red[s] = e.lit[s] = std::fabs(e.current[s]) > 0.05 && !e.shorted;
    } else if (code == 3 || code == 4) {
      e.red[s] = conducting(e.current[s]);
    }
    if ((code == 2 || code == 3 || code == 4) && !e.red[s]) e.current[s] = 0;
  }
  // The bottom rail carries the rungs to the right of each segment.
  e.rail[1] = e.current[9];
  e.rail[2] = e.rail[1] + e.current[7];
  e.rail[3] = e.rail[2] + e.current[5];
  e.rail[4] = e.rail[3] + e.current[3];
  for (int k = 1; k <= 4; ++k) {
    e.railRed[k] = conducting(e.rail[k]);
    e.clear = e.clear && detail::clearOf(e.rail[k], 0.05) && detail::clearOf(e.rail[k], 10);
  }
  return e;
}

// "1 -1 5 -3 2 2 2 2 2": a circuit as a reader writes it, for failure messages.
inline std::string circuitText(const int16_t codes[10]) {
  std::string t;
  for (int s = 1; s <= 9; ++s) t += (s > 1 ? " " : "") + std::to_string(codes[s]);
  return t;
}

}  // namespace ladder
