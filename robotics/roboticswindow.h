#pragma once
// The robotics window: a two-link arm on a square grid, moved by its joint angles (Forward),
// to a clicked point (Inverse) or along a straight path of waypoints (Path). The arm's logic
// is RobotArm; the window lays out the controls, routes their events to it, draws what it
// asks for and keeps the shared settings in step with it.

#include <QString>
#include <memory>

#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/optionbutton.h"
#include "robotics/robotarm.h"

namespace plat {
class CommandButton;
class Frame;
class ImageBox;
class Label;
class Panel;
class PictureBox;
class SpinButton;
class Timer;
}  // namespace plat

namespace robot {

class frmRobot : public plat::Form, private RobotView, private RobotSound {
  Q_OBJECT
 public:
  frmRobot();
  ~frmRobot() override;

  // -- event handlers ------------------------------------------------------------------
  void optMode_Click(int index);
  void optFirst_Click(int index);
  void optElbow_Click(int index);
  void optA1Dir_Click(int index);
  void optA2Dir_Click(int index);
  void picGrid_MouseDown(int button, int shift, double x, double y);
  void spnA_SpinUp(int index);
  void spnA_SpinDown(int index);
  void spnARes_SpinUp(int index);
  void spnARes_SpinDown(int index);
  void spnL1_SpinUp();
  void spnL1_SpinDown();
  void spnL2_SpinUp();
  void spnL2_SpinDown();
  void spnNSteps_SpinUp();
  void spnNSteps_SpinDown();
  void cmdClear_Click();
  void cmdMove_Click();
  void cmdReturn_Click();
  void cmdPrint_Click();
  void cmdHelp_Click();
  void cmdExit_Click();
  void Timer1_Timer();

  // -- controls ------------------------------------------------------------------------
  plat::Label* Label7 = nullptr;
  plat::ImageBox* Image1 = nullptr;
  plat::CommandButton* cmdHelp = nullptr;
  plat::CommandButton* cmdExit = nullptr;
  plat::PictureBox* picGrid = nullptr;
  plat::Frame* Frame1 = nullptr;
  plat::OptionGroup optMode;
  plat::Panel* pnlABXY = nullptr;
  plat::ControlArray<plat::Label> lblA;
  plat::ControlArray<plat::SpinButton> spnA;
  plat::Label* lblX = nullptr;
  plat::Label* lblY = nullptr;
  plat::Label* lblL1 = nullptr;
  plat::Label* lblL2 = nullptr;
  plat::SpinButton* spnL1 = nullptr;
  plat::SpinButton* spnL2 = nullptr;
  plat::ControlArray<plat::Label> lblARes;
  plat::ControlArray<plat::SpinButton> spnARes;
  plat::CommandButton* cmdPrint = nullptr;
  plat::CommandButton* cmdClear = nullptr;
  plat::Frame* fraForward = nullptr;
  plat::Label* Label17 = nullptr;
  plat::Frame* fraInverse = nullptr;
  plat::Label* lblXS = nullptr;
  plat::Label* lblYS = nullptr;
  plat::Label* lblXInv = nullptr;
  plat::Label* lblYInv = nullptr;
  plat::Label* lblSteps = nullptr;
  plat::Label* lblNSteps = nullptr;
  plat::SpinButton* spnNSteps = nullptr;
  plat::ControlArray<plat::Panel> SSPanel6;
  plat::OptionGroup optFirst;
  plat::OptionGroup optElbow;
  plat::OptionGroup optA1Dir;
  plat::OptionGroup optA2Dir;
  plat::CommandButton* cmdMove = nullptr;
  plat::CommandButton* cmdReturn = nullptr;
  plat::Timer* Timer1 = nullptr;

  RobotArm& arm() { return *m_arm; }
  QString DingSound, TadaSound, UhOhSound;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeFromTitleBar() override;

 private:
  void StoreSettings();

  // RobotView
  void ClearGrid(int16_t mode) override;
  void DrawArm(const ArmDrawing& drawing, const ArmReadouts& readouts) override;
  void EraseDesiredBox(float x, float y) override;
  void DrawPathLine(float x1, float y1, float x2, float y2) override;
  void ShowStartPoint(const std::string& x, const std::string& y) override;
  void ShowDesiredPoint(const std::string& x, const std::string& y) override;
  void ShowLinks(const std::string& l1, const std::string& l2) override;
  void ShowResolutions(const std::string& r1, const std::string& r2) override;
  void ShowPathSteps(const std::string& steps) override;
  void ShowMode(int16_t mode) override;
  void ShowMoving(bool moving) override;
  void SetTimerEnabled(bool on) override;
  void ShowUnreachable() override;
  // RobotSound
  void PlayWave(RobotWave wave) override;

  std::unique_ptr<RobotArm> m_arm;
};

}  // namespace robot
