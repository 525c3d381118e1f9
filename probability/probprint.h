#pragma once
// The printed results of the coins, the dice and the marbles: a heading, a summary line, a
// table of actual against expected counts with underlined column titles, and a framed
// copy of the experiment's picture (with the graph's axis strip for coins and dice).

#include <QString>
#include <array>
#include <cstddef>

namespace plat {
class ImageSurface;
class Surface;
}  // namespace plat

namespace probability {

class CoinsExperiment;
class DiceExperiment;

// The last total of the left group of the dice table, for one to five dice.
int16_t diceLeftGroupEnd(int16_t numDice);

void printCoins(plat::Surface& page, const CoinsExperiment& coins, const plat::ImageSurface& graph,
                const plat::ImageSurface& strip);
void printDice(plat::Surface& page, const DiceExperiment& dice, const plat::ImageSurface& graph,
               const plat::ImageSurface& strip);
// The bin read-outs as the tab shows them.
struct MarbleTable {
  int16_t totalMarbles = 0;
  std::array<QString, 6> actual, theory;
};
void printMarbles(plat::Surface& page, const MarbleTable& table, const plat::ImageSurface& board);

}  // namespace probability
