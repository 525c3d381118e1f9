#pragma once
// The moon lander window: the viewer on the world with the scanner strip below it, the level
// and units choices (the trajectory plot in their place during a game), the read-out panel
// with the fuel gauge and the three thruster buttons, and Start (Pause, Resume), Help and
// Exit (Stop during a game).

#include <memory>
#include <string>

#include "lander/landergame.h"
#include "lander/landerview.h"
#include "platform/form.h"
#include "platform/optionbutton.h"

namespace plat {
class CommandButton;
class Frame;
class ImageSurface;
class Label;
class Panel;
class PictureBox;
class Shape;
class TextBox;
class Timer;
}  // namespace plat

namespace lander {

class LanderWindow : public plat::Form, private LanderHost {
  Q_OBJECT
 public:
  LanderWindow();
  ~LanderWindow() override;

  // Start begins a game, then pauses and resumes it.
  void startPauseOrResume();
  // Exit leaves for the menu; during a game the same button is Stop.
  void exitOrStop();
  void chooseLevel(int index);
  void chooseUnits(int index);

  // 0 stopped, 1 running, 2 paused.
  int16_t gameState() const { return m_gameState; }
  LanderGame& game() { return m_game; }

  // The thrusters' sounds, held in memory so that a thrust never waits for the disk.
  const std::string& mainThrustSound() const { return m_mainThrustSound; }
  const std::string& sideThrustSound() const { return m_sideThrustSound; }

 protected:
  void loadStep() override;
  void unloadStep() override;
  void closeFromTitleBar() override;

 private:
  void buildViewer();
  void buildChoices();
  void buildReadouts();
  void buildThrusters();
  void buildButtons();
  void startGame();
  void pauseGame();
  void resumeGame();
  void stopPlaying();
  void enableThrusters(bool enable);
  void showColumnHeads();
  void updateScanner();

  // LanderHost
  void showTime(float gameTime) override;
  void updateReadouts(int16_t altitude, int16_t offset) override;
  void showFuel(int percent) override;
  void beep() override;
  void playMainThrust() override;
  void playSideThrust() override;
  void showCrash() override;
  void playLanding(bool safe) override;
  void stopGame() override;
  void drawFrame() override;
  void setTimerInterval(int ms) override;
  void lostLander() override;

  LanderGame m_game;
  LanderPictures m_pictures;
  // The frame is composed here and shown on the viewer in one copy.
  std::unique_ptr<plat::ImageSurface> m_frameBuffer;
  int16_t m_gameState = 0;
  QString m_folder;
  std::string m_mainThrustSound, m_sideThrustSound;

  plat::PictureBox* m_viewerPicture = nullptr;
  plat::PictureBox* m_scannerPicture = nullptr;
  plat::PictureBox* m_trajectoryPicture = nullptr;
  plat::Shape* m_landerMarker = nullptr;
  plat::Shape* m_padMarker = nullptr;
  plat::TextBox* m_crashText = nullptr;
  plat::Frame* m_levelFrame = nullptr;
  plat::Frame* m_unitsFrame = nullptr;
  plat::Frame* m_trajectoryFrame = nullptr;
  plat::Frame* m_readoutFrame = nullptr;
  plat::OptionGroup m_levelOptions;
  plat::OptionGroup m_unitsOptions;
  plat::Label* m_timeValue = nullptr;
  plat::Label* m_valueHead = nullptr;
  plat::Label* m_speedHead = nullptr;
  plat::Label* m_altitudeValue = nullptr;
  plat::Label* m_descentValue = nullptr;
  plat::Label* m_positionValue = nullptr;
  plat::Label* m_lateralValue = nullptr;
  plat::Label* m_thrustersTitle = nullptr;
  plat::Panel* m_fuelGauge = nullptr;
  plat::CommandButton* m_leftThrusterButton = nullptr;
  plat::CommandButton* m_mainThrusterButton = nullptr;
  plat::CommandButton* m_rightThrusterButton = nullptr;
  plat::CommandButton* m_startButton = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::CommandButton* m_exitButton = nullptr;
  plat::Timer* m_tickTimer = nullptr;
};

}  // namespace lander
