#pragma once
// The levers window's layout: each control's caption, font, colours and place in its
// container, in twips, as the window builds it. Frames and tools that the window places on its
// logical screen when it loads take only their size from here.

#include "platform/layout.h"
#include "runtime/palette.h"

namespace levers::layout {

// The window's font, in which it measures 40 x 25 cells.
constexpr plat::FontSpec kWindowFont{"Courier New", 15.75, true};
constexpr plat::FontSpec kPanelFont{"MS Sans Serif", 8.25, true};
constexpr plat::FontSpec kFigureFont{"MS Sans Serif", 9.75, true};
constexpr plat::FontSpec kBarFont{"MS Sans Serif", 12};

// The topic panel: a soft blue backdrop behind a blue frame holding the two topics, and a
// frame of its own around Help and Exit.
constexpr plat::ControlSpec kTopicsBackdrop{nullptr, 2040, 720, 4215, 3855};
constexpr plat::ControlSpec kTopicsFrame{"Levers Topics", 2280,         960, 3735, 3375, {"MS Sans Serif", 13.5, true},
                                         Palette::Yellow, Palette::Blue};
constexpr plat::ControlSpec kTopicButtons[3] = {
    {},
    {"Learn About Levers", 360, 720, 3015, 615, {"Arial", 12, true}},
    {"Work With Levers", 360, 1440, 3015, 615, {"Arial", 12, true}},
};
constexpr plat::ControlSpec kButtonFrame{nullptr, 480, 2280, 2775, 855, kPanelFont, Palette::Yellow, Palette::Blue};
constexpr plat::ControlSpec kHelpButton{"&Help", 240, 240, 1095, 495, kPanelFont};
constexpr plat::ControlSpec kExitButton{"E&xit", 1440, 240, 1092, 492, kPanelFont};

// The lever's values: a title and a figure on each line.
constexpr plat::ControlSpec kValuesFrame{"3rd Class Lever", 480,          2040, 2535, 2055, {"MS Sans Serif", 13.5},
                                         Palette::Yellow,   Palette::Blue};
constexpr plat::ControlSpec kValueTitles[4] = {
    {"Effort", 240, 360, 1095, 375, kFigureFont, Palette::Cyan, Palette::Blue},
    {"D Effort", 240, 720, 1095, 375, kFigureFont, Palette::Cyan, Palette::Blue},
    {"Load", 240, 1200, 1095, 375, kFigureFont, Palette::Cyan, Palette::Blue},
    {"D Load", 240, 1560, 1095, 375, kFigureFont, Palette::Cyan, Palette::Blue},
};
constexpr plat::ControlSpec kEffortFigure{"0", 1440, 360, 855, 375, kFigureFont, Palette::White, Palette::Blue};
constexpr plat::ControlSpec kEffortDistanceFigure{"0.0",       1440,           720,          855, 375,
                                                  kFigureFont, Palette::White, Palette::Blue};
constexpr plat::ControlSpec kLoadFigure{"0", 1440, 1200, 855, 375, kFigureFont, Palette::White, Palette::Blue};
constexpr plat::ControlSpec kLoadDistanceFigure{"0.0", 1440,        1560,           855,
                                                375,   kFigureFont, Palette::White, Palette::Blue};

// A bar in its frame: the four that set the lever up in red frames, the applied effort in a
// blue one. The frames are placed on the logical screen when the window loads.
struct BarSpec {
  plat::ControlSpec frame;
  plat::ControlSpec bar;
  int max;
};
// The four set-up bars share one frame and one place in it.
constexpr BarSpec setupBar(const char* caption, int max) {
  return {{caption, 0, 0, 2175, 735, kBarFont, Palette::Yellow, Palette::Red}, {nullptr, 120, 360, 1935, 255}, max};
}
constexpr BarSpec kLoadBar = setupBar("Change Load", 200);
constexpr BarSpec kLoadPositionBar = setupBar("Move Load", 100);
constexpr BarSpec kEffortPositionBar = setupBar("Move Effort", 100);
constexpr BarSpec kFulcrumBar = setupBar("Move Fulcrum", 100);
constexpr BarSpec kEffortBar{
    {"Apply Effort", 0, 0, 2775, 735, kBarFont, Palette::Yellow, Palette::Blue}, {nullptr, 240, 360, 2295, 255}, 200};
constexpr int kBarLargeChange = 10;

constexpr plat::ControlSpec kModeButton{"Apply Effort", 0, 0, 2175, 495, kFigureFont};

// The tool bar: picture buttons without captions, named for screen readers by their tips.
// Their row and order along it are set when the window loads and when a topic opens.
struct ToolSpec {
  const char* picture;
  plat::ControlSpec place;
};
constexpr ToolSpec kTools[5] = {
    {"toolprint.png", {nullptr, 3240, 5640, 630, 615}}, {"toolnext.png", {nullptr, 3240, 5640, 615, 615}},
    {"help16.png", {nullptr, 3840, 5640, 645, 615}},    {"toolstop.png", {nullptr, 4440, 5640, 630, 615}},
    {"toolprev.png", {nullptr, 2640, 5640, 615, 615}},
};

}  // namespace levers::layout
