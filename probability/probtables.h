#pragma once
// The fixed tables of the coins and dice: where each of n items stands among the five
// slots, and the exact chance of each number of heads and of each dice total.

#include <array>
#include <cstddef>
#include <cstdint>

namespace probability {

using std::size_t;

// itemPos(n, i): for n items shown (1 to 5), the slot (0 to 4) that holds item i (1 to n).
using ItemPosTable = std::array<std::array<int16_t, 6>, 6>;
// coinTheory(n, k): the chance of exactly k heads among n fair coins.
using CoinTheoryTable = std::array<std::array<float, 6>, 6>;
// diceTheory(n, t): the chance that n fair dice total t.
using DiceTheoryTable = std::array<std::array<float, 31>, 6>;

const ItemPosTable& itemPos();
const CoinTheoryTable& coinTheory();
const DiceTheoryTable& diceTheory();

// The tables as the load step builds them.
ItemPosTable buildItemPos();
CoinTheoryTable buildCoinTheory();
DiceTheoryTable buildDiceTheory();

}  // namespace probability
