#include "probability/coinsdice.h"

#include "probability/probtables.h"
#include "runtime/convert.h"
#include "runtime/numfmt.h"

namespace probability {

BatchRun::~BatchRun() = default;

void BatchRun::startPause() {
  if (m_running == 0) {
    m_running = 1;
    m_batch = 0;
  } else {
    m_running = 0;
  }
}

void BatchRun::tick() {
  m_batch = int16_t(m_batch + 1);
  throwWithinCap();
  if (m_batch == m_perRun && m_running != 0) stop();
}

bool BatchRun::throwWithinCap() {
  if (m_total >= kThrowCap) {
    stop();
    return false;
  }
  m_total = int16_t(m_total + 1);
  throwOnce();
  return true;
}

// -- coins ----------------------------------------------------------------------------

void CoinsExperiment::setNumCoins(int16_t n) {
  m_numCoins = n;
  m_face.fill(-1);
  for (int i = 1; i <= n; ++i)
    m_face[size_t(itemPos()[size_t(n)][size_t(i)])] = int(rt::roundDown(2 * m_random.next()));
  clear();
}

void CoinsExperiment::clear() {
  m_rowVisible.fill(false);
  m_total = 0;
  m_batch = 0;
  float largest = 0;
  for (int k = 0; k <= m_numCoins; ++k) {
    m_rowVisible[size_t(k)] = true;
    m_actualText[size_t(k)] = "0";
    m_theoryText[size_t(k)] = "0";
    m_heads[size_t(k)] = 0;
    const float p = coinTheory()[size_t(m_numCoins)][size_t(k)];
    if (p > largest) largest = p;
  }
  // One coin's two chances of a half would put the line at the very top.
  if (m_numCoins == 1) largest = 0.8f;
  m_graphTop = 1.2f * largest;
}

void CoinsExperiment::throwOnce() {
  int heads = 0;
  const auto& slots = itemPos()[size_t(m_numCoins)];
  for (int i = 1; i <= m_numCoins; ++i) {
    const float r = m_random.next();
    const bool head = r < 0.5f;
    heads += head;
    m_face[size_t(slots[size_t(i)])] = head ? 0 : 1;
  }
  m_heads[size_t(heads)] = int16_t(m_heads[size_t(heads)] + 1);
  m_actualText[size_t(heads)] = rt::formatNumber(m_heads[size_t(heads)], "####");
  for (int k = 0; k <= m_numCoins; ++k) m_theoryText[size_t(k)] = rt::formatNumber(theoryCount(k), "###0");
}

int16_t CoinsExperiment::theoryCount(int k) const {
  return rt::roundToInt16(float(m_total) * coinTheory()[size_t(m_numCoins)][size_t(k)]);
}

std::string CoinsExperiment::frameCaption() const { return "Totals For" + rt::numberText(m_total) + " Flips"; }

FrequencyGraph CoinsExperiment::graph() const {
  FrequencyGraph g;
  const int n = m_numCoins;
  g.left = -0.5;
  g.right = n + 0.5;
  g.top = m_graphTop;
  g.bottom = 0;
  for (int k = 0; k <= n; ++k) {
    g.theory.emplace_back(k, coinTheory()[size_t(n)][size_t(k)]);
    if (m_total != 0) g.actual.emplace_back(k, float(m_heads[size_t(k)]) / float(m_total));
    g.axis.emplace_back(k, std::to_string(k));
  }
  return g;
}

// -- dice -----------------------------------------------------------------------------

void DiceExperiment::randomFaces() {
  for (int& f : m_face) f = int(rt::roundDown(6 * m_random.next())) + 1;
}

void DiceExperiment::setNumDice(int16_t n) {
  m_numDice = n;
  m_visible.fill(false);
  for (int i = 1; i <= n; ++i) m_visible[size_t(itemPos()[size_t(n)][size_t(i)])] = true;
  clear();
}

void DiceExperiment::clear() {
  m_total = 0;
  m_batch = 0;
  m_rollsText = "0";
  m_totalText = "0";
  const int n = m_numDice;
  float largest = 0;
  for (int t = n; t <= 6 * n; ++t) {
    m_count[size_t(t)] = 0;
    const float p = diceTheory()[size_t(n)][size_t(t)];
    if (p > largest) largest = p;
  }
  if (n == 1) largest = 0.3f;
  m_graphTop = 1.2f * largest;
}

void DiceExperiment::throwOnce() {
  m_rollsText = rt::formatNumber(m_total, "####0");
  int sum = 0;
  const auto& slots = itemPos()[size_t(m_numDice)];
  for (int i = 1; i <= m_numDice; ++i) {
    const int d = int(rt::roundDown(6 * m_random.next())) + 1;
    sum += d;
    m_face[size_t(slots[size_t(i)])] = d;
  }
  m_totalText = rt::formatNumber(sum, "##");
  m_count[size_t(sum)] = int16_t(m_count[size_t(sum)] + 1);
}

int16_t DiceExperiment::theoryCount(int t) const {
  return rt::roundToInt16(float(m_total) * diceTheory()[size_t(m_numDice)][size_t(t)]);
}

FrequencyGraph DiceExperiment::graph() const {
  FrequencyGraph g;
  const int n = m_numDice;
  g.left = n - 1;
  g.right = 6 * n + 1;
  g.top = m_graphTop;
  g.bottom = 0;
  for (int t = n; t <= 6 * n; ++t) {
    g.theory.emplace_back(t, diceTheory()[size_t(n)][size_t(t)]);
    if (m_total != 0) g.actual.emplace_back(t, float(m_count[size_t(t)]) / float(m_total));
  }
  for (int t = n; t <= 6 * n; t += n) g.axis.emplace_back(t, rt::numberText(t));
  return g;
}

}  // namespace probability
