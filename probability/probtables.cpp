#include "probability/probtables.h"

namespace probability {

ItemPosTable buildItemPos() {
  ItemPosTable t{};
  // The items stand symmetrically about the middle slot.
  t[1][1] = 2;
  t[2][1] = 1, t[2][2] = 3;
  t[3][1] = 0, t[3][2] = 2, t[3][3] = 4;
  t[4][1] = 0, t[4][2] = 1, t[4][3] = 3, t[4][4] = 4;
  for (int i = 1; i <= 5; ++i) t[5][size_t(i)] = int16_t(i - 1);
  return t;
}

CoinTheoryTable buildCoinTheory() {
  CoinTheoryTable t{};
  // Pascal's triangle gives the ways of k heads among n coins; there are 2^n outcomes.
  int ways[6][6] = {};
  ways[0][0] = 1;
  for (int n = 1; n <= 5; ++n)
    for (int k = 0; k <= n; ++k) ways[n][k] = (k > 0 ? ways[n - 1][k - 1] : 0) + (k < n ? ways[n - 1][k] : 0);
  for (int n = 1; n <= 5; ++n) {
    const float outcomes = float(1 << n);
    for (int k = 0; k <= n; ++k) t[size_t(n)][size_t(k)] = float(ways[n][k]) / outcomes;
  }
  return t;
}

DiceTheoryTable buildDiceTheory() {
  // First the numbers of ways each total can be thrown, row by row from one die.
  std::array<std::array<float, 31>, 6> ways{};
  for (int t = 1; t <= 6; ++t) ways[1][size_t(t)] = 1;
  for (int n = 2; n <= 5; ++n)
    for (int t = n - 1; t <= 6 * (n - 1); ++t)
      for (int f = 1; f <= 6; ++f) ways[size_t(n)][size_t(t + f)] += ways[size_t(n - 1)][size_t(t)];
  // Then each divided by the 6^n equally likely throws.
  DiceTheoryTable p{};
  float outcomes = 1;
  for (int n = 1; n <= 5; ++n) {
    outcomes *= 6;
    for (int t = 1; t <= 30; ++t) p[size_t(n)][size_t(t)] = ways[size_t(n)][size_t(t)] / outcomes;
  }
  return p;
}

const ItemPosTable& itemPos() {
  static const ItemPosTable kTable = buildItemPos();
  return kTable;
}

const CoinTheoryTable& coinTheory() {
  static const CoinTheoryTable kTable = buildCoinTheory();
  return kTable;
}

const DiceTheoryTable& diceTheory() {
  static const DiceTheoryTable kTable = buildDiceTheory();
  return kTable;
}

}  // namespace probability
