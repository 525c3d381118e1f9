#include "wheel/frmwheel.h"

#include <QEvent>

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/colour.h"
#include "runtime/convert.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/clocks.h"
#include "shell/settings.h"
#include "wheel/optwheel.h"

namespace wheel {

namespace {

constexpr rt::Colour kWindowRed = 0x000000FF;
constexpr rt::Colour kBlack = 0x00000000;
constexpr rt::Colour kYellow = 0x0000FFFF;
constexpr rt::Colour kGaugeBlue = 0x00FF0000;
constexpr int kHelpTopic = 3;

// The valve's area and the wheel's picture, in twips.
constexpr int kFlowWidth = 4095, kFlowHeight = 855;
constexpr int kGaugeWidth = 1455, kGaugeHeight = 375;
constexpr int kWheelLeft = 120, kWheelTop = 960, kWheelWidth = 4095, kWheelHeight = 4815;

plat::Label* letter(QWidget* parent, QChar c, int top) {
  auto* l = new plat::Label(parent, QString(c));
  l->setFont(plat::screenFont("Arial", 9.75, true));
  l->setForeColor(kYellow);
  l->setAlignment(plat::Label::Center);
  plat::placeTwips(l, 4320, top, 255, 255);
  return l;
}

plat::PictureBox* chart(QWidget* parent, int top) {
  auto* p = new plat::PictureBox(parent, kBlack);
  p->setBorder(true);
  plat::placeTwips(p, 4560, top, 3975, 1815);
  return p;
}

plat::Label* valveLabel(QWidget* parent, const QString& caption, int left, int top, int width, plat::Label::Align a) {
  auto* l = new plat::Label(parent, caption);
  l->setFont(plat::screenFont("Britannic Bold", 12));
  l->setForeColor(kYellow);
  l->setTransparent();
  l->setAlignment(a);
  plat::placeTwips(l, left, top, width, 375);
  return l;
}

}  // namespace

WheelSettings WheelSettingsFromShared() {
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

void StoreWheelSettings(const WheelSettings& w) {
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

frmWheel::frmWheel() {
  setCaption("Water Wheel");
  setBackColor(kWindowRed);
  setClientSizeTwips(8700, 6840);
  setHelp("vtrel.hlp", kHelpTopic);

  // The valve: its gauge, the spin button that opens and closes it, and the flow read-out.
  m_picFlow = new plat::PictureBox(this, kWindowRed);
  plat::placeTwips(m_picFlow, 120, 120, kFlowWidth, kFlowHeight);
  m_picFlow->onPaint = [this] { picFlow_Paint(); };
  valveLabel(m_picFlow, "Flow", 240, 0, 975, plat::Label::Center);
  m_gauge = new plat::Panel(m_picFlow);
  m_gauge->setBevelOuter(plat::Panel::BevelInset);
  m_gauge->setFloodType(plat::Panel::FloodLeftToRight);
  m_gauge->setFloodColor(kGaugeBlue);
  m_gauge->setAccessibleName("Flow gauge");
  plat::placeTwips(m_gauge, 0, 0, kGaugeWidth, kGaugeHeight);
  m_spin = new plat::SpinButton(m_picFlow, Qt::Horizontal);
  m_spin->setAccessibleCaption("Flow");
  plat::placeTwips(m_spin, 240, 360, 975, 255);
  m_spin->onSpinDown = [this] { spnFlow_SpinDown(); };
  m_spin->onSpinUp = [this] { spnFlow_SpinUp(); };
  m_spin->setEnabled(false);
  m_flow = valveLabel(m_picFlow, "0", 2760, 360, 735, plat::Label::Right);
  m_units = valveLabel(m_picFlow, "g/s", 3555, 360, 495, plat::Label::Left);

  // The wheel is drawn on a hidden picture of the visible one's size and copied whole.
  m_picWheel = new plat::PictureBox(this, kBlack);
  plat::placeTwips(m_picWheel, kWheelLeft, kWheelTop, kWheelWidth, kWheelHeight);
  m_hidden = std::make_unique<plat::ImageSurface>(m_picWheel->surface().deviceWidth(),
                                                  m_picWheel->surface().deviceHeight(), kBlack);
  SetupWheelPicture(*m_hidden);

  m_picSpeed = chart(this, 120);
  m_picHeight = chart(this, 2040);
  m_picLevel = chart(this, 3960);
  m_charts = std::make_unique<StripCharts>(m_picSpeed->surface(), m_picHeight->surface(), m_picLevel->surface());
  const QString speed = "SPEED", height = "HEIGHT", level = "LEVEL";
  for (int i = 0; i < speed.size(); ++i) letter(this, speed[i], 360 + 240 * i);
  for (int i = 0; i < height.size(); ++i) letter(this, height[i], 2160 + 240 * i);
  for (int i = 0; i < level.size(); ++i) letter(this, level[i], 4200 + 240 * i);

  m_start = plat::placeButton(this, "&Start", 360, 6000, 1575, 495, [this] { cmdStart_Click(); });
  m_parameters = plat::placeButton(this, "&Parameters", 2400, 6000, 1575, 495, [this] { cmdParameters_Click(); });

  auto* choice = new plat::Frame(this);
  plat::placeTwips(choice, 5280, 5880, 2535, 855);
  m_help = plat::placeButton(choice, "&Help", 120, 240, 1095, 495, [this] { cmdHelp_Click(); });
  m_exit = plat::placeButton(choice, "E&xit", 1320, 240, 1095, 495, [this] { cmdExit_Click(); });

  m_timer = new plat::Timer(this);
  m_timer->onTimer = [this] { Timer1_Timer(); };

  WheelView& view = *this;
  WheelSound& sound = *this;
  m_run = std::make_unique<WheelRun>(view, sound, shell::tickClock());
}

frmWheel::~frmWheel() = default;

// -- load, activation and unload ----------------------------------------------------------

void frmWheel::Form_Load() {
  // A hand-edited settings file may hold values the wheel cannot work with: they are brought
  // into their limits here, so the window, the dialog and the settings agree.
  WheelSettings values = WheelSettingsFromShared();
  if (BringIntoLimits(values)) StoreWheelSettings(values);

  m_soundFile = shell::AppFilePath("ding.wav");
  centreOnScreen();
  plat::setLeftTwips(m_gauge, (plat::widthTwips(m_picFlow) - plat::widthTwips(m_gauge)) / 2);
  m_startLeft = rt::CInt(plat::leftTwips(m_start));
  m_charts->Setup();
  Form_Activate();
}

void frmWheel::Form_Activate() { m_run->Activate(WheelSettingsFromShared()); }

bool frmWheel::event(QEvent* e) {
  // Only a return from the parameters dialog counts as an activation: a message box, the
  // help viewer or another program giving the activation back does not reset the wheel.
  if (e->type() == QEvent::WindowActivate && isLoaded() && m_dialogWasActive) {
    m_dialogWasActive = false;
    Form_Activate();
  }
  return plat::Form::event(e);
}

void frmWheel::dialogClosed() {
  m_dialogWasActive = false;
  Show();
  Form_Activate();
}

void frmWheel::Form_Unload() {
  m_timer->setEnabled(false);
  if (m_dialog) m_dialog->UnloadForExit();
}

void frmWheel::leave() {
  Unload();
  returnToMenu();
}

void frmWheel::closeFromTitleBar() {
  // The title bar ends a run first, then leaves as Exit does.
  m_run->StopClicked();
  leave();
}

// -- commands -----------------------------------------------------------------------------

void frmWheel::cmdStart_Click() { m_run->StartClicked(); }

void frmWheel::cmdExit_Click() {
  if (m_run->StopClicked()) return;
  leave();
}

void frmWheel::cmdParameters_Click() {
  if (!m_dialog) {
    m_dialog = new optWheel(this);
    m_dialog->onActivated = [this] { m_dialogWasActive = true; };
    m_dialog->onClosed = [this] { dialogClosed(); };
  }
  m_dialog->Show();
}

void frmWheel::cmdHelp_Click() { plat::help().showTopic(shell::BasePath + "vtrel.hlp", kHelpTopic); }

void frmWheel::Timer1_Timer() { m_run->Tick(); }

void frmWheel::spnFlow_SpinDown() { m_run->SpinDown(); }

void frmWheel::spnFlow_SpinUp() { m_run->SpinUp(); }

// -- the view -----------------------------------------------------------------------------

void frmWheel::ShowControls(const RunControls& c) {
  m_start->setCaption(QString::fromStdString(c.startCaption));
  if (c.startCentred)
    plat::setLeftTwips(m_start, kWheelLeft + (plat::widthTwips(m_picWheel) - plat::widthTwips(m_start)) / 2);
  else
    plat::setLeftTwips(m_start, m_startLeft);
  m_parameters->setVisible(c.parametersVisible);
  m_exit->setCaption(QString::fromStdString(c.exitCaption));
}

void frmWheel::EnableFlowSpin(bool on) { m_spin->setEnabled(on); }

void frmWheel::DrawFlow() {
  const WheelModel& model = m_run->model();
  m_gauge->setFloodPercent(model.FlowSetting() * 100 / 20);
  m_flow->setCaption(QString::fromStdString(WheelRun::FlowText(model.Flow(), m_run->metric())));
  m_flow->refresh();
  DrawFallingWater(m_picFlow->surface(), plat::leftTwips(m_gauge), plat::widthTwips(m_gauge),
                   plat::heightTwips(m_gauge), model.FlowSetting() != 0);
}

void frmWheel::ShowUnits(bool metric) { m_units->setCaption(metric ? "g/s" : "oz/s"); }

void frmWheel::ScaleWheel() {
  ScaleWheelPicture(*m_hidden, m_run->model().derived());
  ScaleWheelPicture(m_picWheel->surface(), m_run->model().derived());
}

void frmWheel::DrawWheel() { DrawWheelPicture(*m_hidden, m_picWheel->surface(), m_run->model()); }

void frmWheel::StartCharts() { m_charts->Start(m_run->model()); }

void frmWheel::ClearCharts() { m_charts->Clear(); }

void frmWheel::DrawZeroLine() { m_charts->DrawZeroLine(); }

void frmWheel::AdvanceCharts() { m_charts->Advance(m_run->model()); }

void frmWheel::SetTimerInterval(int ms) { m_timer->setInterval(ms); }

void frmWheel::SetTimerEnabled(bool on) { m_timer->setEnabled(on); }

void frmWheel::PlayDingAndWait() { shell::PlayWave(m_soundFile, 0); }

// -- repainting ---------------------------------------------------------------------------

void frmWheel::Form_Paint() {
  DrawWheel();
  DrawFlow();
}

void frmWheel::picFlow_Paint() { DrawFlow(); }

}  // namespace wheel
