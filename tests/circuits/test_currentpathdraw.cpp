// The current's path as the board draws it, over many circuits: the red lines after a solve
// are exactly the leads of the batteries, lit lamps, wires and closed switches that carry
// current, and the pieces of the bottom rail, at the places the drawing gives each kind of
// element in each slot; lit lamps glow with a red filament and a grey glass. The expected
// path comes from an independent solve of the ladder (tests/circuits/ladderreference.h).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "circuits/circuit.h"
#include "circuits/circuitdraw.h"
#include "platform/surface.h"
#include "runtime/palette.h"
#include "tests/circuits/circuitfamilies.h"
#include "tests/circuits/ladderreference.h"
#include "tests/support/doubles.h"

namespace {

using ladder::Codes;
using Segment = std::array<double, 4>;  // x1, y1, x2, y2 with the smaller end first

Segment segment(double x1, double y1, double x2, double y2) {
  if (x2 < x1 || (x2 == x1 && y2 < y1)) return {x2, y2, x1, y1};
  return {x1, y1, x2, y2};
}

// The left edge of slot s's box, and its top: rungs in the lower row, top pieces above.
double left(int s) { return 7 + 32 * (s - 1); }
double top(int s) { return s % 2 == 1 ? 51 : 3; }

// A polyline as its segments.
void polyline(std::vector<Segment>& out, std::initializer_list<std::array<double, 2>> points) {
  const std::array<double, 2>* last = nullptr;
  for (const auto& p : points) {
    if (last) out.push_back(segment((*last)[0], (*last)[1], p[0], p[1]));
    last = &p;
  }
}

// The red lines of one element carrying current, as the board's layout places them.
void redLeads(std::vector<Segment>& out, int s, int16_t code) {
  const double S = left(s);
  const bool rung = s % 2 == 1;
  switch (std::abs(code)) {
    case 1:  // from the top rail to the body and from the body to the bottom rail
      if (rung) {
        polyline(out, {{S + 24, 23}, {S + 24, 58}});
        polyline(out, {{S + 24, 87}, {S + 24, 112}});
      } else {
        polyline(out, {{S - 8, 23}, {S + 5, 23}});
        polyline(out, {{S + 44, 23}, {S + 56, 23}});
      }
      break;
    case 2:  // round the glass to its two contacts
      if (rung) {
        polyline(out, {{S + 24, 23}, {S + 24, 48}, {S + 4, 48}, {S + 4, 87}, {S + 16, 87}});
        polyline(out, {{S + 33, 87}, {S + 33, 95}, {S + 24, 95}, {S + 24, 112}});
      } else {
        polyline(out, {{S - 8, 23}, {S + 1, 23}, {S + 1, 39}, {S + 16, 39}});
        polyline(out, {{S + 33, 39}, {S + 48, 39}, {S + 48, 23}, {S + 56, 23}});
      }
      break;
    default:  // a wire or a closed switch: one straight line from rail to rail
      if (rung)
        polyline(out, {{S + 24, 23}, {S + 24, 112}});
      else
        polyline(out, {{S - 8, 23}, {S + 56, 23}});
      break;
  }
}

// The pieces of the bottom rail, J1 (right of rung 4) to J4 (left of rung 2).
const double kRailFrom[5] = {0, 223, 159, 95, 31};

// Whether a red line is part of lamp s's filament: inside the glass.
bool inGlass(const Segment& g, int s) {
  const double S = left(s), T = top(s);
  auto inside = [&](double x, double y) { return x >= S + 8 && x <= S + 41 && y >= T && y <= T + 33; };
  return inside(g[0], g[1]) && inside(g[2], g[3]);
}

std::string text(const Segment& g) {
  std::ostringstream out;
  out << "(" << g[0] << ", " << g[1] << ")-(" << g[2] << ", " << g[3] << ")";
  return out.str();
}

// The board of the window, solving and drawing circuits one after another.
class Board {
 public:
  Board() { m_drawing.setUpPicture(); }

