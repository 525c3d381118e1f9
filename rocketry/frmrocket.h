#pragma once
// The rocketry window: thrust, burn time and mass on three scroll bars, the parachute and
// the display units, the predicted results, the launch view with the rocket in its sky and
// the altitude, speed and net-force profiles, and Launch (or Stop), Print, Help and Exit.

#include <QString>
#include <array>
#include <map>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/optionbutton.h"
#include "rocketry/flight.h"
#include "rocketry/launch.h"

namespace plat {
class CheckBox;
class CommandButton;
class HScrollBar;
class ImageBox;
class Label;
class Line;
class Panel;
class PictureBox;
class Timer;
}  // namespace plat

namespace rocket {

class frmRocket : public plat::Form, private LaunchView, private LaunchSound {
  Q_OBJECT
 public:
  frmRocket();
  ~frmRocket() override;

  // Event handlers.
  void hsbThrust_Change();
  void hsbThrust_Scroll() { hsbThrust_Change(); }
  void hsbBurn_Change();
  void hsbBurn_Scroll() { hsbBurn_Change(); }
  void hsbWeight_Change();
  void hsbWeight_Scroll() { hsbWeight_Change(); }
  void chkChute_Click();
  void optUnits_Click(int index);
  void cmdLaunch_Click();
  void cmdPrint_Click();
  void cmdHelp_Click();
  void cmdExit_Click();
  void Timer1_Timer();
  void picThrust_Paint();

  // Controls, for tests and automation.
  plat::HScrollBar* hsbThrust() const { return m_thrust; }
  plat::HScrollBar* hsbBurn() const { return m_burn; }
  plat::HScrollBar* hsbWeight() const { return m_weight; }
  plat::Label* lblThrust() const { return m_lblThrust; }
  plat::Label* lblBurn() const { return m_lblBurn; }
  plat::Label* lblWeight() const { return m_lblWeight; }
  plat::Label* lblWHead() const { return m_lblWHead; }
  plat::Label* lblMaxSpeed() const { return m_result[0]; }
  plat::Label* lblAMax() const { return m_result[1]; }
  plat::Label* lblTAMax() const { return m_result[2]; }
  plat::Label* lblCSpeed() const { return m_result[3]; }
  plat::Label* lblTDS() const { return m_result[4]; }
  plat::Label* lblTCSpeed() const { return m_result[5]; }
  plat::CheckBox* chkChute() const { return m_chute; }
  plat::OptionGroup& optUnits() { return m_optUnits; }
  plat::CommandButton* cmdLaunch() const { return m_launch; }
  plat::CommandButton* cmdPrint() const { return m_print; }
  plat::CommandButton* cmdHelp() const { return m_help; }
  plat::CommandButton* cmdExit() const { return m_exit; }
  plat::PictureBox* picSky() const { return m_sky; }
  plat::ImageBox* picRocket() const { return m_rocket; }
  plat::ImageBox* picSmoke() const { return m_smoke; }
  plat::ImageBox* picChute() const { return m_chuteImage; }
  plat::PictureBox* picAltitude() const { return m_picAltitude; }
  plat::PictureBox* picSpeed() const { return m_picSpeed; }
  plat::PictureBox* picThrust() const { return m_picThrust; }
  plat::Line* Line1() const { return m_line1; }
  plat::Line* Line2() const { return m_line2; }
  plat::Timer* Timer1() const { return m_timer; }
  const RocketLaunch& launch() const { return *m_launchRun; }
  const RocketSettings& values() const { return m_values; }
  int16_t Loading() const { return m_loading; }
  // The launch button's picture: true while it shows the stop picture.
  bool showsStop() const { return m_showsStop; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeFromTitleBar() override;

 private:
  void BringSettingsIntoRange();
  void SetMassBar(int value, MassRange limits);
  void ShowMass();
  void StoreSettings();

  // LaunchView
  void ComputeFlight() override;
  void ShowRunning(bool running) override;
  void SetPrintEnabled(bool on) override;
  void ScalePlots(const PlotScale& force, const PlotScale& speed, const PlotScale& altitude) override;
  void ResetPlots(float flightTime) override;
  void DrawSegments(float t, float force, float speed, float altitude) override;
  void PlacePictures(const PictureTops& tops) override;
  void SetSmokeVisible(bool on) override;
  void SetChuteVisible(bool on) override;
  void SetTimerInterval(int ms) override;
  void SetTimerEnabled(bool on) override;
  void FocusLaunch() override;
  // LaunchSound
  void PlayWave(const std::string& fileName) override;
  void Stop() override;

  RocketSettings m_values;
  Units m_units = UnitsFor(1);
  std::unique_ptr<RocketLaunch> m_launchRun;
  int16_t m_loading = 0;
  bool m_showsStop = false;
  std::map<std::string, QString> m_wavePath;

  plat::Panel* m_inputs = nullptr;
  plat::HScrollBar* m_thrust = nullptr;
  plat::HScrollBar* m_burn = nullptr;
  plat::HScrollBar* m_weight = nullptr;
  plat::Label* m_lblThrust = nullptr;
  plat::Label* m_lblBurn = nullptr;
  plat::Label* m_lblWeight = nullptr;
  plat::Label* m_lblWHead = nullptr;
  std::array<plat::Label*, 6> m_result{};
  plat::CheckBox* m_chute = nullptr;
  plat::OptionGroup m_optUnits;
  plat::PictureBox* m_sky = nullptr;
  plat::ImageBox* m_rocket = nullptr;
  plat::ImageBox* m_smoke = nullptr;
  plat::ImageBox* m_chuteImage = nullptr;
  plat::ImageBox* m_imgGo = nullptr;
  plat::ImageBox* m_imgStop = nullptr;
  plat::PictureBox* m_picAltitude = nullptr;
  plat::PictureBox* m_picSpeed = nullptr;
  plat::PictureBox* m_picThrust = nullptr;
  plat::Line* m_line1 = nullptr;
  plat::Line* m_line2 = nullptr;
  plat::CommandButton* m_launch = nullptr;
  plat::CommandButton* m_print = nullptr;
  plat::CommandButton* m_help = nullptr;
  plat::CommandButton* m_exit = nullptr;
  plat::Timer* m_timer = nullptr;
};

}  // namespace rocket
