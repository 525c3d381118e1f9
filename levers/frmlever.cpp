#include "levers/frmlever.h"

#include <QFontMetrics>
#include <cmath>

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/placement.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/clocks.h"
#include "shell/settings.h"

namespace levers {

namespace {

constexpr rt::Colour kPanelBack = 0x00FFC0C0;  // light blue
constexpr rt::Colour kBlue = 0x00FF0000;
constexpr rt::Colour kRed = 0x000000FF;
constexpr rt::Colour kYellow = 0x0000FFFF;
constexpr rt::Colour kCyan = 0x00FFFF00;
constexpr rt::Colour kWhite = 0x00FFFFFF;
constexpr rt::Colour kShapeBlue = 0x00FF8080;

LeverValues sharedLever() {
  shell::SharedSettings& s = shell::settings();
  return {s.FulcrumPos, s.DEffort, s.DLoad, s.LeverLoad};
}

QString fmt(double v, const char* mask) { return QString::fromStdString(rt::Format(v, mask)); }

plat::Frame* makeFrame(QWidget* parent, const QString& caption, rt::Colour back, double points, bool bold) {
  auto* f = new plat::Frame(parent, caption);
  f->setBackColor(back);
  f->setForeColor(kYellow);
  f->setFont(plat::screenFont("MS Sans Serif", points, bold));
  return f;
}

plat::Label* makeLabel(QWidget* parent, const QString& caption, rt::Colour fore, double top, double left,
                       double width) {
  auto* l = new plat::Label(parent, caption);
  l->setBackColor(kBlue);
  l->setForeColor(fore);
  l->setFont(plat::screenFont("MS Sans Serif", 9.75, true));
  plat::placeTwips(l, left, top, width, 375);
  return l;
}

}  // namespace

QString frmLever::toolTip(int index) {
  static const char* const tips[5] = {" Print Lever ", " Next Screen ", " Help ", " Stop ", " Previous Screen "};
  return index >= 0 && index <= 4 ? QString::fromLatin1(tips[index]) : QString();
}

frmLever::frmLever() : m_lever(sharedLever()) {
  setCaption("Levers");
  setBackColor(kPanelBack);
  setFont(plat::screenFont("Courier New", 15.75, true));
  setHelp("vtrel.hlp", 1);
  buildControls();
}

frmLever::~frmLever() = default;

void frmLever::buildControls() {
  // The topic panel: a light blue frame around a blue one holding the two topics, Help and Exit.
  shpMain = new plat::Shape(this, plat::Shape::Rectangle);
  shpMain->setBackOpaque(true);
  shpMain->setBackColor(kShapeBlue);
  shpMain->setBorderColor(kShapeBlue);
  plat::placeTwips(shpMain, 2040, 720, 4215, 3855);

  fraMain = makeFrame(this, "Levers Topics", kBlue, 13.5, true);
  plat::placeTwips(fraMain, 2280, 960, 3735, 3375);
  const char* topics[3] = {"", "Learn About Levers", "Work With Levers"};
  for (int i = 1; i <= 2; ++i) {
    auto* b = cmdChoice.set(i, new plat::CommandButton(fraMain));
    b->setCaption(topics[i]);
    b->setFont(plat::screenFont("Arial", 12, true));
    plat::placeTwips(b, 360, i == 1 ? 720 : 1440, 3015, 615);
    b->onClick = [this, i] { cmdChoice_Click(i); };
  }
  Frame2 = makeFrame(fraMain, QString(), kBlue, 8.25, true);
  plat::placeTwips(Frame2, 480, 2280, 2775, 855);
  cmdHelp = new plat::CommandButton(Frame2);
  cmdHelp->setCaption("&Help");
  cmdHelp->setFont(plat::screenFont("MS Sans Serif", 8.25, true));
  plat::placeTwips(cmdHelp, 240, 240, 1095, 495);
  cmdHelp->onClick = [this] { cmdHelp_Click(); };
  cmdExit = new plat::CommandButton(Frame2);
  cmdExit->setCaption("E&xit");
  cmdExit->setFont(plat::screenFont("MS Sans Serif", 8.25, true));
  plat::placeTwips(cmdExit, 1440, 240, 1092, 492);
  cmdExit->onClick = [this] { cmdExit_Click(); };

  // The lever's values and class.
  fraValues = makeFrame(this, "3rd Class Lever", kBlue, 13.5, false);
  plat::placeTwips(fraValues, 480, 2040, 2535, 2055);
  const char* names[4] = {"Effort", "D Effort", "Load", "D Load"};
  const double tops[4] = {360, 720, 1200, 1560};
  for (int i = 0; i < 4; ++i) Label1.set(i, makeLabel(fraValues, names[i], kCyan, tops[i], 240, 1095));
  lblEffort = makeLabel(fraValues, "0", kWhite, tops[0], 1440, 855);
  lblDEffort = makeLabel(fraValues, "0.0", kWhite, tops[1], 1440, 855);
  lblLoad = makeLabel(fraValues, "0", kWhite, tops[2], 1440, 855);
  lblDLoad = makeLabel(fraValues, "0.0", kWhite, tops[3], 1440, 855);

  // The four position and load bars in red frames, the applied effort in a blue one.
  auto valueFrame = [this](const QString& caption, rt::Colour back, double width, plat::HScrollBar*& bar,
                           double barLeft, double barWidth, int max, int large) {
    plat::Frame* f = makeFrame(this, caption, back, 12, false);
    plat::placeTwips(f, 0, 0, width, 735);
    bar = new plat::HScrollBar(f);
    plat::placeTwips(bar, barLeft, 360, barWidth, 255);
    bar->setRange(0, max);
    bar->setSmallChange(1);
    bar->setLargeChange(large);
    bar->setAccessibleCaption(caption);
    f->hide();
    return f;
  };
  fraCLoad = valueFrame("Change Load", kRed, 2175, hsbCLoad, 120, 1935, 200, 10);
  fraMLoad = valueFrame("Move Load", kRed, 2175, hsbMLoad, 120, 1935, 100, 10);
  fraMEffort = valueFrame("Move Effort", kRed, 2175, hsbMEffort, 120, 1935, 100, 10);
  fraMFulcrum = valueFrame("Move Fulcrum", kRed, 2175, hsbMFulcrum, 120, 1935, 100, 10);
  fraAEffort = valueFrame("Apply Effort", kBlue, 2775, hsbAEffort, 240, 2295, 200, 10);
  hsbMFulcrum->onChange = [this] { hsbMFulcrum_Change(); };
  hsbMEffort->onChange = [this] { hsbMEffort_Change(); };
  hsbMLoad->onChange = [this] { hsbMLoad_Change(); };
  hsbCLoad->onChange = [this] { hsbCLoad_Change(); };
  hsbCLoad->onScroll = [this] { hsbCLoad_Scroll(); };
  hsbAEffort->onChange = [this] { hsbAEffort_Change(); };
  fraValues->hide();

  cmdOptions = new plat::CommandButton(this, "Apply Effort");
  cmdOptions->setFont(plat::screenFont("MS Sans Serif", 9.75, true));
  plat::placeTwips(cmdOptions, 0, 0, 2175, 495);
  cmdOptions->onClick = [this] { cmdOptions_Click(); };
  cmdOptions->hide();

  // The tool bar: picture buttons without captions, named for screen readers by their tips.
  struct Tool {
    const char* picture;
    double left, width;
  } tools[5] = {{"toolprint.png", 3240, 630},
                {"toolnext.png", 3240, 615},
                {"help16.png", 3840, 645},
                {"toolstop.png", 4440, 630},
                {"toolprev.png", 2640, 615}};
  for (int i = 0; i <= 4; ++i) {
    auto* b = cmdTool.set(i, new plat::CommandButton(this));
    b->setPicture(plat::loadPicture(tools[i].picture), toolTip(i).trimmed());
    b->setToolTip(QString());  // the window shows its own tips
    plat::placeTwips(b, tools[i].left, 5640, tools[i].width, 615);
    b->onMouseMove = [this, i](int, int, double, double) { cmdTool_MouseMove(i); };
    b->onClick = [this, i] { cmdTool_Click(i); };
    b->hide();
  }

  lblTip = new plat::Label(this);
  lblTip->setBackColor(kWhite);
  lblTip->setForeColor(kRed);
  lblTip->setFont(plat::screenFont("MS Sans Serif", 9.75));
  lblTip->hide();

  Timer1 = new plat::Timer(this);
  Timer1->setInterval(500);
  Timer1->onTimer = [this] { Timer1_Timer(); };
  Timer2 = new plat::Timer(this);
  Timer2->onTimer = [this] { Timer2_Timer(); };
}

// ------------------------------------------------------------------------------ load step

void frmLever::Form_Load() {
  SoundFile = shell::AppFilePath("move.wav");
  m_lever.setConstants();
  m_shapes.setBarBase();

  // The window is 40 x 25 cells of its font.
  const QFontMetrics fm(plat::screenFont("Courier New", 15.75, true));
  setFixedSize(40 * fm.horizontalAdvance(QLatin1Char('A')), 25 * fm.height());
  centreOnScreen();
  fraMain->move((width() - fraMain->width()) / 2, fraMain->y());
  shpMain->move((width() - shpMain->width()) / 2, shpMain->y());
  OrigBackColor = backColor();

  // The logical screen: 320 x 200 pixels over the client area. Controls are placed on it in
  // logical units from here on.
  plat::Surface& s = surface();
  s.setFont("Courier New", 15.75, true);
  m_screen = std::make_unique<LeverScreen>(s, m_lever, m_shapes, ChoiceIndex);
  m_screen->setLogicalScreen();

  plat::setTopInScale(cmdTool(1), s, 180);
  for (int i : {2, 3, 0, 4}) cmdTool(i)->move(cmdTool(i)->x(), cmdTool(1)->y());
  BarOriginLearn = rt::CInt(plat::leftInScale(cmdTool(4), s) + plat::widthInScale(cmdTool(4), s) * 0.5);
  BarOriginWork = rt::CInt(plat::leftInScale(cmdTool(1), s));

  // The value frames: fraValues at the left, the others centred on c, the middle of the room
  // to its right.
  plat::moveInScale(fraValues, s, 8, 112);
  const double c = (plat::leftInScale(fraValues, s) + plat::widthInScale(fraValues, s)) / 2 + 160;
  plat::moveInScale(fraAEffort, s, c - plat::widthInScale(fraAEffort, s) / 2, 112);
  plat::moveInScale(fraCLoad, s, c - plat::widthInScale(fraCLoad, s), 112);
  plat::moveInScale(fraMEffort, s, plat::leftInScale(fraCLoad, s),
                    plat::topInScale(fraCLoad, s) + plat::heightInScale(fraCLoad, s));
  plat::moveInScale(fraMLoad, s, c, plat::topInScale(fraCLoad, s));
  plat::moveInScale(fraMFulcrum, s, c, plat::topInScale(fraMLoad, s) + plat::heightInScale(fraMLoad, s));
  plat::setLeftInScale(cmdOptions, s, c - plat::widthInScale(cmdOptions, s) / 2);

  // A hand-edited settings file may hold values off the lever; they are brought onto it
  // first, so the bars, the dimensions and the shared settings agree.
  m_lever.clampLoadedValues();
  const LeverValues& v = m_lever.v;
  Loading = 1;
  hsbAEffort->setValue(0);
  hsbCLoad->setValue(rt::CInt(v.LeverLoad));
  hsbMLoad->setValue(rt::CInt((v.FulcrumPos + v.DLoad) * 10));
  hsbMEffort->setValue(rt::CInt((v.DEffort + v.FulcrumPos) * 10));
  hsbMFulcrum->setValue(rt::CInt(v.FulcrumPos * 10));
  Loading = 0;
  m_lever.ClassifyLever();
}

void frmLever::Form_Unload() {
  // Nothing may tick on a window that is gone.
  Timer1->setEnabled(false);
  Timer2->setEnabled(false);
}

void frmLever::closeFromTitleBar() {
  // The way out is Exit's; a topic is ended first, so the user's own values stay.
  if (m_topicOpen) ShowTopics();
  cmdExit_Click();
}

// ------------------------------------------------------------------------------ topics

void frmLever::cmdChoice_Click(int Index) {
  plat::Surface& s = surface();
  ChoiceIndex = int16_t(Index);
  m_topicOpen = true;
  fraMain->hide();
  shpMain->hide();
  setBackColor(0);

  const double W = plat::widthInScale(cmdTool(1), s);
  if (Index == 1) {
    const double o = BarOriginLearn;
    const int order[4] = {4, 1, 2, 3};
    for (int k = 0; k < 4; ++k) plat::setLeftInScale(cmdTool(order[k]), s, o + k * W);
    for (int i : order) setToolVisible(i, true);
  } else {
    const double o = BarOriginWork;
    const int order[3] = {0, 2, 3};
    for (int k = 0; k < 3; ++k) plat::setLeftInScale(cmdTool(order[k]), s, o + k * W);
    for (int i : order) setToolVisible(i, true);
  }

  if (Index == 1) {
    SavedLoad = rt::CInt(m_lever.v.LeverLoad);
    m_lever.v.LeverLoad = 10;
    ScreenNum = 1;
    m_userLeverSaved = false;
    ShowScreen();
  } else {
    m_lever.AEffort = 0;
    hsbAEffort->setValue(0);
    showClassCaption();
    lblEffort->setCaption(fmt(m_lever.AEffort, "##0"));
    lblDEffort->setCaption(fmt(std::abs(m_lever.v.DEffort), "#0.0"));
    lblLoad->setCaption(fmt(m_lever.v.LeverLoad, "##0"));
    lblDLoad->setCaption(fmt(std::abs(m_lever.v.DLoad), "#0.0"));
    fraValues->show();
    cmdOptions->show();
    m_lever.ChangeMode = 0;
    cmdOptions_Click();
  }
}

void frmLever::ShowTopics() {
  Timer1->setEnabled(false);
  lblTip->hide();
  Timer2->setEnabled(false);
  for (int i : {4, 3, 2, 1, 0}) setToolVisible(i, false);
  for (QWidget* w : std::initializer_list<QWidget*>{fraValues, fraAEffort, fraMEffort, fraCLoad, fraMLoad,
                                                    fraMFulcrum, cmdOptions})
    w->hide();
  if (ChoiceIndex == 1) {
    // The lesson's examples give way to the user's own lever; the bars still show it.
    LeverValues& v = m_lever.v;
    v.LeverLoad = SavedLoad;
    m_lever.LeverClass = SavedClass;
    v.FulcrumPos = SavedFulcrumPos;
    v.DEffort = SavedDEffort;
    v.DLoad = SavedDLoad;
  }
  m_topicOpen = false;
  setBackColor(OrigBackColor);
  shpMain->show();
  fraMain->show();
}

void frmLever::setToolVisible(int index, bool on) {
  if (plat::CommandButton* b = cmdTool(index)) b->setVisible(on);
}

void frmLever::cmdTool_Click(int Index) {
  lblTip->hide();
  Timer1->setEnabled(false);
  switch (Index) {
    case 0: PrintLever(); break;
    case 1: ShowNextScreen(); break;
    case 2: cmdHelp_Click(); break;
    case 3: ShowTopics(); break;
    case 4: ShowPreviousScreen(); break;
    default: break;
  }
}

void frmLever::cmdHelp_Click() { plat::help().showTopic(shell::BasePath + "vtrel.hlp", 1); }

void frmLever::cmdExit_Click() {
  Unload();
  returnToMenu();
}

// ------------------------------------------------------------------------------ tips

void frmLever::cmdTool_MouseMove(int Index) {
  if (Index == LastTip) return;
  lblTip->hide();
  Timer1->setEnabled(true);
  HoverTool = int16_t(Index);
}

void frmLever::Form_MouseMove(int, int, double, double) {
  LastTip = -1;
  Timer1->setEnabled(false);
  lblTip->hide();
}

void frmLever::Timer1_Timer() {
  if (HoverTool == LastTip) return;
  LastTip = HoverTool;
  Timer1->setEnabled(false);
  if (HoverTool >= 0 && HoverTool <= 4) lblTip->setCaption(toolTip(HoverTool));
  lblTip->adjustSize();
  // Centred over the tool, just above it.
  plat::CommandButton* tool = cmdTool(HoverTool);
  if (!tool) return;
  const plat::Surface& s = surface();
  const double left =
      plat::leftInScale(tool, s) + (plat::widthInScale(tool, s) - plat::widthInScale(lblTip, s)) / 2;
  const double top = plat::topInScale(tool, s) - plat::heightInScale(lblTip, s) - 1;
  plat::moveInScale(lblTip, s, left, top);
  lblTip->raise();
  lblTip->show();
}

// ------------------------------------------------------------------------------ the lever

void frmLever::showClassCaption() { fraValues->setCaption(QString::fromStdString(m_lever.classCaption())); }

void frmLever::showDistances() {
  lblDEffort->setCaption(fmt(std::abs(m_lever.v.DEffort), "#0.0"));
  lblDLoad->setCaption(fmt(std::abs(m_lever.v.DLoad), "#0.0"));
}

void frmLever::hsbMEffort_Change() {
  if (Loading == 1) return;
  m_screen->ClearAboveLever();
  m_lever.moveEffort(hsbMEffort->value());
  lblDEffort->setCaption(fmt(std::abs(m_lever.v.DEffort), "#0.0"));
  redrawAfterMove();
}

void frmLever::hsbMLoad_Change() {
  if (Loading == 1) return;
  m_screen->ClearAboveLever();
  m_lever.moveLoad(hsbMLoad->value());
  lblDLoad->setCaption(fmt(std::abs(m_lever.v.DLoad), "#0.0"));
  redrawAfterMove();
}

// After the effort or the load moved: the class may change, and the shapes above the lever
// are drawn again over the cleared band.
void frmLever::redrawAfterMove() {
  m_lever.ClassifyLever();
  showClassCaption();
  m_screen->DrawLoad();
  m_screen->DrawEffortArrow();
  m_screen->DrawLever();
  m_screen->DrawDimensions();
}

void frmLever::hsbMFulcrum_Change() {
  if (Loading == 1) return;
  m_screen->ClearAboveLever();
  m_screen->ClearBelowLever();
  m_lever.moveFulcrum(hsbMFulcrum->value(), hsbMEffort->value(), hsbMLoad->value());
  showDistances();
  m_lever.ClassifyLever();
  showClassCaption();
  m_screen->DrawFulcrum();
  m_screen->DrawEffortArrow();
  m_screen->DrawLoad();
  m_screen->DrawLever();
  m_screen->DrawDimensions();
}

void frmLever::hsbCLoad_Change() {
  if (Loading == 1) return;
  const float value = float(hsbCLoad->value());
  float& load = m_lever.v.LeverLoad;
  if (load == 0 && value != 0) {
    load = value;
    m_screen->DrawLoad();
  } else if (load != 0 && value == 0) {
    m_screen->EraseLoad();
  }
  load = value;
  lblLoad->setCaption(fmt(load, "##0"));
}

// The load follows the thumb while it is dragged.
void frmLever::hsbCLoad_Scroll() { hsbCLoad_Change(); }

void frmLever::hsbAEffort_Change() {
  if (Loading == 1) return;
  // A running rotation takes the new effort from its next step; nothing is redrawn.
  m_lever.AEffort = float(hsbAEffort->value());
  lblEffort->setCaption(fmt(m_lever.AEffort, "##0"));
}

void frmLever::cmdOptions_Click() {
  plat::Surface& s = surface();
  if (m_lever.ChangeMode != 0) {
    // Into apply-effort mode: the marks go, the lever starts resting on the side of its load.
    m_screen->PrepareEffortView();
    m_lever.ChangeMode = 0;
    plat::setTopInScale(cmdOptions, s, plat::topInScale(fraAEffort, s) + plat::heightInScale(fraAEffort, s) + 2);
    cmdOptions->setCaption("Change Values");
    fraAEffort->show();
    for (QWidget* w : std::initializer_list<QWidget*>{fraCLoad, fraMLoad, fraMEffort, fraMFulcrum}) w->hide();
    const int interval = m_lever.startRotation();
    m_screen->RedrawMovingShapes();
    Timer2->setInterval(interval);
    Timer2->setEnabled(true);
  } else {
    // Back to change-values mode: the whole screen again, the lever level, the marks drawn.
    m_screen->ClearLeverArea();
    m_lever.Theta = 0;
    m_screen->DrawScene();
    Timer2->setEnabled(false);
    m_screen->DrawDimensions();
    m_lever.ChangeMode = 1;
    plat::setTopInScale(cmdOptions, s, plat::topInScale(fraMFulcrum, s) + plat::heightInScale(fraMFulcrum, s) + 2);
    cmdOptions->setCaption("Apply Effort");
    fraAEffort->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{fraCLoad, fraMLoad, fraMEffort, fraMFulcrum}) w->show();
  }
}

void frmLever::Timer2_Timer() {
  struct Hooks : RotationHooks {
    frmLever* w;
    explicit Hooks(frmLever* win) : w(win) {}
    // A waiting play: the step goes on when the click has ended.
    void click() override { shell::PlayWave(w->SoundFile, 0); }
    void redraw() override { w->m_screen->RedrawMovingShapes(); }
  } hooks(this);
  Timer2->setInterval(m_lever.rotationStep(shell::tickClock(), hooks));
}

}  // namespace levers
