#pragma once
// The marble board: marbles fall one row per tick through a funnel onto five rows of pegs,
// bounce left or right at random off each, and stack up in six bins, so that after many
// marbles the bins fill in the ratio 1 : 5 : 10 : 10 : 5 : 1 of the binomial law. A run
// ends when the user pauses or when 32 marbles have landed.
//
// Positions are in board units: column c and row r stand for (c * XUnit, r * YUnit) twips
// from the board's top left corner.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/colour.h"
#include "runtime/random.h"

namespace probability {

using std::size_t;

inline constexpr int16_t kBoardMarbles = 32;

// What a step does outside the model: the board's picture, the sounds and the wait.
class MarbleHost {
 public:
  virtual ~MarbleHost();
  // Clears the board and draws it empty.
  virtual void drawBoard() = 0;
  virtual void drawMarble(float col, float row, rt::Colour colour) = 0;
  virtual void eraseMarble(float col, float row) = 0;
  virtual void playBoing() = 0;
  virtual void playDing() = 0;
  // Blocks for the given seconds without handling events.
  virtual void delay(float seconds) = 0;
  // The counts and captions changed (read-outs to repaint before the next wait).
  virtual void showCounts() = 0;
};

class MarbleBoard {
 public:
  // The interval of the step timer, in milliseconds; a landing waits as long.
  static constexpr int kStepMs = 100;

  MarbleBoard(rt::RandomSource& random, MarbleHost& host) : m_random(random), m_host(host) {}

  // The load step: units from the board's outer size in twips, counts at zero, the board
  // drawn empty.
  void load(int boardWidthTwips, int boardHeightTwips);
  // The Drop / Pause button.
  void startPause();
  // One step of the fall.
  void tick();
  void clear();

  bool running() const { return m_running != 0; }
  bool boardFull() const { return m_full != 0; }
  int16_t xUnit() const { return m_xUnit; }
  int16_t yUnit() const { return m_yUnit; }
  int16_t binCount(int bin) const { return m_bin[size_t(bin)]; }
  int16_t totalMarbles() const { return m_total; }
  float marbleRow() const { return m_row; }
  float marbleCol() const { return m_col; }
  int16_t marbleColorIdx() const { return m_colour; }
  static rt::Colour marbleColors(int index);
  const std::string& binText(int bin) const { return m_binText[size_t(bin)]; }
  const std::string& theoryText(int bin) const { return m_theoryText[size_t(bin)]; }
  const std::string& frameCaption() const { return m_caption; }
  std::string buttonCaption() const { return running() ? "&Pause" : "&Drop"; }

 private:
  void newMarble();
  void pause();
  rt::RandomSource& m_random;
  MarbleHost& m_host;
  int16_t m_xUnit = 315, m_yUnit = 199;
  int16_t m_running = 0, m_full = 0, m_total = 0, m_colour = 0;
  std::array<int16_t, 6> m_bin{};
  float m_row = 0, m_col = 0;
  std::array<std::string, 6> m_binText{"0", "0", "0", "0", "0", "0"};
  std::array<std::string, 6> m_theoryText{"0", "0", "0", "0", "0", "0"};
  std::string m_caption = "Totals for 0 Marbles";
};

}  // namespace probability
