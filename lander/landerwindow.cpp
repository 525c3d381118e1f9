#include "lander/landerwindow.h"

#include <QPixmap>

#include "lander/landerlayout.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"

namespace lander {

namespace {

constexpr int kHelpTopic = 4;
constexpr int kTickMs = 500;

// A solid square of one colour with a black outline, standing on the scanner strip.
plat::Shape* marker(QWidget* strip, const plat::ControlRow& row) {
  auto* s = plat::build<plat::Shape>(strip, row);
  s->setBackOpaque(true);
  s->setFillStyle(plat::FillSolid);
  s->setFillColor(row.back);
  s->setBorderColor(rt::palette::kBlack);
  return s;
}

plat::CommandButton* thruster(QWidget* panel, const plat::ControlRow& row, const char* picture, const QString& name) {
  auto* b = plat::build<plat::CommandButton>(panel, row);
  b->setPicture(plat::loadPicture(QString::fromLatin1(picture)), name);
  return b;
}

}  // namespace

LanderWindow::LanderWindow() : m_game(*this, shell::randomSource(), shell::tickClock()) {
  setCaption("Moon Lander");
  setBackColor(rt::palette::kBlack);
  setFont(plat::screenFont(layout::kWindowFont.face, layout::kWindowFont.points, layout::kWindowFont.bold));
  setClientSizeTwips(layout::kClientWidth, layout::kClientHeight);
  setHelp("vtrel.hlp", kHelpTopic);

  buildViewer();
  buildChoices();
  buildReadouts();
  buildThrusters();
  buildButtons();
  // The crash text stands over the viewer.
  m_crashText->raise();

  m_tickTimer = new plat::Timer(this);
  m_tickTimer->setObjectName("tickTimer");
  m_tickTimer->setInterval(kTickMs);
  m_tickTimer->onTimer = [this] { m_game.tick(); };
}

LanderWindow::~LanderWindow() = default;

// -- the controls, in the order they stack ---------------------------------------------------

void LanderWindow::buildViewer() {
  // The backdrop behind the viewer and the scanner.
  auto* backdrop = plat::build<plat::Shape>(this, layout::kBackdrop);
  backdrop->setBackOpaque(true);
  backdrop->setFillStyle(plat::FillSolid);
  backdrop->setFillColor(layout::kBackdrop.back);

  m_viewerPicture = plat::build<plat::PictureBox>(this, layout::kViewer, rt::palette::kBlack);
  m_viewerPicture->setObjectName("viewerPicture");
  m_viewerPicture->setAccessibleName("Lander's view: the lander over the moon");
  m_viewerPicture->surface().setScaleMode(plat::ScaleMode::Pixels);
  m_frameBuffer = std::make_unique<plat::ImageSurface>(m_viewerPicture->surface().deviceWidth(),
                                                       m_viewerPicture->surface().deviceHeight(), rt::palette::kBlack);
  m_frameBuffer->setScaleMode(plat::ScaleMode::Pixels);

  m_scannerPicture = plat::build<plat::PictureBox>(this, layout::kScanner, rt::palette::kDarkGrey);
  m_scannerPicture->setObjectName("scannerPicture");
  m_scannerPicture->setAccessibleName("Scanner: the lander and the pad along the surface");
  m_padMarker = marker(m_scannerPicture, layout::kPadMarker);
  m_padMarker->setObjectName("padMarker");
  m_landerMarker = marker(m_scannerPicture, layout::kLanderMarker);
  m_landerMarker->setObjectName("landerMarker");

  m_crashText = plat::build<plat::TextBox>(this, layout::kCrashText, QString::fromUtf8(layout::kCrashText.caption));
  m_crashText->setObjectName("crashText");
  m_crashText->setAlignment(plat::TextBox::AlignCenter);
  m_crashText->setLocked(true);
  m_crashText->setAccessibleName(QString::fromUtf8(layout::kCrashText.caption));
  m_crashText->setAnnounced(true);
  m_crashText->hide();
}

void LanderWindow::buildChoices() {
  // Level and units, in the place the trajectory plot takes during a game.
  m_levelFrame = plat::build<plat::Frame>(this, layout::kLevelFrame);
  m_levelFrame->setObjectName("levelFrame");
  m_levelOptions.setRole("levelOption");
  for (int i = 0; i < kLevels; ++i)
    plat::applyRow(m_levelOptions.add(i, m_levelFrame, levelCaption(i)), layout::kLevelOptions[i]);
  m_levelOptions.onClick = [this](int index) { chooseLevel(index); };

  m_unitsFrame = plat::build<plat::Frame>(this, layout::kUnitsFrame);
  m_unitsFrame->setObjectName("unitsFrame");
  m_unitsOptions.setRole("unitsOption");
  for (int i = 0; i < 2; ++i) {
    const plat::ControlRow& row = layout::kUnitsOptions[i];
    plat::applyRow(m_unitsOptions.add(i, m_unitsFrame, QString::fromUtf8(row.caption)), row);
  }
  m_unitsOptions.onClick = [this](int index) { chooseUnits(index); };

  m_trajectoryFrame = plat::build<plat::Frame>(this, layout::kTrajectoryFrame);
  m_trajectoryFrame->setObjectName("trajectoryFrame");
  m_trajectoryPicture = plat::build<plat::PictureBox>(m_trajectoryFrame, layout::kTrajectoryPlot, rt::palette::kBlack);
  m_trajectoryPicture->setObjectName("trajectoryPicture");
  m_trajectoryPicture->setAccessibleName("Trajectory to pad plot: the lander's path");
  m_trajectoryFrame->hide();
}

void LanderWindow::buildReadouts() {
  m_readoutFrame = plat::build<plat::Frame>(this, layout::kReadoutFrame);
  m_readoutFrame->setObjectName("readoutFrame");
  plat::Label* timeTitle = plat::buildCaption(m_readoutFrame, layout::kTimeTitle);
  m_timeValue = plat::buildCaption(m_readoutFrame, layout::kTimeValue);
  m_valueHead = plat::buildCaption(m_readoutFrame, layout::kValueHead);
  m_speedHead = plat::buildCaption(m_readoutFrame, layout::kSpeedHead);
  plat::Label* altitudeTitle = plat::buildCaption(m_readoutFrame, layout::kAltitudeTitle);
  m_altitudeValue = plat::buildCaption(m_readoutFrame, layout::kAltitudeValue);
  m_descentValue = plat::buildCaption(m_readoutFrame, layout::kDescentValue);
  plat::Label* positionTitle = plat::buildCaption(m_readoutFrame, layout::kPositionTitle);
  m_positionValue = plat::buildCaption(m_readoutFrame, layout::kPositionValue);
  m_lateralValue = plat::buildCaption(m_readoutFrame, layout::kLateralValue);
  for (plat::Label* l : {m_altitudeValue, m_descentValue, m_positionValue, m_lateralValue})
    l->setAlignment(plat::Label::Right);
  m_timeValue->setObjectName("timeValue");
  m_valueHead->setObjectName("valueHead");
  m_speedHead->setObjectName("speedHead");
  m_altitudeValue->setObjectName("altitudeValue");
  m_descentValue->setObjectName("descentValue");
  m_positionValue->setObjectName("positionValue");
  m_lateralValue->setObjectName("lateralValue");
  // Each figure is heard with its row's title and its column's head: "Altitude Value (ft) 1864".
  m_timeValue->setHeardCaptions({timeTitle});
  m_altitudeValue->setHeardCaptions({altitudeTitle, m_valueHead});
  m_descentValue->setHeardCaptions({altitudeTitle, m_speedHead});
  m_positionValue->setHeardCaptions({positionTitle, m_valueHead});
  m_lateralValue->setHeardCaptions({positionTitle, m_speedHead});
  plat::buildCaption(m_readoutFrame, layout::kFuelTitle);
  m_fuelGauge = plat::build<plat::Panel>(m_readoutFrame, layout::kFuelGauge);
  m_fuelGauge->setObjectName("fuelGauge");
  m_fuelGauge->setBevelOuter(plat::Panel::BevelInset);
  m_fuelGauge->setFloodType(plat::Panel::FloodLeftToRight);
  m_fuelGauge->setFloodColor(rt::palette::kGreen);
  m_fuelGauge->setAccessibleName("Fuel");
}

void LanderWindow::buildThrusters() {
  m_thrustersTitle = plat::buildCaption(m_readoutFrame, layout::kThrustersTitle);
  m_leftThrusterButton = thruster(m_readoutFrame, layout::kLeftThruster, "thrleft.png", "Left thruster");
  m_mainThrusterButton = thruster(m_readoutFrame, layout::kMainThruster, "thrup.png", "Main thruster");
  m_rightThrusterButton = thruster(m_readoutFrame, layout::kRightThruster, "thrright.png", "Right thruster");
  m_thrustersTitle->setObjectName("thrustersTitle");
  m_leftThrusterButton->setObjectName("leftThrusterButton");
  m_mainThrusterButton->setObjectName("mainThrusterButton");
  m_rightThrusterButton->setObjectName("rightThrusterButton");
  m_leftThrusterButton->onClick = [this] { m_game.fireLeftThruster(); };
  m_mainThrusterButton->onClick = [this] { m_game.fireMainThruster(); };
  m_rightThrusterButton->onClick = [this] { m_game.fireRightThruster(); };
}

void LanderWindow::buildButtons() {
  m_startButton = plat::build<plat::CommandButton>(this, layout::kStartButton);
  m_startButton->setObjectName("startButton");
  m_startButton->onClick = [this] { startPauseOrResume(); };
  m_helpButton = plat::build<plat::CommandButton>(this, layout::kHelpButton);
  m_helpButton->setObjectName("helpButton");
  m_helpButton->onClick = [this] { showHelp(); };
  m_exitButton = plat::build<plat::CommandButton>(this, layout::kExitButton);
  m_exitButton->setObjectName("exitButton");
  m_exitButton->onClick = [this] { exitOrStop(); };
}

// -- load and unload ---------------------------------------------------------------------

void LanderWindow::loadStep() {
  shell::SharedSettings& s = shell::settings();
  // A hand-edited settings file may hold values no control can show: they are brought to
  // the nearest level, and any units value but metric means feet, as the read-outs take it.
  if (s.LanderLevel < 0) s.LanderLevel = 0;
  if (s.LanderLevel >= kLevels) s.LanderLevel = kLevels - 1;
  if (s.LanderUnits != 1) s.LanderUnits = 0;

  m_game.InGame = false;
  m_game.TankSize = 200;
  m_gameState = 0;
  enableThrusters(false);
  m_game.setLevel(s.LanderLevel);
  m_levelOptions.choose(s.LanderLevel);
  m_unitsOptions.choose(s.LanderUnits);
  m_readoutFrame->setCaption(m_levelOptions(s.LanderLevel)->caption() + " Level");
  showColumnHeads();
  shell::randomize();
  centreOnScreen();

  m_viewerPicture->surface().setBackColor(rt::palette::kBlack);
  m_pictures.load();
  m_game.setSizes(
      m_pictures.sizes(m_viewerPicture->surface().deviceWidth(), m_viewerPicture->surface().deviceHeight()));

  m_folder = plat::programFolder();
  if (!m_folder.endsWith('/')) m_folder += '/';
  shell::readWholeFile(m_folder + "THRUSTR1.WAV", m_mainThrustSound);
  shell::readWholeFile(m_folder + "THRUSTR2.WAV", m_sideThrustSound);

  scaleTrajectory(m_trajectoryPicture->surface());
  m_trajectoryPicture->surface().cls();
  m_tickTimer->setEnabled(false);
  m_tickTimer->setInterval(kTickMs);
}

void LanderWindow::unloadStep() { m_tickTimer->setEnabled(false); }

void LanderWindow::closeFromTitleBar() {
  // The title bar's close leaves as Exit does, stopping a game first.
  if (m_game.InGame) exitOrStop();
  exitOrStop();
}

// -- choices -------------------------------------------------------------------------------

void LanderWindow::chooseLevel(int index) {
  shell::settings().LanderLevel = int16_t(index);
  m_game.setLevel(int16_t(index));
  m_readoutFrame->setCaption(m_levelOptions(index)->caption() + " Level");
}

void LanderWindow::chooseUnits(int index) {
  shell::settings().LanderUnits = int16_t(index);
  showColumnHeads();
}

void LanderWindow::showColumnHeads() {
  const bool feet = shell::settings().LanderUnits == 0;
  m_valueHead->setCaption(feet ? "Value (ft)" : "Value (m)");
  m_speedHead->setCaption(feet ? "Speed (ft/s)" : "Speed (m/s)");
}

void LanderWindow::enableThrusters(bool enable) {
  for (plat::CommandButton* b : {m_leftThrusterButton, m_rightThrusterButton, m_mainThrusterButton})
    b->setEnabled(enable);
}

// -- game states ----------------------------------------------------------------------------

void LanderWindow::startPauseOrResume() {
  switch (m_gameState) {
    case 0: startGame(); break;
    case 1: pauseGame(); break;
    default: resumeGame(); break;
  }
}

void LanderWindow::startGame() {
  m_levelFrame->hide();
  m_unitsFrame->hide();
  m_trajectoryFrame->show();
  m_exitButton->setCaption("&Stop");
  m_game.newGame();
  showTime(m_game.GameTime);
  // The thrusters the level flies for the player are hidden.
  const int level = m_game.level();
  m_leftThrusterButton->setVisible(level != 0 && level != 2);
  m_rightThrusterButton->setVisible(level != 0 && level != 2);
  m_mainThrusterButton->setVisible(level != 0 && level != 1);
  m_thrustersTitle->setVisible(level != 0);
  enableThrusters(true);
  m_gameState = 1;
  m_startButton->setCaption("&Pause");
  m_game.measureStart();
  drawIdealPath(m_trajectoryPicture->surface(), m_game.StartOffset, m_game.StartAltitude);
  m_tickTimer->setEnabled(true);
}

void LanderWindow::pauseGame() {
  m_tickTimer->setEnabled(false);
  enableThrusters(false);
  m_startButton->setCaption("&Resume");
  m_gameState = 2;
}

void LanderWindow::resumeGame() {
  m_tickTimer->setEnabled(true);
  enableThrusters(true);
  m_startButton->setCaption("&Pause");
  m_gameState = 1;
}

void LanderWindow::exitOrStop() {
  if (!m_game.InGame) {
    unload();
    returnToMenu();
    return;
  }
  stopPlaying();
}

void LanderWindow::stopPlaying() {
  // Stop: the viewer, the read-outs and the gauge keep the game's last state.
  m_game.endGame();
  m_crashText->hide();
  m_thrustersTitle->show();
  m_leftThrusterButton->show();
  m_rightThrusterButton->show();
  m_mainThrusterButton->show();
  enableThrusters(false);
  m_startButton->setCaption("&Start");
  m_gameState = 0;
  m_tickTimer->setInterval(kTickMs);
  m_tickTimer->setEnabled(false);
  m_trajectoryPicture->surface().cls();
  m_trajectoryPicture->surface().setDrawWidth(1);
  m_trajectoryFrame->hide();
  m_levelFrame->show();
  m_unitsFrame->show();
  m_exitButton->setCaption("E&xit");
}

// -- what the game shows ----------------------------------------------------------------------

void LanderWindow::showTime(float gameTime) {
  m_timeValue->setCaption(QString::fromStdString(rt::formatNumber(gameTime, "##0.0 s")));
}

void LanderWindow::updateReadouts(int16_t altitude, int16_t offset) {
  const Readouts r = formatReadouts(altitude, offset, m_game.SpeedX, m_game.SpeedY, shell::settings().LanderUnits);
  m_descentValue->setCaption(QString::fromStdString(r.descent));
  m_lateralValue->setCaption(QString::fromStdString(r.lateral));
  m_altitudeValue->setCaption(QString::fromStdString(r.elevation));
  m_positionValue->setCaption(QString::fromStdString(r.targetLoc));
  plotPathDot(m_trajectoryPicture->surface(), altitude, offset);
}

void LanderWindow::showFuel(int percent) { m_fuelGauge->setFloodPercent(percent); }

void LanderWindow::beep() { plat::sound().beep(); }

void LanderWindow::playMainThrust() { shell::playWaveImage(m_mainThrustSound); }

void LanderWindow::playSideThrust() { shell::playWaveImage(m_sideThrustSound); }

void LanderWindow::showCrash() {
  m_crashText->show();
  m_crashText->raise();
  m_crashText->refresh();
}

void LanderWindow::playLanding(bool safe) {
  // The verdict's sound plays to its end before the game stops.
  plat::sound().playFile(m_folder + (safe ? "LAND_OK.WAV" : "LAND_BAD.WAV"), true);
}

void LanderWindow::stopGame() { exitOrStop(); }

void LanderWindow::drawFrame() {
  drawBackground(*m_frameBuffer, m_pictures, m_game);
  drawFlames(*m_frameBuffer, m_pictures, m_game);
  drawLander(*m_frameBuffer, m_pictures, m_game);
  showFrame(m_viewerPicture->surface(), *m_frameBuffer);
  updateScanner();
}

void LanderWindow::updateScanner() {
  const plat::Surface& strip = m_scannerPicture->surface();
  const double w = strip.scaleWidth();
  plat::setLeftInScale(m_landerMarker, strip, m_game.scannerLanderLeft(w));
  plat::setLeftInScale(m_padMarker, strip, m_game.scannerPadLeft(w));
}

void LanderWindow::setTimerInterval(int ms) { m_tickTimer->setInterval(ms); }

void LanderWindow::lostLander() {
  plat::messageBox("The lander has flown too far from the landing site to be tracked. The game is over.",
                   plat::msg::Exclamation, "Moon Lander");
}

}  // namespace lander
