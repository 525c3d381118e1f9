#include "pendulum/pendulumwindow.h"

#include "pendulum/pendplots.h"
#include "pendulum/pendprint.h"
#include "pendulum/pendulumlayout.h"
#include "platform/button.h"
#include "platform/controlarray.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/lineoverlay.h"
#include "platform/picturebox.h"
#include "platform/plotwindowlayout.h"
#include "platform/printer.h"
#include "platform/spinbutton.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"

namespace pendulum {

namespace {

constexpr int kHelpTopic = 13;

using namespace layout;

}  // namespace

PendulumWindow::PendulumWindow() {
  setCaption("Pendulum");
  setBackColor(rt::palette::kBlue);
  setClientSizeTwips(8700, 6630);
  setHelp("palorime.hlp", kHelpTopic);

  buildPictures();
  buildTitles();
  buildParameterRows();
  buildUnits();
  buildButtons();

  PendRunView& view = *this;
  PendSound& sound = *this;
  m_run = std::make_unique<PendRun>(m_values, view, sound, shell::tickClock());
}

PendulumWindow::~PendulumWindow() = default;

void PendulumWindow::buildPictures() {
  // The pendulum is drawn on a hidden picture of the visible one's size and copied whole.
  m_pendulumPicture = plat::buildFramedPicture(this, kPendulumPicture, rt::palette::kWhite);
  m_pendulumPicture->setObjectName("pendulumPicture");
  m_pendulumPicture->setAccessibleName("Pendulum: the bob swinging on its string");
  m_hiddenPendulum = std::make_unique<plat::ImageSurface>(
      m_pendulumPicture->surface().deviceWidth(), m_pendulumPicture->surface().deviceHeight(), rt::palette::kWhite);
  m_pendulumPicture->onPaint = [this] { redrawPendulum(); };

  m_anglePlot = plat::buildFramedPicture(this, kAnglePlot, rt::palette::kWhite);
  m_anglePlot->setObjectName("anglePlot");
  m_anglePlot->setAccessibleName("Pendulum plot: angle against time");
  m_anglePlot->onPaint = [this] { redrawAnglePlot(); };

  m_timeReadout = plat::build<plat::Label>(this, kTimeReadout);
  m_timeReadout->setObjectName("timeReadout");
  m_timeReadout->setAlignment(plat::Label::Center);

  m_phasePlot = plat::buildFramedPicture(this, kPhasePlot, rt::palette::kWhite);
  m_phasePlot->setObjectName("phasePlot");
  m_phasePlot->setAccessibleName("Phase plot: speed against angle");
  m_phasePlot->onPaint = [this] { redrawPhasePlot(); };

  // The plots' zero lines stand over the pictures, so clearing a plot leaves them.
  m_angleZeroLine = new plat::Line(m_anglePlot);
  m_angleZeroLine->setObjectName("angleZeroLine");
  m_phaseAngleAxis = new plat::Line(m_phasePlot);
  m_phaseAngleAxis->setObjectName("phaseAngleAxis");
  m_phaseSpeedAxis = new plat::Line(m_phasePlot);
  m_phaseSpeedAxis->setObjectName("phaseSpeedAxis");
}

void PendulumWindow::buildTitles() {
  plat::plotwindow::buildTitle(this, kAngleTitle);
  plat::plotwindow::buildSideTitles(this, kSideLetters);
}

void PendulumWindow::buildParameterRows() {
  for (int i = kAngle; i <= kFriction; ++i) {
    auto* caption = plat::build<plat::Label>(this, captionRow(kRowTop[i]));
    plat::nameInRow(caption, "parameterCaption", i);
    caption->setAlignment(plat::Label::Right);
    m_parameterCaptions[size_t(i)] = caption;

    auto* value = plat::build<plat::Label>(this, valueRow(kRowTop[i]));
    plat::nameInRow(value, "parameterValue", i);
    value->setBorder(true);
    value->setAlignment(plat::Label::Center);
    value->setHeardCaptions({caption});
    m_parameterValues[size_t(i)] = value;

    auto* spin = plat::build<plat::SpinButton>(this, spinRow(kRowTop[i]));
    plat::nameInRow(spin, "parameterSpin", i);
    spin->setAccessibleCaption(kRowName[i]);
    spin->onSpinDown = [this, i] { lowerParameter(i); };
    spin->onSpinUp = [this, i] { raiseParameter(i); };
    m_parameterSpins[size_t(i)] = spin;
  }
}

void PendulumWindow::buildUnits() {
  m_unitsFrame = plat::build<plat::Frame>(this, kUnitsFrame);
  m_unitsFrame->setObjectName("unitsFrame");
  // Numbered as the units: 1 metric, 0 US.
  m_unitsOptions.setRole("unitsOption");
  plat::applyRow(m_unitsOptions.add(1, m_unitsFrame, kMetricOption.caption), kMetricOption);
  plat::applyRow(m_unitsOptions.add(0, m_unitsFrame, kUsOption.caption), kUsOption);
  m_unitsOptions.onClick = [this](int index) { chooseUnits(index); };
}

void PendulumWindow::buildButtons() {
  m_startButton = plat::build<plat::CommandButton>(this, kStartButton);
  m_startButton->setObjectName("startButton");
  m_startButton->onClick = [this] { startOrReset(); };
  m_printButton = plat::build<plat::CommandButton>(this, kPrintButton);
  m_printButton->setObjectName("printButton");
  m_printButton->onClick = [this] { printPlots(); };
  m_printButton->hide();

  const plat::plotwindow::HelpExitButtons helpExit = plat::plotwindow::buildHelpExit(
      this, kHelpExitTop, [this] { showHelp(); }, [this] { exitOrStop(); });
  m_helpButton = helpExit.help;
  m_helpButton->setObjectName("helpButton");
  m_exitButton = helpExit.exit;
  m_exitButton->setObjectName("exitButton");

  m_swingTimer = new plat::Timer(this);
  m_swingTimer->setObjectName("swingTimer");
  m_swingTimer->onTimer = [this] { swingStep(); };
}

// -- load and unload ----------------------------------------------------------------------

void PendulumWindow::loadStep() {
  const shell::SharedSettings& s = shell::settings();
  m_values.PendUnits = s.PendUnits;
  m_values.PendMass = s.PendMass;
  m_values.PendLength = s.PendLength;
  m_values.PendFriction = s.PendFriction;
  m_values.PendAngle = s.PendAngle;

  m_soundFile = shell::appFilePath("ding.wav");
  centreOnScreen();
  setupPendulumPicture(*m_hiddenPendulum);
  setupPendulumPicture(m_pendulumPicture->surface());
  // Until a run scales the plots, the zero lines cross their pictures' middles.
  m_angleZeroLine->setEndsTwips(0, kAnglePlot.height / 2, kAnglePlot.width, kAnglePlot.height / 2);
  m_phaseAngleAxis->setEndsTwips(0, kPhasePlot.height / 2, kPhasePlot.width, kPhasePlot.height / 2);
  m_phaseSpeedAxis->setEndsTwips(kPhasePlot.width / 2, 0, kPhasePlot.width / 2, kPhasePlot.height);
  // A units value other than 1 chooses US; the option's Click stores its own index.
  m_unitsOptions.choose(PendParameters::unitsOption(m_values.PendUnits));
  if (auto bob = bobAt(m_values.PendLength, m_values.PendAngle)) {
    m_bobX = bob->BobX;
    m_bobY = bob->BobY;
  }
  show();
  setupParameters();
  // A freshly opened window is in the reset state: the sound plays once and the pendulum
  // hangs at its start angle.
  m_run->setResetPending();
  startOrReset();
}

void PendulumWindow::unloadStep() { m_swingTimer->setEnabled(false); }

void PendulumWindow::closeFromTitleBar() {
  // Closing the window mid-run ends the run first, so no tick arrives for a closed window.
  if (m_run->running()) m_run->stop();
  unload();
  returnToMenu();
}

// -- parameters ---------------------------------------------------------------------------

void PendulumWindow::storeSettings() {
  shell::SharedSettings& s = shell::settings();
  s.PendUnits = m_values.PendUnits;
  s.PendMass = m_values.PendMass;
  s.PendLength = m_values.PendLength;
  s.PendFriction = m_values.PendFriction;
  s.PendAngle = m_values.PendAngle;
}

void PendulumWindow::setupParameters() {
  m_params.setupParameters();
  for (int i = kAngle; i <= kFriction; ++i) {
    m_parameterCaptions[size_t(i)]->setCaption(QString::fromStdString(m_params.caption(i)));
    showParameter(i);
  }
}

void PendulumWindow::showParameter(int index) {
  m_params.showParameter(index);
  storeSettings();
  plat::Label* v = m_parameterValues[size_t(index)];
  v->setCaption(QString::fromStdString(m_params.text(index)));
  v->refresh();
  // The spin button reads out the value as shown (single-precision steps of 0.01 leave
  // digits the mask drops).
  m_parameterSpins[size_t(index)]->setValue(v->caption().toDouble(), m_params.paramMin(index), m_params.paramMax(index),
                                            m_params.paramStep(index));
  drawPendulumAt(m_values.PendAngle);
}

void PendulumWindow::chooseUnits(int index) {
  m_values.PendUnits = int16_t(index);
  storeSettings();
  setupParameters();
}

void PendulumWindow::lowerParameter(int index) {
  if (m_params.spinDown(index)) showParameter(index);
}

void PendulumWindow::raiseParameter(int index) {
  if (m_params.spinUp(index)) showParameter(index);
}

// -- pictures -----------------------------------------------------------------------------

void PendulumWindow::drawPendulumAt(float degrees) {
  if (auto bob = drawPendulumPicture(*m_hiddenPendulum, m_pendulumPicture->surface(), m_values.PendLength, degrees,
                                     m_params.bobRadius())) {
    m_bobX = bob->BobX;
    m_bobY = bob->BobY;
  }
}

void PendulumWindow::redrawPendulum() {
  const int16_t n = m_run->numPoints();
  drawPendulumAt(n < 1 ? m_values.PendAngle : radToDeg(m_run->history()[1][size_t(n)]));
}

void PendulumWindow::redrawAnglePlot() {
  pendulum::redrawAnglePlot(m_anglePlot->surface(), m_run->history(), m_run->numPoints());
}

void PendulumWindow::redrawPhasePlot() {
  pendulum::redrawPhasePlot(m_phasePlot->surface(), m_run->history(), m_run->numPoints());
}

// -- the run ------------------------------------------------------------------------------

void PendulumWindow::startOrReset() { m_run->startClicked(); }

void PendulumWindow::exitOrStop() {
  if (m_run->stopClicked()) return;
  unload();
  returnToMenu();
}

void PendulumWindow::swingStep() { m_run->tick(); }

void PendulumWindow::showControls(const RunControls& c) {
  m_startButton->setCaption(QString::fromStdString(c.startCaption));
  m_startButton->setVisible(c.startVisible);
  m_exitButton->setCaption(QString::fromStdString(c.exitCaption));
  m_printButton->setVisible(c.printVisible);
  for (int i = kAngle; i <= kFriction; ++i) m_parameterSpins[size_t(i)]->setVisible(c.parametersVisible);
  m_unitsFrame->setVisible(c.parametersVisible);
}

void PendulumWindow::showTime(const std::string& text) {
  m_timeReadout->setCaption(QString::fromStdString(text));
  m_timeReadout->refresh();
}

void PendulumWindow::scalePlots(float runLength, float halfAngle, float halfSpeed) {
  scaleAnglePlot(m_anglePlot->surface(), runLength, halfAngle);
  scalePhasePlot(m_phasePlot->surface(), halfAngle, halfSpeed);
  m_angleZeroLine->setEnds(m_anglePlot->surface(), 0, 0, runLength, 0);
  m_phaseAngleAxis->setEnds(m_phasePlot->surface(), -halfAngle, 0, halfAngle, 0);
  m_phaseSpeedAxis->setEnds(m_phasePlot->surface(), 0, halfSpeed, 0, -halfSpeed);
}

void PendulumWindow::clearPlots() {
  m_anglePlot->surface().cls();
  m_phasePlot->surface().cls();
}

void PendulumWindow::addSegments(const PlotSegment& segment) {
  addPlotSegments(m_anglePlot->surface(), m_phasePlot->surface(), segment);
}

void PendulumWindow::setTimerInterval(int ms) { m_swingTimer->setInterval(ms); }

void PendulumWindow::setTimerEnabled(bool on) { m_swingTimer->setEnabled(on); }

void PendulumWindow::focusStart() { m_startButton->setFocus(); }

void PendulumWindow::playDingAndWait() { shell::playWave(m_soundFile, 0); }

// -- printing -----------------------------------------------------------------------------

void PendulumWindow::printPlots() {
  if (!plat::askPrinterReady("Print Plots")) return;
  PlotPrintout page;
  for (int i = kAngle; i <= kFriction; ++i) {
    page.captions[size_t(i - 1)] = m_parameterCaptions[size_t(i)]->caption();
    page.values[size_t(i - 1)] = m_parameterValues[size_t(i)]->caption();
  }
  page.timeCaption = m_timeReadout->caption();
  page.history = &m_run->history();
  page.numPoints = m_run->numPoints();
  page.omegaScale = m_run->omegaScale();
  page.startAngle = m_values.PendAngle;
  pendulum::printPlots(plat::printer(), page);
}

}  // namespace pendulum
