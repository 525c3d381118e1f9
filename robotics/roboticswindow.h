#pragma once
// The robotics window: a two-link arm on a square grid, moved by its joint angles (Forward),
// to a clicked point (Inverse) or along a straight path of waypoints (Path). The arm's logic
// is RobotArm; the window lays out the controls, routes their events to it, draws what it
// asks for and keeps the shared settings in step with it.

#include <QString>
#include <array>
#include <memory>

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

namespace robotics {

class RoboticsWindow : public plat::Form, private RobotView, private RobotSound {
  Q_OBJECT
 public:
  RoboticsWindow();
  ~RoboticsWindow() override;

  // -- what the user does: each goes to the arm, and what it changed reaches the shared
  // settings ---------------------------------------------------------------------------
  void chooseMode(int index);
  void chooseFirstJoint(int index);
  void chooseElbow(int index);
  void chooseDirection(int joint, int index);
  // A click on the grid at a point in its scale: the desired point, in Inverse and Path mode.
  void chooseDesiredPoint(double x, double y);
  // The spin buttons, one step up (direction > 0) or down.
  void turnJoint(int joint, int direction);
  void stepResolution(int joint, int direction);
  void stepLink1(int direction);
  void stepLink2(int direction);
  void stepPathSteps(int direction);
  void clearPath();
  void moveOrStop();
  void returnToStart();
  // One tick of the motion timer.
  void motionStep();
  void printGrid();
  void leave();

  // The arm the window drives: its settings, position and path.
  RobotArm& arm() { return *m_arm; }

 protected:
  void loadStep() override;
  void unloadStep() override;
  void closeFromTitleBar() override;

 private:
  void buildTitleAndGrid();
  void buildModeFrame();
  void buildArmPanel();
  void buildArmSpinners();
  void buildForwardFrame();
  void buildTargetFrame();
  void buildMotionOptions();
  void loadSettings();
  void storeSettings();
  // A spin button's step: the arm's step up or down, then the settings.
  void stepArm(int direction, void (RobotArm::*up)(), void (RobotArm::*down)());

  // RobotView
  void clearGrid(int16_t mode) override;
  void drawArm(const ArmDrawing& drawing, const ArmReadouts& readouts) override;
  void eraseDesiredBox(float x, float y) override;
  void drawPathLine(float x1, float y1, float x2, float y2) override;
  void showStartPoint(const std::string& x, const std::string& y) override;
  void showDesiredPoint(const std::string& x, const std::string& y) override;
  void showLinks(const std::string& l1, const std::string& l2) override;
  void showResolutions(const std::string& r1, const std::string& r2) override;
  void showPathSteps(const std::string& steps) override;
  void showMode(int16_t mode) override;
  void showMoving(bool moving) override;
  void setTimerEnabled(bool on) override;
  void showUnreachable() override;
  // RobotSound
  void playWave(RobotWave wave) override;

  std::unique_ptr<RobotArm> m_arm;
  QString m_dingSound, m_tadaSound, m_uhOhSound;

  plat::ImageBox* m_titlePicture = nullptr;
  plat::Label* m_title = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::CommandButton* m_exitButton = nullptr;
  plat::PictureBox* m_grid = nullptr;
  plat::Frame* m_modeFrame = nullptr;
  plat::OptionGroup m_modeOptions;
  plat::Panel* m_armPanel = nullptr;
  std::array<plat::Label*, 2> m_angleReadouts{};
  std::array<plat::SpinButton*, 2> m_angleSpinners{};
  plat::Label* m_handXReadout = nullptr;
  plat::Label* m_handYReadout = nullptr;
  plat::Label* m_link1Readout = nullptr;
  plat::Label* m_link2Readout = nullptr;
  plat::SpinButton* m_link1Spinner = nullptr;
  plat::SpinButton* m_link2Spinner = nullptr;
  std::array<plat::Label*, 2> m_resolutionReadouts{};
  std::array<plat::SpinButton*, 2> m_resolutionSpinners{};
  plat::CommandButton* m_printButton = nullptr;
  plat::CommandButton* m_clearPathButton = nullptr;
  plat::Frame* m_forwardFrame = nullptr;
  plat::Label* m_forwardHint = nullptr;
  // Inverse and Path modes share one frame, captioned for the mode.
  plat::Frame* m_targetFrame = nullptr;
  plat::Label* m_startXReadout = nullptr;
  plat::Label* m_startYReadout = nullptr;
  plat::Label* m_desiredXReadout = nullptr;
  plat::Label* m_desiredYReadout = nullptr;
  plat::Label* m_stepsTitle = nullptr;
  plat::Label* m_stepsReadout = nullptr;
  plat::SpinButton* m_stepsSpinner = nullptr;
  // The panels of the motion options: 0 and 1 the joints' directions, 2 the order, 3 the elbow.
  std::array<plat::Panel*, 4> m_optionPanels{};
  plat::OptionGroup m_firstJointOptions;
  plat::OptionGroup m_elbowOptions;
  std::array<plat::OptionGroup, 2> m_directionOptions;
  plat::CommandButton* m_moveButton = nullptr;
  plat::CommandButton* m_returnButton = nullptr;
  plat::Timer* m_motionTimer = nullptr;
};

}  // namespace robotics
