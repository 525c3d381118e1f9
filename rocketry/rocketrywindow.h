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

class RocketryWindow : public plat::Form, private LaunchView, private LaunchSound {
  Q_OBJECT
 public:
  RocketryWindow();
  ~RocketryWindow() override;

  // -- what the controls do -----------------------------------------------------------------
  // The bars' values (on every change, and while a thumb is dragged) taken, shown, stored,
  // and the flight worked out again.
  void applyThrust();
  void applyBurnTime();
  void applyMass();
  void applyChute();
  void chooseUnits(int index);
  void launchOrStop();
  void printResults();
  void exitToMenu();
  // The flight timer's tick: one step of the flight.
  void flightStep();
  // The net-force plot's repaint: a kept flight replayed into the plots.
  void replayFlight();

  // -- controls, for tests and automation -----------------------------------------------------
  plat::HScrollBar* thrustBar() const { return m_thrustBar; }
  plat::HScrollBar* burnTimeBar() const { return m_burnTimeBar; }
  plat::HScrollBar* massBar() const { return m_massBar; }
  plat::Label* thrustReadout() const { return m_thrustReadout; }
  plat::Label* burnTimeReadout() const { return m_burnTimeReadout; }
  plat::Label* massReadout() const { return m_massReadout; }
  plat::Label* massTitle() const { return m_massTitle; }
  plat::Label* maxSpeedReadout() const { return m_results[0]; }
  plat::Label* maxAltitudeReadout() const { return m_results[1]; }
  plat::Label* apogeeTimeReadout() const { return m_results[2]; }
  plat::Label* descentSpeedReadout() const { return m_results[3]; }
  plat::Label* descentTimeReadout() const { return m_results[4]; }
  plat::Label* flightTimeReadout() const { return m_results[5]; }
  plat::CheckBox* chuteBox() const { return m_chuteBox; }
  plat::OptionGroup& unitOptions() { return m_unitOptions; }
  plat::CommandButton* launchButton() const { return m_launchButton; }
  plat::CommandButton* printButton() const { return m_printButton; }
  plat::CommandButton* helpButton() const { return m_helpButton; }
  plat::CommandButton* exitButton() const { return m_exitButton; }
  plat::PictureBox* skyPicture() const { return m_skyPicture; }
  plat::ImageBox* rocketPicture() const { return m_rocketPicture; }
  plat::ImageBox* smokePicture() const { return m_smokePicture; }
  plat::ImageBox* chutePicture() const { return m_chutePicture; }
  plat::PictureBox* altitudePlot() const { return m_altitudePlot; }
  plat::PictureBox* speedPlot() const { return m_speedPlot; }
  plat::PictureBox* forcePlot() const { return m_forcePlot; }
  plat::Line* speedZeroLine() const { return m_speedZeroLine; }
  plat::Line* forceZeroLine() const { return m_forceZeroLine; }
  plat::Timer* flightTimer() const { return m_flightTimer; }
  const RocketLaunch& launch() const { return *m_launchRun; }
  const RocketSettings& values() const { return m_values; }
  int16_t loading() const { return m_loading; }
  // The launch button's picture: true while it shows the stop picture.
  bool showsStop() const { return m_showsStop; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeFromTitleBar() override;

 private:
  void buildSky();
  void buildInputs();
  void buildChoices();
  void buildResults();
  void buildPlots();
  void buildCommands();
  void bringSettingsIntoRange();
  void showSettings();
  void setMassBar(int value, MassRange limits);
  void showMass();
  void storeSettings();

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

  plat::PictureBox* m_skyPicture = nullptr;
  plat::ImageBox* m_chutePicture = nullptr;
  plat::ImageBox* m_smokePicture = nullptr;
  plat::ImageBox* m_rocketPicture = nullptr;
  plat::Panel* m_inputPanel = nullptr;
  plat::Label* m_massTitle = nullptr;
  plat::HScrollBar* m_thrustBar = nullptr;
  plat::HScrollBar* m_burnTimeBar = nullptr;
  plat::HScrollBar* m_massBar = nullptr;
  plat::Label* m_thrustReadout = nullptr;
  plat::Label* m_burnTimeReadout = nullptr;
  plat::Label* m_massReadout = nullptr;
  plat::CheckBox* m_chuteBox = nullptr;
  plat::OptionGroup m_unitOptions;
  std::array<plat::Label*, 6> m_results{};
  plat::PictureBox* m_altitudePlot = nullptr;
  plat::PictureBox* m_speedPlot = nullptr;
  plat::PictureBox* m_forcePlot = nullptr;
  plat::Line* m_speedZeroLine = nullptr;
  plat::Line* m_forceZeroLine = nullptr;
  // Hidden pictures the launch button takes: go when idle, stop during a flight.
  plat::ImageBox* m_goPicture = nullptr;
  plat::ImageBox* m_stopPicture = nullptr;
  plat::CommandButton* m_launchButton = nullptr;
  plat::CommandButton* m_printButton = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::CommandButton* m_exitButton = nullptr;
  plat::Timer* m_flightTimer = nullptr;
};

}  // namespace rocket
