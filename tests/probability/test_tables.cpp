// The fixed tables: slots of the items, chances of heads and of dice totals.

#include <gtest/gtest.h>

#include "probability/probtables.h"

namespace {

using namespace probability;

TEST(Tables, ItemsStandSymmetricallyInTheFiveSlots) {
  const auto& p = itemPos();
  EXPECT_EQ(p[1][1], 2);
  EXPECT_EQ(p[2][1], 1);
  EXPECT_EQ(p[2][2], 3);
  EXPECT_EQ(p[3][1], 0);
  EXPECT_EQ(p[3][2], 2);
  EXPECT_EQ(p[3][3], 4);
  const int16_t four[] = {0, 1, 3, 4};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(p[4][size_t(i)], four[i - 1]);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(p[5][size_t(i)], i - 1);
}

TEST(Tables, CoinChancesAreBinomialAndZeroElsewhere) {
  const auto& c = coinTheory();
  const float five[] = {1, 5, 10, 10, 5, 1};
  for (int k = 0; k <= 5; ++k) EXPECT_EQ(c[5][size_t(k)], five[k] / 32.0f);
  EXPECT_EQ(c[1][0], 0.5f);
  EXPECT_EQ(c[1][1], 0.5f);
  EXPECT_EQ(c[1][2], 0.0f);
  EXPECT_EQ(c[2][1], 0.5f);
  EXPECT_EQ(c[0][0], 0.0f);
  for (int n = 1; n <= 5; ++n) {
    float sum = 0;
    for (int k = 0; k <= 5; ++k) sum += c[size_t(n)][size_t(k)];
    EXPECT_FLOAT_EQ(sum, 1.0f) << n;
  }
}

TEST(Tables, DiceChancesAreExactCountsOverSixToTheN) {
  const auto& d = diceTheory();
  EXPECT_EQ(d[2][7], 6.0f / 36.0f);
  EXPECT_EQ(d[3][10], 27.0f / 216.0f);
  EXPECT_EQ(d[3][11], 27.0f / 216.0f);
  EXPECT_EQ(d[5][30], 1.0f / 7776.0f);
  EXPECT_EQ(d[5][5], 1.0f / 7776.0f);
  EXPECT_EQ(d[1][3], 1.0f / 6.0f);
  // Totals a row cannot reach, row 0 and column 0 stay empty.
  EXPECT_EQ(d[2][1], 0.0f);
  EXPECT_EQ(d[2][13], 0.0f);
  EXPECT_EQ(d[0][3], 0.0f);
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(d[size_t(n)][0], 0.0f);
    double sum = 0;
    for (int t = 0; t <= 30; ++t) sum += d[size_t(n)][size_t(t)];
    EXPECT_NEAR(sum, 1.0, 1e-6) << n;
  }
}

}  // namespace
