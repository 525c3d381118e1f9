#pragma once
// The pendulum window's layout: where each control stands, in twips in its container, with
// its caption, font and colours. The window builds its controls from these rows.

#include "platform/layout.h"
#include "platform/plotwindowlayout.h"
#include "runtime/palette.h"

namespace pendulum::layout {

using plat::plotwindow::kTitleFont;
using plat::plotwindow::sideLetterAt;

// The pendulum's picture, the two plots and the time between them.
constexpr plat::ControlRow kPendulumPicture{nullptr, 120, 120, 4095, 3975};
constexpr plat::ControlRow kAnglePlot{nullptr, 4560, 120, 3975, 1935};
constexpr plat::ControlRow kTimeReadout{"0.00 Seconds",     4590, 2085, 3975, 375, {"Arial", 12, true},
                                        rt::palette::kWhite};
constexpr plat::ControlRow kPhasePlot{nullptr, 4545, 2520, 3975, 2655};

// The plots' titles: ANGLE under the phase plot, and the letters of ANGLE and SPEED written
// downwards beside the plots.
constexpr plat::ControlRow kAngleTitle{"ANGLE", 4560, 5205, 3975, 375, kTitleFont, rt::palette::kYellow};
constexpr plat::ControlRow kSideLetters[10] = {
    sideLetterAt("A", 480),  sideLetterAt("N", 720),  sideLetterAt("G", 960),  sideLetterAt("L", 1200),
    sideLetterAt("E", 1440), sideLetterAt("S", 3240), sideLetterAt("P", 3480), sideLetterAt("E", 3720),
    sideLetterAt("E", 3960), sideLetterAt("D", 4200),
};

// The four parameter rows, Angle to Friction: caption, value and spin button share a top.
// The captions and values come from the units chosen.
constexpr plat::FontStyle kParameterFont{"Arial", 9.75, true};
constexpr double kRowTop[5] = {0, 4200, 4560, 4920, 5280};
constexpr const char* kRowName[5] = {"", "Angle", "Mass", "Length", "Friction"};
constexpr plat::ControlRow captionRow(double top) {
  return plat::ControlRow{nullptr, 840, top, 1695, 375, kParameterFont, rt::palette::kWhite};
}
constexpr plat::ControlRow valueRow(double top) {
  return plat::ControlRow{nullptr, 2520, top, 855, 375, kParameterFont, plat::kNoColour, rt::palette::kWhite};
}
constexpr plat::ControlRow spinRow(double top) { return plat::ControlRow{nullptr, 3360, top, 255, 375}; }

constexpr plat::ControlRow kUnitsFrame{"Units", 1800, 5760, 2535, 735, {}, rt::palette::kWhite};
constexpr plat::ControlRow kMetricOption{"Metric", 120, 300, 960, 330, {}, rt::palette::kWhite};
constexpr plat::ControlRow kUsOption{"US (English)", 1095, 300, 1380, 330, {}, rt::palette::kWhite};

constexpr plat::ControlRow kStartButton{"&Start", 240, 5880, 1455, 495};
constexpr plat::ControlRow kPrintButton{"&Print Plots", 2640, 5880, 1575, 495};
constexpr double kHelpExitTop = 5640;

}  // namespace pendulum::layout
