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

namespace rocketry {

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

  // The launch run: the flight worked out, whether it runs and whether a flight is kept.
  const RocketLaunch& launch() const { return *m_launchRun; }
  // Non-zero while the window loads: the bars' changes then work out no flight.
  int16_t loading() const { return m_loading; }

 protected:
  void loadStep() override;
  void unloadStep() override;
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
  void computeFlight() override;
  void showRunning(bool running) override;
  void setPrintEnabled(bool on) override;
  void scalePlots(const PlotScale& force, const PlotScale& speed, const PlotScale& altitude) override;
  void resetPlots(float flightTime) override;
  void drawSegments(float t, float force, float speed, float altitude) override;
  void placePictures(const PictureTops& tops) override;
  void setSmokeVisible(bool on) override;
  void setChuteVisible(bool on) override;
  void setTimerInterval(int ms) override;
  void setTimerEnabled(bool on) override;
  void focusLaunch() override;
  // LaunchSound
  void playWave(const std::string& fileName) override;
  void stop() override;

  RocketSettings m_values;
  Units m_units = unitsFor(1);
  std::unique_ptr<RocketLaunch> m_launchRun;
  int16_t m_loading = 0;
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

}  // namespace rocketry
