#pragma once
// The levers window's layout: each control's caption, font, colours and place in its
// container, in twips, as the window builds it. Frames and tools that the window places on its
// logical screen when it loads take only their size from here.

#include "platform/layout.h"
#include "runtime/palette.h"

namespace levers::layout {

using plat::ControlRow;
using plat::FontStyle;

// The window's font, in which it measures 40 x 25 cells.
constexpr FontStyle kWindowFont{"Courier New", 15.75, true};
// What screen readers call the drawing on the window: the lever, or the lesson's example.
constexpr const char* kLeverPictureName = "Lever";
constexpr FontStyle kPanelFont{"MS Sans Serif", 8.25, true};
constexpr FontStyle kFigureFont{"MS Sans Serif", 9.75, true};
constexpr FontStyle kBarFont{"MS Sans Serif", 12};
constexpr FontStyle kFrameTitleFont{"MS Sans Serif", 13.5, true};
constexpr FontStyle kValuesFont{"MS Sans Serif", 13.5};

// A frame of the panel or of the values: its caption yellow on blue.
constexpr ControlRow blueFrame(const char* caption, double left, double top, double width, double height,
                               FontStyle font) {
  return {caption, left, top, width, height, font, rt::palette::kYellow, rt::palette::kBlue};
}

// The topic panel: a soft blue backdrop behind a blue frame holding the two topics, and a
// frame of its own around Help and Exit.
constexpr ControlRow kTopicsBackdrop{nullptr, 2040, 720, 4215, 3855};
constexpr ControlRow kTopicsFrame = blueFrame("Levers Topics", 2280, 960, 3735, 3375, kFrameTitleFont);
constexpr ControlRow kTopicButtons[3] = {
    {},
    {"Learn About Levers", 360, 720, 3015, 615, {"Arial", 12, true}},
    {"Work With Levers", 360, 1440, 3015, 615, {"Arial", 12, true}},
};
constexpr ControlRow kButtonFrame = blueFrame(nullptr, 480, 2280, 2775, 855, kPanelFont);
constexpr ControlRow kHelpButton{"&Help", 240, 240, 1095, 495, kPanelFont};
constexpr ControlRow kExitButton{"E&xit", 1440, 240, 1092, 492, kPanelFont};

// The lever's values: a title and a figure on each line.
constexpr ControlRow kValuesFrame = blueFrame("3rd Class Lever", 480, 2040, 2535, 2055, kValuesFont);
constexpr ControlRow kValueTitles[4] = {
    {"Effort", 240, 360, 1095, 375, kFigureFont, rt::palette::kCyan, rt::palette::kBlue},
    {"D Effort", 240, 720, 1095, 375, kFigureFont, rt::palette::kCyan, rt::palette::kBlue},
    {"Load", 240, 1200, 1095, 375, kFigureFont, rt::palette::kCyan, rt::palette::kBlue},
    {"D Load", 240, 1560, 1095, 375, kFigureFont, rt::palette::kCyan, rt::palette::kBlue},
};
// A figure, white on blue, beside its title.
constexpr ControlRow figureAt(const char* caption, double top) {
  return {caption, 1440, top, 855, 375, kFigureFont, rt::palette::kWhite, rt::palette::kBlue};
}
constexpr ControlRow kEffortFigure = figureAt("0", 360);
constexpr ControlRow kEffortDistanceFigure = figureAt("0.0", 720);
constexpr ControlRow kLoadFigure = figureAt("0", 1200);
constexpr ControlRow kLoadDistanceFigure = figureAt("0.0", 1560);

// A bar in its frame: the four that set the lever up in red frames, the applied effort in a
// blue one. The frames are placed on the logical screen when the window loads.
struct FramedBar {
  ControlRow frame;
  plat::BarRow bar;
};
// The four set-up bars share one frame and one place in it.
constexpr FramedBar setupBar(const char* caption, int max) {
  return {{caption, 0, 0, 2175, 735, kBarFont, rt::palette::kYellow, rt::palette::kRed},
          {{nullptr, 120, 360, 1935, 255}, caption, 0, max}};
}
constexpr FramedBar kLoadBar = setupBar("Change Load", 200);
constexpr FramedBar kLoadPositionBar = setupBar("Move Load", 100);
constexpr FramedBar kEffortPositionBar = setupBar("Move Effort", 100);
constexpr FramedBar kFulcrumBar = setupBar("Move Fulcrum", 100);
constexpr FramedBar kEffortBar{{"Apply Effort", 0, 0, 2775, 735, kBarFont, rt::palette::kYellow, rt::palette::kBlue},
                               {{nullptr, 240, 360, 2295, 255}, "Apply Effort", 0, 200}};

constexpr ControlRow kModeButton{"Apply Effort", 0, 0, 2175, 495, kFigureFont};

// The tool bar: picture buttons without captions, named for screen readers by their tips.
// Their row and order along it are set when the window loads and when a topic opens.
struct ToolRow {
  const char* picture;
  plat::ControlRow place;
};
constexpr ToolRow kTools[5] = {
    {"toolprint.png", {nullptr, 3240, 5640, 630, 615}}, {"toolnext.png", {nullptr, 3240, 5640, 615, 615}},
    {"help16.png", {nullptr, 3840, 5640, 645, 615}},    {"toolstop.png", {nullptr, 4440, 5640, 630, 615}},
    {"toolprev.png", {nullptr, 2640, 5640, 615, 615}},
};

}  // namespace levers::layout
