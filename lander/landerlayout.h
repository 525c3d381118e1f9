#pragma once
// Where the moon lander window's controls stand and what they show at first, in twips in
// their containers: the viewer with its grey backdrop and the scanner strip, the level and
// units choices (and the trajectory plot that takes their place during a game), the read-out
// panel with the fuel gauge and the thrusters, and the three buttons along the bottom.

#include "lander/landergame.h"
#include "platform/layout.h"
#include "runtime/palette.h"

namespace lander::layout {

// The window's client area.
inline constexpr double kClientWidth = 8130, kClientHeight = 6450;
inline constexpr plat::FontStyle kWindowFont{"MS Sans Serif", 8.25, true};

// -- on the window -------------------------------------------------------------------------
inline constexpr plat::ControlRow kBackdrop{
    nullptr, 120, 120, 4092, 5772, {}, plat::kNoColour, rt::palette::kLightGrey};
inline constexpr plat::ControlRow kViewer{nullptr, 360, 360, 3615, 5115};
inline constexpr plat::ControlRow kScanner{nullptr, 360, 5460, 3612, 192};
inline constexpr plat::ControlRow kCrashText{
    "Crash!!", 720, 1200, 2295, 855, {"Britannic Bold", 27.75, true}, rt::palette::kRed, rt::palette::kBlack};
inline constexpr plat::ControlRow kLevelFrame{"Level", 4440, 0, 3615, 1455, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kUnitsFrame{"Units", 4440, 1560, 3615, 855, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kTrajectoryFrame{"Trajectory to Pad", 4440, 120, 3615, 2295, {}, rt::palette::kWhite};
// Its caption is the level's, given at load.
inline constexpr plat::ControlRow kReadoutFrame{nullptr, 4440, 2520, 3615, 3135, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kStartButton{"&Start", 4680, 5880, 915, 495};
inline constexpr plat::ControlRow kHelpButton{"&Help", 5760, 5880, 915, 495};
inline constexpr plat::ControlRow kExitButton{"E&xit", 6840, 5880, 915, 495};

// -- the scanner's markers, their left edges moved along the strip during a game -----------
inline constexpr plat::ControlRow kPadMarker{nullptr, 0, 30, 135, 135, {}, plat::kNoColour, rt::palette::kRed};
inline constexpr plat::ControlRow kLanderMarker{nullptr, 0, 30, 135, 135, {}, plat::kNoColour, rt::palette::kGreen};

// -- in the level frame: two columns of three, captions from the game's level names -------
inline constexpr plat::ControlRow kLevelOptions[kLevels] = {
    {nullptr, 240, 300, 1575, 315, {}, rt::palette::kWhite},  {nullptr, 240, 660, 1575, 315, {}, rt::palette::kWhite},
    {nullptr, 240, 1020, 1575, 315, {}, rt::palette::kWhite}, {nullptr, 1920, 300, 1575, 315, {}, rt::palette::kWhite},
    {nullptr, 1920, 660, 1575, 315, {}, rt::palette::kWhite}, {nullptr, 1920, 1020, 1575, 315, {}, rt::palette::kWhite},
};

// -- in the units frame ---------------------------------------------------------------------
inline constexpr plat::ControlRow kUnitsOptions[2] = {
    {"US (English)", 240, 360, 1575, 315, {}, rt::palette::kWhite},
    {"Metric", 1920, 360, 1335, 315, {}, rt::palette::kWhite},
};

// -- in the trajectory frame ------------------------------------------------------------------
inline constexpr plat::ControlRow kTrajectoryPlot{nullptr, 120, 240, 3375, 1935};

// -- in the read-out panel: titles in white, values in yellow --------------------------------
inline constexpr plat::ControlRow kTimeTitle{"Time:", 840, 360, 795, 255, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kTimeValue{"0.0", 1680, 360, 1335, 255, {}, rt::palette::kYellow};
inline constexpr plat::ControlRow kValueHead{"Value (ft)", 1080, 840, 1035, 255, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kSpeedHead{"Speed (ft/s)", 2160, 840, 1335, 255, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kAltitudeTitle{"Altitude", 120, 1080, 1035, 255, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kAltitudeValue{"0", 1200, 1080, 1035, 255, {}, rt::palette::kYellow};
inline constexpr plat::ControlRow kDescentValue{"0.0", 2400, 1080, 1095, 255, {}, rt::palette::kYellow};
inline constexpr plat::ControlRow kPositionTitle{"Position", 120, 1440, 1035, 255, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kPositionValue{"0", 1200, 1440, 1035, 255, {}, rt::palette::kYellow};
inline constexpr plat::ControlRow kLateralValue{"0.0", 2400, 1440, 1095, 255, {}, rt::palette::kYellow};
inline constexpr plat::ControlRow kFuelTitle{"Fuel:", 120, 1920, 795, 255, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kFuelGauge{nullptr, 960, 1920, 2535, 375};
inline constexpr plat::ControlRow kThrustersTitle{"Thrusters:", 120, 2520, 1095, 255, {}, rt::palette::kWhite};
inline constexpr plat::ControlRow kLeftThruster{nullptr, 1320, 2400, 600, 600};
inline constexpr plat::ControlRow kMainThruster{nullptr, 2040, 2400, 600, 600};
inline constexpr plat::ControlRow kRightThruster{nullptr, 2760, 2400, 600, 600};

}  // namespace lander::layout
