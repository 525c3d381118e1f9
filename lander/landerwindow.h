#pragma once
// The moon lander window: the viewer on the world with the scanner strip below it, the level
// and units choices (the trajectory plot in their place during a game), the read-out panel
// with the fuel gauge and the three thruster buttons, and Start (Pause, Resume), Help and
// Exit (Stop during a game).

#include <array>
#include <memory>
#include <string>

#include "lander/landergame.h"
#include "lander/landerview.h"
#include "platform/form.h"
#include "platform/optionbutton.h"
#include "runtime/random.h"

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

  // The random numbers of every lander window from now on (tests script them); null gives
  // the generator seeded from the time of day again.
  static void useRandomSource(rt::RandomSource* source);

  // Event handlers.
  void btnStart_Click();
  void cmdExit_Click();
  void cmdHelp_Click();
  void optMode_Click(int index);
  void optUnits_Click(int index);
  void btnUp_Click() { m_game.btnUp_Click(); }
  void btnLeft_Click() { m_game.btnLeft_Click(); }
  void btnRight_Click() { m_game.btnRight_Click(); }
  void Timer1_Timer() { m_game.Timer1_Timer(); }

  // 0 stopped, 1 running, 2 paused.
  int16_t GameState() const { return m_gameState; }
  LanderGame& game() { return m_game; }

  // Controls, for tests and automation.
  plat::PictureBox* picViewer() const { return m_picViewer; }
  plat::PictureBox* picScanner() const { return m_picScanner; }
  plat::PictureBox* picTrajectory() const { return m_picTrajectory; }
  plat::ImageSurface& picWork() const { return *m_work; }
  plat::Shape* shpLander() const { return m_shpLander; }
  plat::Shape* shpPad() const { return m_shpPad; }
  plat::TextBox* txtCrash() const { return m_txtCrash; }
  plat::Frame* fraMode() const { return m_fraMode; }
  plat::Frame* fraUnits() const { return m_fraUnits; }
  plat::Frame* fraTrajectory() const { return m_fraTrajectory; }
  plat::Frame* fraControl() const { return m_fraControl; }
  plat::OptionGroup& optMode() { return m_optMode; }
  plat::OptionGroup& optUnits() { return m_optUnits; }
  plat::Label* lblTime() const { return m_lblTime; }
  plat::Label* lblVUnits() const { return m_lblVUnits; }
  plat::Label* lblSUnits() const { return m_lblSUnits; }
  plat::Label* lblElevation() const { return m_lblElevation; }
  plat::Label* lblDescent() const { return m_lblDescent; }
  plat::Label* lblTargetLoc() const { return m_lblTargetLoc; }
  plat::Label* lblLateral() const { return m_lblLateral; }
  plat::Label* lblThrust() const { return m_lblThrust; }
  plat::Panel* panFuel() const { return m_panFuel; }
  plat::CommandButton* btnLeft() const { return m_btnLeft; }
  plat::CommandButton* btnUp() const { return m_btnUp; }
  plat::CommandButton* btnRight() const { return m_btnRight; }
  plat::CommandButton* btnStart() const { return m_btnStart; }
  plat::CommandButton* cmdHelp() const { return m_cmdHelp; }
  plat::CommandButton* cmdExit() const { return m_cmdExit; }
  plat::Timer* Timer1() const { return m_timer; }
  const LanderPictures& pictures() const { return m_pictures; }
  const std::string& MainThrustImage() const { return m_mainThrustImage; }
  const std::string& SideThrustImage() const { return m_sideThrustImage; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeFromTitleBar() override;

 private:
  void EnableThrusters(bool enable);
  void ShowColumnHeads();
  void UpdateScanner();

  // LanderHost
  void ShowTime(float gameTime) override;
  void UpdateReadouts(int16_t altitude, int16_t offset) override;
  void ShowFuel(int percent) override;
  void Beep() override;
  void PlayMainThrust() override;
  void PlaySideThrust() override;
  void ShowCrash() override;
  void PlayLanding(bool safe) override;
  void StopGame() override;
  void DrawFrame() override;
  void SetTimerInterval(int ms) override;
  void LostLander() override;

  // The window's random numbers: the scripted source when one is set, else its own.
  class Random : public rt::RandomSource {
   public:
    float next() override;
    rt::TimeSeededRandom own;
  };

  Random m_random;
  LanderGame m_game;
  LanderPictures m_pictures;
  std::unique_ptr<plat::ImageSurface> m_work;
  int16_t m_gameState = 0;
  QString m_folder;
  std::string m_mainThrustImage, m_sideThrustImage;

  plat::PictureBox* m_picViewer = nullptr;
  plat::PictureBox* m_picScanner = nullptr;
  plat::PictureBox* m_picTrajectory = nullptr;
  plat::Shape* m_shpLander = nullptr;
  plat::Shape* m_shpPad = nullptr;
  plat::TextBox* m_txtCrash = nullptr;
  plat::Frame* m_fraMode = nullptr;
  plat::Frame* m_fraUnits = nullptr;
  plat::Frame* m_fraTrajectory = nullptr;
  plat::Frame* m_fraControl = nullptr;
  plat::OptionGroup m_optMode;
  plat::OptionGroup m_optUnits;
  plat::Label* m_lblTime = nullptr;
  plat::Label* m_lblVUnits = nullptr;
  plat::Label* m_lblSUnits = nullptr;
  plat::Label* m_lblElevation = nullptr;
  plat::Label* m_lblDescent = nullptr;
  plat::Label* m_lblTargetLoc = nullptr;
  plat::Label* m_lblLateral = nullptr;
  plat::Label* m_lblThrust = nullptr;
  plat::Panel* m_panFuel = nullptr;
  plat::CommandButton* m_btnLeft = nullptr;
  plat::CommandButton* m_btnUp = nullptr;
  plat::CommandButton* m_btnRight = nullptr;
  plat::CommandButton* m_btnStart = nullptr;
  plat::CommandButton* m_cmdHelp = nullptr;
  plat::CommandButton* m_cmdExit = nullptr;
  plat::Timer* m_timer = nullptr;
};

}  // namespace lander
