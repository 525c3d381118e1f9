#pragma once
// Where the probability window's controls stand and what they show, page by page, in twips
// in their containers. Read-outs are white boxes that start at "0"; every command button has
// one size.

#include "platform/layout.h"
#include "runtime/palette.h"

namespace probability::layout {

using plat::ControlRow;
using plat::FontStyle;

constexpr int kClientWidth = 9480, kClientHeight = 6840;
constexpr ControlRow kTabs{nullptr, 120, 120, 9255, 6615};
// The pages in tab order; help topics follow the same order from the first topic on.
enum Page { CoinsPage = 0, MarblesPage = 1, DicePage = 2, ToothpicksPage = 3 };
constexpr const char* kTabCaptions[4] = {"Coins", "Marbles", "Dice", "Toothpicks"};

// The designed sizes of the pictures whose size the experiments measure.
constexpr int kBoardWidth = 4095, kBoardHeight = 5775;
constexpr int kSheetWidth = 5175, kSheetHeight = 5535;
constexpr int kGraphWidth = 5535, kGraphHeight = 3855, kStripHeight = 375;

constexpr double kButtonWidth = 1455, kButtonHeight = 435;
constexpr double kBarWidth = 2280, kBarHeight = 255;
constexpr FontStyle kAxisTitleFont{"MS Sans Serif", 9.75, true};

// A scroll bar: its place, the name screen readers give it, and its range from 1.

// A legend entry's caption; its short line in the entry's colour stands to its left.
struct LegendRow {
  ControlRow caption;
  rt::Colour colour;
};

// A frequency graph: the legend and axis title above it, the graph, and the strip of axis
// digits under it.
struct GraphRows {
  LegendRow legend[2];
  ControlRow axisTitle;
  ControlRow graph;
  ControlRow strip;
};

// Help and Exit at the foot of each page, by page.
constexpr ControlRow kHelpButtons[4] = {
    {"&Help", 6000, 5640, kButtonWidth, kButtonHeight},
    {"&Help", 5160, 5640, kButtonWidth, kButtonHeight},
    {"&Help", 6000, 5640, kButtonWidth, kButtonHeight},
    {"&Help", 6000, 5640, kButtonWidth, kButtonHeight},
};
constexpr ControlRow kExitButtons[4] = {
    {"E&xit", 7575, 5640, kButtonWidth, kButtonHeight},
    {"E&xit", 6735, 5640, kButtonWidth, kButtonHeight},
    {"E&xit", 7575, 5640, kButtonWidth, kButtonHeight},
    {"E&xit", 7575, 5640, kButtonWidth, kButtonHeight},
};

// -- coins ------------------------------------------------------------------------------------

constexpr ControlRow kCoinImages[5] = {
    {nullptr, 360, 480, 975, 975},  {nullptr, 1440, 480, 975, 975}, {nullptr, 2520, 480, 975, 975},
    {nullptr, 3600, 480, 975, 975}, {nullptr, 4680, 480, 975, 975},
};
constexpr GraphRows kCoinGraph{
    {{{"Theory", 960, 1680, 900, 255}, rt::palette::kRed}, {{"Actual", 960, 1980, 900, 255}, rt::palette::kBlack}},
    {"Number of Heads", 2400, 1830, 2400, 255, kAxisTitleFont},
    {nullptr, 240, 2280, kGraphWidth, kGraphHeight},
    {nullptr, 240, 2280 + kGraphHeight, kGraphWidth, kStripHeight},
};

constexpr ControlRow kCoinsTitle{"How Many Coins?", 6000, 480, 2280, 255};
constexpr plat::BarRow kCoinsBar{{nullptr, 6000, 750, kBarWidth, kBarHeight}, "How Many Coins?", 1, 5, 1, 1};
constexpr ControlRow kCoinsReadout{"0", 8400, 720, 615, 315, {}, rt::palette::kBlack, rt::palette::kWhite};
constexpr ControlRow kFlipsTitle{"How Many Flips?", 6000, 1140, 2280, 255};
constexpr plat::BarRow kFlipsBar{{nullptr, 6000, 1410, kBarWidth, kBarHeight}, "How Many Flips?", 1, 500, 1, 10};
constexpr ControlRow kFlipsReadout{"0", 8400, 1380, 615, 315, {}, rt::palette::kBlack, rt::palette::kWhite};

// The totals table, in its frame: a row for each number of heads, 0 to 5.
constexpr ControlRow kCoinTotalsFrame{"Totals For 0 Flips", 6000, 1800, 3015, 2640};
constexpr ControlRow kCoinTotalsTitles[3] = {
    {"Heads", 120, 240, 840, 255},
    {"Actual", 1080, 240, 840, 255},
    {"Theory", 2040, 240, 840, 255},
};
constexpr ControlRow kHeadsLabels[6] = {
    {"0", 120, 540, 840, 300, {}, rt::palette::kYellow, rt::palette::kBlue},
    {"1", 120, 870, 840, 300, {}, rt::palette::kYellow, rt::palette::kBlue},
    {"2", 120, 1200, 840, 300, {}, rt::palette::kYellow, rt::palette::kBlue},
    {"3", 120, 1530, 840, 300, {}, rt::palette::kYellow, rt::palette::kBlue},
    {"4", 120, 1860, 840, 300, {}, rt::palette::kYellow, rt::palette::kBlue},
    {"5", 120, 2190, 840, 300, {}, rt::palette::kYellow, rt::palette::kBlue},
};
constexpr ControlRow kHeadsActual[6] = {
    {"0", 1080, 540, 840, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1080, 870, 840, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1080, 1200, 840, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1080, 1530, 840, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1080, 1860, 840, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1080, 2190, 840, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
};
constexpr ControlRow kHeadsTheory[6] = {
    {"0", 2040, 540, 840, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2040, 870, 840, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2040, 1200, 840, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2040, 1530, 840, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2040, 1860, 840, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2040, 2190, 840, 300, {}, rt::palette::kRed, rt::palette::kWhite},
};

constexpr ControlRow kFlipButton{"&Flip Coins", 6000, 4560, kButtonWidth, kButtonHeight};
constexpr ControlRow kClearCoinsButton{"&Clear", 7575, 4560, kButtonWidth, kButtonHeight};
constexpr ControlRow kPrintCoinsButton{"&Print", 6000, 5100, kButtonWidth, kButtonHeight};

// -- dice -------------------------------------------------------------------------------------

constexpr ControlRow kDieImages[5] = {
    {nullptr, 480, 480, 855, 855},  {nullptr, 1560, 480, 855, 855}, {nullptr, 2640, 480, 855, 855},
    {nullptr, 3720, 480, 855, 855}, {nullptr, 4800, 480, 855, 855},
};
constexpr GraphRows kDiceGraph{
    {{{"Theory", 960, 1560, 900, 255}, rt::palette::kRed}, {{"Actual", 960, 1860, 900, 255}, rt::palette::kBlack}},
    {"Total On Dice", 2400, 1710, 2400, 255, kAxisTitleFont},
    {nullptr, 240, 2160, kGraphWidth, kGraphHeight},
    {nullptr, 240, 2160 + kGraphHeight, kGraphWidth, kStripHeight},
};

constexpr ControlRow kDiceTitle{"How Many Dice?", 6000, 480, 2280, 255};
constexpr plat::BarRow kDiceBar{{nullptr, 6000, 750, kBarWidth, kBarHeight}, "How Many Dice?", 1, 5, 1, 1};
constexpr ControlRow kDiceReadout{"0", 8400, 720, 615, 315, {}, rt::palette::kBlack, rt::palette::kWhite};
constexpr ControlRow kRollsTitle{"How Many Rolls?", 6000, 1140, 2280, 255};
constexpr plat::BarRow kRollsBar{{nullptr, 6000, 1410, kBarWidth, kBarHeight}, "How Many Rolls?", 1, 500, 1, 10};
constexpr ControlRow kRollsReadout{"0", 8400, 1380, 615, 315, {}, rt::palette::kBlack, rt::palette::kWhite};
constexpr ControlRow kRollCountTitle{"Number of Rolls", 6000, 2040, 2280, 255};
constexpr ControlRow kRollCountReadout{"0", 8160, 2010, 855, 315, {}, rt::palette::kBlack, rt::palette::kWhite};
constexpr ControlRow kDiceTotalTitle{"Current Dice Total", 6000, 2520, 2280, 255};
constexpr ControlRow kDiceTotalReadout{"0", 8160, 2490, 855, 315, {}, rt::palette::kBlack, rt::palette::kWhite};

constexpr ControlRow kRollButton{"&Roll Dice", 6000, 4560, kButtonWidth, kButtonHeight};
constexpr ControlRow kClearDiceButton{"&Clear", 7575, 4560, kButtonWidth, kButtonHeight};
constexpr ControlRow kPrintDiceButton{"&Print", 6000, 5100, kButtonWidth, kButtonHeight};

// -- marbles ----------------------------------------------------------------------------------

constexpr ControlRow kBoardPicture{nullptr, 600, 600, kBoardWidth, kBoardHeight};
constexpr ControlRow kMarbleTotalsFrame{"Totals for 0 Marbles", 5160, 600, 3735, 2760};
constexpr ControlRow kMarbleTotalsTitles[2] = {
    {"Actual", 1200, 240, 1080, 255},
    {"Theory", 2400, 240, 1080, 255},
};
// A row for each bin: its name, its count and its theory.
constexpr ControlRow kBinTitles[6] = {
    {"Bin 1", 240, 630, 900, 255},  {"Bin 2", 240, 975, 900, 255},  {"Bin 3", 240, 1320, 900, 255},
    {"Bin 4", 240, 1665, 900, 255}, {"Bin 5", 240, 2010, 900, 255}, {"Bin 6", 240, 2355, 900, 255},
};
constexpr ControlRow kBinActual[6] = {
    {"0", 1200, 600, 1080, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1200, 945, 1080, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1200, 1290, 1080, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1200, 1635, 1080, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1200, 1980, 1080, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
    {"0", 1200, 2325, 1080, 300, {}, rt::palette::kBlack, rt::palette::kWhite},
};
constexpr ControlRow kBinTheory[6] = {
    {"0", 2400, 600, 1080, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2400, 945, 1080, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2400, 1290, 1080, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2400, 1635, 1080, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2400, 1980, 1080, 300, {}, rt::palette::kRed, rt::palette::kWhite},
    {"0", 2400, 2325, 1080, 300, {}, rt::palette::kRed, rt::palette::kWhite},
};

constexpr ControlRow kDropMarblesButton{"&Drop", 5160, 3840, kButtonWidth, kButtonHeight};
constexpr ControlRow kClearMarblesButton{"&Clear", 6735, 3840, kButtonWidth, kButtonHeight};
constexpr ControlRow kPrintMarblesButton{"&Print", 5160, 4440, kButtonWidth, kButtonHeight};

// -- toothpicks -------------------------------------------------------------------------------

constexpr ControlRow kSheetPicture{nullptr, 480, 735, kSheetWidth, kSheetHeight};
// The counts, in a panel: white on red titles beside their read-outs.
constexpr ControlRow kCountsPanel{nullptr, 6000, 960, 3135, 1815};
constexpr ControlRow kCountTitles[3] = {
    {"Dropped (D)", 120, 150, 1335, 375, {}, rt::palette::kWhite, rt::palette::kRed},
    {"Crossed (C)", 120, 705, 1335, 375, {}, rt::palette::kWhite, rt::palette::kRed},
    {"2D/C =", 120, 1260, 1335, 375, {}, rt::palette::kWhite, rt::palette::kRed},
};
constexpr ControlRow kDropsReadout{"0", 1575, 150, 1440, 375, {}, rt::palette::kBlue, rt::palette::kWhite};
constexpr ControlRow kCrossingsReadout{"0", 1575, 705, 1440, 375, {}, rt::palette::kBlue, rt::palette::kWhite};
constexpr ControlRow kPiReadout{"", 1575, 1260, 1440, 375, {}, rt::palette::kBlack, rt::palette::kWhite};

// The batch, in its frame.
constexpr ControlRow kGroupFrame{"Drop How Many?", 6000, 3000, 3135, 2295};
constexpr plat::BarRow kGroupBar{{nullptr, 120, 360, kBarWidth, kBarHeight}, "Drop How Many?", 1, 500, 1, 10};
constexpr ControlRow kGroupReadout{"0", 2520, 330, 495, 315, {}, rt::palette::kBlack, rt::palette::kWhite};
// Two buttons 120 twips apart, as on the other pages, fill the frame's width all but 105
// twips, which stand on either side of them.
constexpr ControlRow kDropToothpicksButton{"&Drop", 45, 960, kButtonWidth, kButtonHeight};
constexpr ControlRow kClearToothpicksButton{"&Clear", 1620, 960, kButtonWidth, kButtonHeight};

}  // namespace probability::layout
