// The pictures and sounds the program ships, all made here from code so that
// every one of them can be remade and changed.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace resgen {

// Pictures. Each returns the finished image at its final size.
QImage drawMenuPicture();  // 180 x 200, opaque
QImage drawExitIcon();     // 32 x 32, transparent background
QImage drawHelpIcon();     // 16 x 16, transparent background
QImage drawProgramIcon();  // 64 x 64, transparent background
// The levers window's tools; its help tool shows the help picture above.
QImage drawPrinterTool();   // 16 x 16, transparent background
QImage drawNextTool();      // 32 x 32, transparent background
QImage drawPreviousTool();  // 32 x 32, transparent background
QImage drawStopTool();      // 32 x 32, transparent background
// The robotics window's title picture.
QImage drawRobotArmPicture();  // 32 x 32, transparent background
// The trajectories window: the draggable target mark and two drawings beside the title.
QImage drawArrowMark();    // 25 x 25, transparent background
QImage drawBowArrow();     // 48 x 48, transparent background
QImage drawArrowFlight();  // 48 x 48, transparent background
// The moon lander: the world, each sprite with its mask (sprite black where transparent,
// mask black where opaque and white elsewhere), and the thruster buttons' icons.
QImage drawLanderWorld();   // 640 x 700, opaque
QImage drawLanderSprite();  // 105 x 115
QImage drawLanderMask();
QImage drawPadSprite();  // 143 x 64
QImage drawPadMask();
QImage drawSideFlameSprite();  // 32 x 16
QImage drawSideFlameMask();
QImage drawMainFlameSprite();  // 24 x 32
QImage drawMainFlameMask();
QImage drawLeftThrusterIcon();   // 32 x 32, transparent background
QImage drawMainThrusterIcon();   // 32 x 32, transparent background
QImage drawRightThrusterIcon();  // 32 x 32, transparent background

// The circuits palette's element pictures (32 x 32, opaque black board) and the arrow
// from a rung's voltage to its rung (12 x 40, transparent background).
QImage drawBatteryUpIcon();
QImage drawBatteryDownIcon();
QImage drawBatteryRightIcon();
QImage drawBatteryLeftIcon();
QImage drawWireUprightIcon();
QImage drawWireAcrossIcon();
QImage drawLampIcon();
QImage drawSwitchIcon();
QImage drawVoltArrow();

// The weather window's file buttons (32 x 32, transparent background).
QImage drawNewFileIcon();
QImage drawOpenFileIcon();
QImage drawSaveFileIcon();
QImage drawPrintFileIcon();

// The rocketry window's pictures, on the sky's cyan, and its launch button's icons.
QImage drawRocketPicture();   // 33 x 90, opaque
QImage drawSmokePicture();    // 33 x 40, opaque
QImage drawChutePicture();    // 61 x 45, opaque
QImage drawLaunchGoIcon();    // 32 x 32, transparent background
QImage drawLaunchStopIcon();  // 32 x 32, transparent background

// The probability window's coin faces (65 x 65) and die faces (57 x 57), opaque on the
// window's light yellow.
QImage drawCoinHeads();
QImage drawCoinTails();
QImage drawDieOne();
QImage drawDieTwo();
QImage drawDieThree();
QImage drawDieFour();
QImage drawDieFive();
QImage drawDieSix();

// Sounds: mono samples in [-1, 1] at kSampleRate.
inline constexpr int kSampleRate = 22050;
using Samples = std::vector<float>;

Samples synthDing();
Samples synthUhOh();
Samples synthTada();
Samples synthBoing();
Samples synthMove();
Samples synthRocket();
Samples synthPoof();
Samples synthThrusterBright();
Samples synthThrusterDark();
Samples synthLandOk();
Samples synthLandBad();

// RIFF/WAVE file bytes: PCM, 16-bit, mono, kSampleRate. Samples are clamped.
QByteArray encodeWave(const Samples& samples);

}  // namespace resgen