  // What differs between the board's red lines after solving `codes` and what is expected;
  // empty when nothing.
  std::string compare(const Codes& codes, const ladder::Expected& e) {
    std::copy(codes.begin(), codes.end(), m_element.begin());
    m_drawing.EditMode = 0;
    m_circuit.setUp();
    m_circuit.solve();
    m_pic.clearOps();
    m_drawing.drawCurrents();

    std::vector<Segment> drawn;
    int filament[10] = {}, litGlass = 0;
    for (const plat::DrawOp& op : m_pic.ops()) {
      if (op.op == "polygon" && op.fillColour != rt::palette::kBlack) ++litGlass;
      if (op.op != "line" || op.colour != rt::palette::kRed) continue;
      const Segment g = segment(op.args[0], op.args[1], op.args[2], op.args[3]);
      int glass = 0;
      for (int s = 1; s <= 9; ++s)
        if (codes[s] == 2 && inGlass(g, s)) glass = s;
      if (glass > 0)
        ++filament[glass];
      else
        drawn.push_back(g);
    }

    std::vector<Segment> expected;
    int lit = 0;
    for (int s = 1; s <= 9; ++s) {
      if (e.red[s]) redLeads(expected, s, codes[s]);
      lit += e.lit[s];
    }
    for (int k = 1; k <= 4; ++k)
      if (e.railRed[k]) expected.push_back(segment(kRailFrom[k], 112, kRailFrom[k] + 64, 112));

    std::sort(drawn.begin(), drawn.end());
    std::sort(expected.begin(), expected.end());
    std::ostringstream out;
    std::vector<Segment> missing, extra;
    std::set_difference(expected.begin(), expected.end(), drawn.begin(), drawn.end(), std::back_inserter(missing));
    std::set_difference(drawn.begin(), drawn.end(), expected.begin(), expected.end(), std::back_inserter(extra));
    for (const Segment& g : missing) out << " missing red " << text(g) << ";";
    for (const Segment& g : extra) out << " stray red " << text(g) << ";";
    for (int s = 1; s <= 9; ++s)
      if (codes[s] == 2 && (filament[s] > 0) != e.lit[s])
        out << " lamp " << s << (e.lit[s] ? " filament not red;" : " filament red;");
    if (litGlass != lit) out << " " << litGlass << " glasses lit, " << lit << " expected;";
    std::string d = out.str();
    if (!d.empty()) d = "circuit " + ladder::circuitText(codes.data()) + ":" + d;
    return d;
  }

 private:
  Codes m_element{};
  circuits::Circuit m_circuit{m_element.data()};
  plat::RecordingSurface m_pic{561, 393, rt::palette::kBlack};
  circuits::CircuitDrawing m_drawing{m_pic, m_circuit};
};

bool hasBattery(const Codes& codes) {
  return std::any_of(codes.begin() + 1, codes.end(), [](int16_t c) { return std::abs(c) == 1; });
}

// Every buildable circuit with a battery that differs from `base` in at most `most` slots.
std::vector<Codes> everyCircuit(int16_t base, int most) {
  std::vector<Codes> out;
  for (const Codes& codes : ladder::everyCircuit(base, most))
    if (hasBattery(codes)) out.push_back(codes);
  return out;
}

std::vector<Codes> sampledCircuits(int count) { return ladder::sampledCircuits(count, 19700101u); }

void drawAndCompare(const std::vector<Codes>& family) {
  Board board;
  int wrong = 0, judged = 0;
  for (const Codes& codes : family) {
    const ladder::Expected e = ladder::expectedOverlay(codes.data());
    if (!e.clear) continue;
    ++judged;
    const std::string d = board.compare(codes, e);
    if (!d.empty() && ++wrong <= 10) ADD_FAILURE() << d;
  }
  EXPECT_GT(judged, int(family.size()) * 98 / 100);
  EXPECT_EQ(wrong, 0) << "of " << judged << " circuits";
}

TEST(CurrentPathPicture, EachElementCarryingCurrentInEachSlot) {
  // Each kind of element that shows current (a battery either way round, a lamp, a closed
  // switch, a wire) in each slot, in a loop of three: a rung, the top piece beside it and the
  // next rung. The loop's other two slots hold a battery and a lamp, or a lamp and a wire,
  // so that about 1.5 A flows and nothing is short.
  Board board;
  for (int s = 1; s <= 9; ++s)
    for (int16_t code : {1, -1, 2, 3, 4}) {
      int other[2];
      if (s % 2 == 0) {
        other[0] = s - 1, other[1] = s + 1;
      } else if (s == 1) {
        other[0] = 2, other[1] = 3;
      } else {
        other[0] = s - 1, other[1] = s - 2;
      }
      Codes codes;
      codes.fill(circuits::kEmpty);
      codes[s] = code;
      const bool battery = std::abs(code) == 1;
      codes[other[0]] = battery ? int16_t(2) : int16_t(1);
      codes[other[1]] = battery || code == 2 ? int16_t(4) : int16_t(2);
      SCOPED_TRACE(ladder::circuitText(codes.data()));
      const ladder::Expected e = ladder::expectedOverlay(codes.data());
      ASSERT_TRUE(e.clear && e.red[s] && !e.shorted);
      EXPECT_EQ(board.compare(codes, e), "");
    }
}

TEST(CurrentPathPicture, EveryCircuitOfUpToThreeElementsWithABattery) {
  const std::vector<Codes> family = everyCircuit(circuits::kEmpty, 3);
  ASSERT_GT(family.size(), 9000u);
  drawAndCompare(family);
}

TEST(CurrentPathPicture, EveryAllWireCircuitWithTwoOtherElements) { drawAndCompare(everyCircuit(circuits::kWire, 2)); }

TEST(CurrentPathPicture, SampledFullCircuits) { drawAndCompare(sampledCircuits(4000)); }

}  // namespace
