#pragma once
// The program's colours by name, as 0x00BBGGRR values. The first sixteen are the numbered
// colours (numberedColour 0 to 15), named as the screen shows them; the rest are the program's own
// mixes. Code says rt::palette::kYellow, never a number: numberedColour(n) is kept for numbers that come
// from data (drawing-command strings, stored settings).

#include "runtime/colour.h"

namespace rt::palette {

// -- the sixteen numbered colours ---------------------------------------------------------
inline constexpr rt::Colour kBlack = rt::rgb(0, 0, 0);            // 0
inline constexpr rt::Colour kDarkBlue = rt::rgb(0, 0, 128);       // 1
inline constexpr rt::Colour kDarkGreen = rt::rgb(0, 128, 0);      // 2
inline constexpr rt::Colour kDarkCyan = rt::rgb(0, 128, 128);     // 3
inline constexpr rt::Colour kDarkRed = rt::rgb(128, 0, 0);        // 4
inline constexpr rt::Colour kDarkMagenta = rt::rgb(128, 0, 128);  // 5
inline constexpr rt::Colour kDarkYellow = rt::rgb(128, 128, 0);   // 6
inline constexpr rt::Colour kLightGrey = rt::rgb(192, 192, 192);  // 7, also the face of buttons
inline constexpr rt::Colour kDarkGrey = rt::rgb(128, 128, 128);   // 8
inline constexpr rt::Colour kBlue = rt::rgb(0, 0, 255);           // 9
inline constexpr rt::Colour kGreen = rt::rgb(0, 255, 0);          // 10
inline constexpr rt::Colour kCyan = rt::rgb(0, 255, 255);         // 11
inline constexpr rt::Colour kRed = rt::rgb(255, 0, 0);            // 12
inline constexpr rt::Colour kMagenta = rt::rgb(255, 0, 255);      // 13
inline constexpr rt::Colour kYellow = rt::rgb(255, 255, 0);       // 14
inline constexpr rt::Colour kWhite = rt::rgb(255, 255, 255);      // 15

// -- mixes ----------------------------------------------------------------------------------
inline constexpr rt::Colour kPaleYellow = rt::rgb(255, 255, 192);
inline constexpr rt::Colour kPaleBlue = rt::rgb(192, 192, 255);
inline constexpr rt::Colour kSoftBlue = rt::rgb(128, 128, 255);
inline constexpr rt::Colour kSoftRed = rt::rgb(255, 128, 128);  // the menu
inline constexpr rt::Colour kLightYellow = rt::rgb(255, 255, 100);
inline constexpr rt::Colour kViolet = rt::rgb(192, 0, 192);

// -- colours of one role ----------------------------------------------------------------------
// A role's name says what a colour stands for, where a project draws one thing in one
// colour throughout.

// Pendulum: the curves of both plots, and the pendulum's string, bob and support.
inline constexpr rt::Colour kPendulumCurve = kRed;
inline constexpr rt::Colour kPendulumString = kBlack;
inline constexpr rt::Colour kPendulumBob = kCyan;
inline constexpr rt::Colour kPendulumSupport = kRed;

// Water wheel: the hub, spokes and can outlines of the wheel, and the speed chart's lines.
inline constexpr rt::Colour kWheelHub = kGreen;
inline constexpr rt::Colour kWheelSpoke = kLightGrey;
inline constexpr rt::Colour kWheelCanOutline = kWhite;
inline constexpr rt::Colour kWheelSpeedLine = kWhite;
inline constexpr rt::Colour kWheelZeroLine = kYellow;

// Trajectories: the arrows' paths on the grid.
inline constexpr rt::Colour kArrowPath = kViolet;

// Weather watch: the series of the plots, the legend and the printed plots.
inline constexpr rt::Colour kHighTemperature = kRed;
inline constexpr rt::Colour kLowTemperature = kBlue;
inline constexpr rt::Colour kPrecipitation = kDarkGreen;
inline constexpr rt::Colour kPressure = kDarkMagenta;

}  // namespace rt::palette
