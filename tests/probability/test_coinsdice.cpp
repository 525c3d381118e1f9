// Coins and dice: faces, counts, theory read-outs, batches, the cap and the graphs.

#include <gtest/gtest.h>

#include <numeric>

#include "probability/coinsdice.h"
#include "runtime/random.h"
#include "tests/support/manualsources.h"

namespace {

using namespace prob;

TEST(Coins, FacesStandInTheSlotsOfTheNumberOfCoins) {
  rt::ScriptedRandom r({0.2f});
  CoinsExperiment c(r);
  c.SetNumCoins(3);
  const int three[5] = {0, -1, 0, -1, 0};
  for (int s = 0; s < 5; ++s) EXPECT_EQ(c.Face(s), three[s]) << s;
  c.SetNumCoins(2);
  const int two[5] = {-1, 0, -1, 0, -1};
  for (int s = 0; s < 5; ++s) EXPECT_EQ(c.Face(s), two[s]) << s;
  c.SetNumCoins(1);
  for (int s = 0; s < 5; ++s) EXPECT_EQ(c.Face(s) >= 0, s == 2) << s;
}

TEST(Coins, AFlipCountsHeadsBelowOneHalf) {
  // Three faces at the change of coins, then one flip: heads, tails, heads.
  rt::ScriptedRandom r({0.9f, 0.9f, 0.9f, 0.1f, 0.5f, 0.49f});
  CoinsExperiment c(r);
  c.SetNumCoins(3);
  EXPECT_EQ(c.Face(0), 1);
  ASSERT_TRUE(c.FlipCoins());
  EXPECT_EQ(c.Face(0), 0);
  EXPECT_EQ(c.Face(2), 1);
  EXPECT_EQ(c.Face(4), 0);
  EXPECT_EQ(c.HeadCount(2), 1);
  EXPECT_EQ(c.ActualText(2), "1");
  EXPECT_EQ(c.ActualText(0), "0");
  EXPECT_EQ(c.FrameCaption(), "Totals For 1 Flips");
}

TEST(Coins, TheoryCountsRoundHalvesToEven) {
  rt::ScriptedRandom r({0.3f});
  CoinsExperiment c(r);
  c.SetNumCoins(2);
  c.FlipCoins();
  for (int k = 0; k <= 2; ++k) EXPECT_EQ(c.TheoryText(k), "0") << k;  // .25, .5, .25
  c.FlipCoins();
  EXPECT_EQ(c.TheoryText(0), "0");  // .5
  EXPECT_EQ(c.TheoryText(1), "1");
  EXPECT_EQ(c.TheoryText(2), "0");
}

TEST(Coins, ClearShowsRowsZeroToNAndOnlyTheTheoryLine) {
  rt::ScriptedRandom r({0.3f, 0.7f});
  CoinsExperiment c(r);
  c.SetNumCoins(5);
  for (int i = 0; i < 7; ++i) c.FlipCoins();
  c.SetNumCoins(4);
  EXPECT_EQ(c.FrameCaption(), "Totals For 0 Flips");
  for (int k = 0; k <= 5; ++k) {
    EXPECT_EQ(c.RowVisible(k), k <= 4) << k;
    if (k <= 4) {
      EXPECT_EQ(c.ActualText(k), "0");
      EXPECT_EQ(c.TheoryText(k), "0");
      EXPECT_EQ(c.HeadCount(k), 0);
    }
  }
  const FrequencyGraph g = c.Graph();
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
  c.SetNumCoins(1);
  EXPECT_EQ(c.GraphTop(), 1.2f * 0.8f);
  EXPECT_FLOAT_EQ(c.GraphTop(), 0.96f);
  c.SetNumCoins(5);
  EXPECT_FLOAT_EQ(c.GraphTop(), 0.375f);
  EXPECT_EQ(c.Graph().top, double(1.2f * (10.0f / 32.0f)));
}

TEST(Coins, RunsMakeTheirBatchAndAddUp) {
  rt::ScriptedRandom r({0.3f, 0.6f, 0.8f});
  CoinsExperiment c(r);
  c.SetNumCoins(5);
  c.SetNumFlips(500);
  for (int run = 0; run < 2; ++run) {
    c.StartPause();
    EXPECT_EQ(c.ButtonCaption(), "&Pause");
    int ticks = 0;
    while (c.Running() && ticks < 600) c.Tick(), ++ticks;
    EXPECT_EQ(ticks, 500);
  }
  EXPECT_EQ(c.FrameCaption(), "Totals For 1000 Flips");
  EXPECT_EQ(c.ButtonCaption(), "&Flip Coins");
  const FrequencyGraph g = c.Graph();
  ASSERT_EQ(g.actual.size(), 6u);
  double sum = 0;
  for (const auto& p : g.actual) sum += p.second;
  EXPECT_NEAR(sum, 1.0, 1e-5);
}

TEST(Coins, ARunOfOneFlipStopsAfterIt) {
  rt::ScriptedRandom r({0.3f});
  CoinsExperiment c(r);
  c.SetNumCoins(2);
  c.SetNumFlips(1);
  c.StartPause();
  c.Tick();
  EXPECT_FALSE(c.Running());
  EXPECT_EQ(c.TotalFlips(), 1);
  EXPECT_EQ(c.ButtonCaption(), "&Flip Coins");
}

TEST(Coins, PausingKeepsTheCounts) {
  rt::ScriptedRandom r({0.3f});
  CoinsExperiment c(r);
  c.SetNumCoins(2);
  c.SetNumFlips(50);
  c.StartPause();
  for (int i = 0; i < 3; ++i) c.Tick();
  c.StartPause();
  EXPECT_FALSE(c.Running());
  EXPECT_EQ(c.TotalFlips(), 3);
  EXPECT_EQ(c.HeadCount(2), 3);
}

TEST(Coins, TheCapStopsAtTenThousandAndChangesNothingAfter) {
  rt::ScriptedRandom r({0.3f, 0.6f, 0.1f, 0.7f, 0.9f});
  CoinsExperiment c(r);
  c.SetNumCoins(3);
  c.SetNumFlips(500);
  int runs = 0;
  while (c.TotalFlips() < kThrowCap && runs < 30) {
    c.StartPause();
    while (c.Running()) c.Tick();
    ++runs;
  }
  EXPECT_EQ(runs, 20);
  EXPECT_EQ(c.FrameCaption(), "Totals For 10000 Flips");
  int sum = 0;
  for (int k = 0; k <= 3; ++k) sum += c.HeadCount(k);
  EXPECT_EQ(sum, 10000);
  const auto drawn = r.drawn();
  const std::string theory = c.TheoryText(1);
  c.StartPause();
  c.Tick();
  EXPECT_FALSE(c.Running());
  EXPECT_EQ(c.TotalFlips(), 10000);
  EXPECT_EQ(r.drawn(), drawn);
  EXPECT_EQ(c.TheoryText(1), theory);
  c.Clear();
  EXPECT_TRUE(c.FlipCoins());
}

TEST(Dice, SlotsKeepTheirFacesWhenTheNumberChanges) {
  // The load step's five faces: 1, 2, 3, 4, 6.
  rt::ScriptedRandom r({0.0f, 0.2f, 0.4f, 0.6f, 0.9f});
  DiceExperiment d(r);
  d.RandomFaces();
  d.SetNumDice(2);
  const int faces[5] = {1, 2, 3, 4, 6};
  for (int s = 0; s < 5; ++s) {
    EXPECT_EQ(d.Face(s), faces[s]);
    EXPECT_EQ(d.SlotVisible(s), s == 1 || s == 3);
  }
  EXPECT_EQ(r.drawn(), 5u);
}

TEST(Dice, ARollAddsTheSpots) {
  rt::ScriptedRandom r({0.99f, 0.5f});
  DiceExperiment d(r);
  d.SetNumDice(2);
  ASSERT_TRUE(d.RollDice());
  EXPECT_EQ(d.Face(1), 6);
  EXPECT_EQ(d.Face(3), 4);
  EXPECT_EQ(d.TotalText(), "10");
  EXPECT_EQ(d.RollsText(), "1");
  EXPECT_EQ(d.TotalCount(10), 1);
  EXPECT_EQ(d.TheoryCount(7), 0);  // 1 x 6/36
}

TEST(Dice, AxisDigitsStepByTheNumberOfDice) {
  rt::ScriptedRandom r({0.5f});
  DiceExperiment d(r);
  d.SetNumDice(2);
  FrequencyGraph g = d.Graph();
  ASSERT_EQ(g.axis.size(), 6u);
  EXPECT_EQ(g.axis.front(), (std::pair<double, std::string>(2, " 2")));
  EXPECT_EQ(g.axis.back(), (std::pair<double, std::string>(12, " 12")));
  EXPECT_EQ(g.left, 1);
  EXPECT_EQ(g.right, 13);
  EXPECT_EQ(g.theory.size(), 11u);
  d.SetNumDice(5);
  g = d.Graph();
  ASSERT_EQ(g.axis.size(), 6u);
  EXPECT_EQ(g.axis.front().second, " 5");
  EXPECT_EQ(g.axis.back().second, " 30");
  d.SetNumDice(1);
  EXPECT_FLOAT_EQ(d.GraphTop(), 0.36f);
}

TEST(Dice, ClearResetsTheTotalsInUseAndTheReadOuts) {
  rt::ScriptedRandom r({0.1f, 0.3f, 0.7f});
  DiceExperiment d(r);
  d.SetNumDice(1);
  d.SetNumRolls(4);
  d.StartPause();
  while (d.Running()) d.Tick();
  EXPECT_EQ(d.TotalRolls(), 4);
  EXPECT_EQ(d.ButtonCaption(), "&Roll Dice");
  d.Clear();
  EXPECT_EQ(d.RollsText(), "0");
  EXPECT_EQ(d.TotalText(), "0");
  for (int t = 1; t <= 6; ++t) EXPECT_EQ(d.TotalCount(t), 0);
  EXPECT_TRUE(d.Graph().actual.empty());
}

}  // namespace
