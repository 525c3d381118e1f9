#include "probability/toothpicks.h"

#include <cmath>

#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "runtime/physics.h"

namespace probability {

namespace {
// A whole turn in single precision. Doubling a single is exact, so this is the very single
// 6.28318 that the angles are drawn over.
constexpr float kFullTurn = 2 * rt::phys::kPiSingle;
static_assert(kFullTurn == 6.28318f);
}  // namespace

ToothpickHost::~ToothpickHost() = default;

void ToothpickDrop::load(int sheetWidthTwips, int sheetHeightTwips) {
  m_running = 0;
  m_drops = 0;
  m_hits = 0;
  m_width = sheetWidthTwips;
  m_spacing = rt::roundToInt16(double(sheetHeightTwips) / 7);
  for (int i = 0; i < 6; ++i) m_lineY[size_t(i)] = int16_t((i + 1) * m_spacing);
  drawLines();
}

void ToothpickDrop::drawLines() {
  for (int16_t y : m_lineY) m_host.drawRuledLine(y);
}

void ToothpickDrop::startPause() {
  if (m_running == 0) {
    m_running = 1;
    m_batch = 0;
  } else {
    m_running = 0;
  }
}

void ToothpickDrop::tick() {
  m_batch = int16_t(m_batch + 1);
  dropToothpick();
  if (m_batch == m_group && m_running != 0) m_running = 0;
}

Toothpick ToothpickDrop::place(int w, int16_t l, float r1, float r2, float r3) {
  Toothpick t;
  const float half = 0.5f * float(l);
  // The centre stays half a toothpick inside the left and right edges, and within a band
  // six spacings high around the six lines.
  t.xc = rt::roundToInt16(float(w - l) * r1 + half);
  t.yc = rt::roundToInt16(float(6 * l) * r2 + half);
  t.angle = rt::phys::kPiSingle - kFullTurn * r3;
  const double s = std::sin(double(t.angle)), c = std::cos(double(t.angle));
  t.y1 = rt::roundToInt16(t.yc - double(half) * s);
  t.y2 = rt::roundToInt16(t.yc + double(half) * s);
  t.x1 = t.xc - double(half) * c;
  t.x2 = t.xc + double(half) * c;
  return t;
}

bool ToothpickDrop::crosses(const Toothpick& t, int16_t y) {
  return (y >= t.y1 && y <= t.y2) || (y >= t.y2 && y <= t.y1);
}

bool ToothpickDrop::dropToothpick() {
  if (m_drops >= kDropCap) {
    m_running = 0;
    return false;
  }
  m_drops = int16_t(m_drops + 1);
  const float r1 = m_random.next();
  const float r2 = m_random.next();
  const float r3 = m_random.next();
  m_last = place(m_width, m_spacing, r1, r2, r3);
  const int colour = int(rt::roundDown(6 * m_random.next())) + 9;
  m_host.drawToothpick(m_last.x1, m_last.y1, m_last.x2, m_last.y2, rt::numberedColour(colour));
  m_dropsText = rt::formatNumber(m_drops, "####0");
  // The lines are drawn again over the toothpick; a crossing ends the count for this drop.
  for (int i = 0; i < 6; ++i) {
    m_host.drawRuledLine(m_lineY[size_t(i)]);
    if (crosses(m_last, m_lineY[size_t(i)])) {
      m_hits = int16_t(m_hits + 1);
      m_hitsText = rt::formatNumber(m_hits, "####0");
      break;
    }
  }
  if (m_hits != 0)
    m_piText = rt::formatNumber(double(int16_t(2 * m_drops)) / double(m_hits), "0.0000000");
  else
    m_piText = "0";
  return true;
}

void ToothpickDrop::clear() {
  m_drops = 0;
  m_hits = 0;
  m_dropsText = "0";
  m_hitsText = "0";
  m_piText.clear();
  m_host.clearSheet();
  drawLines();
}

}  // namespace probability
