// The pictures: frequency graphs copied whole, axis digits, the marble board and marbles.

#include <gtest/gtest.h>

#include "platform/surface.h"
#include "probability/coinsdice.h"
#include "probability/probdraw.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "tests/support/doubles.h"
#include "tests/support/manualsources.h"

namespace {

using namespace probability;

int count(const plat::ImageSurface& s, rt::Colour c) {
  int n = 0;
  for (int y = 0; y < s.deviceHeight(); ++y)
    for (int x = 0; x < s.deviceWidth(); ++x) n += s.pixel(x, y) == c;
  return n;
}

TEST(Graph, TheoryAloneUntilTheFirstThrowThenBothLines) {
  rt::ScriptedRandom r({0.3f, 0.8f});
  CoinsExperiment coins(r);
  coins.setNumCoins(5);
  plat::ImageSurface hidden(369, 257), shown(369, 257);
  drawGraph(hidden, shown, coins.graph());
  EXPECT_GT(count(shown, rt::palette::kRed), 300);
  EXPECT_EQ(count(shown, rt::palette::kBlack), 0);
  EXPECT_EQ(shown.image(), hidden.image());

  coins.flipCoins();
  drawGraph(hidden, shown, coins.graph());
  EXPECT_GT(count(shown, rt::palette::kBlack), 300);
  EXPECT_EQ(shown.image(), hidden.image());
  // The theory line's top (10/32 at 1.2 x 10/32) stands a sixth of the way down.
  EXPECT_NEAR(hidden.toDeviceY(10.0 / 32), 257.0 / 6, 0.5);
}

TEST(Graph, AxisDigitsAreCentredUnderTheirValues) {
  rt::ScriptedRandom r({0.5f});
  DiceExperiment dice(r);
  dice.setNumDice(2);
  plat::RecordingSurface strip(369, 25);
  strip.setFont("MS Sans Serif", 12, true);
  const FrequencyGraph g = dice.graph();
  drawAxisStrip(strip, g);
  const auto texts = strip.printedTexts();
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts.front(), " 2");
  EXPECT_EQ(texts.back(), " 12");
  for (const auto& op : strip.ops()) {
    if (op.op != "print") continue;
    const double centre = op.args[0] + strip.textWidth(op.text) / 2;
    EXPECT_NEAR(centre, QStringView(op.text).trimmed().toInt(), 1e-9);
    EXPECT_NEAR(op.args[1] + strip.textHeight(op.text) / 2, 0.5, 1e-9);
  }
  EXPECT_EQ(strip.scaleLeft(), 1);
  EXPECT_EQ(strip.scaleWidth(), 12);
}

TEST(MarbleBoardPicture, WallsFunnelPegsAndBinNumbers) {
  plat::RecordingSurface board(271, 383, rt::palette::kPaleYellow);
  drawMarbleBoard(board, 315, 199);
  // Seven walls, the floor and the funnel's four strokes.
  EXPECT_EQ(board.countOps("line"), 12);
  EXPECT_EQ(board.countOps("circle"), 15);
  const auto texts = board.printedTexts();
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0], "1");
  EXPECT_EQ(texts[5], "6");
  std::vector<std::pair<double, double>> pegs;
  for (const auto& op : board.ops())
    if (op.op == "circle") pegs.emplace_back(op.args[0], op.args[1]);
  EXPECT_EQ(pegs.front(), (std::pair<double, double>(2048, 498)));  // 6.5 and 2.5 units, rounded
  EXPECT_EQ(pegs[1], (std::pair<double, double>(1733, 697)));
  EXPECT_EQ(pegs.back(), (std::pair<double, double>(2048 - 4 * 315 + 8 * 315, 498 + 4 * 199)));
  for (const auto& op : board.ops()) {
    if (op.op == "circle") {
      EXPECT_EQ(op.args[2], 30);
      EXPECT_EQ(op.fillColour, 0xFFFFFFu);
    }
  }
}

TEST(MarbleBoardPicture, AnErasedMarbleLeavesNoTrace) {
  plat::ImageSurface board(271, 383, rt::palette::kPaleYellow);
  drawMarbleBoard(board, 315, 199);
  const QImage empty = board.image();
  drawMarbleAt(board, 315, 199, 6.5f, 0.5f, rt::palette::kRed);
  EXPECT_GT(count(board, rt::palette::kRed), 50);
  eraseMarbleAt(board, 315, 199, 6.5f, 0.5f);
  EXPECT_EQ(board.image(), empty);
}

}  // namespace
