#include "probability/probprint.h"

#include <QStringList>
#include <cstdint>

#include "platform/surface.h"
#include "probability/coinsdice.h"
#include "probability/probtables.h"
#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"

namespace probability {

namespace {

const QString kGap = QStringLiteral("   ");

QString str(int16_t v) { return QString::fromStdString(rt::numberText(v)); }

// Heading, report word and summary, each followed by an empty line.
void printTop(plat::Surface& p, const QString& word, const QString& summary) {
  p.setFont(QStringLiteral("Courier New"), 12);
  p.setFontBold(false);
  p.setScale(0, 0, 850, 1100);
  p.setForeColor(rt::palette::kBlack);
  p.moveTo(100, 100);
  p.print(QStringLiteral("Probability"));
  p.newLine();
  p.setCurrentX(100);
  p.printUnderlined(word);
  p.newLine();
  p.setCurrentX(100);
  p.print(summary);
  p.newLine();
}

// Column titles from x0, each underlined, the gaps between them not; then an empty line.
void printHeadings(plat::Surface& p, double x0, const QStringList& headings) {
  p.setCurrentX(x0);
  for (int i = 0; i < headings.size(); ++i) {
    p.setFontUnderline(true);
    const bool last = i == headings.size() - 1;
    p.print(headings[i], last);
    p.setFontUnderline(false);
    if (!last) p.print(kGap, false);
  }
  p.newLine();
}

// The distances from a table's left edge to the middles of its three column titles.
std::array<int, 3> middles(const plat::Surface& p, const QStringList& upToMiddle) {
  std::array<int, 3> m{};
  for (size_t i = 0; i < 3; ++i) m[i] = rt::roundToInt16(p.textWidth(upToMiddle[int(i)]));
  return m;
}

// One row of three values, each centred under its column title.
void printRow(plat::Surface& p, double x0, const std::array<int, 3>& mid, const std::array<QString, 3>& values) {
  for (size_t i = 0; i < 3; ++i) {
    p.setCurrentX(x0 + mid[i] - p.textWidth(values[i]) / 2);
    p.print(values[i], i == 2);
  }
}

// The framed picture, drawn as one path from the bottom right corner, leaving the current
// point at the frame's bottom.
template <class Picture>
void printPicture(plat::Surface& p, const Picture& picture, double x, double y0, double w, double h) {
  p.paintPicture(picture, x, y0, w, h);
  p.setDrawWidth(2);
  p.moveTo(x + w, y0 + h);
  p.lineTo(x + w, y0, rt::palette::kBlack);
  p.lineTo(x, y0, rt::palette::kBlack);
  p.lineTo(x, y0 + h, rt::palette::kBlack);
  p.lineTo(x + w, y0 + h, rt::palette::kBlack);
  p.setDrawWidth(1);
}

void printStrip(plat::Surface& p, const plat::ImageSurface& strip) {
  p.paintPicture(strip, 150, p.currentY(), 550, 40);
}

}  // namespace

int16_t diceLeftGroupEnd(int16_t numDice) {
  static const int16_t kEnds[6] = {0, 3, 7, 10, 14, 17};
  return numDice >= 1 && numDice <= 5 ? kEnds[numDice] : int16_t(6 * numDice);
}

void printCoins(plat::Surface& p, const CoinsExperiment& coins, const plat::ImageSurface& graph,
                const plat::ImageSurface& strip) {
  printTop(p, QStringLiteral("COINS:"),
           QStringLiteral("Flipped") + str(coins.numCoins()) + QStringLiteral(" Coins,") + str(coins.totalFlips()) +
               QStringLiteral(" Times"));
  constexpr double kLeft = 225;
  printHeadings(p, kLeft, {QStringLiteral("Number of Heads"), QStringLiteral("Actual"), QStringLiteral("Theory")});
  const auto mid = middles(p, {QStringLiteral("Number o"), QStringLiteral("Number of Heads   Act"),
                               QStringLiteral("Number of Heads   Actual   The")});
  for (int k = 0; k <= coins.numCoins(); ++k)
    printRow(p, kLeft, mid, {str(int16_t(k)), str(coins.headCount(k)), str(coins.theoryCount(k))});
  const double y0 = rt::roundToInt16(p.currentY()) + 25;
  printPicture(p, graph, 150, y0, 550, 550);
  printStrip(p, strip);
}

void printDice(plat::Surface& p, const DiceExperiment& dice, const plat::ImageSurface& graph,
               const plat::ImageSurface& strip) {
  printTop(p, QStringLiteral("DICE:"),
           QStringLiteral("Rolled") + str(dice.numDice()) + QStringLiteral(" Dice,") + str(dice.totalRolls()) +
               QStringLiteral(" Times"));
  constexpr double kLeft = 100;
  const QString total = QStringLiteral("Dice Total"), actual = QStringLiteral("Actual"),
                theory = QStringLiteral("Theory");
  printHeadings(p, kLeft, {total, actual, theory, total, actual, theory});
  const auto mid = middles(
      p, {QStringLiteral("Dice T"), QStringLiteral("Dice Total   Act"), QStringLiteral("Dice Total   Actual   The")});
  const int16_t n = dice.numDice();
  const int16_t last = diceLeftGroupEnd(n);
  auto row = [&](double left, int t) {
    printRow(p, left, mid, {str(int16_t(t)), str(dice.totalCount(t)), str(dice.theoryCount(t))});
  };
  const double firstRow = p.currentY();
  for (int t = n; t <= last; ++t) row(kLeft, t);
  const double leftEnd = p.currentY();
  const double x1 = 100 + rt::roundToInt16(p.textWidth(QStringLiteral("Dice Total   Actual   Theory   ")));
  p.setCurrentY(rt::roundToInt16(firstRow));
  for (int t = last + 1; t <= 6 * n; ++t) row(x1, t);
  const double y0 = rt::roundToInt16(leftEnd) + 25;
  printPicture(p, graph, 150, y0, 550, 450);
  printStrip(p, strip);
}

void printMarbles(plat::Surface& p, const MarbleTable& table, const plat::ImageSurface& board) {
  printTop(p, QStringLiteral("MARBLES:"),
           QStringLiteral("Dropped") + str(table.totalMarbles) + QStringLiteral(" Marbles"));
  constexpr double kLeft = 250;
  printHeadings(p, kLeft, {QStringLiteral("Bin Number"), QStringLiteral("Actual"), QStringLiteral("Theory")});
  const auto mid = middles(
      p, {QStringLiteral("Bin N"), QStringLiteral("Bin Number   Actu"), QStringLiteral("Bin Number   Actual   Theo")});
  for (int b = 0; b < 6; ++b)
    printRow(p, kLeft, mid, {str(int16_t(b + 1)), table.actual[size_t(b)], table.theory[size_t(b)]});
  const double y0 = rt::roundToInt16(p.currentY()) + 25;
  printPicture(p, board, 200, y0, 450, 550);
}

}  // namespace probability
