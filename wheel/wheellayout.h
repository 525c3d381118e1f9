#pragma once
// The water wheel's layouts, the window's and its parameters dialog's: where each control
// stands, in twips in its container, with its caption, font and colours. The windows build
// their controls from these rows.

#include "platform/layout.h"
#include "platform/plotwindowlayout.h"
#include "runtime/palette.h"

namespace wheel {

namespace layout {

using plat::plotwindow::sideLetterAt;

// The valve: its picture on the window's red, the gauge, the spin button that opens and
// closes it, and the flow read-out with its units. The gauge is centred at load.
constexpr plat::FontStyle kValveFont{"Britannic Bold", 12};
constexpr plat::ControlRow kValvePicture{nullptr, 120, 120, 4095, 855};
constexpr plat::ControlRow kFlowTitle{"Flow", 240, 0, 975, 375, kValveFont, rt::palette::kYellow};
constexpr plat::ControlRow kFlowGauge{nullptr, 0, 0, 1455, 375};
constexpr plat::ControlRow kFlowSpin{nullptr, 240, 360, 975, 255};
constexpr plat::ControlRow kFlowReadout{"0", 2760, 360, 735, 375, kValveFont, rt::palette::kYellow};
constexpr plat::ControlRow kFlowUnits{"g/s", 3555, 360, 495, 375, kValveFont, rt::palette::kYellow};

// The wheel's picture, and the three strip charts beside it with their titles written
// downwards: speed, the height of can 1, the cans' levels.
constexpr plat::ControlRow kWheelPicture{nullptr, 120, 960, 4095, 4815};
constexpr plat::ControlRow chartAt(double top) { return plat::ControlRow{nullptr, 4560, top, 3975, 1815}; }
constexpr plat::ControlRow kSpeedChart = chartAt(120);
constexpr plat::ControlRow kHeightChart = chartAt(2040);
constexpr plat::ControlRow kLevelChart = chartAt(3960);
constexpr plat::ControlRow kChartTitles[16] = {
    sideLetterAt("S", 360),  sideLetterAt("P", 600),  sideLetterAt("E", 840),  sideLetterAt("E", 1080),
    sideLetterAt("D", 1320), sideLetterAt("H", 2160), sideLetterAt("E", 2400), sideLetterAt("I", 2640),
    sideLetterAt("G", 2880), sideLetterAt("H", 3120), sideLetterAt("T", 3360), sideLetterAt("L", 4200),
    sideLetterAt("E", 4440), sideLetterAt("V", 4680), sideLetterAt("E", 4920), sideLetterAt("L", 5160),
};

constexpr plat::ControlRow kStartButton{"&Start", 360, 6000, 1575, 495};
constexpr plat::ControlRow kParametersButton{"&Parameters", 2400, 6000, 1575, 495};
constexpr double kHelpExitTop = 5880;

}  // namespace layout

namespace dialoglayout {

constexpr plat::FontStyle kDialogFont{"MS Sans Serif", 8.25, true};

// The column headings, then one row per parameter 480 twips apart: its caption, the box its
// value is typed in, and its limits. Captions and limits come from the units chosen.
constexpr plat::ControlRow kHeadings[3] = {
    {"Parameter", 120, 0, 1335, 375, kDialogFont},
    {"Value", 1920, 0, 1335, 375, kDialogFont},
    {"Limits", 3360, 0, 1335, 375, kDialogFont},
};
constexpr double rowTop(int i) { return 480 + 480 * i; }
constexpr plat::ControlRow captionRow(double top) { return {nullptr, 120, top, 1815, 375, kDialogFont}; }
constexpr plat::ControlRow valueRow(double top) { return {nullptr, 2040, top, 1215, 480, kDialogFont}; }
constexpr plat::ControlRow limitsRow(double top) { return {nullptr, 3360, top, 1695, 375, kDialogFont}; }

constexpr plat::ControlRow kUnitsFrame{"Units", 1320, 4920, 2655, 735};
constexpr plat::ControlRow kMetricOption{"Metric", 120, 300, 960, 330};
constexpr plat::ControlRow kUsOption{"US (English)", 1140, 300, 1440, 330};
constexpr plat::ControlRow kOkButton{"&OK", 1560, 5760, 975, 495};
constexpr plat::ControlRow kHelpButton{"&Help", 2760, 5760, 975, 495};

}  // namespace dialoglayout

}  // namespace wheel
