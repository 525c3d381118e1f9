#include "robotics/roboticswindow.h"

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "robotics/printrobot.h"
#include "robotics/robotgrid.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/settings.h"

namespace robot {

namespace {

constexpr rt::Colour kLightYellow = 0x00C0FFFF;
constexpr rt::Colour kWhite = 0x00FFFFFF;
constexpr int kHelpTopic = 7;
constexpr int kTickMs = 50;

QFont labelFont() { return plat::screenFont("Arial", 9, true); }

plat::Label* textLabel(QWidget* parent, const QString& text, int left, int top, int width, int height = 285) {
  auto* l = new plat::Label(parent, text);
  l->setFont(labelFont());
  l->setTransparent();
  plat::placeTwips(l, left, top, width, height);
  return l;
}

plat::Label* readout(QWidget* parent, int left, int top, int width) {
  auto* l = new plat::Label(parent);
  l->setFont(labelFont());
  l->setBackColor(kWhite);
  l->setBorder(true);
  l->setAlignment(plat::Label::Center);
  plat::placeTwips(l, left, top, width, 285);
  return l;
}

plat::SpinButton* spinner(QWidget* parent, const QString& name, int left, int top) {
  auto* s = new plat::SpinButton(parent);
  s->setAccessibleCaption(name);
  plat::placeTwips(s, left, top, 255, 285);
  return s;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmRobot::frmRobot() {
  setCaption("Robotics");
  setBackColor(kLightYellow);
  setClientSizeTwips(9495, 6975);
  setHelp("vtrel.hlp", kHelpTopic);
  setFont(labelFont());

  // Title and commands.
  Image1 = new plat::ImageBox(this);
  Image1->setPicture(plat::loadPicture("robotarm.png"));
  plat::placeTwips(Image1, 120, 120, 480, 480);
  Label7 = new plat::Label(this, "Robotics");
  Label7->setFont(plat::screenFont("Arial Black", 18));
  Label7->setTransparent();
  plat::placeTwips(Label7, 720, 120, 2760, 600);
  cmdHelp = plat::placeButton(this, "&Help", 3600, 120, 1095, 495, [this] { cmdHelp_Click(); });
  cmdExit = plat::placeButton(this, "E&xit", 4800, 120, 1095, 495, [this] { cmdExit_Click(); });

  // The grid.
  picGrid = new plat::PictureBox(this, kGridBack);
  picGrid->setBorder(true);
  plat::placeTwips(picGrid, 120, 840, 6015, 6015);
  picGrid->onMouseDown = [this](int b, int sh, double x, double y) { picGrid_MouseDown(b, sh, x, y); };

  // Mode.
  Frame1 = new plat::Frame(this, "Mode");
  plat::placeTwips(Frame1, 6240, 120, 3135, 615);
  static const int modeLeft[3] = {90, 1155, 2160}, modeWidth[3] = {1065, 975, 900};
  for (int i = 0; i < 3; ++i)
    plat::placeTwips(optMode.add(i, Frame1, RobotArm::ModeCaption(i)), modeLeft[i], 255, modeWidth[i], 285);
  optMode.onClick = [this](int i) { optMode_Click(i); };

  // The arm panel: angles and hand on the left, lengths and resolutions on the right.
  pnlABXY = new plat::Panel(this);
  pnlABXY->setBackColor(kLightYellow);
  plat::placeTwips(pnlABXY, 6240, 840, 3135, 2295);
  textLabel(pnlABXY, "A1", 120, 120, 375);
  lblA.set(0, readout(pnlABXY, 495, 120, 615));
  spnA.set(0, spinner(pnlABXY, "A1", 1110, 120));
  textLabel(pnlABXY, "A2", 120, 480, 375);
  lblA.set(1, readout(pnlABXY, 495, 480, 615));
  spnA.set(1, spinner(pnlABXY, "A2", 1110, 480));
  textLabel(pnlABXY, "X", 120, 840, 375);
  lblX = readout(pnlABXY, 495, 840, 870);
  textLabel(pnlABXY, "Y", 120, 1200, 375);
  lblY = readout(pnlABXY, 495, 1200, 870);
  textLabel(pnlABXY, "L1", 1500, 120, 660);
  lblL1 = readout(pnlABXY, 2160, 120, 495);
  spnL1 = spinner(pnlABXY, "L1", 2655, 120);
  textLabel(pnlABXY, "L2", 1500, 480, 660);
  lblL2 = readout(pnlABXY, 2160, 480, 495);
  spnL2 = spinner(pnlABXY, "L2", 2655, 480);
  textLabel(pnlABXY, "A1Res", 1500, 840, 660);
  lblARes.set(0, readout(pnlABXY, 2160, 840, 495));
  spnARes.set(0, spinner(pnlABXY, "A1Res", 2655, 840));
  textLabel(pnlABXY, "A2Res", 1500, 1200, 660);
  lblARes.set(1, readout(pnlABXY, 2160, 1200, 495));
  spnARes.set(1, spinner(pnlABXY, "A2Res", 2655, 1200));
  for (int j = 0; j < 2; ++j) {
    spnA(j)->onSpinUp = [this, j] { spnA_SpinUp(j); };
    spnA(j)->onSpinDown = [this, j] { spnA_SpinDown(j); };
    spnARes(j)->onSpinUp = [this, j] { spnARes_SpinUp(j); };
    spnARes(j)->onSpinDown = [this, j] { spnARes_SpinDown(j); };
  }
  spnL1->onSpinUp = [this] { spnL1_SpinUp(); };
  spnL1->onSpinDown = [this] { spnL1_SpinDown(); };
  spnL2->onSpinUp = [this] { spnL2_SpinUp(); };
  spnL2->onSpinDown = [this] { spnL2_SpinDown(); };
  cmdPrint = plat::placeButton(pnlABXY, "&Print", 120, 1680, 1335, 435, [this] { cmdPrint_Click(); });
  cmdClear = plat::placeButton(pnlABXY, "&Clear Path", 1620, 1680, 1395, 435, [this] { cmdClear_Click(); });

  // Forward mode's frame.
  fraForward = new plat::Frame(this, "Forward");
  plat::placeTwips(fraForward, 6240, 3240, 3135, 3615);
  Label17 = textLabel(fraForward, "Change A1 and A2 to see how X and Y change and to view path followed.", 240, 480,
                    2655, 1500);
  Label17->setWordWrap(true);
  Label17->setAlignment(plat::Label::Center);

  // Inverse and Path modes' frame.
  fraInverse = new plat::Frame(this, "Inverse");
  plat::placeTwips(fraInverse, 6240, 3240, 3135, 3615);
  textLabel(fraInverse, "Start", 120, 300, 720);
  textLabel(fraInverse, "X", 870, 300, 210);
  lblXS = readout(fraInverse, 1080, 300, 735);
  textLabel(fraInverse, "Y", 1875, 300, 210);
  lblYS = readout(fraInverse, 2085, 300, 735);
  textLabel(fraInverse, "Desired", 120, 660, 750);
  textLabel(fraInverse, "X", 870, 660, 210);
  lblXInv = readout(fraInverse, 1080, 660, 735);
  textLabel(fraInverse, "Y", 1875, 660, 210);
  lblYInv = readout(fraInverse, 2085, 660, 735);
  lblSteps = textLabel(fraInverse, "Steps", 120, 1020, 750);
  lblNSteps = readout(fraInverse, 1080, 1020, 735);
  spnNSteps = spinner(fraInverse, "Steps", 1815, 1020);
  spnNSteps->onSpinUp = [this] { spnNSteps_SpinUp(); };
  spnNSteps->onSpinDown = [this] { spnNSteps_SpinDown(); };

  // The four option panels: order and elbow above, the joints' directions below.
  struct PanelPlace {
    int index, left, top;
  };
  static const PanelPlace places[4] = {{2, 120, 1380}, {3, 1590, 1380}, {0, 120, 2280}, {1, 1590, 2280}};
  for (const PanelPlace& p : places) {
    auto* panel = new plat::Panel(fraInverse);
    panel->setBevelOuter(plat::Panel::BevelInset);
    panel->setBackColor(kLightYellow);
    plat::placeTwips(panel, p.left, p.top, 1425, 855);
    SSPanel6.set(p.index, panel);
  }
  auto options = [this](plat::OptionGroup& group, int panel, auto caption) {
    for (int i = 0; i < 3; ++i)
      plat::placeTwips(group.add(i, SSPanel6(panel), caption(i)), 60, 45 + 255 * i, 1320, 255);
  };
  options(optFirst, 2, [](int i) { return RobotArm::FirstCaption(i); });
  options(optElbow, 3, [](int i) { return RobotArm::ElbowCaption(i); });
  options(optA1Dir, 0, [](int i) { return RobotArm::DirectionCaption(0, i); });
  options(optA2Dir, 1, [](int i) { return RobotArm::DirectionCaption(1, i); });
  optFirst.onClick = [this](int i) { optFirst_Click(i); };
  optElbow.onClick = [this](int i) { optElbow_Click(i); };
  optA1Dir.onClick = [this](int i) { optA1Dir_Click(i); };
  optA2Dir.onClick = [this](int i) { optA2Dir_Click(i); };

  cmdMove = plat::placeButton(fraInverse, "&Move", 120, 3195, 1425, 375, [this] { cmdMove_Click(); });
  cmdReturn = plat::placeButton(fraInverse, "&Return", 1590, 3195, 1425, 375, [this] { cmdReturn_Click(); });

  Timer1 = new plat::Timer(this);
  Timer1->setInterval(kTickMs);
  Timer1->onTimer = [this] { Timer1_Timer(); };

  RobotView& view = *this;
  RobotSound& sound = *this;
  m_arm = std::make_unique<RobotArm>(view, sound);
}

frmRobot::~frmRobot() = default;

// -- load, settings and leaving -----------------------------------------------------------

void frmRobot::Form_Load() {
  DingSound = shell::AppFilePath("ding.wav");
  TadaSound = shell::AppFilePath("tada.wav");
  UhOhSound = shell::AppFilePath("uhoh.wav");
  ScaleGrid(picGrid->surface());
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
  m_arm->Load(s);
  // Values brought into range at load are the ones the controls show: keep them.
  StoreSettings();
  centreOnScreen();
  show();
  const RobotSettings& v = m_arm->settings();
  optMode.choose(v.RobotMode);
  optFirst.choose(v.FirstJoint);
  optElbow.choose(v.ElbowChoice);
  optA1Dir.choose(v.JointDirection[0]);
  optA2Dir.choose(v.JointDirection[1]);
}

void frmRobot::Form_Unload() { Timer1->setEnabled(false); }

void frmRobot::closeFromTitleBar() { cmdExit_Click(); }

void frmRobot::cmdExit_Click() {
  // A running motion ends with the window.
  Timer1->setEnabled(false);
  Unload();
  returnToMenu();
}

void frmRobot::StoreSettings() {
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

// -- events: each goes to the arm, and what it changed reaches the shared settings --------

void frmRobot::optMode_Click(int index) {
  m_arm->optMode_Click(int16_t(index));
  StoreSettings();
}
void frmRobot::optFirst_Click(int index) {
  m_arm->optFirst_Click(int16_t(index));
  StoreSettings();
}
void frmRobot::optElbow_Click(int index) {
  m_arm->optElbow_Click(int16_t(index));
  StoreSettings();
}
void frmRobot::optA1Dir_Click(int index) {
  m_arm->optA1Dir_Click(int16_t(index));
  StoreSettings();
}
void frmRobot::optA2Dir_Click(int index) {
  m_arm->optA2Dir_Click(int16_t(index));
  StoreSettings();
}
void frmRobot::picGrid_MouseDown(int, int, double x, double y) {
  m_arm->picGrid_MouseDown(x, y);
  StoreSettings();
}
void frmRobot::spnA_SpinUp(int index) {
  m_arm->spnA_SpinUp(index);
  StoreSettings();
}
void frmRobot::spnA_SpinDown(int index) {
  m_arm->spnA_SpinDown(index);
  StoreSettings();
}
void frmRobot::spnARes_SpinUp(int index) {
  m_arm->spnARes_SpinUp(index);
  StoreSettings();
}
void frmRobot::spnARes_SpinDown(int index) {
  m_arm->spnARes_SpinDown(index);
  StoreSettings();
}
void frmRobot::spnL1_SpinUp() {
  m_arm->spnL1_SpinUp();
  StoreSettings();
}
void frmRobot::spnL1_SpinDown() {
  m_arm->spnL1_SpinDown();
  StoreSettings();
}
void frmRobot::spnL2_SpinUp() {
  m_arm->spnL2_SpinUp();
  StoreSettings();
}
void frmRobot::spnL2_SpinDown() {
  m_arm->spnL2_SpinDown();
  StoreSettings();
}
void frmRobot::spnNSteps_SpinUp() {
  m_arm->spnNSteps_SpinUp();
  StoreSettings();
}
void frmRobot::spnNSteps_SpinDown() {
  m_arm->spnNSteps_SpinDown();
  StoreSettings();
}
void frmRobot::cmdClear_Click() { m_arm->cmdClear_Click(); }
void frmRobot::cmdMove_Click() {
  m_arm->cmdMove_Click();
  StoreSettings();
}
void frmRobot::cmdReturn_Click() {
  m_arm->cmdReturn_Click();
  StoreSettings();
}
void frmRobot::Timer1_Timer() {
  m_arm->Timer1_Timer();
  StoreSettings();
}

void frmRobot::cmdHelp_Click() { plat::help().showTopic(shell::BasePath + "vtrel.hlp", kHelpTopic); }

void frmRobot::cmdPrint_Click() {
  if (!plat::askPrinterReady("Print Grid")) return;
  plat::Printer& page = plat::printer();
  PrintRobotPage(page, m_arm->PrintoutLines(), picGrid->surface());
  page.endDoc();
}

// -- what the arm asks of the window ------------------------------------------------------

void frmRobot::ClearGrid(int16_t mode) { ClearGridPicture(picGrid->surface(), mode); }

void frmRobot::DrawArm(const ArmDrawing& drawing, const ArmReadouts& r) {
  DrawArmPicture(picGrid->surface(), drawing);
  lblA(0)->setCaption(qs(r.A1));
  lblA(1)->setCaption(qs(r.A2));
  lblX->setCaption(qs(r.X));
  lblY->setCaption(qs(r.Y));
  for (plat::Label* l : {lblA(0), lblA(1), lblX, lblY}) l->refresh();
}

void frmRobot::EraseDesiredBox(float x, float y) {
  plat::ImageSurface& g = picGrid->surface();
  DrawDesiredBox(g, x, y, g.backColor());
}

void frmRobot::DrawPathLine(float x1, float y1, float x2, float y2) {
  DrawPathLinePicture(picGrid->surface(), x1, y1, x2, y2);
}

void frmRobot::ShowStartPoint(const std::string& x, const std::string& y) {
  lblXS->setCaption(qs(x));
  lblYS->setCaption(qs(y));
}

void frmRobot::ShowDesiredPoint(const std::string& x, const std::string& y) {
  lblXInv->setCaption(qs(x));
  lblYInv->setCaption(qs(y));
}

void frmRobot::ShowLinks(const std::string& l1, const std::string& l2) {
  lblL1->setCaption(qs(l1));
  lblL2->setCaption(qs(l2));
}

void frmRobot::ShowResolutions(const std::string& r1, const std::string& r2) {
  lblARes(0)->setCaption(qs(r1));
  lblARes(1)->setCaption(qs(r2));
}

void frmRobot::ShowPathSteps(const std::string& steps) { lblNSteps->setCaption(qs(steps)); }

void frmRobot::ShowMode(int16_t mode) {
  fraForward->setVisible(mode == 0);
  if (mode != 0) fraInverse->setCaption(mode == 1 ? "Inverse" : "Path");
  fraInverse->setVisible(mode != 0);
  for (QWidget* w : std::initializer_list<QWidget*>{lblSteps, lblNSteps, spnNSteps}) w->setVisible(mode == 2);
}

void frmRobot::ShowMoving(bool moving) {
  cmdMove->setCaption(moving ? "&Stop" : "&Move");
  for (QWidget* w : std::initializer_list<QWidget*>{spnA(0), spnA(1), spnARes(0), spnARes(1), spnL1, spnL2,
                                                    spnNSteps})
    w->setEnabled(!moving);
}

void frmRobot::SetTimerEnabled(bool on) { Timer1->setEnabled(on); }

void frmRobot::ShowUnreachable() {
  plat::MsgBox("Robot arm cannot reach desired end point", plat::Msg::OkOnly | plat::Msg::Critical,
               "Invalid Parameters");
}

void frmRobot::PlayWave(RobotWave wave) {
  switch (wave) {
    case RobotWave::Ding:
      shell::PlayWave(DingSound, 1);
      break;
    case RobotWave::Tada:
      shell::PlayWave(TadaSound, 1);
      break;
    case RobotWave::UhOh:
      shell::PlayWave(UhOhSound, 1);
      break;
  }
}

}  // namespace robot
