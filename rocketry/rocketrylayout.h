#pragma once
// The rocketry window's layout: where each control stands (twips in its container) and what
// it shows. The window builds its controls from these rows; tests walk them.

#include "platform/layout.h"
#include "rocketry/launch.h"
#include "runtime/palette.h"

namespace rocketry::layout {

using plat::ControlRow;
using plat::FontStyle;
using plat::kNoColour;

// The window's client area.
inline constexpr int kWidth = 9555, kHeight = 6945;

inline constexpr FontStyle kSmallFont{"MS Sans Serif", 8.25, true};
inline constexpr FontStyle kPlotTitleFont{"Arial", 9.75, true};

// -- the launch view ----------------------------------------------------------------------
inline constexpr ControlRow kSky{nullptr, 120, 105, kSkyWidth, kSkyHeight};

// -- the inputs: a title, a bar and a read-out on each of three rows ------------------------
inline constexpr ControlRow kInputPanel{nullptr, 2295, 105, 5160, 1395};
inline constexpr ControlRow kThrustTitle{"Thrust (N)", 120, 165, 1335, 255, kSmallFont};
inline constexpr ControlRow kBurnTimeTitle{"Burn Time (s)", 120, 570, 1335, 255, kSmallFont};
inline constexpr ControlRow kMassTitle{"Mass (g)", 120, 975, 1335, 255, kSmallFont};
inline constexpr ControlRow kThrustBar{nullptr, 1500, 150, 2640, 285};
inline constexpr ControlRow kBurnTimeBar{nullptr, 1500, 555, 2640, 285};
inline constexpr ControlRow kMassBar{nullptr, 1500, 960, 2640, 285};
inline constexpr ControlRow kThrustReadout{nullptr, 4260, 150, 780, 285, kSmallFont, kNoColour, rt::palette::kWhite};
inline constexpr ControlRow kBurnTimeReadout{nullptr, 4260, 555, 780, 285, kSmallFont, kNoColour, rt::palette::kWhite};
inline constexpr ControlRow kMassReadout{nullptr, 4260, 960, 780, 285, kSmallFont, kNoColour, rt::palette::kWhite};

// -- the parachute and the units ------------------------------------------------------------
inline constexpr ControlRow kChoicePanel{nullptr, 7575, 105, 1860, 1395};
// The parachute box stands on the panel but is no choice of units: it belongs to the window,
// placed in the window's own twips, and the panel holds the units alone.
inline constexpr ControlRow kChuteBox{"Use Chute?", kChoicePanel.left + 150, kChoicePanel.top + 150, 1590, 285};
inline constexpr ControlRow kUnitOptions[2] = {
    {"US Units", 150, 555, 1590, 285},
    {"Metric Units", 150, 960, 1590, 285},
};

// -- the predicted results: three columns of two, each title over its read-out --------------
inline constexpr ControlRow kResultPanel{nullptr, 2295, 1605, 7140, 1260};
// Maximum speed, maximum altitude and when, descent speed and when, flight time.
inline constexpr ControlRow kResultTitles[6] = {
    {"Maximum Speed", 90, 60, 2160, 255, kSmallFont}, {"Maximum Altitude", 2430, 60, 2160, 255, kSmallFont},
    {"Reached At", 4770, 60, 2160, 255, kSmallFont},  {"Descent Speed", 90, 645, 2160, 255, kSmallFont},
    {"Reached At", 2430, 645, 2160, 255, kSmallFont}, {"Flight Time", 4770, 645, 2160, 255, kSmallFont},
};
inline constexpr ControlRow kResultReadouts[6] = {
    {nullptr, 660, 315, 1020, 285, kSmallFont, kNoColour, rt::palette::kWhite},
    {nullptr, 3000, 315, 1020, 285, kSmallFont, kNoColour, rt::palette::kWhite},
    {nullptr, 5340, 315, 1020, 285, kSmallFont, kNoColour, rt::palette::kWhite},
    {nullptr, 660, 900, 1020, 285, kSmallFont, kNoColour, rt::palette::kWhite},
    {nullptr, 3000, 900, 1020, 285, kSmallFont, kNoColour, rt::palette::kWhite},
    {nullptr, 5340, 900, 1020, 285, kSmallFont, kNoColour, rt::palette::kWhite},
};

// -- the profiles: altitude, speed and net force against time -------------------------------
inline constexpr ControlRow kPlotTitles[3] = {
    {"Altitude Profile", 2295, 2895, 2340, 255, kPlotTitleFont},
    {"Speed Profile", 4695, 2895, 2340, 255, kPlotTitleFont},
    {"Net Force Profile", 7095, 2895, 2340, 255, kPlotTitleFont},
};
inline constexpr ControlRow kAltitudePlot{nullptr, 2295, 3165, 2340, 2565};
inline constexpr ControlRow kSpeedPlot{nullptr, 4695, 3165, 2340, 2565};
inline constexpr ControlRow kForcePlot{nullptr, 7095, 3165, 2340, 2565};

// -- the commands -----------------------------------------------------------------------------
inline constexpr ControlRow kCommandPanel{nullptr, 2295, 5985, 7140, 855};
inline constexpr ControlRow kLaunchButton{nullptr, 150, 90, 1275, 675};
inline constexpr ControlRow kPrintButton{"&Print", 1935, 150, 1455, 555};
inline constexpr ControlRow kHelpButton{"&Help", 3780, 150, 1455, 555};
inline constexpr ControlRow kExitButton{"E&xit", 5535, 150, 1455, 555};

}  // namespace rocketry::layout
