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
QByteArray encodeWave(const Samples &samples);

}  // namespace resgen
