// Coins and dice: faces, counts, theory read-outs, batches, the cap and the graphs.

#include <gtest/gtest.h>

#include <numeric>

#include "probability/coinsdice.h"
#include "runtime/random.h"
#include "tests/support/manualsources.h"

namespace {

using namespace probability;

TEST(Coins, FacesStandInTheSlotsOfTheNumberOfCoins) {
  rt::ScriptedRandom r({0.2f});
  CoinsExperiment c(r);
  c.setNumCoins(3);
  const int three[5] = {0, -1, 0, -1, 0};
  for (int s = 0; s < 5; ++s) EXPECT_EQ(c.face(s), three[s]) << s;
  c.setNumCoins(2);
  const int two[5] = {-1, 0, -1, 0, -1};
  for (int s = 0; s < 5; ++s) EXPECT_EQ(c.face(s), two[s]) << s;
  c.setNumCoins(1);
  for (int s = 0; s < 5; ++s) EXPECT_EQ(c.face(s) >= 0, s == 2) << s;
}

TEST(Coins, AFlipCountsHeadsBelowOneHalf) {
  // Three faces at the change of coins, then one flip: heads, tails, heads.
  rt::ScriptedRandom r({0.9f, 0.9f, 0.9f, 0.1f, 0.5f, 0.49f});
  CoinsExperiment c(r);
  c.setNumCoins(3);
  EXPECT_EQ(c.face(0), 1);
  ASSERT_TRUE(c.flipCoins());
  EXPECT_EQ(c.face(0), 0);
  EXPECT_EQ(c.face(2), 1);
  EXPECT_EQ(c.face(4), 0);
  EXPECT_EQ(c.headCount(2), 1);
  EXPECT_EQ(c.actualText(2), "1");
  EXPECT_EQ(c.actualText(0), "0");
  EXPECT_EQ(c.frameCaption(), "Totals For 1 Flips");
}

TEST(Coins, TheoryCountsRoundHalvesToEven) {
  rt::ScriptedRandom r({0.3f});
  CoinsExperiment c(r);
  c.setNumCoins(2);
  c.flipCoins();
  for (int k = 0; k <= 2; ++k) EXPECT_EQ(c.theoryText(k), "0") << k;  // .25, .5, .25
  c.flipCoins();
  EXPECT_EQ(c.theoryText(0), "0");  // .5
  EXPECT_EQ(c.theoryText(1), "1");
  EXPECT_EQ(c.theoryText(2), "0");
}

TEST(Coins, ClearShowsRowsZeroToNAndOnlyTheTheoryLine) {
  rt::ScriptedRandom r({0.3f, 0.7f});
  CoinsExperiment c(r);
  c.setNumCoins(5);
  for (int i = 0; i < 7; ++i) c.flipCoins();
  c.setNumCoins(4);
  EXPECT_EQ(c.frameCaption(), "Totals For 0 Flips");
  for (int k = 0; k <= 5; ++k) {
    EXPECT_EQ(c.rowVisible(k), k <= 4) << k;
    if (k <= 4) {
      EXPECT_EQ(c.actualText(k), "0");
      EXPECT_EQ(c.theoryText(k), "0");
      EXPECT_EQ(c.headCount(k), 0);
    }
  }
  const FrequencyGraph g = c.graph();
  EXPECT_EQ(g.theory.size(), 5u);
  EXPECT_TRUE(g.actual.empty());
  EXPECT_EQ(g.left, -0.5);
  EXPECT_EQ(g.right, 4.5);
  ASSERT_EQ(g.axis.size(), 5u);
  EXPECT_EQ(g.axis[3], (std::pair<double, std::string>(3, "3")));
}

TEST(Coins, GraphTopIsTwelveTenthsOfTheLargestChance) {
  rt::ScriptedRandom r({0.3f});
  CoinsExperiment c(r);
  c.setNumCoins(1);
  EXPECT_EQ(c.graphTop(), 1.2f * 0.8f);
  EXPECT_FLOAT_EQ(c.graphTop(), 0.96f);
  c.setNumCoins(5);
  EXPECT_FLOAT_EQ(c.graphTop(), 0.375f);
  EXPECT_EQ(c.graph().top, double(1.2f * (10.0f / 32.0f)));
}

TEST(Coins, RunsMakeTheirBatchAndAddUp) {
  rt::ScriptedRandom r({0.3f, 0.6f, 0.8f});
  CoinsExperiment c(r);
  c.setNumCoins(5);
  c.setNumFlips(500);
  for (int run = 0; run < 2; ++run) {
    c.startPause();
    EXPECT_EQ(c.buttonCaption(), "&Pause");
    int ticks = 0;
    while (c.running() && ticks < 600) c.tick(), ++ticks;
    EXPECT_EQ(ticks, 500);
  }
  EXPECT_EQ(c.frameCaption(), "Totals For 1000 Flips");
  EXPECT_EQ(c.buttonCaption(), "&Flip Coins");
  const FrequencyGraph g = c.graph();
  ASSERT_EQ(g.actual.size(), 6u);
  double sum = 0;
  for (const auto& p : g.actual) sum += p.second;
  EXPECT_NEAR(sum, 1.0, 1e-5);
}

TEST(Coins, ARunOfOneFlipStopsAfterIt) {
  rt::ScriptedRandom r({0.3f});
  CoinsExperiment c(r);
  c.setNumCoins(2);
  c.setNumFlips(1);
  c.startPause();
  c.tick();
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.totalFlips(), 1);
  EXPECT_EQ(c.buttonCaption(), "&Flip Coins");
}

