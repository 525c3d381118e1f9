#include "levers/leverswindow.h"

#include <QFontMetrics>
#include <cmath>

#include "levers/leverslayout.h"
#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/placement.h"
#include "platform/scrollbar.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "platform/timer.h"
#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"

namespace levers {

using namespace layout;

namespace {

constexpr const char* kToolTips[5] = {" Print Lever ", " Next Screen ", " Help ", " Stop ", " Previous Screen "};

// The tools of each topic, left to right.
constexpr int kLessonTools[4] = {PreviousTool, NextTool, HelpTool, StopTool};
constexpr int kWorkTools[3] = {PrintTool, HelpTool, StopTool};

// The tip shows after the mouse rested this long on a tool.
constexpr int kTipDelayMs = 500;

LeverValues sharedLever() {
  shell::SharedSettings& s = shell::settings();
  return {s.FulcrumPos, s.DEffort, s.DLoad, s.LeverLoad};
}

QString fmt(double v, const char* mask) { return QString::fromStdString(rt::formatNumber(v, mask)); }

}  // namespace

QString LeversWindow::toolTip(int index) {
  return index >= 0 && index <= 4 ? QString::fromLatin1(kToolTips[index]) : QString();
}

LeversWindow::LeversWindow() : m_lever(sharedLever()) {
  setCaption("Levers");
  setBackColor(rt::palette::kPaleBlue);
  setFont(plat::screenFont(kWindowFont.face, kWindowFont.points, kWindowFont.bold));
  setHelp("vtrel.hlp", 1);
  buildTopicPanel();
  buildValues();
  buildBars();
  buildTools();
  connectControls();
}

LeversWindow::~LeversWindow() = default;

void LeversWindow::buildTopicPanel() {
  m_topicsBackdrop = plat::build<plat::Shape>(this, kTopicsBackdrop, plat::Shape::Rectangle);
  m_topicsBackdrop->setObjectName("topicsBackdrop");
  m_topicsBackdrop->setBackOpaque(true);
  m_topicsBackdrop->setBackColor(rt::palette::kSoftBlue);
  m_topicsBackdrop->setBorderColor(rt::palette::kSoftBlue);
  m_topicsFrame = plat::build<plat::Frame>(this, kTopicsFrame);
  m_topicsFrame->setObjectName("topicsFrame");
  m_topicButtons.setRole("topicButton");
  for (int i : {LessonTopic, WorkTopic})
    m_topicButtons.set(i, plat::build<plat::CommandButton>(m_topicsFrame, kTopicButtons[i]));
  m_buttonFrame = plat::build<plat::Frame>(m_topicsFrame, kButtonFrame);
  m_helpButton = plat::build<plat::CommandButton>(m_buttonFrame, kHelpButton);
  m_helpButton->setObjectName("helpButton");
  m_exitButton = plat::build<plat::CommandButton>(m_buttonFrame, kExitButton);
  m_exitButton->setObjectName("exitButton");
}

void LeversWindow::buildValues() {
  m_valuesFrame = plat::build<plat::Frame>(this, kValuesFrame);
  m_valuesFrame->setObjectName("valuesFrame");
  m_valueTitles.setRole("valueTitle");
  for (int i = 0; i < 4; ++i) m_valueTitles.set(i, plat::build<plat::Label>(m_valuesFrame, kValueTitles[i]));
  m_effortFigure = plat::build<plat::Label>(m_valuesFrame, kEffortFigure);
  m_effortFigure->setObjectName("effortFigure");
  m_effortDistanceFigure = plat::build<plat::Label>(m_valuesFrame, kEffortDistanceFigure);
  m_effortDistanceFigure->setObjectName("effortDistanceFigure");
  m_loadFigure = plat::build<plat::Label>(m_valuesFrame, kLoadFigure);
  m_loadFigure->setObjectName("loadFigure");
  m_loadDistanceFigure = plat::build<plat::Label>(m_valuesFrame, kLoadDistanceFigure);
  m_loadDistanceFigure->setObjectName("loadDistanceFigure");
  // Each figure is heard with its title.
  m_effortFigure->setHeardCaptions({m_valueTitles(0)});
  m_effortDistanceFigure->setHeardCaptions({m_valueTitles(1)});
  m_loadFigure->setHeardCaptions({m_valueTitles(2)});
  m_loadDistanceFigure->setHeardCaptions({m_valueTitles(3)});
}

void LeversWindow::buildBars() {
  // Each bar in its frame, named by the role they share ("loadBar" in "loadFrame").
  const auto frameWithBar = [this](const FramedBar& rows, plat::HScrollBar*& bar, const QString& role) {
    auto* frame = plat::build<plat::Frame>(this, rows.frame);
    frame->setObjectName(role + "Frame");
    bar = plat::buildBar<plat::HScrollBar>(frame, rows.bar);
    bar->setObjectName(role + "Bar");
    frame->hide();
    return frame;
  };
  m_loadFrame = frameWithBar(kLoadBar, m_loadBar, "load");
  m_loadPositionFrame = frameWithBar(kLoadPositionBar, m_loadPositionBar, "loadPosition");
  m_effortPositionFrame = frameWithBar(kEffortPositionBar, m_effortPositionBar, "effortPosition");
  m_fulcrumFrame = frameWithBar(kFulcrumBar, m_fulcrumBar, "fulcrum");
  m_effortFrame = frameWithBar(kEffortBar, m_effortBar, "effort");
  // The position bars hold tenths of a lever unit; screen readers hear the position along
  // the lever in the lever units its distances are shown in (0.0 to 10.0).
  for (plat::HScrollBar* bar : {m_loadPositionBar, m_effortPositionBar, m_fulcrumBar})
    bar->setShownValue(plat::inTenths);
  m_valuesFrame->hide();

  m_modeButton = plat::build<plat::CommandButton>(this, kModeButton);
  m_modeButton->setObjectName("modeButton");
  m_modeButton->hide();
}

void LeversWindow::buildTools() {
  m_toolButtons.setRole("toolButton");
  for (int i = 0; i <= 4; ++i) {
    auto* b = m_toolButtons.set(i, plat::build<plat::CommandButton>(this, kTools[i].place));
    b->setPicture(plat::loadPicture(kTools[i].picture), toolTip(i).trimmed());
    b->setToolTip(QString());  // the window shows its own tips
    b->hide();
  }

  m_tipLabel = new plat::Label(this);
  m_tipLabel->setObjectName("tipLabel");
  m_tipLabel->setBackColor(rt::palette::kWhite);
  m_tipLabel->setForeColor(rt::palette::kRed);
  m_tipLabel->setFont(plat::screenFont("MS Sans Serif", 9.75));
  m_tipLabel->hide();

  m_tipTimer = new plat::Timer(this);
  m_tipTimer->setObjectName("tipTimer");
  m_tipTimer->setInterval(kTipDelayMs);
  m_rotationTimer = new plat::Timer(this);
  m_rotationTimer->setObjectName("rotationTimer");
}

void LeversWindow::connectControls() {
  for (int i : {LessonTopic, WorkTopic}) m_topicButtons(i)->onClick = [this, i] { openTopic(i); };
  m_helpButton->onClick = [this] { showHelp(); };
  m_exitButton->onClick = [this] { exitToMenu(); };
  m_fulcrumBar->onChange = [this] { moveFulcrum(); };
  m_effortPositionBar->onChange = [this] { moveEffort(); };
  m_loadPositionBar->onChange = [this] { moveLoad(); };
  m_loadBar->onChange = [this] { changeLoad(); };
  m_loadBar->onScroll = [this] { changeLoad(); };
  m_effortBar->onChange = [this] { applyEffort(); };
  m_modeButton->onClick = [this] { switchMode(); };
  for (int i = 0; i <= 4; ++i) {
    m_toolButtons(i)->onMouseMove = [this, i](int, int, double, double) { hoverTool(i); };
    m_toolButtons(i)->onClick = [this, i] { useTool(i); };
  }
  m_tipTimer->onTimer = [this] { showTip(); };
  m_rotationTimer->onTimer = [this] { rotateStep(); };
}

// ------------------------------------------------------------------------------ load step

void LeversWindow::loadStep() {
  m_clickSound = shell::appFilePath("move.wav");
  m_lever.setConstants();
  m_shapes.setBarBase();
  sizeToFont();

  // The logical screen: 320 x 200 pixels over the client area. Controls are placed on it in
  // logical units from here on.
  plat::Surface& s = surface();
  s.setFont(kWindowFont.face, kWindowFont.points, kWindowFont.bold);
  m_screen = std::make_unique<LeverScreen>(s, m_lever, m_shapes, m_topic);
  m_screen->setLogicalScreen();
  describeSurface(kLeverPictureName);
  placeToolBar();
  placeValueFrames();
  showBarsOfLever();
}

// The window is 40 x 25 cells of its font, centred on the screen with its panel centred
// across it.
void LeversWindow::sizeToFont() {
  const QFontMetrics fm(plat::screenFont(kWindowFont.face, kWindowFont.points, kWindowFont.bold));
  setFixedSize(40 * fm.horizontalAdvance(QLatin1Char('A')), 25 * fm.height());
  centreOnScreen();
  m_topicsFrame->move((width() - m_topicsFrame->width()) / 2, m_topicsFrame->y());
  m_topicsBackdrop->move((width() - m_topicsBackdrop->width()) / 2, m_topicsBackdrop->y());
  m_panelBackColour = backColor();
}

// The tools in one row near the foot of the logical screen; each topic's bar starts at its
// own place: the lesson's centred on Previous, the work's at Next.
void LeversWindow::placeToolBar() {
  plat::Surface& s = surface();
  plat::setTopInScale(m_toolButtons(NextTool), s, 180);
  for (int i : {HelpTool, StopTool, PrintTool, PreviousTool})
    m_toolButtons(i)->move(m_toolButtons(i)->x(), m_toolButtons(NextTool)->y());
  plat::CommandButton* previous = m_toolButtons(PreviousTool);
  m_lessonToolsLeft = rt::roundToInt16(plat::leftInScale(previous, s) + plat::widthInScale(previous, s) * 0.5);
  m_workToolsLeft = rt::roundToInt16(plat::leftInScale(m_toolButtons(NextTool), s));
}

// The values frame at the left, the others centred on c, the middle of the room to its right.
void LeversWindow::placeValueFrames() {
  plat::Surface& s = surface();
  plat::moveInScale(m_valuesFrame, s, 8, 112);
  const double c = (plat::leftInScale(m_valuesFrame, s) + plat::widthInScale(m_valuesFrame, s)) / 2 + 160;
  plat::moveInScale(m_effortFrame, s, c - plat::widthInScale(m_effortFrame, s) / 2, 112);
  plat::moveInScale(m_loadFrame, s, c - plat::widthInScale(m_loadFrame, s), 112);
  plat::moveInScale(m_effortPositionFrame, s, plat::leftInScale(m_loadFrame, s),
                    plat::topInScale(m_loadFrame, s) + plat::heightInScale(m_loadFrame, s));
  plat::moveInScale(m_loadPositionFrame, s, c, plat::topInScale(m_loadFrame, s));
  plat::moveInScale(m_fulcrumFrame, s, c,
                    plat::topInScale(m_loadPositionFrame, s) + plat::heightInScale(m_loadPositionFrame, s));
  plat::setLeftInScale(m_modeButton, s, c - plat::widthInScale(m_modeButton, s) / 2);
}

// A hand-edited settings file may hold values off the lever; they are brought onto it first,
// so the bars, the dimensions and the shared settings agree.
void LeversWindow::showBarsOfLever() {
  m_lever.clampLoadedValues();
  const LeverValues& v = m_lever.values;
  m_loading = true;
  m_effortBar->setValue(0);
  m_loadBar->setValue(rt::roundToInt16(v.LeverLoad));
  m_loadPositionBar->setValue(rt::roundToInt16((v.FulcrumPos + v.DLoad) * 10));
  m_effortPositionBar->setValue(rt::roundToInt16((v.DEffort + v.FulcrumPos) * 10));
  m_fulcrumBar->setValue(rt::roundToInt16(v.FulcrumPos * 10));
  m_loading = false;
  m_lever.classifyLever();
}

void LeversWindow::unloadStep() {
  // Nothing may tick on a window that is gone.
  m_tipTimer->setEnabled(false);
  m_rotationTimer->setEnabled(false);
}

void LeversWindow::closeFromTitleBar() {
  // The way out is Exit's; a topic is ended first, so the user's own values stay.
  if (m_topicOpen) showTopics();
  exitToMenu();
}

// ------------------------------------------------------------------------------ topics

void LeversWindow::openTopic(int topic) {
  m_topic = int16_t(topic);
  m_topicOpen = true;
  m_topicsFrame->hide();
  m_topicsBackdrop->hide();
  setBackColor(rt::palette::kBlack);

  if (topic == LessonTopic) {
    placeTools(kLessonTools, 4, m_lessonToolsLeft);
    m_saved.load = rt::roundToInt16(m_lever.values.LeverLoad);
    m_lever.values.LeverLoad = 10;
    m_screenNumber = 1;
    m_userLeverSaved = false;
    showScreen();
  } else {
    placeTools(kWorkTools, 3, m_workToolsLeft);
    openWork();
  }
}

// The topic's tools side by side from left, in their order, and shown.
void LeversWindow::placeTools(const int* order, int count, double left) {
  plat::Surface& s = surface();
  const double w = plat::widthInScale(m_toolButtons(NextTool), s);
  for (int k = 0; k < count; ++k) plat::setLeftInScale(m_toolButtons(order[k]), s, left + k * w);
  for (int k = 0; k < count; ++k) setToolVisible(order[k], true);
}

// The work topic starts with no effort applied, in change-values mode.
void LeversWindow::openWork() {
  m_lever.AEffort = 0;
  m_effortBar->setValue(0);
  showClassCaption();
  m_effortFigure->setCaption(fmt(m_lever.AEffort, "##0"));
  m_effortDistanceFigure->setCaption(fmt(std::abs(m_lever.values.DEffort), "#0.0"));
  m_loadFigure->setCaption(fmt(m_lever.values.LeverLoad, "##0"));
  m_loadDistanceFigure->setCaption(fmt(std::abs(m_lever.values.DLoad), "#0.0"));
  m_valuesFrame->show();
  m_modeButton->show();
  m_lever.ChangeMode = 0;
  switchMode();
}

void LeversWindow::showTopics() {
  m_tipTimer->setEnabled(false);
  m_tipLabel->hide();
  m_rotationTimer->setEnabled(false);
  for (int i : {PreviousTool, StopTool, HelpTool, NextTool, PrintTool}) setToolVisible(i, false);
  for (QWidget* w : std::initializer_list<QWidget*>{m_valuesFrame, m_effortFrame, m_effortPositionFrame, m_loadFrame,
                                                    m_loadPositionFrame, m_fulcrumFrame, m_modeButton})
    w->hide();
  if (m_topic == LessonTopic) {
    // The lesson's examples give way to the user's own lever; the bars still show it.
    m_lever.values.LeverLoad = m_saved.load;
    restoreUserLever();
  }
  m_topicOpen = false;
  describeSurface(kLeverPictureName);
  setBackColor(m_panelBackColour);
  m_topicsBackdrop->show();
  m_topicsFrame->show();
}

void LeversWindow::keepUserLever() {
  m_saved.leverClass = m_lever.LeverClass;
  m_saved.fulcrumPos = m_lever.values.FulcrumPos;
  m_saved.dEffort = m_lever.values.DEffort;
  m_saved.dLoad = m_lever.values.DLoad;
}

void LeversWindow::restoreUserLever() {
  m_lever.LeverClass = m_saved.leverClass;
  m_lever.values.FulcrumPos = m_saved.fulcrumPos;
  m_lever.values.DEffort = m_saved.dEffort;
  m_lever.values.DLoad = m_saved.dLoad;
}

void LeversWindow::setToolVisible(int index, bool on) {
  if (plat::CommandButton* b = m_toolButtons(index)) b->setVisible(on);
}

void LeversWindow::useTool(int tool) {
  m_tipLabel->hide();
  m_tipTimer->setEnabled(false);
  switch (tool) {
    case PrintTool: printLever(); break;
    case NextTool: showNextScreen(); break;
    case HelpTool: showHelp(); break;
    case StopTool: showTopics(); break;
    case PreviousTool: showPreviousScreen(); break;
    default: break;
  }
}

void LeversWindow::exitToMenu() {
  unload();
  returnToMenu();
}

// ------------------------------------------------------------------------------ tips

void LeversWindow::hoverTool(int tool) {
  if (tool == m_lastTip) return;
  m_tipLabel->hide();
  m_tipTimer->setEnabled(true);
  m_hoverTool = int16_t(tool);
}

void LeversWindow::mouseMoveOnWindow(int, int, double, double) {
  m_lastTip = -1;
  m_tipTimer->setEnabled(false);
  m_tipLabel->hide();
}

void LeversWindow::showTip() {
  if (m_hoverTool == m_lastTip) return;
  m_lastTip = m_hoverTool;
  m_tipTimer->setEnabled(false);
  if (m_hoverTool >= 0 && m_hoverTool <= 4) m_tipLabel->setCaption(toolTip(m_hoverTool));
  m_tipLabel->adjustSize();
  // Centred over the tool, just above it.
  plat::CommandButton* tool = m_toolButtons(m_hoverTool);
  if (!tool) return;
  const plat::Surface& s = surface();
  const double left =
      plat::leftInScale(tool, s) + (plat::widthInScale(tool, s) - plat::widthInScale(m_tipLabel, s)) / 2;
  const double top = plat::topInScale(tool, s) - plat::heightInScale(m_tipLabel, s) - 1;
  plat::moveInScale(m_tipLabel, s, left, top);
  m_tipLabel->raise();
  m_tipLabel->show();
}

// ------------------------------------------------------------------------------ the lever

void LeversWindow::showClassCaption() { m_valuesFrame->setCaption(QString::fromStdString(m_lever.classCaption())); }

void LeversWindow::showDistances() {
  m_effortDistanceFigure->setCaption(fmt(std::abs(m_lever.values.DEffort), "#0.0"));
  m_loadDistanceFigure->setCaption(fmt(std::abs(m_lever.values.DLoad), "#0.0"));
}

void LeversWindow::moveEffort() {
  if (m_loading) return;
  m_screen->clearAboveLever();
  m_lever.moveEffort(m_effortPositionBar->value());
  m_effortDistanceFigure->setCaption(fmt(std::abs(m_lever.values.DEffort), "#0.0"));
  redrawAfterMove();
}

void LeversWindow::moveLoad() {
  if (m_loading) return;
  m_screen->clearAboveLever();
  m_lever.moveLoad(m_loadPositionBar->value());
  m_loadDistanceFigure->setCaption(fmt(std::abs(m_lever.values.DLoad), "#0.0"));
  redrawAfterMove();
}

// After the effort or the load moved: the class may change, and the shapes above the lever
// are drawn again over the cleared band.
void LeversWindow::redrawAfterMove() {
  m_lever.classifyLever();
  showClassCaption();
  m_screen->drawLoad();
  m_screen->drawEffortArrow();
  m_screen->drawLever();
  m_screen->drawDimensions();
}

void LeversWindow::moveFulcrum() {
  if (m_loading) return;
  m_screen->clearAboveLever();
  m_screen->clearBelowLever();
  m_lever.moveFulcrum(m_fulcrumBar->value(), m_effortPositionBar->value(), m_loadPositionBar->value());
  showDistances();
  m_lever.classifyLever();
  showClassCaption();
  m_screen->drawFulcrum();
  m_screen->drawEffortArrow();
  m_screen->drawLoad();
  m_screen->drawLever();
  m_screen->drawDimensions();
}

void LeversWindow::changeLoad() {
  if (m_loading) return;
  const float value = float(m_loadBar->value());
  float& load = m_lever.values.LeverLoad;
  if (load == 0 && value != 0) {
    load = value;
    m_screen->drawLoad();
  } else if (load != 0 && value == 0) {
    m_screen->eraseLoad();
  }
  load = value;
  m_loadFigure->setCaption(fmt(load, "##0"));
}

void LeversWindow::applyEffort() {
  if (m_loading) return;
  // A running rotation takes the new effort from its next step; nothing is redrawn.
  m_lever.AEffort = float(m_effortBar->value());
  m_effortFigure->setCaption(fmt(m_lever.AEffort, "##0"));
}

void LeversWindow::switchMode() {
  if (m_lever.ChangeMode != 0)
    showEffortView();
  else
    showValuesView();
}

// Into apply-effort mode: the marks go, the lever starts resting on the side of its load.
void LeversWindow::showEffortView() {
  plat::Surface& s = surface();
  m_screen->prepareEffortView();
  m_lever.ChangeMode = 0;
  plat::setTopInScale(m_modeButton, s, plat::topInScale(m_effortFrame, s) + plat::heightInScale(m_effortFrame, s) + 2);
  m_modeButton->setCaption("Change Values");
  m_effortFrame->show();
  setSetupFramesVisible(false);
  const int interval = m_lever.startRotation();
  m_screen->redrawMovingShapes();
  m_rotationTimer->setInterval(interval);
  m_rotationTimer->setEnabled(true);
}

// Back to change-values mode: the whole screen again, the lever level, the marks drawn.
void LeversWindow::showValuesView() {
  plat::Surface& s = surface();
  m_screen->clearLeverArea();
  m_lever.Theta = 0;
  m_screen->drawScene();
  m_rotationTimer->setEnabled(false);
  m_screen->drawDimensions();
  m_lever.ChangeMode = 1;
  plat::setTopInScale(m_modeButton, s,
                      plat::topInScale(m_fulcrumFrame, s) + plat::heightInScale(m_fulcrumFrame, s) + 2);
  m_modeButton->setCaption("Apply Effort");
  m_effortFrame->hide();
  setSetupFramesVisible(true);
}

// The frames of the four bars that set the lever up.
void LeversWindow::setSetupFramesVisible(bool on) {
  for (QWidget* w : {m_loadFrame, m_loadPositionFrame, m_effortPositionFrame, m_fulcrumFrame}) w->setVisible(on);
}

void LeversWindow::rotateStep() {
  struct Hooks : RotationHooks {
    LeversWindow* window;
    explicit Hooks(LeversWindow* win) : window(win) {}
    // A waiting play: the step goes on when the click has ended.
    void click() override { shell::playWave(window->m_clickSound, 0); }
    void redraw() override { window->m_screen->redrawMovingShapes(); }
  } hooks(this);
  m_rotationTimer->setInterval(m_lever.rotationStep(shell::tickClock(), hooks));
}

}  // namespace levers
