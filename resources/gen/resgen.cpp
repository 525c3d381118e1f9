// resgen PICTUREDIR SOUNDDIR: writes every picture of the program into PICTUREDIR and every
// sound into SOUNDDIR (the pictures are built into the program, the sounds lie beside it).
// The output is the same bytes on every run, so the files can be remade at will.
#include "artwork.h"

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <functional>

namespace {

using namespace resgen;

struct Picture {
  const char* name;
  QImage (*draw)();
};

struct Sound {
  const char* name;
  Samples (*synth)();
};

// Keep in step with the OUTPUT list in resources/CMakeLists.txt.
const Picture kPictures[] = {
    {"menu.png", drawMenuPicture},
    {"rocketpic.png", drawRocketPicture},
    {"smoke.png", drawSmokePicture},
    {"chute.png", drawChutePicture},
    {"golaunch.png", drawLaunchGoIcon},
    {"stoplaunch.png", drawLaunchStopIcon},
    {"exit.png", drawExitIcon},
    {"help16.png", drawHelpIcon},
    {"vantrel.png", drawProgramIcon},
    {"toolprint.png", drawPrinterTool},
    {"toolnext.png", drawNextTool},
    {"toolprev.png", drawPreviousTool},
    {"toolstop.png", drawStopTool},
    {"robotarm.png", drawRobotArmPicture},
    {"arrowmark.png", drawArrowMark},
    {"bowarrow.png", drawBowArrow},
    {"arrowflight.png", drawArrowFlight},
    {"landerbg.png", drawLanderWorld},
    {"lander_s.png", drawLanderSprite},
    {"lander_m.png", drawLanderMask},
    {"landpad_s.png", drawPadSprite},
    {"landpad_m.png", drawPadMask},
    {"flameh_s.png", drawSideFlameSprite},
    {"flameh_m.png", drawSideFlameMask},
    {"flamev_s.png", drawMainFlameSprite},
    {"flamev_m.png", drawMainFlameMask},
    {"thrleft.png", drawLeftThrusterIcon},
    {"thrup.png", drawMainThrusterIcon},
    {"thrright.png", drawRightThrusterIcon},
    {"cbatup.png", drawBatteryUpIcon},
    {"cbatdown.png", drawBatteryDownIcon},
    {"cbatright.png", drawBatteryRightIcon},
    {"cbatleft.png", drawBatteryLeftIcon},
    {"cwirev.png", drawWireUprightIcon},
    {"cwireh.png", drawWireAcrossIcon},
    {"clamp.png", drawLampIcon},
    {"cswitch.png", drawSwitchIcon},
    {"carrow.png", drawVoltArrow},
    {"wwnew.png", drawNewFileIcon},
    {"wwopen.png", drawOpenFileIcon},
    {"wwsave.png", drawSaveFileIcon},
    {"wwprint.png", drawPrintFileIcon},
    {"coinheads.png", drawCoinHeads},
    {"cointails.png", drawCoinTails},
    {"dice1.png", drawDieOne},
    {"dice2.png", drawDieTwo},
    {"dice3.png", drawDieThree},
    {"dice4.png", drawDieFour},
    {"dice5.png", drawDieFive},
    {"dice6.png", drawDieSix},
};

const Sound kSounds[] = {
    {"ding.wav", synthDing},
    {"uhoh.wav", synthUhOh},
    {"tada.wav", synthTada},
    {"boing.wav", synthBoing},
    {"move.wav", synthMove},
    {"rocket.wav", synthRocket},
    {"xpoof.wav", synthPoof},
    {"THRUSTR1.WAV", synthThrusterBright},
    {"THRUSTR2.WAV", synthThrusterDark},
    {"LAND_OK.WAV", synthLandOk},
    {"LAND_BAD.WAV", synthLandBad},
};

// Writes through a temporary file so a failed run never leaves half a file behind.
bool writeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) {
    std::fprintf(stderr, "resgen: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: resgen PICTUREDIR SOUNDDIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QDir pictures(QString::fromLocal8Bit(argv[1])), out(QString::fromLocal8Bit(argv[2]));
  for (const QDir& dir : {pictures, out})
    if (!dir.mkpath(QStringLiteral("."))) {
      std::fprintf(stderr, "resgen: cannot create %s\n", qPrintable(dir.path()));
      return 1;
    }
  bool ok = true;
  for (const Picture& picture : kPictures) {
    const QImage image = picture.draw();
    ok &= writeFile(pictures.filePath(QString::fromLatin1(picture.name)),
                    [&](QIODevice& dev) { return image.save(&dev, "PNG"); });
  }
  for (const Sound& sound : kSounds) {
    const QByteArray bytes = encodeWave(sound.synth());
    ok &= writeFile(out.filePath(QString::fromLatin1(sound.name)),
                    [&](QIODevice& dev) { return dev.write(bytes) == bytes.size(); });
  }
  return ok ? 0 : 1;
}
