#include "rocketry/frmrocket.h"

#include <algorithm>

#include "platform/button.h"
#include "platform/checkbox.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "rocketry/rocketprint.h"
#include "runtime/colour.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/clocks.h"
#include "shell/settings.h"

namespace rocket {

namespace {

constexpr rt::Colour kLightYellow = rt::RGB(255, 255, 192);
constexpr rt::Colour kSkyCyan = rt::RGB(0, 255, 255);
constexpr rt::Colour kWhite = rt::RGB(255, 255, 255);
constexpr rt::Colour kRed = rt::RGB(255, 0, 0);
constexpr rt::Colour kBlue = rt::RGB(0, 0, 255);
constexpr rt::Colour kBlack = rt::RGB(0, 0, 0);
constexpr int kHelpTopic = 18;

plat::Label* title(QWidget* parent, const QString& caption, double left, double top, double width,
                   plat::Label::Align align = plat::Label::Left) {
  auto* l = new plat::Label(parent, caption);
  l->setFont(plat::screenFont("MS Sans Serif", 8.25, true));
  l->setTransparent();
  l->setAlignment(align);
  plat::placeTwips(l, left, top, width, 255);
  return l;
}

plat::Label* readout(QWidget* parent, double left, double top, double width) {
  auto* l = new plat::Label(parent);
  l->setFont(plat::screenFont("MS Sans Serif", 8.25, true));
  l->setBackColor(kWhite);
  l->setBorder(true);
  l->setAlignment(plat::Label::Center);
  plat::placeTwips(l, left, top, width, 285);
  return l;
}

plat::PictureBox* plot(QWidget* parent, rt::Colour pen, double left, double top, double width, double height) {
  auto* p = new plat::PictureBox(parent, kWhite);
  p->setBorder(true);
  plat::placeTwips(p, left, top, width, height);
  p->surface().setForeColor(pen);
  return p;
}

plat::ImageBox* skyPicture(QWidget* sky, const char* file) {
  auto* i = new plat::ImageBox(sky);
  i->setPicture(plat::loadPicture(file));
  i->setStretch(true);
  return i;
}

}  // namespace

frmRocket::frmRocket() {
  setCaption("Rocketry");
  setBackColor(kLightYellow);
  setClientSizeTwips(9555, 6945);
  setHelp("palorime.hlp", kHelpTopic);

  // -- the launch view --------------------------------------------------------------------
  m_sky = new plat::PictureBox(this, kSkyCyan);
  plat::placeTwips(m_sky, 120, 105, kSkyWidth, kSkyHeight);
  m_chuteImage = skyPicture(m_sky, "chute.png");
  m_smoke = skyPicture(m_sky, "smoke.png");
  m_rocket = skyPicture(m_sky, "rocketpic.png");  // over the parachute's lines
  m_chuteImage->hide();

  // -- the inputs ---------------------------------------------------------------------------
  m_inputs = new plat::Panel(this);
  plat::placeTwips(m_inputs, 2295, 105, 5160, 1395);
  const double rowTop[3] = {150, 555, 960};
  title(m_inputs, "Thrust (N)", 120, rowTop[0] + 15, 1335);
  title(m_inputs, "Burn Time (s)", 120, rowTop[1] + 15, 1335);
  m_lblWHead = title(m_inputs, "Mass (g)", 120, rowTop[2] + 15, 1335);
  m_thrust = new plat::HScrollBar(m_inputs);
  m_burn = new plat::HScrollBar(m_inputs);
  m_weight = new plat::HScrollBar(m_inputs);
  const std::array<plat::HScrollBar*, 3> bars{m_thrust, m_burn, m_weight};
  const char* barNames[3] = {"Thrust", "Burn Time", "Mass"};
  for (int i = 0; i < 3; ++i) {
    plat::placeTwips(bars[size_t(i)], 1500, rowTop[i], 2640, 285);
    bars[size_t(i)]->setAccessibleCaption(barNames[i]);
    bars[size_t(i)]->setSmallChange(1);
    bars[size_t(i)]->setLargeChange(10);
  }
  m_thrust->setRange(kThrustMin, kThrustMax);
  m_burn->setRange(kBurnMin, kBurnMax);
  m_lblThrust = readout(m_inputs, 4260, rowTop[0], 780);
  m_lblBurn = readout(m_inputs, 4260, rowTop[1], 780);
  m_lblWeight = readout(m_inputs, 4260, rowTop[2], 780);
  // The handlers are connected once the ranges stand, so building the bars runs none.
  m_thrust->onChange = [this] { hsbThrust_Change(); };
  m_thrust->onScroll = [this] { hsbThrust_Scroll(); };
  m_burn->onChange = [this] { hsbBurn_Change(); };
  m_burn->onScroll = [this] { hsbBurn_Scroll(); };
  m_weight->onChange = [this] { hsbWeight_Change(); };
  m_weight->onScroll = [this] { hsbWeight_Scroll(); };

  auto* choices = new plat::Panel(this);
  plat::placeTwips(choices, 7575, 105, 1860, 1395);
  m_chute = new plat::CheckBox(choices, "Use Chute?");
  plat::placeTwips(m_chute, 150, 150, 1590, 285);
  m_chute->onClick = [this] { chkChute_Click(); };
  plat::OptionButton* us = m_optUnits.add(0, choices, "US Units");
  plat::OptionButton* metric = m_optUnits.add(1, choices, "Metric Units");
  plat::placeTwips(us, 150, 555, 1590, 285);
  plat::placeTwips(metric, 150, 960, 1590, 285);
  m_optUnits.onClick = [this](int index) { optUnits_Click(index); };

  // -- the predicted results ------------------------------------------------------------
  auto* results = new plat::Panel(this);  // SSPanel2
  plat::placeTwips(results, 2295, 1605, 7140, 1260);
  const char* resultTitle[6] = {"Maximum Speed", "Maximum Altitude", "Reached At",
                                "Descent Speed", "Reached At",       "Flight Time"};
  // Three columns of two results, each title over its read-out.
  for (int i = 0; i < 6; ++i) {
    const double left = 90 + (i % 3) * 2340;
    const double top = i < 3 ? 60 : 645;
    title(results, resultTitle[i], left, top, 2160, plat::Label::Center);
    m_result[size_t(i)] = readout(results, left + 570, top + 255, 1020);
  }

  // -- the profiles ---------------------------------------------------------------------
  const char* plotTitle[3] = {"Altitude Profile", "Speed Profile", "Net Force Profile"};
  for (int i = 0; i < 3; ++i) {
    auto* l = title(this, plotTitle[i], 2295 + i * 2400, 2895, 2340, plat::Label::Center);
    l->setFont(plat::screenFont("Arial", 9.75, true));
  }
  m_picAltitude = plot(this, kRed, 2295, 3165, 2340, 2565);
  m_picSpeed = plot(this, kBlue, 4695, 3165, 2340, 2565);
  m_picThrust = plot(this, kBlack, 7095, 3165, 2340, 2565);
  m_picThrust->onPaint = [this] { picThrust_Paint(); };
  // The zero lines stand over the plots, so clearing a plot leaves them.
  m_line1 = new plat::Line(m_picSpeed);
  m_line2 = new plat::Line(m_picThrust);
  m_line1->hide();
  m_line2->hide();

  // Two rules set the commands off from the plots.
  for (int i = 0; i < 2; ++i) {
    auto* rule = new plat::Line(this);
    rule->setBorderColor(i == 0 ? rt::RGB(128, 128, 128) : kWhite);
    rule->setEndsTwips(2295, 5850 + 15 * i, 9435, 5850 + 15 * i);
  }

  // -- the commands -------------------------------------------------------------------------
  auto* commands = new plat::Panel(this);  // SSPanel3
  plat::placeTwips(commands, 2295, 5985, 7140, 855);
  m_imgGo = new plat::ImageBox(this);
  m_imgGo->setPicture(plat::loadPicture("golaunch.png"));
  m_imgGo->hide();
  m_imgStop = new plat::ImageBox(this);
  m_imgStop->setPicture(plat::loadPicture("stoplaunch.png"));
  m_imgStop->hide();
  m_launch = new plat::CommandButton(commands);
  m_launch->setIconSize(QSize(32, 32));
  plat::placeTwips(m_launch, 150, 90, 1275, 675);
  m_launch->onClick = [this] { cmdLaunch_Click(); };
  m_print = plat::placeButton(commands, "&Print", 1935, 150, 1455, 555, [this] { cmdPrint_Click(); });
  m_print->setEnabled(false);
  m_help = plat::placeButton(commands, "&Help", 3780, 150, 1455, 555, [this] { cmdHelp_Click(); });
  m_exit = plat::placeButton(commands, "E&xit", 5535, 150, 1455, 555, [this] { cmdExit_Click(); });

  m_timer = new plat::Timer(this);
  m_timer->onTimer = [this] { Timer1_Timer(); };

  LaunchView& view = *this;
  LaunchSound& sound = *this;
  m_launchRun = std::make_unique<RocketLaunch>(m_values, view, sound, shell::tickClock());
}

frmRocket::~frmRocket() = default;

// -- load and unload ----------------------------------------------------------------------

void frmRocket::BringSettingsIntoRange() {
  // What the bars cannot show is brought to the nearest value they can: the thrust and burn
  // time to whole tenths in range, the mass to whole grams within the thrust's limits, the
  // two choices to their two values. A fresh settings file passes unchanged.
  const shell::SharedSettings& s = shell::settings();
  m_values.RocketThrust = float(BarValue(s.RocketThrust, 10, kThrustMin, kThrustMax) / 10.0);
  m_values.RocketBurnTime = float(BarValue(s.RocketBurnTime, 10, kBurnMin, kBurnMax) / 10.0);
  const MassRange limits = MassLimits(m_values.RocketThrust);
  m_values.RocketMass = float(BarValue(s.RocketMass, 1, limits.min, limits.max));
  m_values.RocketUnits = s.RocketUnits == 1 ? 1 : 0;
  m_values.RocketChute = s.RocketChute == 1 ? 1 : 0;
}

void frmRocket::Form_Load() {
  m_loading = 1;
  m_launch->setPicture(m_imgGo->picture(), "Launch");
  m_showsStop = false;
  for (const char* name : {"rocket.wav", "xpoof.wav", "tada.wav"}) m_wavePath[name] = shell::AppFilePath(name);

  // The three pictures centred across the sky and on the pad.
  plat::placeTwips(m_rocket, (kSkyWidth - kRocketWidth) * 0.5, 0, kRocketWidth, kRocketHeight);
  plat::placeTwips(m_smoke, (kSkyWidth - kSmokeWidth) * 0.5, 0, kSmokeWidth, kSmokeHeight);
  plat::placeTwips(m_chuteImage, (kSkyWidth - kChuteWidth) * 0.5, 0, kChuteWidth, kChuteHeight);
  m_launchRun->PutOnPad();
  centreOnScreen();

  BringSettingsIntoRange();
  StoreSettings();
  const float mass = m_values.RocketMass;
  m_thrust->setValue(BarValue(m_values.RocketThrust, 10, kThrustMin, kThrustMax));
  m_burn->setValue(BarValue(m_values.RocketBurnTime, 10, kBurnMin, kBurnMax));
  const MassRange limits = MassLimits(m_values.RocketThrust);
  SetMassBar(BarValue(mass, 1, limits.min, limits.max), limits);
  m_lblThrust->setCaption(QString::fromStdString(TenthsText(m_values.RocketThrust)));
  m_lblBurn->setCaption(QString::fromStdString(TenthsText(m_values.RocketBurnTime)));

  show();
  m_chute->setValue(m_values.RocketChute);
  m_launchRun->flight().ChuteLimit = m_values.RocketChute == 1 ? kChuteLimit : kFreeLimit;
  // The group starts with none chosen, so this always runs the units step and with it the
  // first ComputeFlight.
  m_optUnits.choose(m_values.RocketUnits);
  m_loading = 0;
}

void frmRocket::Form_Unload() {
  m_launchRun->Abandon();
  m_timer->setEnabled(false);
}

void frmRocket::closeFromTitleBar() { cmdExit_Click(); }

void frmRocket::cmdExit_Click() {
  // Exit is disabled during a flight; a close from the title bar ends the flight first.
  Unload();
  returnToMenu();
}

void frmRocket::StoreSettings() {
  shell::SharedSettings& s = shell::settings();
  s.RocketThrust = m_values.RocketThrust;
  s.RocketBurnTime = m_values.RocketBurnTime;
  s.RocketMass = m_values.RocketMass;
  s.RocketUnits = m_values.RocketUnits;
  s.RocketChute = m_values.RocketChute;
}

// -- the inputs -----------------------------------------------------------------------------

void frmRocket::SetMassBar(int value, MassRange limits) {
  // The bar holds its value within its limits: widen them to take both the old value and
  // the new, set the value, then narrow them to the new limits.
  m_weight->setRange(std::min<int>(m_weight->min(), limits.min), std::max<int>(m_weight->max(), limits.max));
  m_weight->setValue(value);
  m_weight->setRange(limits.min, limits.max);
}

void frmRocket::ShowMass() {
  m_lblWeight->setCaption(QString::fromStdString(TenthsText(m_values.RocketMass * m_units.MassFactor)));
}

void frmRocket::hsbThrust_Change() {
  m_values.RocketThrust = float(m_thrust->value() / 10.0);
  m_lblThrust->setCaption(QString::fromStdString(TenthsText(m_values.RocketThrust)));
  if (auto mass = MassForThrust(m_values.RocketThrust, m_values.RocketMass)) m_values.RocketMass = *mass;
  const MassRange limits = MassLimits(m_values.RocketThrust);
  SetMassBar(BarValue(m_values.RocketMass, 1, limits.min, limits.max), limits);
  // The mass is whole grams, as the bar holds it, even when the bar did not move.
  m_values.RocketMass = float(m_weight->value());
  ShowMass();
  StoreSettings();
  if (!m_loading) ComputeFlight();
}

void frmRocket::hsbBurn_Change() {
  m_values.RocketBurnTime = float(m_burn->value() / 10.0);
  m_lblBurn->setCaption(QString::fromStdString(TenthsText(m_values.RocketBurnTime)));
  StoreSettings();
  if (!m_loading) ComputeFlight();
}

void frmRocket::hsbWeight_Change() {
  m_values.RocketMass = float(m_weight->value());
  ShowMass();
  StoreSettings();
  if (!m_loading) ComputeFlight();
}

void frmRocket::chkChute_Click() {
  const bool on = m_chute->value() == plat::CheckBox::Checked;
  m_values.RocketChute = on ? 1 : 0;
  m_launchRun->flight().ChuteLimit = on ? kChuteLimit : kFreeLimit;
  StoreSettings();
  if (!m_loading) ComputeFlight();
}

void frmRocket::optUnits_Click(int index) {
  m_values.RocketUnits = int16_t(index);
  m_units = UnitsFor(index);
  m_lblWHead->setCaption(QString::fromStdString(m_units.MassHead));
  ShowMass();
  StoreSettings();
  ComputeFlight();
}

void frmRocket::ComputeFlight() {
  m_values.RocketThrust = float(m_thrust->value() / 10.0);
  m_values.RocketBurnTime = float(m_burn->value() / 10.0);
  m_values.RocketMass = float(m_weight->value());
  StoreSettings();
  Flight& f = m_launchRun->flight();
  f.ComputeFlight();
  const FlightResults r = f.Results(m_units);
  const std::string* text[6] = {&r.lblMaxSpeed, &r.lblAMax, &r.lblTAMax, &r.lblCSpeed, &r.lblTDS, &r.lblTCSpeed};
  for (size_t i = 0; i < 6; ++i) m_result[i]->setCaption(QString::fromStdString(*text[i]));
  m_launch->setFocus();
}

// -- the launch -----------------------------------------------------------------------------

void frmRocket::cmdLaunch_Click() { m_launchRun->LaunchClicked(); }

void frmRocket::Timer1_Timer() { m_launchRun->Tick(); }

void frmRocket::picThrust_Paint() { m_launchRun->Repaint(); }

void frmRocket::ShowRunning(bool running) {
  m_showsStop = running;
  m_launch->setPicture(running ? m_imgStop->picture() : m_imgGo->picture(), running ? "Stop" : "Launch");
  m_exit->setEnabled(!running);
  m_chute->setEnabled(!running);
  m_optUnits.forEach([running](int, plat::OptionButton* o) { o->setEnabled(!running); });
}

void frmRocket::SetPrintEnabled(bool on) { m_print->setEnabled(on); }

void frmRocket::ScalePlots(const PlotScale& force, const PlotScale& speed, const PlotScale& altitude) {
  m_picThrust->surface().setScale(force.x1, force.y1, force.x2, force.y2);
  m_picSpeed->surface().setScale(speed.x1, speed.y1, speed.x2, speed.y2);
  m_picAltitude->surface().setScale(altitude.x1, altitude.y1, altitude.x2, altitude.y2);
}

void frmRocket::ResetPlots(float flightTime) {
  m_line2->show();
  m_line2->setEnds(m_picThrust->surface(), 0, 0, flightTime, 0);
  m_line1->show();
  m_line1->setEnds(m_picSpeed->surface(), 0, 0, flightTime, 0);
  for (plat::PictureBox* p : {m_picThrust, m_picSpeed, m_picAltitude}) {
    p->surface().cls();
    p->surface().pset(0, 0);
  }
}

void frmRocket::DrawSegments(float t, float force, float speed, float altitude) {
  m_picThrust->surface().lineTo(t, force);
  m_picSpeed->surface().lineTo(t, speed);
  m_picAltitude->surface().lineTo(t, altitude);
}

void frmRocket::PlacePictures(const PictureTops& tops) {
  m_rocket->move(m_rocket->x(), plat::twipsToPixels(tops.rocket));
  m_smoke->move(m_smoke->x(), plat::twipsToPixels(tops.smoke));
  m_chuteImage->move(m_chuteImage->x(), plat::twipsToPixels(tops.chute));
}

void frmRocket::SetSmokeVisible(bool on) { m_smoke->setVisible(on); }

void frmRocket::SetChuteVisible(bool on) { m_chuteImage->setVisible(on); }

void frmRocket::SetTimerInterval(int ms) { m_timer->setInterval(ms); }

void frmRocket::SetTimerEnabled(bool on) { m_timer->setEnabled(on); }

void frmRocket::FocusLaunch() { m_launch->setFocus(); }

void frmRocket::PlayWave(const std::string& fileName) {
  const auto it = m_wavePath.find(fileName);
  shell::PlayWave(it != m_wavePath.end() ? it->second : shell::AppFilePath(QString::fromStdString(fileName)), 1);
}

void frmRocket::Stop() { plat::sound().stop(); }

// -- help and printing --------------------------------------------------------------------

void frmRocket::cmdHelp_Click() { plat::help().showTopic(shell::BasePath + "palorime.hlp", kHelpTopic); }

void frmRocket::cmdPrint_Click() {
  if (!plat::askPrinterReady("Print Launch Results")) return;
  LaunchPrintout page;
  page.thrust = m_lblThrust->caption();
  page.burnTime = m_lblBurn->caption();
  page.mass = m_lblWeight->caption();
  page.units = m_values.RocketUnits;
  page.lengthFactor = m_units.LengthFactor;
  page.rocketThrust = m_values.RocketThrust;
  page.rocketBurnTime = m_values.RocketBurnTime;
  page.flight = &m_launchRun->flight();
  page.points = m_launchRun->PrintReplay();
  PrintLaunch(plat::printer(), page);
  m_launch->setFocus();
}

}  // namespace rocket
