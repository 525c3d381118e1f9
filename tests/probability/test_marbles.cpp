// The marble board: the fall, the bins, the theory column, the 32-marble limit and pauses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probability/marbles.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "tests/support/manualsources.h"

namespace {

using namespace probability;

struct Host : MarbleHost {
  struct Mark {
    bool draw;
    float col, row;
  };
  void drawBoard() override { ++boards; }
  void drawMarble(float col, float row, rt::Colour c) override {
    marks.push_back({true, col, row});
    colours.push_back(c);
  }
  void eraseMarble(float col, float row) override { marks.push_back({false, col, row}); }
  void playBoing() override { ++boings; }
  void playDing() override { ++dings; }
  void delay(float s) override { delays.push_back(s); }
  void showCounts() override { ++shown; }
  int boards = 0, boings = 0, dings = 0, shown = 0;
  std::vector<float> delays;
  std::vector<Mark> marks;
  std::vector<rt::Colour> colours;
};

class Board : public ::testing::Test {
 protected:
  // Drops marbles until n have landed or the run stops.
  void land(int n) {
    const int target = board.totalMarbles() + n;
    int ticks = 0;
    while (board.running() && board.totalMarbles() < target && ticks < 10000) board.tick(), ++ticks;
  }
  Host host;
  rt::ScriptedRandom random{{0.1f}};  // every bounce to the right, colour 0
  MarbleBoard board{random, host};
};

TEST_F(Board, UnitsComeFromTheBoardsSize) {
  board.load(4095, 5775);
  EXPECT_EQ(board.xUnit(), 315);
  EXPECT_EQ(board.yUnit(), 199);
  EXPECT_EQ(host.boards, 1);
  EXPECT_EQ(board.frameCaption(), "Totals for 0 Marbles");
}

TEST_F(Board, AMarbleFallsSixRowsAndLandsInItsBin) {
  board.load(4095, 5775);
  board.startPause();
  EXPECT_EQ(board.marbleCol(), 6.5f);
  EXPECT_EQ(board.marbleRow(), 0.5f);
  EXPECT_EQ(host.colours.back(), rt::palette::kBlue);
  for (int t = 0; t < 5; ++t) board.tick();
  EXPECT_EQ(board.totalMarbles(), 0);
  EXPECT_EQ(board.marbleRow(), 5.5f);
  board.tick();
  // Five bounces to the right: bin 6, column 11.5, resting at row 26.5.
  EXPECT_EQ(board.totalMarbles(), 1);
  EXPECT_EQ(board.binCount(5), 1);
  EXPECT_EQ(board.binText(5), "1");
  EXPECT_EQ(board.frameCaption(), "Totals For 1 Marbles");
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
  EXPECT_EQ(board.marbleRow(), 0.5f);
  EXPECT_EQ(board.marbleCol(), 6.5f);
}

TEST_F(Board, FiveBouncesToTheLeftLandInTheFirstBin) {
  rt::ScriptedRandom left({0.9f});
  MarbleBoard b(left, host);
  b.load(4095, 5775);
  b.startPause();
  for (int t = 0; t < 6; ++t) b.tick();
  EXPECT_EQ(b.binCount(0), 1);
  EXPECT_EQ(host.marks[host.marks.size() - 2].col, 1.5f);
  EXPECT_EQ(host.colours.back(), rt::palette::kMagenta);  // roundDown(5 x 0.9) = 4
}

TEST_F(Board, StacksRiseOneRowPerMarble) {
  board.load(4095, 5775);
  board.startPause();
  for (int m = 1; m <= 10; ++m) {
    land(1);
    EXPECT_EQ(host.marks[host.marks.size() - 2].row, 27.5f - float(m)) << m;
  }
  EXPECT_EQ(host.marks[host.marks.size() - 2].row, 17.5f);
}

TEST_F(Board, TheoryColumnFollowsOneFiveTenOfThirtyTwo) {
  board.load(4095, 5775);
  board.startPause();
  land(16);
  const char* sixteen[] = {"0", "2", "5", "5", "2", "0"};
  for (int b = 0; b < 6; ++b) EXPECT_EQ(board.theoryText(b), sixteen[b]) << b;
  land(16);
  const char* full[] = {"1", "5", "10", "10", "5", "1"};
  for (int b = 0; b < 6; ++b) EXPECT_EQ(board.theoryText(b), full[b]) << b;
}

TEST_F(Board, TheThirtySecondMarbleEndsTheRunAndDropClearsTheBoard) {
  board.load(4095, 5775);
  board.startPause();
  land(40);
  EXPECT_EQ(board.totalMarbles(), 32);
  EXPECT_FALSE(board.running());
  EXPECT_TRUE(board.boardFull());
  EXPECT_EQ(board.frameCaption(), "Totals For 32 Marbles");
  EXPECT_EQ(board.buttonCaption(), "&Drop");
  // No marble waits at the top: the last mark erases it.
  EXPECT_FALSE(host.marks.back().draw);
  EXPECT_EQ(host.marks.back().row, 0.5f);

  const int boards = host.boards;
  board.startPause();
  EXPECT_TRUE(board.running());
  EXPECT_FALSE(board.boardFull());
  EXPECT_EQ(host.boards, boards + 1);
  EXPECT_EQ(board.totalMarbles(), 0);
  EXPECT_EQ(board.frameCaption(), "Totals for 0 Marbles");
  for (int b = 0; b < 6; ++b) EXPECT_EQ(board.binText(b), "0");
  EXPECT_TRUE(host.marks.back().draw);
}

TEST_F(Board, PausingGivesUpTheFallingMarble) {
  board.load(4095, 5775);
  board.startPause();
  land(1);
  board.tick();
  board.tick();
  board.startPause();
  EXPECT_FALSE(board.running());
  EXPECT_FALSE(host.marks.back().draw);
  EXPECT_EQ(host.marks.back().row, 2.5f);
  EXPECT_EQ(board.totalMarbles(), 1);
  board.startPause();
  EXPECT_EQ(board.marbleRow(), 0.5f);
  EXPECT_EQ(board.marbleCol(), 6.5f);
  EXPECT_EQ(board.totalMarbles(), 1);
}

TEST_F(Board, ClearResetsCountsAndRedrawsTheBoard) {
  board.load(4095, 5775);
  board.startPause();
  land(3);
  board.startPause();
  board.clear();
  EXPECT_EQ(board.totalMarbles(), 0);
  EXPECT_EQ(board.binCount(5), 0);
  EXPECT_EQ(board.binText(5), "0");
  EXPECT_EQ(board.theoryText(2), "0");
  EXPECT_EQ(board.frameCaption(), "Totals for 0 Marbles");
  EXPECT_EQ(host.boards, 2);
}

}  // namespace
