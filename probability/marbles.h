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

namespace prob {

using std::size_t;

inline constexpr int16_t kBoardMarbles = 32;

// What a step does outside the model: the board's picture, the sounds and the wait.
class MarbleHost {
 public:
  virtual ~MarbleHost();
  // Clears the board and draws it empty.
  virtual void DrawBoard() = 0;
  virtual void DrawMarble(float col, float row, rt::Colour colour) = 0;
  virtual void EraseMarble(float col, float row) = 0;
  virtual void PlayBoing() = 0;
  virtual void PlayDing() = 0;
  // Blocks for the given seconds without handling events.
  virtual void Delay(float seconds) = 0;
  // The counts and captions changed (read-outs to repaint before the next wait).
  virtual void ShowCounts() = 0;
};

class MarbleBoard {
 public:
  // The interval of the step timer, in milliseconds; a landing waits as long.
  static constexpr int kStepMs = 100;

  MarbleBoard(rt::RandomSource& random, MarbleHost& host) : m_random(random), m_host(host) {}

  // The load step: units from the board's outer size in twips, counts at zero, the board
  // drawn empty.
  void Load(int boardWidthTwips, int boardHeightTwips);
  // The Drop / Pause button.
  void StartPause();
  // One step of the fall.
  void Tick();
  void Clear();

  bool Running() const { return m_running != 0; }
  bool BoardFull() const { return m_full != 0; }
  int16_t XUnit() const { return m_xUnit; }
  int16_t YUnit() const { return m_yUnit; }
  int16_t BinCount(int bin) const { return m_bin[size_t(bin)]; }
  int16_t TotalMarbles() const { return m_total; }
  float MarbleRow() const { return m_row; }
  float MarbleCol() const { return m_col; }
  int16_t MarbleColorIdx() const { return m_colour; }
  static rt::Colour MarbleColors(int index);
  const std::string& BinText(int bin) const { return m_binText[size_t(bin)]; }
  const std::string& TheoryText(int bin) const { return m_theoryText[size_t(bin)]; }
  const std::string& FrameCaption() const { return m_caption; }
  std::string ButtonCaption() const { return Running() ? "&Pause" : "&Drop"; }

 private:
  void NewMarble();
  void Pause();
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

}  // namespace prob
