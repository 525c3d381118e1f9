#include "rocketry/rocketrywindow.h"

#include <algorithm>

#include "platform/button.h"
#include "platform/checkbox.h"
#include "platform/controlarray.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/lineoverlay.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "rocketry/rocketprint.h"
#include "rocketry/rocketrylayout.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"

namespace rocketry {

namespace {

using namespace layout;

constexpr int kHelpTopic = 18;

// A profile: a white picture with a border whose pen draws the curve in its colour.
plat::PictureBox* plot(QWidget* parent, const ControlRow& row, rt::Colour pen) {
  auto* p = plat::buildFramedPicture(parent, row, rt::palette::kWhite);
  p->surface().setForeColor(pen);
  return p;
}

plat::ImageBox* inSky(QWidget* sky, const char* file) {
  auto* i = new plat::ImageBox(sky);
  i->setPicture(plat::loadPicture(file));
  i->setStretch(true);
  return i;
}

// A mass in grams as the read-out shows it, in the unit of the factor.
QString massText(float grams, float massFactor) { return QString::fromStdString(tenthsText(grams * massFactor)); }

plat::ImageBox* hiddenPicture(QWidget* parent, const char* file) {
  auto* i = new plat::ImageBox(parent);
  i->setPicture(plat::loadPicture(file));
  i->hide();
  return i;
}

}  // namespace

RocketryWindow::RocketryWindow() {
  setCaption("Rocketry");
  setBackColor(rt::palette::kPaleYellow);
  setClientSizeTwips(kWidth, kHeight);
  setHelp("palorime.hlp", kHelpTopic);
  // Built in this order, each later control over the earlier ones and after them in the
  // tab order.
  buildSky();
  buildInputs();
  buildChoices();
  buildResults();
  buildPlots();
  buildCommands();

  m_flightTimer = new plat::Timer(this);
  m_flightTimer->setObjectName("flightTimer");
  m_flightTimer->onTimer = [this] { flightStep(); };

  LaunchView& view = *this;
  LaunchSound& sound = *this;
  m_launchRun = std::make_unique<RocketLaunch>(m_values, view, sound, shell::tickClock());
}

RocketryWindow::~RocketryWindow() = default;

// -- the controls -------------------------------------------------------------------------

void RocketryWindow::buildSky() {
  m_skyPicture = plat::build<plat::PictureBox>(this, kSky, rt::palette::kCyan);
  m_chutePicture = inSky(m_skyPicture, "chute.png");
  m_smokePicture = inSky(m_skyPicture, "smoke.png");
  m_rocketPicture = inSky(m_skyPicture, "rocketpic.png");  // over the parachute's lines
  m_skyPicture->setObjectName("skyPicture");
  m_skyPicture->setAccessibleName("Sky: the rocket's flight");
  m_chutePicture->setObjectName("chutePicture");
  m_smokePicture->setObjectName("smokePicture");
  m_rocketPicture->setObjectName("rocketPicture");
  m_chutePicture->hide();
}

void RocketryWindow::buildInputs() {
  m_inputPanel = plat::build<plat::Panel>(this, kInputPanel);
  plat::Label* thrustTitle = plat::buildCaption(m_inputPanel, kThrustTitle);
  plat::Label* burnTimeTitle = plat::buildCaption(m_inputPanel, kBurnTimeTitle);
  m_massTitle = plat::buildCaption(m_inputPanel, kMassTitle);
  m_thrustBar = plat::buildBar<plat::HScrollBar>(m_inputPanel, {kThrustBar, "Thrust"});
  m_burnTimeBar = plat::buildBar<plat::HScrollBar>(m_inputPanel, {kBurnTimeBar, "Burn Time"});
  m_massBar = plat::buildBar<plat::HScrollBar>(m_inputPanel, {kMassBar, "Mass"});
  m_thrustBar->setRange(kThrustMin, kThrustMax);
  m_burnTimeBar->setRange(kBurnMin, kBurnMax);
  // Screen readers hear the thrust and the burn time in the newtons and seconds the read-outs
  // show, not in the bars' tenths; the mass in the unit chosen (chooseUnits).
  m_thrustBar->setShownValue(plat::inTenths);
  m_burnTimeBar->setShownValue(plat::inTenths);
  m_thrustReadout = plat::buildReadout(m_inputPanel, kThrustReadout);
  m_burnTimeReadout = plat::buildReadout(m_inputPanel, kBurnTimeReadout);
  m_massReadout = plat::buildReadout(m_inputPanel, kMassReadout);
  m_massTitle->setObjectName("massTitle");
  m_thrustBar->setObjectName("thrustBar");
  m_burnTimeBar->setObjectName("burnTimeBar");
  m_massBar->setObjectName("massBar");
  m_thrustReadout->setObjectName("thrustReadout");
  m_burnTimeReadout->setObjectName("burnTimeReadout");
  m_massReadout->setObjectName("massReadout");
  m_thrustReadout->setHeardCaptions({thrustTitle});
  m_burnTimeReadout->setHeardCaptions({burnTimeTitle});
  m_massReadout->setHeardCaptions({m_massTitle});
  // The handlers are connected once the ranges stand, so building the bars runs none.
  m_thrustBar->onChange = [this] { applyThrust(); };
  m_thrustBar->onScroll = [this] { applyThrust(); };
  m_burnTimeBar->onChange = [this] { applyBurnTime(); };
  m_burnTimeBar->onScroll = [this] { applyBurnTime(); };
  m_massBar->onChange = [this] { applyMass(); };
  m_massBar->onScroll = [this] { applyMass(); };
}

void RocketryWindow::buildChoices() {
  auto* choices = plat::build<plat::Panel>(this, kChoicePanel);
  // Over the panel, beside the units' group rather than in it: screen readers hear the group
  // "Units" hold the two units alone.
  m_chuteBox = plat::build<plat::CheckBox>(this, kChuteBox);
  m_chuteBox->setObjectName("chuteBox");
  m_chuteBox->onClick = [this] { applyChute(); };
  m_unitOptions.setRole("unitOption");
  for (int i = 0; i < 2; ++i) plat::applyRow(m_unitOptions.add(i, choices, kUnitOptions[i].caption), kUnitOptions[i]);
  // The panel shows no caption: screen readers hear the options' group by what it chooses.
  m_unitOptions.setGroupName("Units");
  m_unitOptions.onClick = [this](int index) { chooseUnits(index); };
}

void RocketryWindow::buildResults() {
  auto* results = plat::build<plat::Panel>(this, kResultPanel);
  for (size_t i = 0; i < 6; ++i) {
    plat::Label* title = plat::buildCaption(results, kResultTitles[i], plat::Label::Center);
    m_results[i] = plat::buildReadout(results, kResultReadouts[i]);
    m_results[i]->setHeardCaptions({title});
    plat::nameInRow(m_results[i], "result", i);
  }
}

void RocketryWindow::buildPlots() {
  for (const ControlRow& row : kPlotTitles) plat::buildCaption(this, row, plat::Label::Center);
  m_altitudePlot = plot(this, kAltitudePlot, rt::palette::kRed);
  m_speedPlot = plot(this, kSpeedPlot, rt::palette::kBlue);
  m_forcePlot = plot(this, kForcePlot, rt::palette::kBlack);
  m_altitudePlot->setObjectName("altitudePlot");
  m_speedPlot->setObjectName("speedPlot");
  m_forcePlot->setObjectName("forcePlot");
  m_altitudePlot->setAccessibleName("Altitude profile: altitude against time");
  m_speedPlot->setAccessibleName("Speed profile: speed against time");
  m_forcePlot->setAccessibleName("Net force profile: net force against time");
  m_forcePlot->onPaint = [this] { replayFlight(); };
  // The zero lines stand over the plots, so clearing a plot leaves them.
  m_speedZeroLine = new plat::Line(m_speedPlot);
  m_forceZeroLine = new plat::Line(m_forcePlot);
  m_speedZeroLine->setObjectName("speedZeroLine");
  m_forceZeroLine->setObjectName("forceZeroLine");
  m_speedZeroLine->hide();
  m_forceZeroLine->hide();

  // Two rules, grey over white, set the commands off from the plots.
  for (int i = 0; i < 2; ++i) {
    auto* rule = new plat::Line(this);
    rule->setBorderColor(i == 0 ? rt::palette::kDarkGrey : rt::palette::kWhite);
    rule->setEndsTwips(2295, 5850 + 15 * i, 9435, 5850 + 15 * i);
  }
}

void RocketryWindow::buildCommands() {
  auto* commands = plat::build<plat::Panel>(this, kCommandPanel);
  m_goPicture = hiddenPicture(this, "golaunch.png");
  m_stopPicture = hiddenPicture(this, "stoplaunch.png");
  m_launchButton = plat::build<plat::CommandButton>(commands, kLaunchButton);
  m_launchButton->setObjectName("launchButton");
  m_launchButton->setIconSize(QSize(32, 32));
  m_launchButton->onClick = [this] { launchOrStop(); };
  m_printButton = plat::build<plat::CommandButton>(commands, kPrintButton);
  m_printButton->setObjectName("printButton");
  m_printButton->onClick = [this] { printResults(); };
  m_printButton->setEnabled(false);
  m_helpButton = plat::build<plat::CommandButton>(commands, kHelpButton);
  m_helpButton->setObjectName("helpButton");
  m_helpButton->onClick = [this] { showHelp(); };
  m_exitButton = plat::build<plat::CommandButton>(commands, kExitButton);
  m_exitButton->setObjectName("exitButton");
  m_exitButton->onClick = [this] { exitToMenu(); };
}

// -- load and unload ----------------------------------------------------------------------

void RocketryWindow::bringSettingsIntoRange() {
  // What the bars cannot show is brought to the nearest value they can: the thrust and burn
  // time to whole tenths in range, the mass to whole grams within the thrust's limits, the
  // two choices to their two values. A fresh settings file passes unchanged.
  const shell::SharedSettings& s = shell::settings();
  m_values.RocketThrust = float(barValue(s.RocketThrust, 10, kThrustMin, kThrustMax) / 10.0);
  m_values.RocketBurnTime = float(barValue(s.RocketBurnTime, 10, kBurnMin, kBurnMax) / 10.0);
  const MassRange limits = massLimits(m_values.RocketThrust);
  m_values.RocketMass = float(barValue(s.RocketMass, 1, limits.min, limits.max));
  m_values.RocketUnits = s.RocketUnits == 1 ? 1 : 0;
  m_values.RocketChute = s.RocketChute == 1 ? 1 : 0;
}

void RocketryWindow::loadStep() {
  m_loading = 1;
  m_launchButton->setPicture(m_goPicture->picture(), "Launch");
  for (const char* name : {"rocket.wav", "xpoof.wav", "tada.wav"}) m_wavePath[name] = shell::appFilePath(name);

  // The three pictures centred across the sky and on the pad.
  plat::placeTwips(m_rocketPicture, (kSkyWidth - kRocketWidth) * 0.5, 0, kRocketWidth, kRocketHeight);
  plat::placeTwips(m_smokePicture, (kSkyWidth - kSmokeWidth) * 0.5, 0, kSmokeWidth, kSmokeHeight);
  plat::placeTwips(m_chutePicture, (kSkyWidth - kChuteWidth) * 0.5, 0, kChuteWidth, kChuteHeight);
  m_launchRun->putOnPad();
  centreOnScreen();

  bringSettingsIntoRange();
  storeSettings();
  showSettings();

  show();
  m_chuteBox->setValue(m_values.RocketChute);
  m_launchRun->flight().ChuteLimit = m_values.RocketChute == 1 ? kChuteLimit : kFreeLimit;
  // The group starts with none chosen, so this always runs the units step and with it the
  // first computeFlight.
  m_unitOptions.choose(m_values.RocketUnits);
  m_loading = 0;
}

void RocketryWindow::showSettings() {
  // The bars and read-outs take the settings while the window loads: no flight is worked
  // out until the units are chosen.
  const float mass = m_values.RocketMass;
  m_thrustBar->setValue(barValue(m_values.RocketThrust, 10, kThrustMin, kThrustMax));
  m_burnTimeBar->setValue(barValue(m_values.RocketBurnTime, 10, kBurnMin, kBurnMax));
  const MassRange limits = massLimits(m_values.RocketThrust);
  setMassBar(barValue(mass, 1, limits.min, limits.max), limits);
  m_thrustReadout->setCaption(QString::fromStdString(tenthsText(m_values.RocketThrust)));
  m_burnTimeReadout->setCaption(QString::fromStdString(tenthsText(m_values.RocketBurnTime)));
}

void RocketryWindow::unloadStep() {
  m_launchRun->abandon();
  m_flightTimer->setEnabled(false);
}

void RocketryWindow::closeFromTitleBar() { exitToMenu(); }

void RocketryWindow::exitToMenu() {
  // Exit is disabled during a flight; a close from the title bar ends the flight first.
  unload();
  returnToMenu();
}

void RocketryWindow::storeSettings() {
  shell::SharedSettings& s = shell::settings();
  s.RocketThrust = m_values.RocketThrust;
  s.RocketBurnTime = m_values.RocketBurnTime;
  s.RocketMass = m_values.RocketMass;
  s.RocketUnits = m_values.RocketUnits;
  s.RocketChute = m_values.RocketChute;
}

// -- the inputs -----------------------------------------------------------------------------

void RocketryWindow::setMassBar(int value, MassRange limits) {
  // The bar holds its value within its limits: widen them to take both the old value and
  // the new, set the value, then narrow them to the new limits.
  m_massBar->setRange(std::min<int>(m_massBar->min(), limits.min), std::max<int>(m_massBar->max(), limits.max));
  m_massBar->setValue(value);
  m_massBar->setRange(limits.min, limits.max);
}

void RocketryWindow::showMass() { m_massReadout->setCaption(massText(m_values.RocketMass, m_units.MassFactor)); }

void RocketryWindow::applyThrust() {
  m_values.RocketThrust = float(m_thrustBar->value() / 10.0);
  m_thrustReadout->setCaption(QString::fromStdString(tenthsText(m_values.RocketThrust)));
  if (auto mass = massForThrust(m_values.RocketThrust, m_values.RocketMass)) m_values.RocketMass = *mass;
  const MassRange limits = massLimits(m_values.RocketThrust);
  setMassBar(barValue(m_values.RocketMass, 1, limits.min, limits.max), limits);
  // The mass is whole grams, as the bar holds it, even when the bar did not move.
  m_values.RocketMass = float(m_massBar->value());
  showMass();
  storeSettings();
  if (!m_loading) computeFlight();
}

void RocketryWindow::applyBurnTime() {
  m_values.RocketBurnTime = float(m_burnTimeBar->value() / 10.0);
  m_burnTimeReadout->setCaption(QString::fromStdString(tenthsText(m_values.RocketBurnTime)));
  storeSettings();
  if (!m_loading) computeFlight();
}

void RocketryWindow::applyMass() {
  m_values.RocketMass = float(m_massBar->value());
  showMass();
  storeSettings();
  if (!m_loading) computeFlight();
}

void RocketryWindow::applyChute() {
  const bool on = m_chuteBox->value() == plat::CheckBox::Checked;
  m_values.RocketChute = on ? 1 : 0;
  m_launchRun->flight().ChuteLimit = on ? kChuteLimit : kFreeLimit;
  storeSettings();
  if (!m_loading) computeFlight();
}

void RocketryWindow::chooseUnits(int index) {
  m_values.RocketUnits = int16_t(index);
  m_units = unitsFor(index);
  m_massTitle->setCaption(QString::fromStdString(m_units.MassHead));
  m_massBar->setShownValue(
      [factor = m_units.MassFactor](int grams) { return massText(float(grams), factor).toDouble(); });
  showMass();
  storeSettings();
  computeFlight();
}

void RocketryWindow::computeFlight() {
  m_values.RocketThrust = float(m_thrustBar->value() / 10.0);
  m_values.RocketBurnTime = float(m_burnTimeBar->value() / 10.0);
  m_values.RocketMass = float(m_massBar->value());
  storeSettings();
  Flight& f = m_launchRun->flight();
  f.computeFlight();
  const FlightResults r = f.results(m_units);
  const std::string* text[6] = {&r.maxSpeed,     &r.maxAltitude, &r.apogeeTime,
                                &r.descentSpeed, &r.descentTime, &r.flightTime};
  for (size_t i = 0; i < 6; ++i) m_results[i]->setCaption(QString::fromStdString(*text[i]));
  m_launchButton->setFocus();
}

// -- the launch -----------------------------------------------------------------------------

void RocketryWindow::launchOrStop() { m_launchRun->launchClicked(); }

void RocketryWindow::flightStep() { m_launchRun->tick(); }

void RocketryWindow::replayFlight() { m_launchRun->repaint(); }

void RocketryWindow::showRunning(bool running) {
  m_launchButton->setPicture(running ? m_stopPicture->picture() : m_goPicture->picture(), running ? "Stop" : "Launch");
  m_exitButton->setEnabled(!running);
  m_chuteBox->setEnabled(!running);
  m_unitOptions.forEach([running](int, plat::OptionButton* o) { o->setEnabled(!running); });
}

void RocketryWindow::setPrintEnabled(bool on) { m_printButton->setEnabled(on); }

void RocketryWindow::scalePlots(const PlotScale& force, const PlotScale& speed, const PlotScale& altitude) {
  m_forcePlot->surface().setScale(force.x1, force.y1, force.x2, force.y2);
  m_speedPlot->surface().setScale(speed.x1, speed.y1, speed.x2, speed.y2);
  m_altitudePlot->surface().setScale(altitude.x1, altitude.y1, altitude.x2, altitude.y2);
}

void RocketryWindow::resetPlots(float flightTime) {
  m_forceZeroLine->show();
  m_forceZeroLine->setEnds(m_forcePlot->surface(), 0, 0, flightTime, 0);
  m_speedZeroLine->show();
  m_speedZeroLine->setEnds(m_speedPlot->surface(), 0, 0, flightTime, 0);
  for (plat::PictureBox* p : {m_forcePlot, m_speedPlot, m_altitudePlot}) {
    p->surface().cls();
    p->surface().pset(0, 0);
  }
}

void RocketryWindow::drawSegments(float t, float force, float speed, float altitude) {
  m_forcePlot->surface().lineTo(t, force);
  m_speedPlot->surface().lineTo(t, speed);
  m_altitudePlot->surface().lineTo(t, altitude);
}

void RocketryWindow::placePictures(const PictureTops& tops) {
  m_rocketPicture->move(m_rocketPicture->x(), plat::twipsToPixels(tops.rocket));
  m_smokePicture->move(m_smokePicture->x(), plat::twipsToPixels(tops.smoke));
  m_chutePicture->move(m_chutePicture->x(), plat::twipsToPixels(tops.chute));
}

void RocketryWindow::setSmokeVisible(bool on) { m_smokePicture->setVisible(on); }

void RocketryWindow::setChuteVisible(bool on) { m_chutePicture->setVisible(on); }

void RocketryWindow::setTimerInterval(int ms) { m_flightTimer->setInterval(ms); }

void RocketryWindow::setTimerEnabled(bool on) { m_flightTimer->setEnabled(on); }

void RocketryWindow::focusLaunch() { m_launchButton->setFocus(); }

void RocketryWindow::playWave(const std::string& fileName) {
  const auto it = m_wavePath.find(fileName);
  shell::playWave(it != m_wavePath.end() ? it->second : shell::appFilePath(QString::fromStdString(fileName)), 1);
}

void RocketryWindow::stop() { plat::sound().stop(); }

// -- printing ------------------------------------------------------------------------------

void RocketryWindow::printResults() {
  if (!plat::askPrinterReady("Print Launch Results")) return;
  LaunchPrintout page;
  page.thrust = m_thrustReadout->caption();
  page.burnTime = m_burnTimeReadout->caption();
  page.mass = m_massReadout->caption();
  page.units = m_values.RocketUnits;
  page.lengthFactor = m_units.LengthFactor;
  page.rocketThrust = m_values.RocketThrust;
  page.rocketBurnTime = m_values.RocketBurnTime;
  page.flight = &m_launchRun->flight();
  page.points = m_launchRun->printReplay();
  printLaunch(plat::printer(), page);
  m_launchButton->setFocus();
}

}  // namespace rocketry
