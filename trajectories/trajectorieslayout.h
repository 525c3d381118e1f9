#pragma once
// The trajectories window's layout: where each control stands (twips in its container) and
// what it shows. The window builds its controls from these rows; tests walk them.

#include "platform/layout.h"
#include "runtime/palette.h"

namespace trajectories::layout {

using plat::ControlRow;
using plat::FontStyle;
using plat::kNoColour;

// The window's client area.
inline constexpr int kWidth = 9030, kHeight = 6780;

// The grid picture: 6000 by 4800 twips inside a one-pixel border.
inline constexpr double kGridLeft = 1080, kGridTop = 960;
inline constexpr double kGridInnerWidth = 6000, kGridInnerHeight = 4800;
inline constexpr double kBorder = plat::kTwipsPerPixel;

// The angle indicator: a picture of 600 by 600 twips inside its border.
inline constexpr double kIndicatorSize = 600;

// The right-hand column.
inline constexpr double kColumn = 7320, kColumnWidth = 1575;

inline constexpr FontStyle kHeadingFont{"Arial", 9.75, true};
inline constexpr FontStyle kReadoutFont{"MS Sans Serif", 9.75, true};
inline constexpr FontStyle kMessageFont{"Arial", 12, true};
inline constexpr FontStyle kAxisFont{"Times New Roman", 9.75};

// -- title and decoration -----------------------------------------------------------------
inline constexpr ControlRow kTitleBox{nullptr, 2280, 150, 3615, 630, {}, kNoColour, rt::palette::kWhite};
inline constexpr ControlRow kTitle{"Trajectories",    2340, 195, 3495, 540, {"Comic Sans MS", 20.25, true},
                                   rt::palette::kBlue};
inline constexpr ControlRow kBowPicture{nullptr, 240, 120, 720, 720};
inline constexpr ControlRow kFlightPicture{nullptr, 6360, 120, 720, 720};

// -- the grid and its message -------------------------------------------------------------
inline constexpr ControlRow kGrid{nullptr, kGridLeft, kGridTop, kGridInnerWidth + 2 * kBorder,
                                  kGridInnerHeight + 2 * kBorder};
inline constexpr ControlRow kMessage{
    nullptr, 1080, 6240, 6015, 495, kMessageFont, rt::palette::kBlue, rt::palette::kYellow};

// The axis numbers: heights right-aligned left of the grid, each centred on its grid line
// (855 = grid top + border - 120, lines 960 twips apart); distances centred under the grid
// on theirs (855 = grid left + border - 240, lines 1200 twips apart).
inline constexpr ControlRow kHeightNumbers[6] = {
    {"0", 660, 5655, 360, 255, kAxisFont},   {"100", 660, 4695, 360, 255, kAxisFont},
    {"200", 660, 3735, 360, 255, kAxisFont}, {"300", 660, 2775, 360, 255, kAxisFont},
    {"400", 660, 1815, 360, 255, kAxisFont}, {"500", 660, 855, 360, 255, kAxisFont},
};
inline constexpr ControlRow kDistanceNumbers[6] = {
    {"0", 855, 5820, 480, 255, kAxisFont},    {"200", 2055, 5820, 480, 255, kAxisFont},
    {"400", 3255, 5820, 480, 255, kAxisFont}, {"600", 4455, 5820, 480, 255, kAxisFont},
    {"800", 5655, 5820, 480, 255, kAxisFont}, {"1000", 6855, 5820, 480, 255, kAxisFont},
};

// -- the angle indicator ------------------------------------------------------------------
inline constexpr ControlRow kIndicator{nullptr, 120, 5160, kIndicatorSize + 2 * kBorder, kIndicatorSize + 2 * kBorder};

// -- the right-hand column ----------------------------------------------------------------
// A read-out in the column: its figure in its colour on white.
constexpr ControlRow readoutAt(const char* text, double left, double top, rt::Colour colour) {
  return {text, left, top, 855, 330, kReadoutFont, colour, rt::palette::kWhite};
}
inline constexpr ControlRow kAngleTitle{"Angle:", kColumn, 960, kColumnWidth, 255, kHeadingFont};
inline constexpr ControlRow kAngleReadout = readoutAt("90.0", kColumn, 1230, rt::palette::kBlue);
inline constexpr ControlRow kAngleBar{nullptr, kColumn, 1620, kColumnWidth, 255};
inline constexpr ControlRow kSpeedTitle{"Speed:", kColumn, 2010, kColumnWidth, 255, kHeadingFont};
inline constexpr ControlRow kSpeedReadout = readoutAt("300", kColumn, 2280, rt::palette::kBlue);
inline constexpr ControlRow kSpeedBar{nullptr, kColumn, 2670, kColumnWidth, 255};
inline constexpr ControlRow kShootButton{"&Take Shot", kColumn, 3120, kColumnWidth, 450};
inline constexpr ControlRow kClearButton{"&Clear Grid", kColumn, 3660, kColumnWidth, 450};
inline constexpr ControlRow kMarkTitle{"Mark:", kColumn, 4230, kColumnWidth, 255, kHeadingFont};
inline constexpr ControlRow kMarkXTitle{"X", kColumn, 4530, 255, 255, kHeadingFont};
inline constexpr ControlRow kMarkXReadout = readoutAt("1000", kColumn + 300, 4500, rt::palette::kRed);
inline constexpr ControlRow kMarkYTitle{"Y", kColumn, 4920, 255, 255, kHeadingFont};
inline constexpr ControlRow kMarkYReadout = readoutAt("500", kColumn + 300, 4890, rt::palette::kRed);

// The frame of the last three commands, and the commands in it.
inline constexpr ControlRow kCommandFrame{nullptr, kColumn + 60, 5280, kColumnWidth, 1440};
inline constexpr ControlRow kPrintButton{"&Print", 90, 150, kColumnWidth - 180, 375};
inline constexpr ControlRow kHelpButton{"&Help", 90, 570, kColumnWidth - 180, 375};
inline constexpr ControlRow kExitButton{"E&xit", 90, 990, kColumnWidth - 180, 375};

}  // namespace trajectories::layout
