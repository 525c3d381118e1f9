#include "probability/marbles.h"

#include "runtime/convert.h"
#include "runtime/numfmt.h"

namespace probability {

MarbleHost::~MarbleHost() = default;

rt::Colour MarbleBoard::marbleColors(int index) {
  // Light blue, light green, light cyan, light red, light magenta.
  return rt::numberedColour(9 + index);
}

void MarbleBoard::load(int boardWidthTwips, int boardHeightTwips) {
  m_running = 0;
  m_xUnit = rt::roundToInt16(double(boardWidthTwips) / 13);
  m_yUnit = rt::roundToInt16(double(boardHeightTwips) / 29);
  m_total = 0;
  m_bin.fill(0);
  m_host.drawBoard();
}

void MarbleBoard::newMarble() {
  m_row = 0.5f;
  m_col = 6.5f;
  m_colour = int16_t(rt::roundDown(5 * m_random.next()));
  m_host.drawMarble(m_col, m_row, marbleColors(m_colour));
}

void MarbleBoard::pause() {
  m_running = 0;
  // The marble still in the air is given up; it is never counted.
  if (m_row < 7) m_host.eraseMarble(m_col, m_row);
}

void MarbleBoard::startPause() {
  if (m_running != 0) {
    pause();
    return;
  }
  m_running = 1;
  if (m_full != 0) clear();
  newMarble();
}

void MarbleBoard::tick() {
  m_host.playBoing();
  m_host.eraseMarble(m_col, m_row);
  m_row += 1;
  // Below the funnel each row of pegs sends the marble one column left or right.
  if (m_row > 2) {
    const float r = m_random.next();
    m_col = m_col + 1 - 2 * rt::roundDown(2 * r);
  }
  m_host.drawMarble(m_col, m_row, marbleColors(m_colour));
  if (m_row < 6) return;

  // Landed.
  const int bin = int(rt::roundDown(m_col / 2));
  m_host.delay(float(kStepMs) / 1000);
  m_host.playDing();
  m_bin[size_t(bin)] = int16_t(m_bin[size_t(bin)] + 1);
  m_total = int16_t(m_total + 1);
  m_caption = "Totals For" + rt::numberText(m_total) + " Marbles";
  m_binText[size_t(bin)] = rt::formatNumber(m_bin[size_t(bin)], "#0");
  // Of every 32 marbles, 1, 5 and 10 are expected in the outer, next and middle bins.
  const int16_t weights[3] = {1, 5, 10};
  for (int i = 0; i < 3; ++i)
    m_theoryText[size_t(i)] = rt::formatNumber(rt::roundToInt16(double(int16_t(weights[i] * m_total)) / 32), "#0");
  for (int i = 3; i < 6; ++i) m_theoryText[size_t(i)] = m_theoryText[size_t(5 - i)];
  m_host.showCounts();
  // The marble comes to rest on its bin's stack.
  m_host.eraseMarble(m_col, m_row);
  m_row = 27.5f - float(m_bin[size_t(bin)]);
  m_host.drawMarble(m_col, m_row, marbleColors(m_colour));
  newMarble();
  if (m_total == kBoardMarbles) {
    m_full = 1;
    pause();
  }
}

void MarbleBoard::clear() {
  m_full = 0;
  m_total = 0;
  m_caption = "Totals for 0 Marbles";
  m_bin.fill(0);
  m_binText.fill("0");
  m_theoryText.fill("0");
  m_host.drawBoard();
  m_host.showCounts();
}

}  // namespace probability
