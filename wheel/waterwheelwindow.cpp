#include "wheel/waterwheelwindow.h"

#include <QEvent>

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/spinbutton.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/convert.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"
#include "wheel/wheellayout.h"

namespace wheel {

namespace {

constexpr int kHelpTopic = 3;

using namespace layout;

}  // namespace

WheelSettings wheelSettingsFromShared() {
  const shell::SharedSettings& s = shell::settings();
  WheelSettings w;
  w.WheelUnits = s.WheelUnits;
  w.WheelCans = s.WheelCans;
  w.WheelStickLength = s.WheelStickLength;
  w.WheelStickMass = s.WheelStickMass;
  w.WheelCanDiameter = s.WheelCanDiameter;
  w.WheelCanHeight = s.WheelCanHeight;
  w.WheelCanMass = s.WheelCanMass;
  w.WheelEmptyTime = s.WheelEmptyTime;
  w.WheelFillTime = s.WheelFillTime;
  w.WheelFriction = s.WheelFriction;
  return w;
}

void storeWheelSettings(const WheelSettings& w) {
  shell::SharedSettings& s = shell::settings();
  s.WheelUnits = w.WheelUnits;
  s.WheelCans = w.WheelCans;
  s.WheelStickLength = w.WheelStickLength;
  s.WheelStickMass = w.WheelStickMass;
  s.WheelCanDiameter = w.WheelCanDiameter;
  s.WheelCanHeight = w.WheelCanHeight;
  s.WheelCanMass = w.WheelCanMass;
  s.WheelEmptyTime = w.WheelEmptyTime;
  s.WheelFillTime = w.WheelFillTime;
  s.WheelFriction = w.WheelFriction;
}

WaterWheelWindow::WaterWheelWindow() {
  setCaption("Water Wheel");
  setBackColor(rt::palette::kRed);
  setClientSizeTwips(8700, 6840);
  setHelp("vtrel.hlp", kHelpTopic);

  buildValve();
  buildWheelAndCharts();
  buildButtons();

  WheelView& view = *this;
  WheelSound& sound = *this;
  m_run = std::make_unique<WheelRun>(view, sound, shell::tickClock());
}

WaterWheelWindow::~WaterWheelWindow() = default;

void WaterWheelWindow::buildValve() {
  m_valvePicture = plat::build<plat::PictureBox>(this, kValvePicture, rt::palette::kRed);
  m_valvePicture->setObjectName("valvePicture");
  m_valvePicture->setAccessibleName("Valve");
  m_valvePicture->onPaint = [this] { drawFlow(); };
  plat::Label* flowTitle = plat::buildCaption(m_valvePicture, kFlowTitle, plat::Label::Center);
  m_flowGauge = plat::build<plat::Panel>(m_valvePicture, kFlowGauge);
  m_flowGauge->setObjectName("flowGauge");
  m_flowGauge->setBevelOuter(plat::Panel::BevelInset);
  m_flowGauge->setFloodType(plat::Panel::FloodLeftToRight);
  m_flowGauge->setFloodColor(rt::palette::kBlue);
  m_flowGauge->setAccessibleName("Flow gauge");
  m_flowSpin = plat::build<plat::SpinButton>(m_valvePicture, kFlowSpin, Qt::Horizontal);
  m_flowSpin->setObjectName("flowSpin");
  m_flowSpin->setAccessibleCaption("Flow");
  m_flowSpin->onSpinDown = [this] { lessFlow(); };
  m_flowSpin->onSpinUp = [this] { moreFlow(); };
  m_flowSpin->setEnabled(false);
  m_flowReadout = plat::buildCaption(m_valvePicture, kFlowReadout, plat::Label::Right);
  m_flowReadout->setObjectName("flowReadout");
  m_flowUnits = plat::buildCaption(m_valvePicture, kFlowUnits, plat::Label::Left);
  m_flowUnits->setObjectName("flowUnits");
  m_flowReadout->setHeardCaptions({flowTitle});
}

void WaterWheelWindow::buildWheelAndCharts() {
  // The wheel is drawn on a hidden picture of the visible one's size and copied whole.
  m_wheelPicture = plat::build<plat::PictureBox>(this, kWheelPicture, rt::palette::kBlack);
  m_wheelPicture->setObjectName("wheelPicture");
  m_wheelPicture->setAccessibleName("Water wheel: the cans turning under the flow");
  m_hiddenWheel = std::make_unique<plat::ImageSurface>(m_wheelPicture->surface().deviceWidth(),
                                                       m_wheelPicture->surface().deviceHeight(), rt::palette::kBlack);
  setupWheelPicture(*m_hiddenWheel);

  m_speedChart = plat::buildFramedPicture(this, kSpeedChart, rt::palette::kBlack);
  m_speedChart->setObjectName("speedChart");
  m_speedChart->setAccessibleName("Speed chart: the wheel's speed against time");
  m_heightChart = plat::buildFramedPicture(this, kHeightChart, rt::palette::kBlack);
  m_heightChart->setObjectName("heightChart");
  m_heightChart->setAccessibleName("Height chart: the height of can 1 against time");
  m_levelChart = plat::buildFramedPicture(this, kLevelChart, rt::palette::kBlack);
  m_levelChart->setObjectName("levelChart");
  m_levelChart->setAccessibleName("Level chart: the cans' water levels");
  m_charts = std::make_unique<StripCharts>(m_speedChart->surface(), m_heightChart->surface(), m_levelChart->surface());
  plat::plotwindow::buildSideTitles(this, kChartTitles);
}

void WaterWheelWindow::buildButtons() {
  m_startButton = plat::build<plat::CommandButton>(this, kStartButton);
  m_startButton->setObjectName("startButton");
  m_startButton->onClick = [this] { startOrRestart(); };
  m_parametersButton = plat::build<plat::CommandButton>(this, kParametersButton);
  m_parametersButton->setObjectName("parametersButton");
  m_parametersButton->onClick = [this] { openParameters(); };

  const plat::plotwindow::HelpExitButtons helpExit = plat::plotwindow::buildHelpExit(
      this, kHelpExitTop, [this] { showHelp(); }, [this] { exitOrStop(); });
  m_helpButton = helpExit.help;
  m_helpButton->setObjectName("helpButton");
  m_exitButton = helpExit.exit;
  m_exitButton->setObjectName("exitButton");

  m_turnTimer = new plat::Timer(this);
  m_turnTimer->setObjectName("turnTimer");
  m_turnTimer->onTimer = [this] { turnStep(); };
}

// -- load, activation and unload ----------------------------------------------------------

void WaterWheelWindow::loadStep() {
  // A hand-edited settings file may hold values the wheel cannot work with: they are brought
  // into their limits here, so the window, the dialog and the settings agree.
  WheelSettings values = wheelSettingsFromShared();
  if (bringIntoLimits(values)) storeWheelSettings(values);

  m_soundFile = shell::appFilePath("ding.wav");
  centreOnScreen();
  plat::setLeftTwips(m_flowGauge, (plat::widthTwips(m_valvePicture) - plat::widthTwips(m_flowGauge)) / 2);
  m_startLeft = rt::roundToInt16(plat::leftTwips(m_startButton));
  m_charts->setup();
  takeUpSettings();
}

void WaterWheelWindow::takeUpSettings() { m_run->activate(wheelSettingsFromShared()); }

bool WaterWheelWindow::event(QEvent* e) {
  // Only a return from the parameters dialog counts as an activation: a message box, the
  // help viewer or another program giving the activation back does not reset the wheel.
  if (e->type() == QEvent::WindowActivate && isLoaded() && m_dialogWasActive) {
    m_dialogWasActive = false;
    takeUpSettings();
  }
  return plat::Form::event(e);
}

void WaterWheelWindow::dialogClosed() {
  m_dialogWasActive = false;
  open();
  takeUpSettings();
}

void WaterWheelWindow::unloadStep() {
  m_turnTimer->setEnabled(false);
  if (m_dialog) m_dialog->unloadForExit();
}

void WaterWheelWindow::leave() {
  unload();
  returnToMenu();
}

void WaterWheelWindow::closeFromTitleBar() {
  // The title bar ends a run first, then leaves as Exit does.
  m_run->stopClicked();
  leave();
}

// -- commands -----------------------------------------------------------------------------

void WaterWheelWindow::startOrRestart() { m_run->startClicked(); }

void WaterWheelWindow::exitOrStop() {
  if (m_run->stopClicked()) return;
  leave();
}

void WaterWheelWindow::openParameters() {
  if (!m_dialog) {
    m_dialog = new WheelParametersDialog(this);
    m_dialog->setObjectName("parametersDialog");
    m_dialog->onActivated = [this] { m_dialogWasActive = true; };
    m_dialog->onClosed = [this] { dialogClosed(); };
  }
  m_dialog->open();
}

void WaterWheelWindow::turnStep() { m_run->tick(); }

void WaterWheelWindow::lessFlow() { m_run->spinDown(); }

void WaterWheelWindow::moreFlow() { m_run->spinUp(); }

// -- the view -----------------------------------------------------------------------------

void WaterWheelWindow::showControls(const RunControls& c) {
  m_startButton->setCaption(QString::fromStdString(c.startCaption));
  // During a run Start (now Restart) stands centred under the wheel.
  if (c.startCentred)
    plat::setLeftTwips(m_startButton,
                       kWheelPicture.left + (plat::widthTwips(m_wheelPicture) - plat::widthTwips(m_startButton)) / 2);
  else
    plat::setLeftTwips(m_startButton, m_startLeft);
  m_parametersButton->setVisible(c.parametersVisible);
  m_exitButton->setCaption(QString::fromStdString(c.exitCaption));
}

void WaterWheelWindow::enableFlowSpin(bool on) { m_flowSpin->setEnabled(on); }

void WaterWheelWindow::drawFlow() {
  const WheelModel& model = m_run->model();
  m_flowGauge->setFloodPercent(model.flowSetting() * 100 / 20);
  m_flowReadout->setCaption(QString::fromStdString(WheelRun::flowText(model.flow(), m_run->metric())));
  m_flowReadout->refresh();
  // The spin button reads out the flow as the read-out shows it, from a closed valve to a
  // full one, a valve position a step.
  const float fullFlow = float(kMaxFlowSetting) * model.derived().FlowStep;
  m_flowSpin->setValue(m_flowReadout->caption().toDouble(), 0,
                       QString::fromStdString(WheelRun::flowText(fullFlow, m_run->metric())).toDouble(),
                       WheelRun::shownFlow(model.derived().FlowStep, m_run->metric()));
  drawFallingWater(m_valvePicture->surface(), plat::leftTwips(m_flowGauge), plat::widthTwips(m_flowGauge),
                   plat::heightTwips(m_flowGauge), model.flowSetting() != 0);
}

void WaterWheelWindow::showUnits(bool metric) { m_flowUnits->setCaption(metric ? "g/s" : "oz/s"); }

void WaterWheelWindow::scaleWheel() {
  scaleWheelPicture(*m_hiddenWheel, m_run->model().derived());
  scaleWheelPicture(m_wheelPicture->surface(), m_run->model().derived());
}

void WaterWheelWindow::drawWheel() { drawWheelPicture(*m_hiddenWheel, m_wheelPicture->surface(), m_run->model()); }

void WaterWheelWindow::startCharts() { m_charts->start(m_run->model()); }

void WaterWheelWindow::clearCharts() { m_charts->clear(); }

void WaterWheelWindow::drawZeroLine() { m_charts->drawZeroLine(); }

void WaterWheelWindow::advanceCharts() { m_charts->advance(m_run->model()); }

void WaterWheelWindow::setTimerInterval(int ms) { m_turnTimer->setInterval(ms); }

void WaterWheelWindow::setTimerEnabled(bool on) { m_turnTimer->setEnabled(on); }

void WaterWheelWindow::playDingAndWait() { shell::playWave(m_soundFile, 0); }

// -- repainting ---------------------------------------------------------------------------

void WaterWheelWindow::repaintStep() {
  drawWheel();
  drawFlow();
}

}  // namespace wheel
