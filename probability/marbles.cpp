#include "probability/marbles.h"

#include "runtime/convert.h"
#include "runtime/numfmt.h"

namespace prob {

MarbleHost::~MarbleHost() = default;

rt::Colour MarbleBoard::MarbleColors(int index) {
  // Light blue, light green, light cyan, light red, light magenta.
  return rt::QBColor(9 + index);
}

void MarbleBoard::Load(int boardWidthTwips, int boardHeightTwips) {
  m_running = 0;
  m_xUnit = rt::CInt(double(boardWidthTwips) / 13);
  m_yUnit = rt::CInt(double(boardHeightTwips) / 29);
  m_total = 0;
  m_bin.fill(0);
  m_host.DrawBoard();
}

void MarbleBoard::NewMarble() {
  m_row = 0.5f;
  m_col = 6.5f;
  m_colour = int16_t(rt::Int(5 * m_random.next()));
  m_host.DrawMarble(m_col, m_row, MarbleColors(m_colour));
}

void MarbleBoard::Pause() {
  m_running = 0;
  // The marble still in the air is given up; it is never counted.
  if (m_row < 7) m_host.EraseMarble(m_col, m_row);
}

void MarbleBoard::StartPause() {
  if (m_running != 0) {
    Pause();
    return;
  }
  m_running = 1;
  if (m_full != 0) Clear();
  NewMarble();
}

void MarbleBoard::Tick() {
  m_host.PlayBoing();
  m_host.EraseMarble(m_col, m_row);
  m_row += 1;
  // Below the funnel each row of pegs sends the marble one column left or right.
  if (m_row > 2) {
    const float r = m_random.next();
    m_col = m_col + 1 - 2 * rt::Int(2 * r);
  }
  m_host.DrawMarble(m_col, m_row, MarbleColors(m_colour));
  if (m_row < 6) return;

  // Landed.
  const int bin = int(rt::Int(m_col / 2));
  m_host.Delay(float(kStepMs) / 1000);
  m_host.PlayDing();
  m_bin[size_t(bin)] = int16_t(m_bin[size_t(bin)] + 1);
  m_total = int16_t(m_total + 1);
  m_caption = "Totals For" + rt::Str(m_total) + " Marbles";
  m_binText[size_t(bin)] = rt::Format(m_bin[size_t(bin)], "#0");
  // Of every 32 marbles, 1, 5 and 10 are expected in the outer, next and middle bins.
  const int16_t weights[3] = {1, 5, 10};
  for (int i = 0; i < 3; ++i)
    m_theoryText[size_t(i)] = rt::Format(rt::CInt(double(int16_t(weights[i] * m_total)) / 32), "#0");
  for (int i = 3; i < 6; ++i) m_theoryText[size_t(i)] = m_theoryText[size_t(5 - i)];
  m_host.ShowCounts();
  // The marble comes to rest on its bin's stack.
  m_host.EraseMarble(m_col, m_row);
  m_row = 27.5f - float(m_bin[size_t(bin)]);
  m_host.DrawMarble(m_col, m_row, MarbleColors(m_colour));
  NewMarble();
  if (m_total == kBoardMarbles) {
    m_full = 1;
    Pause();
  }
}

void MarbleBoard::Clear() {
  m_full = 0;
  m_total = 0;
  m_caption = "Totals for 0 Marbles";
  m_bin.fill(0);
  m_binText.fill("0");
  m_theoryText.fill("0");
  m_host.DrawBoard();
  m_host.ShowCounts();
}

}  // namespace prob
