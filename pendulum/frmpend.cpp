#include "pendulum/frmpend.h"

#include "pendulum/pendplots.h"
#include "pendulum/pendprint.h"
#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/colour.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/clocks.h"
#include "shell/settings.h"

namespace pend {

namespace {

constexpr rt::Colour kWindowBlue = 0x00FF0000;
constexpr rt::Colour kWhite = 0x00FFFFFF;
constexpr rt::Colour kYellow = 0x0000FFFF;
constexpr int kHelpTopic = 13;

// The four parameter rows: caption, value and spin button share a top.
constexpr int kRowTop[5] = {0, 4200, 4560, 4920, 5280};
constexpr const char* kRowName[5] = {"", "Angle", "Mass", "Length", "Friction"};

plat::Label* letter(QWidget* parent, QChar c, int top) {
  auto* l = new plat::Label(parent, QString(c));
  l->setFont(plat::screenFont("Arial", 9.75, true));
  l->setForeColor(kYellow);
  l->setAlignment(plat::Label::Center);
  plat::placeTwips(l, 4320, top, 255, 255);
  return l;
}

}  // namespace

frmPend::frmPend() {
  setCaption("Pendulum");
  setBackColor(kWindowBlue);
  setClientSizeTwips(8700, 6630);
  setHelp("palorime.hlp", kHelpTopic);

  // The pendulum is drawn on a hidden picture of the visible one's size and copied whole.
  m_picPend = new plat::PictureBox(this, kWhite);
  m_picPend->setBorder(true);
  plat::placeTwips(m_picPend, 120, 120, 4095, 3975);
  m_hidden = std::make_unique<plat::ImageSurface>(m_picPend->surface().deviceWidth(),
                                                  m_picPend->surface().deviceHeight(), kWhite);
  m_picPend->onPaint = [this] { Form_Paint(); };

  m_picAngle = new plat::PictureBox(this, kWhite);
  m_picAngle->setBorder(true);
  plat::placeTwips(m_picAngle, 4560, 120, 3975, 1935);
  m_picAngle->onPaint = [this] { picAngle_Paint(); };

  m_time = new plat::Label(this, "0.00 Seconds");
  m_time->setFont(plat::screenFont("Arial", 12, true));
  m_time->setForeColor(kWhite);
  m_time->setAlignment(plat::Label::Center);
  plat::placeTwips(m_time, 4590, 2085, 3975, 375);

  m_picPhase = new plat::PictureBox(this, kWhite);
  m_picPhase->setBorder(true);
  plat::placeTwips(m_picPhase, 4545, 2520, 3975, 2655);
  m_picPhase->onPaint = [this] { picPhase_Paint(); };

  // The plots' zero lines stand over the pictures, so clearing a plot leaves them.
  m_linAngleX = new plat::Line(m_picAngle);
  m_linPhaseX = new plat::Line(m_picPhase);
  m_linPhaseY = new plat::Line(m_picPhase);

  auto* angleTitle = new plat::Label(this, "ANGLE");
  angleTitle->setFont(plat::screenFont("Arial", 9.75, true));
  angleTitle->setForeColor(kYellow);
  angleTitle->setAlignment(plat::Label::Center);
  plat::placeTwips(angleTitle, 4560, 5205, 3975, 375);
  const QString word = "ANGLESPEED";
  for (int i = 0; i < 5; ++i) letter(this, word[i], 480 + 240 * i);
  for (int i = 0; i < 5; ++i) letter(this, word[5 + i], 3240 + 240 * i);

  for (int i = kAngle; i <= kFriction; ++i) {
    auto* c = new plat::Label(this);
    c->setFont(plat::screenFont("Arial", 9.75, true));
    c->setForeColor(kWhite);
    c->setAlignment(plat::Label::Right);
    plat::placeTwips(c, 840, kRowTop[i], 1695, 375);
    m_caption[size_t(i)] = c;

    auto* v = new plat::Label(this);
    v->setFont(plat::screenFont("Arial", 9.75, true));
    v->setBackColor(kWhite);
    v->setBorder(true);
    v->setAlignment(plat::Label::Center);
    plat::placeTwips(v, 2520, kRowTop[i], 855, 375);
    m_value[size_t(i)] = v;

    auto* s = new plat::SpinButton(this);
    s->setAccessibleCaption(kRowName[i]);
    plat::placeTwips(s, 3360, kRowTop[i], 255, 375);
    s->onSpinDown = [this, i] { spnValue_SpinDown(i); };
    s->onSpinUp = [this, i] { spnValue_SpinUp(i); };
    m_spin[size_t(i)] = s;
  }

  m_units = new plat::Frame(this, "Units");
  m_units->setForeColor(kWhite);
  plat::placeTwips(m_units, 1800, 5760, 2535, 735);
  plat::OptionButton* metric = m_optUnits.add(1, m_units, "Metric");
  plat::OptionButton* us = m_optUnits.add(0, m_units, "US (English)");
  for (plat::OptionButton* o : {metric, us}) o->setForeColor(kWhite);
  plat::placeTwips(metric, 120, 300, 960, 330);
  plat::placeTwips(us, 1095, 300, 1380, 330);
  m_optUnits.onClick = [this](int index) { optUnits_Click(index); };

  m_start = plat::placeButton(this, "&Start", 240, 5880, 1455, 495, [this] { cmdStart_Click(); });

  m_print = plat::placeButton(this, "&Print Plots", 2640, 5880, 1575, 495, [this] { cmdPrint_Click(); });
  m_print->hide();

  auto* choice = new plat::Frame(this);
  plat::placeTwips(choice, 5280, 5640, 2535, 855);
  m_help = plat::placeButton(choice, "&Help", 120, 240, 1095, 495, [this] { cmdHelp_Click(); });
  m_exit = plat::placeButton(choice, "E&xit", 1320, 240, 1095, 495, [this] { cmdExit_Click(); });

  m_timer = new plat::Timer(this);
  m_timer->onTimer = [this] { Timer1_Timer(); };

  PendRunView& view = *this;
  PendSound& sound = *this;
  m_run = std::make_unique<PendRun>(m_values, view, sound, shell::tickClock());
}

frmPend::~frmPend() = default;

// -- load and unload ----------------------------------------------------------------------

void frmPend::Form_Load() {
  const shell::SharedSettings& s = shell::settings();
  m_values.PendUnits = s.PendUnits;
  m_values.PendMass = s.PendMass;
  m_values.PendLength = s.PendLength;
  m_values.PendFriction = s.PendFriction;
  m_values.PendAngle = s.PendAngle;

  m_soundFile = shell::AppFilePath("ding.wav");
  centreOnScreen();
  SetupPendulumPicture(*m_hidden);
  SetupPendulumPicture(m_picPend->surface());
  m_linAngleX->setEndsTwips(0, 1935 / 2.0, 3975, 1935 / 2.0);
  m_linPhaseX->setEndsTwips(0, 2655 / 2.0, 3975, 2655 / 2.0);
  m_linPhaseY->setEndsTwips(3975 / 2.0, 0, 3975 / 2.0, 2655);
  // A units value other than 1 chooses US; the option's Click stores its own index.
  m_optUnits.choose(PendParameters::UnitsOption(m_values.PendUnits));
  if (auto bob = BobAt(m_values.PendLength, m_values.PendAngle)) {
    m_bobX = bob->BobX;
    m_bobY = bob->BobY;
  }
  show();
  SetupParameters();
  // A freshly opened window is in the reset state: the sound plays once and the pendulum
  // hangs at its start angle.
  m_run->SetResetPending();
  cmdStart_Click();
}

void frmPend::Form_Unload() { m_timer->setEnabled(false); }

void frmPend::closeFromTitleBar() {
  // Closing the window mid-run ends the run first, so no tick arrives for a closed window.
  if (m_run->Running()) m_run->Stop();
  Unload();
  returnToMenu();
}

// -- parameters ---------------------------------------------------------------------------

void frmPend::StoreSettings() {
  shell::SharedSettings& s = shell::settings();
  s.PendUnits = m_values.PendUnits;
  s.PendMass = m_values.PendMass;
  s.PendLength = m_values.PendLength;
  s.PendFriction = m_values.PendFriction;
  s.PendAngle = m_values.PendAngle;
}

void frmPend::SetupParameters() {
  m_params.SetupParameters();
  for (int i = kAngle; i <= kFriction; ++i) {
    m_caption[size_t(i)]->setCaption(QString::fromStdString(m_params.caption(i)));
    ShowParameter(i);
  }
}

void frmPend::ShowParameter(int index) {
  m_params.ShowParameter(index);
  StoreSettings();
  plat::Label* v = m_value[size_t(index)];
  v->setCaption(QString::fromStdString(m_params.text(index)));
  v->refresh();
  DrawPendulumAt(m_values.PendAngle);
}

void frmPend::optUnits_Click(int index) {
  m_values.PendUnits = int16_t(index);
  StoreSettings();
  SetupParameters();
}

void frmPend::spnValue_SpinDown(int index) {
  if (m_params.SpinDown(index)) ShowParameter(index);
}

void frmPend::spnValue_SpinUp(int index) {
  if (m_params.SpinUp(index)) ShowParameter(index);
}

// -- pictures -----------------------------------------------------------------------------

void frmPend::DrawPendulumAt(float degrees) {
  if (auto bob = DrawPendulumPicture(*m_hidden, m_picPend->surface(), m_values.PendLength, degrees,
                                     m_params.BobRadius())) {
    m_bobX = bob->BobX;
    m_bobY = bob->BobY;
  }
}

void frmPend::Form_Paint() {
  const int16_t n = m_run->NumPoints();
  DrawPendulumAt(n < 1 ? m_values.PendAngle : RadToDeg(m_run->history()[1][size_t(n)]));
}

void frmPend::picAngle_Paint() { RedrawAnglePlot(m_picAngle->surface(), m_run->history(), m_run->NumPoints()); }

void frmPend::picPhase_Paint() { RedrawPhasePlot(m_picPhase->surface(), m_run->history(), m_run->NumPoints()); }

// -- the run ------------------------------------------------------------------------------

void frmPend::cmdStart_Click() { m_run->StartClicked(); }

void frmPend::cmdExit_Click() {
  if (m_run->StopClicked()) return;
  Unload();
  returnToMenu();
}

void frmPend::Timer1_Timer() { m_run->Tick(); }

void frmPend::ShowControls(const RunControls& c) {
  m_start->setCaption(QString::fromStdString(c.startCaption));
  m_start->setVisible(c.startVisible);
  m_exit->setCaption(QString::fromStdString(c.exitCaption));
  m_print->setVisible(c.printVisible);
  for (int i = kAngle; i <= kFriction; ++i) m_spin[size_t(i)]->setVisible(c.parametersVisible);
  m_units->setVisible(c.parametersVisible);
}

void frmPend::ShowTime(const std::string& text) {
  m_time->setCaption(QString::fromStdString(text));
  m_time->refresh();
}

void frmPend::ScalePlots(float runLength, float halfAngle, float halfSpeed) {
  ScaleAnglePlot(m_picAngle->surface(), runLength, halfAngle);
  ScalePhasePlot(m_picPhase->surface(), halfAngle, halfSpeed);
  m_linAngleX->setEnds(m_picAngle->surface(), 0, 0, runLength, 0);
  m_linPhaseX->setEnds(m_picPhase->surface(), -halfAngle, 0, halfAngle, 0);
  m_linPhaseY->setEnds(m_picPhase->surface(), 0, halfSpeed, 0, -halfSpeed);
}

void frmPend::ClearPlots() {
  m_picAngle->surface().cls();
  m_picPhase->surface().cls();
}

void frmPend::AddSegments(const PlotSegment& segment) {
  AddPlotSegments(m_picAngle->surface(), m_picPhase->surface(), segment);
}

void frmPend::SetTimerInterval(int ms) { m_timer->setInterval(ms); }

void frmPend::SetTimerEnabled(bool on) { m_timer->setEnabled(on); }

void frmPend::FocusStart() { m_start->setFocus(); }

void frmPend::PlayDingAndWait() { shell::PlayWave(m_soundFile, 0); }

// -- help and printing --------------------------------------------------------------------

void frmPend::cmdHelp_Click() { plat::help().showTopic(shell::BasePath + "palorime.hlp", kHelpTopic); }

void frmPend::cmdPrint_Click() {
  if (!plat::askPrinterReady("Print Plots")) return;
  PlotPrintout page;
  for (int i = kAngle; i <= kFriction; ++i) {
    page.captions[size_t(i - 1)] = m_caption[size_t(i)]->caption();
    page.values[size_t(i - 1)] = m_value[size_t(i)]->caption();
  }
  page.timeCaption = m_time->caption();
  page.history = &m_run->history();
  page.numPoints = m_run->NumPoints();
  page.omegaScale = m_run->OmegaScale();
  page.startAngle = m_values.PendAngle;
  PrintPlots(plat::printer(), page);
}

}  // namespace pend
