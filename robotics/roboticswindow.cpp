#include "robotics/roboticswindow.h"

#include "platform/button.h"
#include "platform/controlarray.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/timer.h"
#include "robotics/printrobot.h"
#include "robotics/robotgrid.h"
#include "runtime/palette.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"

namespace robotics {

namespace {

constexpr int kHelpTopic = 7;
constexpr int kTickMs = 50;

constexpr plat::FontStyle kLabelFont{"Arial", 9, true};

// The rows of the panels' texts, read-outs and spin buttons (a spin button's caption is the
// name screen readers give its halves).
constexpr plat::ControlRow titleRow(const char* caption, double left, double top, double width) {
  return {caption, left, top, width, 285, kLabelFont};
}
constexpr plat::ControlRow readoutRow(double left, double top, double width) {
  return {nullptr, left, top, width, 285, kLabelFont, plat::kNoColour, rt::palette::kWhite};
}
constexpr plat::ControlRow spinnerRow(const char* name, double left, double top) { return {name, left, top, 255, 285}; }

// One setting of a panel: its title, its read-out and, where the user changes it, its spin button.
struct SettingRows {
  plat::ControlRow title, readout, spinner;
};
// A point of the target frame: its title, then x and y, each with its own title.
struct PointRows {
  plat::ControlRow title, xTitle, x, yTitle, y;
};

// Title and commands.
constexpr plat::ControlRow kTitlePicture{nullptr, 120, 120, 480, 480};
constexpr plat::ControlRow kTitle{"Robotics", 720, 120, 2760, 600, {"Arial Black", 18}};
constexpr plat::ControlRow kHelpButton{"&Help", 3600, 120, 1095, 495};
constexpr plat::ControlRow kExitButton{"E&xit", 4800, 120, 1095, 495};
constexpr plat::ControlRow kGrid{nullptr, 120, 840, 6015, 6015};

// Mode.
constexpr plat::ControlRow kModeFrame{"Mode", 6240, 120, 3135, 615};
constexpr plat::ControlRow kModeOptions[3] = {
    {nullptr, 90, 255, 1065, 285}, {nullptr, 1155, 255, 975, 285}, {nullptr, 2160, 255, 900, 285}};

// The arm panel: angles and hand on the left, lengths and resolutions on the right.
constexpr plat::ControlRow kArmPanel{nullptr, 6240, 840, 3135, 2295, {}, plat::kNoColour, rt::palette::kPaleYellow};
constexpr SettingRows kAngleRows[2] = {
    {titleRow("A1", 120, 120, 375), readoutRow(495, 120, 615), spinnerRow("A1", 1110, 120)},
    {titleRow("A2", 120, 480, 375), readoutRow(495, 480, 615), spinnerRow("A2", 1110, 480)},
};
constexpr SettingRows kHandRows[2] = {
    {titleRow("X", 120, 840, 375), readoutRow(495, 840, 870), {}},
    {titleRow("Y", 120, 1200, 375), readoutRow(495, 1200, 870), {}},
};
constexpr SettingRows kLinkRows[2] = {
    {titleRow("L1", 1500, 120, 660), readoutRow(2160, 120, 495), spinnerRow("L1", 2655, 120)},
    {titleRow("L2", 1500, 480, 660), readoutRow(2160, 480, 495), spinnerRow("L2", 2655, 480)},
};
constexpr SettingRows kResolutionRows[2] = {
    {titleRow("A1Res", 1500, 840, 660), readoutRow(2160, 840, 495), spinnerRow("A1Res", 2655, 840)},
    {titleRow("A2Res", 1500, 1200, 660), readoutRow(2160, 1200, 495), spinnerRow("A2Res", 2655, 1200)},
};
constexpr plat::ControlRow kPrintButton{"&Print", 120, 1680, 1335, 435};
constexpr plat::ControlRow kClearPathButton{"&Clear Path", 1620, 1680, 1395, 435};

// Forward mode's frame.
constexpr plat::ControlRow kForwardFrame{"Forward", 6240, 3240, 3135, 3615};
constexpr plat::ControlRow kForwardHint{
    "Change A1 and A2 to see how X and Y change and to view path followed.", 240, 480, 2655, 1500, kLabelFont};

// Inverse and Path modes' frame.
constexpr plat::ControlRow kTargetFrame{"Inverse", 6240, 3240, 3135, 3615};
constexpr PointRows kStartRows{titleRow("Start", 120, 300, 720), titleRow("X", 870, 300, 210),
                               readoutRow(1080, 300, 735), titleRow("Y", 1875, 300, 210), readoutRow(2085, 300, 735)};
constexpr PointRows kDesiredRows{titleRow("Desired", 120, 660, 750), titleRow("X", 870, 660, 210),
                                 readoutRow(1080, 660, 735), titleRow("Y", 1875, 660, 210), readoutRow(2085, 660, 735)};
constexpr SettingRows kPathStepsRows{titleRow("Steps", 120, 1020, 750), readoutRow(1080, 1020, 735),
                                     spinnerRow("Steps", 1815, 1020)};
// The four option panels by index (0, 1 the joints' directions below; 2 the order and 3 the
// elbow above), made in the order the panels stand, top row first.
constexpr plat::ControlRow kOptionPanels[4] = {
    {nullptr, 120, 2280, 1425, 855, {}, plat::kNoColour, rt::palette::kPaleYellow},
    {nullptr, 1590, 2280, 1425, 855, {}, plat::kNoColour, rt::palette::kPaleYellow},
    {nullptr, 120, 1380, 1425, 855, {}, plat::kNoColour, rt::palette::kPaleYellow},
    {nullptr, 1590, 1380, 1425, 855, {}, plat::kNoColour, rt::palette::kPaleYellow}};
constexpr int kOptionPanelOrder[4] = {2, 3, 0, 1};
constexpr plat::ControlRow kMotionOptions[3] = {
    {nullptr, 60, 45, 1320, 255}, {nullptr, 60, 300, 1320, 255}, {nullptr, 60, 555, 1320, 255}};
constexpr plat::ControlRow kMoveButton{"&Move", 120, 3195, 1425, 375};
constexpr plat::ControlRow kReturnButton{"&Return", 1590, 3195, 1425, 375};

plat::SpinButton* makeSpinner(QWidget* parent, const plat::ControlRow& row) {
  auto* s = new plat::SpinButton(parent);
  s->setAccessibleCaption(QString::fromUtf8(row.caption));
  plat::applyRow(s, row);
  return s;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The ranges the arm keeps its settings in, as its spin buttons read them out with the
// values shown beside them.
constexpr double kAngleLimit = 180;  // degrees, either way
constexpr double kShortestLink = 1, kLongestLink = 9;
constexpr double kFewestPathSteps = 1, kMostPathSteps = 50;

constexpr double kLinkStep = 1, kPathStepsStep = 1;

void showSpinnerValue(plat::SpinButton* spinner, const std::string& shown, double minimum, double maximum,
                      double step) {
  spinner->setValue(qs(shown).toDouble(), minimum, maximum, step);
}

// A press takes a resolution to its neighbour in the table: the step is the gap up to the
// next one, or down from the last.
double resolutionStep(int16_t index) {
  const size_t i = size_t(index);
  return i + 1 < kResolutionTable.size() ? kResolutionTable[i + 1] - kResolutionTable[i]
                                         : kResolutionTable[i] - kResolutionTable[i - 1];
}

}  // namespace

RoboticsWindow::RoboticsWindow() {
  setCaption("Robotics");
  setBackColor(rt::palette::kPaleYellow);
  setClientSizeTwips(9495, 6975);
  setHelp("vtrel.hlp", kHelpTopic);
  setFont(plat::screenFont(kLabelFont.face, kLabelFont.points, kLabelFont.bold));

  buildTitleAndGrid();
  buildModeFrame();
  buildArmPanel();
  buildForwardFrame();
  buildTargetFrame();

  m_motionTimer = new plat::Timer(this);
  m_motionTimer->setObjectName("motionTimer");
  m_motionTimer->setInterval(kTickMs);
  m_motionTimer->onTimer = [this] { motionStep(); };

  RobotView& view = *this;
  RobotSound& sound = *this;
  m_arm = std::make_unique<RobotArm>(view, sound);
}

RoboticsWindow::~RoboticsWindow() = default;

void RoboticsWindow::buildTitleAndGrid() {
  m_titlePicture = plat::build<plat::ImageBox>(this, kTitlePicture);
  m_titlePicture->setPicture(plat::loadPicture("robotarm.png"));
  m_title = plat::buildCaption(this, kTitle);
  m_helpButton = plat::build<plat::CommandButton>(this, kHelpButton);
  m_helpButton->setObjectName("helpButton");
  m_helpButton->onClick = [this] { showHelp(); };
  m_exitButton = plat::build<plat::CommandButton>(this, kExitButton);
  m_exitButton->setObjectName("exitButton");
  m_exitButton->onClick = [this] { leave(); };

  m_grid = plat::buildFramedPicture(this, kGrid, rt::palette::kWhite);
  m_grid->setObjectName("grid");
  m_grid->setAccessibleName("Robot grid: the arm and its points");
  m_grid->onMouseDown = [this](int, int, double x, double y) { chooseDesiredPoint(x, y); };
}

void RoboticsWindow::buildModeFrame() {
  m_modeFrame = plat::build<plat::Frame>(this, kModeFrame);
  m_modeOptions.setRole("modeOption");
  for (int i = 0; i < 3; ++i)
    plat::applyRow(m_modeOptions.add(i, m_modeFrame, RobotArm::modeCaption(i)), kModeOptions[i]);
  m_modeOptions.onClick = [this](int i) { chooseMode(i); };
}

void RoboticsWindow::buildArmPanel() {
  m_armPanel = plat::build<plat::Panel>(this, kArmPanel);
  for (size_t j = 0; j < 2; ++j) {
    plat::Label* title = plat::buildCaption(m_armPanel, kAngleRows[j].title);
    m_angleReadouts[j] = plat::buildReadout(m_armPanel, kAngleRows[j].readout);
    m_angleReadouts[j]->setHeardCaptions({title});
    plat::nameInRow(m_angleReadouts[j], "angleReadout", int(j));
    m_angleSpinners[j] = makeSpinner(m_armPanel, kAngleRows[j].spinner);
    plat::nameInRow(m_angleSpinners[j], "angleSpinner", int(j));
  }
  plat::Label* handXTitle = plat::buildCaption(m_armPanel, kHandRows[0].title);
  m_handXReadout = plat::buildReadout(m_armPanel, kHandRows[0].readout);
  m_handXReadout->setObjectName("handXReadout");
  m_handXReadout->setHeardCaptions({handXTitle});
  plat::Label* handYTitle = plat::buildCaption(m_armPanel, kHandRows[1].title);
  m_handYReadout = plat::buildReadout(m_armPanel, kHandRows[1].readout);
  m_handYReadout->setObjectName("handYReadout");
  m_handYReadout->setHeardCaptions({handYTitle});
  plat::Label* link1Title = plat::buildCaption(m_armPanel, kLinkRows[0].title);
  m_link1Readout = plat::buildReadout(m_armPanel, kLinkRows[0].readout);
  m_link1Readout->setHeardCaptions({link1Title});
  m_link1Readout->setObjectName("link1Readout");
  m_link1Spinner = makeSpinner(m_armPanel, kLinkRows[0].spinner);
  m_link1Spinner->setObjectName("link1Spinner");
  plat::Label* link2Title = plat::buildCaption(m_armPanel, kLinkRows[1].title);
  m_link2Readout = plat::buildReadout(m_armPanel, kLinkRows[1].readout);
  m_link2Readout->setHeardCaptions({link2Title});
  m_link2Readout->setObjectName("link2Readout");
  m_link2Spinner = makeSpinner(m_armPanel, kLinkRows[1].spinner);
  m_link2Spinner->setObjectName("link2Spinner");
  for (size_t j = 0; j < 2; ++j) {
    plat::Label* title = plat::buildCaption(m_armPanel, kResolutionRows[j].title);
    m_resolutionReadouts[j] = plat::buildReadout(m_armPanel, kResolutionRows[j].readout);
    m_resolutionReadouts[j]->setHeardCaptions({title});
    plat::nameInRow(m_resolutionReadouts[j], "resolutionReadout", int(j));
    m_resolutionSpinners[j] = makeSpinner(m_armPanel, kResolutionRows[j].spinner);
    plat::nameInRow(m_resolutionSpinners[j], "resolutionSpinner", int(j));
  }
  buildArmSpinners();
  m_printButton = plat::build<plat::CommandButton>(m_armPanel, kPrintButton);
  m_printButton->setObjectName("printButton");
  m_printButton->onClick = [this] { printGrid(); };
  m_clearPathButton = plat::build<plat::CommandButton>(m_armPanel, kClearPathButton);
  m_clearPathButton->setObjectName("clearPathButton");
  m_clearPathButton->onClick = [this] { clearPath(); };
}

void RoboticsWindow::buildArmSpinners() {
  for (int j = 0; j < 2; ++j) {
    m_angleSpinners[size_t(j)]->onSpinUp = [this, j] { turnJoint(j, 1); };
    m_angleSpinners[size_t(j)]->onSpinDown = [this, j] { turnJoint(j, -1); };
    m_resolutionSpinners[size_t(j)]->onSpinUp = [this, j] { stepResolution(j, 1); };
    m_resolutionSpinners[size_t(j)]->onSpinDown = [this, j] { stepResolution(j, -1); };
  }
  m_link1Spinner->onSpinUp = [this] { stepLink1(1); };
  m_link1Spinner->onSpinDown = [this] { stepLink1(-1); };
  m_link2Spinner->onSpinUp = [this] { stepLink2(1); };
  m_link2Spinner->onSpinDown = [this] { stepLink2(-1); };
}

void RoboticsWindow::buildForwardFrame() {
  m_forwardFrame = plat::build<plat::Frame>(this, kForwardFrame);
  m_forwardFrame->setObjectName("forwardFrame");
  m_forwardHint = plat::buildCaption(m_forwardFrame, kForwardHint);
  m_forwardHint->setWordWrap(true);
  m_forwardHint->setAlignment(plat::Label::Center);
}

void RoboticsWindow::buildTargetFrame() {
  m_targetFrame = plat::build<plat::Frame>(this, kTargetFrame);
  m_targetFrame->setObjectName("targetFrame");
  const PointRows* points[2] = {&kStartRows, &kDesiredRows};
  plat::Label** readouts[2][2] = {{&m_startXReadout, &m_startYReadout}, {&m_desiredXReadout, &m_desiredYReadout}};
  const char* readoutNames[2][2] = {{"startXReadout", "startYReadout"}, {"desiredXReadout", "desiredYReadout"}};
  for (int p = 0; p < 2; ++p) {
    plat::Label* title = plat::buildCaption(m_targetFrame, points[p]->title);
    plat::Label* xTitle = plat::buildCaption(m_targetFrame, points[p]->xTitle);
    *readouts[p][0] = plat::buildReadout(m_targetFrame, points[p]->x);
    (*readouts[p][0])->setObjectName(readoutNames[p][0]);
    (*readouts[p][0])->setHeardCaptions({title, xTitle});
    plat::Label* yTitle = plat::buildCaption(m_targetFrame, points[p]->yTitle);
    *readouts[p][1] = plat::buildReadout(m_targetFrame, points[p]->y);
    (*readouts[p][1])->setObjectName(readoutNames[p][1]);
    (*readouts[p][1])->setHeardCaptions({title, yTitle});
  }
  m_stepsTitle = plat::buildCaption(m_targetFrame, kPathStepsRows.title);
  m_stepsTitle->setObjectName("stepsTitle");
  m_stepsReadout = plat::buildReadout(m_targetFrame, kPathStepsRows.readout);
  m_stepsReadout->setObjectName("stepsReadout");
  m_stepsReadout->setHeardCaptions({m_stepsTitle});
  m_stepsSpinner = makeSpinner(m_targetFrame, kPathStepsRows.spinner);
  m_stepsSpinner->setObjectName("stepsSpinner");
  m_stepsSpinner->onSpinUp = [this] { stepPathSteps(1); };
  m_stepsSpinner->onSpinDown = [this] { stepPathSteps(-1); };
  buildMotionOptions();
  m_moveButton = plat::build<plat::CommandButton>(m_targetFrame, kMoveButton);
  m_moveButton->setObjectName("moveButton");
  m_moveButton->onClick = [this] { moveOrStop(); };
  m_returnButton = plat::build<plat::CommandButton>(m_targetFrame, kReturnButton);
  m_returnButton->setObjectName("returnButton");
  m_returnButton->onClick = [this] { returnToStart(); };
}

void RoboticsWindow::buildMotionOptions() {
  // The order and elbow above, the joints' directions below.
  for (int index : kOptionPanelOrder) {
    auto* panel = new plat::Panel(m_targetFrame);
    panel->setBevelOuter(plat::Panel::BevelInset);
    plat::applyRow(panel, kOptionPanels[index]);
    m_optionPanels[size_t(index)] = panel;
  }
  // Each option is named by its group's role and its index in the group ("elbowOption1";
  // a joint's direction "directionOption" + joint + index). The panels show no caption:
  // screen readers hear each group by what it chooses, which tells the three "Shortest"
  // options apart.
  auto options = [this](plat::OptionGroup& group, const QString& role, int panel, const QString& name, auto caption) {
    group.setRole(role);
    for (int i = 0; i < 3; ++i)
      plat::applyRow(group.add(i, m_optionPanels[size_t(panel)], caption(i)), kMotionOptions[i]);
    group.setGroupName(name);
  };
  options(m_firstJointOptions, "firstJointOption", 2, "Joint order", [](int i) { return RobotArm::firstCaption(i); });
  options(m_elbowOptions, "elbowOption", 3, "Elbow", [](int i) { return RobotArm::elbowCaption(i); });
  options(m_directionOptions[0], "directionOption0", 0, "A1 direction",
          [](int i) { return RobotArm::directionCaption(0, i); });
  options(m_directionOptions[1], "directionOption1", 1, "A2 direction",
          [](int i) { return RobotArm::directionCaption(1, i); });
  m_firstJointOptions.onClick = [this](int i) { chooseFirstJoint(i); };
  m_elbowOptions.onClick = [this](int i) { chooseElbow(i); };
  m_directionOptions[0].onClick = [this](int i) { chooseDirection(0, i); };
  m_directionOptions[1].onClick = [this](int i) { chooseDirection(1, i); };
}

// -- load, settings and leaving -----------------------------------------------------------

void RoboticsWindow::loadStep() {
  m_dingSound = shell::appFilePath("ding.wav");
  m_tadaSound = shell::appFilePath("tada.wav");
  m_uhOhSound = shell::appFilePath("uhoh.wav");
  scaleGrid(m_grid->surface());
  loadSettings();
  // Values brought into range at load are the ones the controls show: keep them.
  storeSettings();
  centreOnScreen();
  show();
  const RobotSettings& v = m_arm->settings();
  m_modeOptions.choose(v.RobotMode);
  m_firstJointOptions.choose(v.FirstJoint);
  m_elbowOptions.choose(v.ElbowChoice);
  m_directionOptions[0].choose(v.JointDirection[0]);
  m_directionOptions[1].choose(v.JointDirection[1]);
}

void RoboticsWindow::unloadStep() { m_motionTimer->setEnabled(false); }

void RoboticsWindow::closeFromTitleBar() { leave(); }

void RoboticsWindow::leave() {
  // A running motion ends with the window.
  m_motionTimer->setEnabled(false);
  unload();
  returnToMenu();
}

void RoboticsWindow::loadSettings() {
  const shell::SharedSettings& g = shell::settings();
  RobotSettings s;
  s.RobotMode = g.RobotMode;
  s.JointAngle[0] = g.JointAngle[0];
  s.JointAngle[1] = g.JointAngle[1];
  s.ResolutionIndex[0] = g.ResolutionIndex[0];
  s.ResolutionIndex[1] = g.ResolutionIndex[1];
  s.LinkLength1 = g.LinkLength1;
  s.LinkLength2 = g.LinkLength2;
  s.FirstJoint = g.FirstJoint;
  s.JointDirection[0] = g.JointDirection[0];
  s.JointDirection[1] = g.JointDirection[1];
  s.ElbowChoice = g.ElbowChoice;
  s.DesiredX = g.DesiredX;
  s.DesiredY = g.DesiredY;
  s.PathSteps = g.PathSteps;
  m_arm->load(s);
}

void RoboticsWindow::storeSettings() {
  const RobotSettings& s = m_arm->settings();
  shell::SharedSettings& g = shell::settings();
  g.RobotMode = s.RobotMode;
  g.JointAngle[0] = s.JointAngle[0];
  g.JointAngle[1] = s.JointAngle[1];
  g.ResolutionIndex[0] = s.ResolutionIndex[0];
  g.ResolutionIndex[1] = s.ResolutionIndex[1];
  g.LinkLength1 = s.LinkLength1;
  g.LinkLength2 = s.LinkLength2;
  g.FirstJoint = s.FirstJoint;
  g.JointDirection[0] = s.JointDirection[0];
  g.JointDirection[1] = s.JointDirection[1];
  g.ElbowChoice = s.ElbowChoice;
  g.DesiredX = s.DesiredX;
  g.DesiredY = s.DesiredY;
  g.PathSteps = s.PathSteps;
}

// -- what the user does: each goes to the arm, and what it changed reaches the settings ---

void RoboticsWindow::chooseMode(int index) {
  m_arm->chooseMode(int16_t(index));
  storeSettings();
}
void RoboticsWindow::chooseFirstJoint(int index) {
  m_arm->chooseFirstJoint(int16_t(index));
  storeSettings();
}
void RoboticsWindow::chooseElbow(int index) {
  m_arm->chooseElbow(int16_t(index));
  storeSettings();
}
void RoboticsWindow::chooseDirection(int joint, int index) {
  m_arm->chooseDirection(joint, int16_t(index));
  storeSettings();
}
void RoboticsWindow::chooseDesiredPoint(double x, double y) {
  m_arm->chooseDesiredPoint(x, y);
  storeSettings();
}
void RoboticsWindow::turnJoint(int joint, int direction) {
  if (direction > 0)
    m_arm->turnJointUp(joint);
  else
    m_arm->turnJointDown(joint);
  storeSettings();
}
void RoboticsWindow::stepResolution(int joint, int direction) {
  if (direction > 0)
    m_arm->resolutionUp(joint);
  else
    m_arm->resolutionDown(joint);
  storeSettings();
}
void RoboticsWindow::stepLink1(int direction) { stepArm(direction, &RobotArm::lengthenLink1, &RobotArm::shortenLink1); }
void RoboticsWindow::stepLink2(int direction) { stepArm(direction, &RobotArm::lengthenLink2, &RobotArm::shortenLink2); }
void RoboticsWindow::stepPathSteps(int direction) {
  stepArm(direction, &RobotArm::morePathSteps, &RobotArm::fewerPathSteps);
}
void RoboticsWindow::stepArm(int direction, void (RobotArm::*up)(), void (RobotArm::*down)()) {
  RobotArm& arm = *m_arm;
  (arm.*(direction > 0 ? up : down))();
  storeSettings();
}
void RoboticsWindow::clearPath() { m_arm->clearPath(); }
void RoboticsWindow::moveOrStop() {
  m_arm->moveOrStop();
  storeSettings();
}
void RoboticsWindow::returnToStart() {
  m_arm->returnToStart();
  storeSettings();
}
void RoboticsWindow::motionStep() {
  m_arm->motionStep();
  storeSettings();
}

void RoboticsWindow::printGrid() {
  if (!plat::askPrinterReady("Print Grid")) return;
  plat::Printer& page = plat::printer();
  printRobotPage(page, m_arm->printoutLines(), m_grid->surface());
  page.endDoc();
}

// -- what the arm asks of the window ------------------------------------------------------

void RoboticsWindow::clearGrid(int16_t mode) {
  clearGridPicture(m_grid->surface(), mode);
  // The prompt written under the grid is heard as the grid's description.
  m_grid->setAccessibleDescription(QString::fromLatin1(gridPrompt(mode)));
}

void RoboticsWindow::drawArm(const ArmDrawing& drawing, const ArmReadouts& r) {
  drawArmPicture(m_grid->surface(), drawing);
  m_angleReadouts[0]->setCaption(qs(r.A1));
  m_angleReadouts[1]->setCaption(qs(r.A2));
  // A joint turns by its resolution a press.
  showSpinnerValue(m_angleSpinners[0], r.A1, -kAngleLimit, kAngleLimit, m_arm->resolution(0));
  showSpinnerValue(m_angleSpinners[1], r.A2, -kAngleLimit, kAngleLimit, m_arm->resolution(1));
  m_handXReadout->setCaption(qs(r.X));
  m_handYReadout->setCaption(qs(r.Y));
  for (plat::Label* l : {m_angleReadouts[0], m_angleReadouts[1], m_handXReadout, m_handYReadout}) l->refresh();
}

void RoboticsWindow::eraseDesiredBox(float x, float y) {
  plat::ImageSurface& g = m_grid->surface();
  drawDesiredBox(g, x, y, g.backColor());
}

void RoboticsWindow::drawPathLine(float x1, float y1, float x2, float y2) {
  drawPathLinePicture(m_grid->surface(), x1, y1, x2, y2);
}

void RoboticsWindow::showStartPoint(const std::string& x, const std::string& y) {
  m_startXReadout->setCaption(qs(x));
  m_startYReadout->setCaption(qs(y));
}

void RoboticsWindow::showDesiredPoint(const std::string& x, const std::string& y) {
  m_desiredXReadout->setCaption(qs(x));
  m_desiredYReadout->setCaption(qs(y));
}

void RoboticsWindow::showLinks(const std::string& l1, const std::string& l2) {
  m_link1Readout->setCaption(qs(l1));
  m_link2Readout->setCaption(qs(l2));
  showSpinnerValue(m_link1Spinner, l1, kShortestLink, kLongestLink, kLinkStep);
  showSpinnerValue(m_link2Spinner, l2, kShortestLink, kLongestLink, kLinkStep);
}

void RoboticsWindow::showResolutions(const std::string& r1, const std::string& r2) {
  m_resolutionReadouts[0]->setCaption(qs(r1));
  m_resolutionReadouts[1]->setCaption(qs(r2));
  for (size_t j = 0; j < 2; ++j)
    showSpinnerValue(m_resolutionSpinners[j], j == 0 ? r1 : r2, kResolutionTable.front(), kResolutionTable.back(),
                     resolutionStep(m_arm->settings().ResolutionIndex[j]));
}

void RoboticsWindow::showPathSteps(const std::string& steps) {
  m_stepsReadout->setCaption(qs(steps));
  showSpinnerValue(m_stepsSpinner, steps, kFewestPathSteps, kMostPathSteps, kPathStepsStep);
}

void RoboticsWindow::showMode(int16_t mode) {
  m_forwardFrame->setVisible(mode == 0);
  if (mode != 0) m_targetFrame->setCaption(mode == 1 ? "Inverse" : "Path");
  m_targetFrame->setVisible(mode != 0);
  for (QWidget* w : std::initializer_list<QWidget*>{m_stepsTitle, m_stepsReadout, m_stepsSpinner})
    w->setVisible(mode == 2);
}

void RoboticsWindow::showMoving(bool moving) {
  m_moveButton->setCaption(moving ? "&Stop" : "&Move");
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_angleSpinners[0], m_angleSpinners[1], m_resolutionSpinners[0],
                                       m_resolutionSpinners[1], m_link1Spinner, m_link2Spinner, m_stepsSpinner})
    w->setEnabled(!moving);
}

void RoboticsWindow::setTimerEnabled(bool on) { m_motionTimer->setEnabled(on); }

void RoboticsWindow::showUnreachable() {
  plat::messageBox("Robot arm cannot reach desired end point", plat::msg::OkOnly | plat::msg::Critical,
                   "Invalid Parameters");
}

void RoboticsWindow::playWave(RobotWave wave) {
  switch (wave) {
    case RobotWave::Ding: shell::playWave(m_dingSound, 1); break;
    case RobotWave::Tada: shell::playWave(m_tadaSound, 1); break;
    case RobotWave::UhOh: shell::playWave(m_uhOhSound, 1); break;
  }
}

}  // namespace robotics