TEST(Coins, PausingKeepsTheCounts) {
  rt::ScriptedRandom r({0.3f});
  CoinsExperiment c(r);
  c.setNumCoins(2);
  c.setNumFlips(50);
  c.startPause();
  for (int i = 0; i < 3; ++i) c.tick();
  c.startPause();
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.totalFlips(), 3);
  EXPECT_EQ(c.headCount(2), 3);
}

TEST(Coins, TheCapStopsAtTenThousandAndChangesNothingAfter) {
  rt::ScriptedRandom r({0.3f, 0.6f, 0.1f, 0.7f, 0.9f});
  CoinsExperiment c(r);
  c.setNumCoins(3);
  c.setNumFlips(500);
  int runs = 0;
  while (c.totalFlips() < kThrowCap && runs < 30) {
    c.startPause();
    while (c.running()) c.tick();
    ++runs;
  }
  EXPECT_EQ(runs, 20);
  EXPECT_EQ(c.frameCaption(), "Totals For 10000 Flips");
  int sum = 0;
  for (int k = 0; k <= 3; ++k) sum += c.headCount(k);
  EXPECT_EQ(sum, 10000);
  const auto drawn = r.drawn();
  const std::string theory = c.theoryText(1);
  c.startPause();
  c.tick();
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.totalFlips(), 10000);
  EXPECT_EQ(r.drawn(), drawn);
  EXPECT_EQ(c.theoryText(1), theory);
  c.clear();
  EXPECT_TRUE(c.flipCoins());
}

TEST(Dice, SlotsKeepTheirFacesWhenTheNumberChanges) {
  // The load step's five faces: 1, 2, 3, 4, 6.
  rt::ScriptedRandom r({0.0f, 0.2f, 0.4f, 0.6f, 0.9f});
  DiceExperiment d(r);
  d.randomFaces();
  d.setNumDice(2);
  const int faces[5] = {1, 2, 3, 4, 6};
  for (int s = 0; s < 5; ++s) {
    EXPECT_EQ(d.face(s), faces[s]);
    EXPECT_EQ(d.slotVisible(s), s == 1 || s == 3);
  }
  EXPECT_EQ(r.drawn(), 5u);
}

TEST(Dice, ARollAddsTheSpots) {
  rt::ScriptedRandom r({0.99f, 0.5f});
  DiceExperiment d(r);
  d.setNumDice(2);
  ASSERT_TRUE(d.rollDice());
  EXPECT_EQ(d.face(1), 6);
  EXPECT_EQ(d.face(3), 4);
  EXPECT_EQ(d.totalText(), "10");
  EXPECT_EQ(d.rollsText(), "1");
  EXPECT_EQ(d.totalCount(10), 1);
  EXPECT_EQ(d.theoryCount(7), 0);  // 1 x 6/36
}

TEST(Dice, AxisDigitsStepByTheNumberOfDice) {
  rt::ScriptedRandom r({0.5f});
  DiceExperiment d(r);
  d.setNumDice(2);
  FrequencyGraph g = d.graph();
  ASSERT_EQ(g.axis.size(), 6u);
  EXPECT_EQ(g.axis.front(), (std::pair<double, std::string>(2, " 2")));
  EXPECT_EQ(g.axis.back(), (std::pair<double, std::string>(12, " 12")));
  EXPECT_EQ(g.left, 1);
  EXPECT_EQ(g.right, 13);
  EXPECT_EQ(g.theory.size(), 11u);
  d.setNumDice(5);
  g = d.graph();
  ASSERT_EQ(g.axis.size(), 6u);
  EXPECT_EQ(g.axis.front().second, " 5");
  EXPECT_EQ(g.axis.back().second, " 30");
  d.setNumDice(1);
  EXPECT_FLOAT_EQ(d.graphTop(), 0.36f);
}

TEST(Dice, ClearResetsTheTotalsInUseAndTheReadouts) {
  rt::ScriptedRandom r({0.1f, 0.3f, 0.7f});
  DiceExperiment d(r);
  d.setNumDice(1);
  d.setNumRolls(4);
  d.startPause();
  while (d.running()) d.tick();
  EXPECT_EQ(d.totalRolls(), 4);
  EXPECT_EQ(d.buttonCaption(), "&Roll Dice");
  d.clear();
  EXPECT_EQ(d.rollsText(), "0");
  EXPECT_EQ(d.totalText(), "0");
  for (int t = 1; t <= 6; ++t) EXPECT_EQ(d.totalCount(t), 0);
  EXPECT_TRUE(d.graph().actual.empty());
}

}  // namespace
