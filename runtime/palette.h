#pragma once
// The program's colours by name, as 0x00BBGGRR values. The first sixteen are the numbered
// colours (numberedColour 0 to 15), named as the screen shows them; the rest are the program's own
// mixes. Code says Palette::Yellow, never a number: numberedColour(n) is kept for numbers that come
// from data (drawing-command strings, stored settings).

#include "runtime/colour.h"

namespace Palette {

// -- the sixteen numbered colours ---------------------------------------------------------
inline constexpr rt::Colour Black = rt::rgb(0, 0, 0);            // 0
inline constexpr rt::Colour DarkBlue = rt::rgb(0, 0, 128);       // 1
inline constexpr rt::Colour DarkGreen = rt::rgb(0, 128, 0);      // 2
inline constexpr rt::Colour DarkCyan = rt::rgb(0, 128, 128);     // 3
inline constexpr rt::Colour DarkRed = rt::rgb(128, 0, 0);        // 4
inline constexpr rt::Colour DarkMagenta = rt::rgb(128, 0, 128);  // 5
inline constexpr rt::Colour DarkYellow = rt::rgb(128, 128, 0);   // 6
inline constexpr rt::Colour LightGrey = rt::rgb(192, 192, 192);  // 7, also the face of buttons
inline constexpr rt::Colour DarkGrey = rt::rgb(128, 128, 128);   // 8
inline constexpr rt::Colour Blue = rt::rgb(0, 0, 255);           // 9
inline constexpr rt::Colour Green = rt::rgb(0, 255, 0);          // 10
inline constexpr rt::Colour Cyan = rt::rgb(0, 255, 255);         // 11
inline constexpr rt::Colour Red = rt::rgb(255, 0, 0);            // 12
inline constexpr rt::Colour Magenta = rt::rgb(255, 0, 255);      // 13
inline constexpr rt::Colour Yellow = rt::rgb(255, 255, 0);       // 14
inline constexpr rt::Colour White = rt::rgb(255, 255, 255);      // 15

// -- mixes ----------------------------------------------------------------------------------
inline constexpr rt::Colour PaleYellow = rt::rgb(255, 255, 192);
inline constexpr rt::Colour PaleBlue = rt::rgb(192, 192, 255);
inline constexpr rt::Colour SoftBlue = rt::rgb(128, 128, 255);
inline constexpr rt::Colour SoftRed = rt::rgb(255, 128, 128);  // the menu
inline constexpr rt::Colour LightYellow = rt::rgb(255, 255, 100);
inline constexpr rt::Colour Violet = rt::rgb(192, 0, 192);

// -- colours of one role ----------------------------------------------------------------------
// A role's name says what a colour stands for, where a project draws one thing in one
// colour throughout.

// Pendulum: the curves of both plots, and the pendulum's string, bob and support.
inline constexpr rt::Colour PendulumCurve = Red;
inline constexpr rt::Colour PendulumString = Black;
inline constexpr rt::Colour PendulumBob = Cyan;
inline constexpr rt::Colour PendulumSupport = Red;

// Water wheel: the hub, spokes and can outlines of the wheel, and the speed chart's lines.
inline constexpr rt::Colour WheelHub = Green;
inline constexpr rt::Colour WheelSpoke = LightGrey;
inline constexpr rt::Colour WheelCanOutline = White;
inline constexpr rt::Colour WheelSpeedLine = White;
inline constexpr rt::Colour WheelZeroLine = Yellow;

// Trajectories: the arrows' paths on the grid.
inline constexpr rt::Colour ArrowPath = Violet;

// Weather watch: the series of the plots, the legend and the printed plots.
inline constexpr rt::Colour HighTemperature = Red;
inline constexpr rt::Colour LowTemperature = Blue;
inline constexpr rt::Colour Precipitation = DarkGreen;
inline constexpr rt::Colour Pressure = DarkMagenta;

}  // namespace Palette
