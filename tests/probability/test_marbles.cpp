// The marble board: the fall, the bins, the theory column, the 32-marble limit and pauses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probability/marbles.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "tests/support/manualsources.h"

namespace {

using namespace prob;

struct Host : MarbleHost {
  struct Mark {
    bool draw;
    float col, row;
  };
  void DrawBoard() override { ++boards; }
  void DrawMarble(float col, float row, rt::Colour c) override {
    marks.push_back({true, col, row});
    colours.push_back(c);
  }
  void EraseMarble(float col, float row) override { marks.push_back({false, col, row}); }
  void PlayBoing() override { ++boings; }
  void PlayDing() override { ++dings; }
  void Delay(float s) override { delays.push_back(s); }
  void ShowCounts() override { ++shown; }
  int boards = 0, boings = 0, dings = 0, shown = 0;
  std::vector<float> delays;
  std::vector<Mark> marks;
  std::vector<rt::Colour> colours;
};

class Board : public ::testing::Test {
 protected:
  // Drops marbles until n have landed or the run stops.
  void land(int n) {
    const int target = board.TotalMarbles() + n;
    int ticks = 0;
    while (board.Running() && board.TotalMarbles() < target && ticks < 10000) board.Tick(), ++ticks;
  }
  Host host;
  rt::ScriptedRandom random{{0.1f}};  // every bounce to the right, colour 0
  MarbleBoard board{random, host};
};

TEST_F(Board, UnitsComeFromTheBoardsSize) {
  board.Load(4095, 5775);
  EXPECT_EQ(board.XUnit(), 315);
  EXPECT_EQ(board.YUnit(), 199);
  EXPECT_EQ(host.boards, 1);
  EXPECT_EQ(board.FrameCaption(), "Totals for 0 Marbles");
}

TEST_F(Board, AMarbleFallsSixRowsAndLandsInItsBin) {
  board.Load(4095, 5775);
  board.StartPause();
  EXPECT_EQ(board.MarbleCol(), 6.5f);
  EXPECT_EQ(board.MarbleRow(), 0.5f);
  EXPECT_EQ(host.colours.back(), Palette::Blue);
  for (int t = 0; t < 5; ++t) board.Tick();
  EXPECT_EQ(board.TotalMarbles(), 0);
  EXPECT_EQ(board.MarbleRow(), 5.5f);
  board.Tick();
  // Five bounces to the right: bin 6, column 11.5, resting at row 26.5.
  EXPECT_EQ(board.TotalMarbles(), 1);
  EXPECT_EQ(board.BinCount(5), 1);
  EXPECT_EQ(board.BinText(5), "1");
  EXPECT_EQ(board.FrameCaption(), "Totals For 1 Marbles");
  ASSERT_GE(host.marks.size(), 3u);
  const auto& rest = host.marks[host.marks.size() - 2];
  EXPECT_TRUE(rest.draw);
  EXPECT_EQ(rest.col, 11.5f);
  EXPECT_EQ(rest.row, 26.5f);
  EXPECT_EQ(host.boings, 6);
  EXPECT_EQ(host.dings, 1);
  ASSERT_EQ(host.delays.size(), 1u);
  EXPECT_FLOAT_EQ(host.delays[0], 0.1f);
  // The next marble waits at the top.
  EXPECT_EQ(board.MarbleRow(), 0.5f);
  EXPECT_EQ(board.MarbleCol(), 6.5f);
}

TEST_F(Board, FiveBouncesToTheLeftLandInTheFirstBin) {
  rt::ScriptedRandom left({0.9f});
  MarbleBoard b(left, host);
  b.Load(4095, 5775);
  b.StartPause();
  for (int t = 0; t < 6; ++t) b.Tick();
  EXPECT_EQ(b.BinCount(0), 1);
  EXPECT_EQ(host.marks[host.marks.size() - 2].col, 1.5f);
  EXPECT_EQ(host.colours.back(), Palette::Magenta);  // Int(5 x 0.9) = 4
}

TEST_F(Board, StacksRiseOneRowPerMarble) {
  board.Load(4095, 5775);
  board.StartPause();
  for (int m = 1; m <= 10; ++m) {
    land(1);
    EXPECT_EQ(host.marks[host.marks.size() - 2].row, 27.5f - float(m)) << m;
  }
  EXPECT_EQ(host.marks[host.marks.size() - 2].row, 17.5f);
}

TEST_F(Board, TheoryColumnFollowsOneFiveTenOfThirtyTwo) {
  board.Load(4095, 5775);
  board.StartPause();
  land(16);
  const char* sixteen[] = {"0", "2", "5", "5", "2", "0"};
  for (int b = 0; b < 6; ++b) EXPECT_EQ(board.TheoryText(b), sixteen[b]) << b;
  land(16);
  const char* full[] = {"1", "5", "10", "10", "5", "1"};
  for (int b = 0; b < 6; ++b) EXPECT_EQ(board.TheoryText(b), full[b]) << b;
}

TEST_F(Board, TheThirtySecondMarbleEndsTheRunAndDropClearsTheBoard) {
  board.Load(4095, 5775);
  board.StartPause();
  land(40);
  EXPECT_EQ(board.TotalMarbles(), 32);
  EXPECT_FALSE(board.Running());
  EXPECT_TRUE(board.BoardFull());
  EXPECT_EQ(board.FrameCaption(), "Totals For 32 Marbles");
  EXPECT_EQ(board.ButtonCaption(), "&Drop");
  // No marble waits at the top: the last mark erases it.
  EXPECT_FALSE(host.marks.back().draw);
  EXPECT_EQ(host.marks.back().row, 0.5f);

  const int boards = host.boards;
  board.StartPause();
  EXPECT_TRUE(board.Running());
  EXPECT_FALSE(board.BoardFull());
  EXPECT_EQ(host.boards, boards + 1);
  EXPECT_EQ(board.TotalMarbles(), 0);
  EXPECT_EQ(board.FrameCaption(), "Totals for 0 Marbles");
  for (int b = 0; b < 6; ++b) EXPECT_EQ(board.BinText(b), "0");
  EXPECT_TRUE(host.marks.back().draw);
}

TEST_F(Board, PausingGivesUpTheFallingMarble) {
  board.Load(4095, 5775);
  board.StartPause();
  land(1);
  board.Tick();
  board.Tick();
  board.StartPause();
  EXPECT_FALSE(board.Running());
  EXPECT_FALSE(host.marks.back().draw);
  EXPECT_EQ(host.marks.back().row, 2.5f);
  EXPECT_EQ(board.TotalMarbles(), 1);
  board.StartPause();
  EXPECT_EQ(board.MarbleRow(), 0.5f);
  EXPECT_EQ(board.MarbleCol(), 6.5f);
  EXPECT_EQ(board.TotalMarbles(), 1);
}

TEST_F(Board, ClearResetsCountsAndRedrawsTheBoard) {
  board.Load(4095, 5775);
  board.StartPause();
  land(3);
  board.StartPause();
  board.Clear();
  EXPECT_EQ(board.TotalMarbles(), 0);
  EXPECT_EQ(board.BinCount(5), 0);
  EXPECT_EQ(board.BinText(5), "0");
  EXPECT_EQ(board.TheoryText(2), "0");
  EXPECT_EQ(board.FrameCaption(), "Totals for 0 Marbles");
  EXPECT_EQ(host.boards, 2);
}

}  // namespace
