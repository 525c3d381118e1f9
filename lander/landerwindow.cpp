#include "lander/landerwindow.h"

#include <QPixmap>

#include "platform/button.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/colour.h"
#include "runtime/numfmt.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/clocks.h"
#include "shell/settings.h"

namespace lander {

namespace {

constexpr rt::Colour kBlack = 0x00000000;
constexpr rt::Colour kWhite = 0x00FFFFFF;
constexpr rt::Colour kLightGrey = 0x00C0C0C0;
constexpr rt::Colour kGrey = 0x00808080;
constexpr int kHelpTopic = 4;
constexpr int kTickMs = 500;

rt::RandomSource* g_randomSource = nullptr;

plat::Label* label(QWidget* parent, const QString& caption, double left, double top, double width,
                   rt::Colour fore = kWhite) {
  auto* l = new plat::Label(parent, caption);
  l->setForeColor(fore);
  l->setTransparent();
  plat::placeTwips(l, left, top, width, 255);
  return l;
}

plat::Frame* frame(QWidget* parent, const QString& caption, double left, double top, double width, double height) {
  auto* f = new plat::Frame(parent, caption);
  f->setForeColor(kWhite);
  plat::placeTwips(f, left, top, width, height);
  return f;
}

plat::CommandButton* thruster(QWidget* parent, const char* picture, const QString& name, double left) {
  auto* b = new plat::CommandButton(parent);
  b->setPicture(plat::loadPicture(QString::fromLatin1(picture)), name);
  plat::placeTwips(b, left, 2400, 600, 600);
  return b;
}

}  // namespace

void LanderWindow::useRandomSource(rt::RandomSource* source) { g_randomSource = source; }

float LanderWindow::Random::next() { return g_randomSource ? g_randomSource->next() : own.next(); }

LanderWindow::LanderWindow() : m_game(*this, m_random, shell::tickClock()) {
  setCaption("Moon Lander");
  setBackColor(kBlack);
  setFont(plat::screenFont("MS Sans Serif", 8.25, true));
  setClientSizeTwips(8130, 6450);
  setHelp("vtrel.hlp", kHelpTopic);

  // The backdrop behind the viewer and the scanner.
  auto* shape1 = new plat::Shape(this);
  shape1->setBackOpaque(true);
  shape1->setBackColor(kLightGrey);
  shape1->setFillStyle(plat::FillSolid);
  shape1->setFillColor(kLightGrey);
  plat::placeTwips(shape1, 120, 120, 4092, 5772);

  m_picViewer = new plat::PictureBox(this, kBlack);
  plat::placeTwips(m_picViewer, 360, 360, 3615, 5115);
  m_picViewer->surface().setScaleMode(plat::ScaleMode::Pixels);
  m_work = std::make_unique<plat::ImageSurface>(m_picViewer->surface().deviceWidth(),
                                                m_picViewer->surface().deviceHeight(), kBlack);
  m_work->setScaleMode(plat::ScaleMode::Pixels);

  m_picScanner = new plat::PictureBox(this, kGrey);
  plat::placeTwips(m_picScanner, 360, 5460, 3612, 192);
  m_shpPad = new plat::Shape(m_picScanner);
  m_shpLander = new plat::Shape(m_picScanner);
  for (auto [s, c] : {std::pair{m_shpPad, rt::QBColor(12)}, std::pair{m_shpLander, rt::QBColor(10)}}) {
    s->setBackOpaque(true);
    s->setBackColor(c);
    s->setFillStyle(plat::FillSolid);
    s->setFillColor(c);
    s->setBorderColor(kBlack);
    plat::placeTwips(s, 0, 30, 135, 135);
  }

  m_txtCrash = new plat::TextBox(this, "Crash!!");
  m_txtCrash->setFont(plat::screenFont("Britannic Bold", 27.75, true));
  m_txtCrash->setForeColor(rt::QBColor(12));
  m_txtCrash->setBackColor(kBlack);
  m_txtCrash->setAlignment(plat::TextBox::AlignCenter);
  m_txtCrash->setLocked(true);
  m_txtCrash->setAccessibleName("Crash!!");
  plat::placeTwips(m_txtCrash, 720, 1200, 2295, 855);
  m_txtCrash->hide();

  // Level and units, in the place the trajectory plot takes during a game.
  m_fraMode = frame(this, "Level", 4440, 0, 3615, 1455);
  for (int i = 0; i < kLevels; ++i) {
    plat::OptionButton* o = m_optMode.add(i, m_fraMode, LevelCaption(i));
    o->setForeColor(kWhite);
    plat::placeTwips(o, 240 + (i / 3) * 1680, 300 + (i % 3) * 360, 1575, 315);
  }
  m_optMode.onClick = [this](int index) { optMode_Click(index); };

  m_fraUnits = frame(this, "Units", 4440, 1560, 3615, 855);
  plat::OptionButton* us = m_optUnits.add(0, m_fraUnits, "US (English)");
  plat::OptionButton* metric = m_optUnits.add(1, m_fraUnits, "Metric");
  for (plat::OptionButton* o : {us, metric}) o->setForeColor(kWhite);
  plat::placeTwips(us, 240, 360, 1575, 315);
  plat::placeTwips(metric, 1920, 360, 1335, 315);
  m_optUnits.onClick = [this](int index) { optUnits_Click(index); };

  m_fraTrajectory = frame(this, "Trajectory to Pad", 4440, 120, 3615, 2295);
  m_picTrajectory = new plat::PictureBox(m_fraTrajectory, kBlack);
  plat::placeTwips(m_picTrajectory, 120, 240, 3375, 1935);
  m_fraTrajectory->hide();

  // The read-out panel.
  m_fraControl = frame(this, QString(), 4440, 2520, 3615, 3135);
  label(m_fraControl, "Time:", 840, 360, 795);
  m_lblTime = label(m_fraControl, "0.0", 1680, 360, 1335, rt::QBColor(14));
  m_lblVUnits = label(m_fraControl, "Value (ft)", 1080, 840, 1035);
  m_lblSUnits = label(m_fraControl, "Speed (ft/s)", 2160, 840, 1335);
  label(m_fraControl, "Altitude", 120, 1080, 1035);
  m_lblElevation = label(m_fraControl, "0", 1200, 1080, 1035, rt::QBColor(14));
  m_lblDescent = label(m_fraControl, "0.0", 2400, 1080, 1095, rt::QBColor(14));
  label(m_fraControl, "Position", 120, 1440, 1035);
  m_lblTargetLoc = label(m_fraControl, "0", 1200, 1440, 1035, rt::QBColor(14));
  m_lblLateral = label(m_fraControl, "0.0", 2400, 1440, 1095, rt::QBColor(14));
  for (plat::Label* l : {m_lblElevation, m_lblDescent, m_lblTargetLoc, m_lblLateral}) l->setAlignment(plat::Label::Right);
  label(m_fraControl, "Fuel:", 120, 1920, 795);
  m_panFuel = new plat::Panel(m_fraControl);
  m_panFuel->setBevelOuter(plat::Panel::BevelInset);
  m_panFuel->setFloodType(plat::Panel::FloodLeftToRight);
  m_panFuel->setFloodColor(rt::QBColor(10));
  m_panFuel->setAccessibleName("Fuel");
  plat::placeTwips(m_panFuel, 960, 1920, 2535, 375);
  m_lblThrust = label(m_fraControl, "Thrusters:", 120, 2520, 1095);
  m_btnLeft = thruster(m_fraControl, "thrleft.png", "Left thruster", 1320);
  m_btnUp = thruster(m_fraControl, "thrup.png", "Main thruster", 2040);
  m_btnRight = thruster(m_fraControl, "thrright.png", "Right thruster", 2760);
  m_btnLeft->onClick = [this] { btnLeft_Click(); };
  m_btnUp->onClick = [this] { btnUp_Click(); };
  m_btnRight->onClick = [this] { btnRight_Click(); };

  m_btnStart = plat::placeButton(this, "&Start", 4680, 5880, 915, 495, [this] { btnStart_Click(); });
  m_cmdHelp = plat::placeButton(this, "&Help", 5760, 5880, 915, 495, [this] { cmdHelp_Click(); });
  m_cmdExit = plat::placeButton(this, "E&xit", 6840, 5880, 915, 495, [this] { cmdExit_Click(); });

  // The crash text stands over the viewer.
  m_txtCrash->raise();

  m_timer = new plat::Timer(this);
  m_timer->setInterval(kTickMs);
  m_timer->onTimer = [this] { Timer1_Timer(); };
}

LanderWindow::~LanderWindow() = default;

// -- load and unload ---------------------------------------------------------------------

void LanderWindow::Form_Load() {
  shell::SharedSettings& s = shell::settings();
  // A hand-edited settings file may hold values no control can show: they are brought to
  // the nearest level, and any units value but metric means feet, as the read-outs take it.
  if (s.LanderLevel < 0) s.LanderLevel = 0;
  if (s.LanderLevel >= kLevels) s.LanderLevel = kLevels - 1;
  if (s.LanderUnits != 1) s.LanderUnits = 0;

  m_game.InGame = false;
  m_game.TankSize = 200;
  m_gameState = 0;
  EnableThrusters(false);
  m_game.SetLevel(s.LanderLevel);
  m_optMode.choose(s.LanderLevel);
  m_optUnits.choose(s.LanderUnits);
  m_fraControl->setCaption(m_optMode(s.LanderLevel)->caption() + " Level");
  ShowColumnHeads();
  m_random.own.reseed(shell::timeOfDay().seconds());
  centreOnScreen();

  m_picViewer->surface().setBackColor(kBlack);
  m_pictures.load();
  m_game.SetSizes(m_pictures.sizes(m_picViewer->surface().deviceWidth(), m_picViewer->surface().deviceHeight()));

  m_folder = plat::programFolder();
  if (!m_folder.endsWith('/')) m_folder += '/';
  shell::ReadWholeFile(m_folder + "THRUSTR1.WAV", m_mainThrustImage);
  shell::ReadWholeFile(m_folder + "THRUSTR2.WAV", m_sideThrustImage);

  ScaleTrajectory(m_picTrajectory->surface());
  m_picTrajectory->surface().cls();
  m_timer->setEnabled(false);
  m_timer->setInterval(kTickMs);
}

void LanderWindow::Form_Unload() { m_timer->setEnabled(false); }

void LanderWindow::closeFromTitleBar() {
  // The title bar's close leaves as Exit does, stopping a game first.
  if (m_game.InGame) cmdExit_Click();
  cmdExit_Click();
}

// -- choices -------------------------------------------------------------------------------

void LanderWindow::optMode_Click(int index) {
  shell::settings().LanderLevel = int16_t(index);
  m_game.SetLevel(int16_t(index));
  m_fraControl->setCaption(m_optMode(index)->caption() + " Level");
}

void LanderWindow::optUnits_Click(int index) {
  shell::settings().LanderUnits = int16_t(index);
  ShowColumnHeads();
}

void LanderWindow::ShowColumnHeads() {
  const bool feet = shell::settings().LanderUnits == 0;
  m_lblVUnits->setCaption(feet ? "Value (ft)" : "Value (m)");
  m_lblSUnits->setCaption(feet ? "Speed (ft/s)" : "Speed (m/s)");
}

void LanderWindow::EnableThrusters(bool enable) {
  for (plat::CommandButton* b : {m_btnLeft, m_btnRight, m_btnUp}) b->setEnabled(enable);
}

// -- game states ----------------------------------------------------------------------------

void LanderWindow::btnStart_Click() {
  switch (m_gameState) {
    case 0: {
      m_fraMode->hide();
      m_fraUnits->hide();
      m_fraTrajectory->show();
      m_cmdExit->setCaption("&Stop");
      m_game.NewGame();
      ShowTime(m_game.GameTime);
      // The thrusters the level flies for the player are hidden.
      const int level = m_game.level();
      m_btnLeft->setVisible(level != 0 && level != 2);
      m_btnRight->setVisible(level != 0 && level != 2);
      m_btnUp->setVisible(level != 0 && level != 1);
      m_lblThrust->setVisible(level != 0);
      EnableThrusters(true);
      m_gameState = 1;
      m_btnStart->setCaption("&Pause");
      m_game.MeasureStart();
      DrawIdealPath(m_picTrajectory->surface(), m_game.StartOffset, m_game.StartAltitude);
      m_timer->setEnabled(true);
      break;
    }
    case 1:
      m_timer->setEnabled(false);
      EnableThrusters(false);
      m_btnStart->setCaption("&Resume");
      m_gameState = 2;
      break;
    default:
      m_timer->setEnabled(true);
      EnableThrusters(true);
      m_btnStart->setCaption("&Pause");
      m_gameState = 1;
      break;
  }
}

void LanderWindow::cmdExit_Click() {
  if (!m_game.InGame) {
    Unload();
    returnToMenu();
    return;
  }
  // Stop: the viewer, the read-outs and the gauge keep the game's last state.
  m_game.EndGame();
  m_txtCrash->hide();
  m_lblThrust->show();
  m_btnLeft->show();
  m_btnRight->show();
  m_btnUp->show();
  EnableThrusters(false);
  m_btnStart->setCaption("&Start");
  m_gameState = 0;
  m_timer->setInterval(kTickMs);
  m_timer->setEnabled(false);
  m_picTrajectory->surface().cls();
  m_picTrajectory->surface().setDrawWidth(1);
  m_fraTrajectory->hide();
  m_fraMode->show();
  m_fraUnits->show();
  m_cmdExit->setCaption("E&xit");
}

void LanderWindow::cmdHelp_Click() { plat::help().showTopic(shell::AppFilePath("vtrel.hlp"), kHelpTopic); }

// -- what the game shows ----------------------------------------------------------------------

void LanderWindow::ShowTime(float gameTime) { m_lblTime->setCaption(QString::fromStdString(rt::Format(gameTime, "##0.0 s"))); }

void LanderWindow::UpdateReadouts(int16_t altitude, int16_t offset) {
  const Readouts r = FormatReadouts(altitude, offset, m_game.SpeedX, m_game.SpeedY, shell::settings().LanderUnits);
  m_lblDescent->setCaption(QString::fromStdString(r.descent));
  m_lblLateral->setCaption(QString::fromStdString(r.lateral));
  m_lblElevation->setCaption(QString::fromStdString(r.elevation));
  m_lblTargetLoc->setCaption(QString::fromStdString(r.targetLoc));
  PlotPathDot(m_picTrajectory->surface(), altitude, offset);
}

void LanderWindow::ShowFuel(int percent) { m_panFuel->setFloodPercent(percent); }

void LanderWindow::Beep() { plat::sound().beep(); }

void LanderWindow::PlayMainThrust() { shell::PlayWaveImage(m_mainThrustImage); }

void LanderWindow::PlaySideThrust() { shell::PlayWaveImage(m_sideThrustImage); }

void LanderWindow::ShowCrash() {
  m_txtCrash->show();
  m_txtCrash->raise();
  m_txtCrash->refresh();
}

void LanderWindow::PlayLanding(bool safe) {
  // The verdict's sound plays to its end before the game stops.
  plat::sound().playFile(m_folder + (safe ? "LAND_OK.WAV" : "LAND_BAD.WAV"), true);
}

void LanderWindow::StopGame() { cmdExit_Click(); }

void LanderWindow::DrawFrame() {
  DrawBackground(*m_work, m_pictures, m_game);
  DrawFlames(*m_work, m_pictures, m_game);
  DrawLander(*m_work, m_pictures, m_game);
  ShowFrame(m_picViewer->surface(), *m_work);
  UpdateScanner();
}

void LanderWindow::UpdateScanner() {
  const plat::Surface& strip = m_picScanner->surface();
  const double w = strip.scaleWidth();
  plat::setLeftInScale(m_shpLander, strip, m_game.ScannerLanderLeft(w));
  plat::setLeftInScale(m_shpPad, strip, m_game.ScannerPadLeft(w));
}

void LanderWindow::SetTimerInterval(int ms) { m_timer->setInterval(ms); }

void LanderWindow::LostLander() {
  plat::MsgBox("The lander has flown too far from the landing site to be tracked. The game is over.",
               plat::Msg::Exclamation, "Moon Lander");
}

}  // namespace lander
