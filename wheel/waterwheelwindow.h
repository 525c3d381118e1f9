#pragma once
// The water wheel window: the wheel of leaking cans turning under the valve's stream, the
// valve with its flow gauge and read-out, three strip charts (speed, height of can 1, the
// cans' levels), and Start (or Restart), Parameters, Help and Exit (or Stop).

#include <QPointer>
#include <array>
#include <memory>

#include "platform/form.h"
#include "wheel/wheeldraw.h"
#include "wheel/wheelparametersdialog.h"
#include "wheel/wheelrun.h"

namespace plat {
class CommandButton;
class Frame;
class ImageSurface;
class Label;
class Panel;
class PictureBox;
class SpinButton;
class Timer;
}  // namespace plat

namespace wheel {

class WaterWheelWindow : public plat::Form, private WheelView, private WheelSound {
  Q_OBJECT
 public:
  WaterWheelWindow();
  ~WaterWheelWindow() override;

  // What the controls do.
  void startOrRestart();
  void exitOrStop();
  void openParameters();
  void turnStep();
  void lessFlow();
  void moreFlow();
  // The window became the active window of the program: the model from the shared
  // settings, the wheel reset and drawn.
  void takeUpSettings();

  const WheelRun& run() const { return *m_run; }

 protected:
  void loadStep() override;
  void unloadStep() override;
  void repaintStep() override;
  void closeFromTitleBar() override;
  bool event(QEvent* e) override;

 private:
  void buildValve();
  void buildWheelAndCharts();
  void buildButtons();
  void leave();
  void dialogClosed();

  // WheelView
  void showControls(const RunControls& controls) override;
  void enableFlowSpin(bool on) override;
  void drawFlow() override;
  void showUnits(bool metric) override;
  void scaleWheel() override;
  void drawWheel() override;
  void startCharts() override;
  void clearCharts() override;
  void drawZeroLine() override;
  void advanceCharts() override;
  void setTimerInterval(int ms) override;
  void setTimerEnabled(bool on) override;
  // WheelSound
  void playDingAndWait() override;

  std::unique_ptr<WheelRun> m_run;
  std::unique_ptr<StripCharts> m_charts;
  std::unique_ptr<plat::ImageSurface> m_hiddenWheel;
  QString m_soundFile;
  // Where Start stands when no run goes on, in twips.
  int16_t m_startLeft = 0;
  // Set while the parameters dialog holds the activation, so the wheel's next activation
  // is a return from the dialog (and not from the help viewer or another program).
  bool m_dialogWasActive = false;
  QPointer<WheelParametersDialog> m_dialog;

  plat::PictureBox* m_valvePicture = nullptr;
  plat::Panel* m_flowGauge = nullptr;
  plat::SpinButton* m_flowSpin = nullptr;
  plat::Label* m_flowReadout = nullptr;
  plat::Label* m_flowUnits = nullptr;
  plat::PictureBox* m_wheelPicture = nullptr;
  plat::PictureBox* m_speedChart = nullptr;
  plat::PictureBox* m_heightChart = nullptr;
  plat::PictureBox* m_levelChart = nullptr;
  plat::CommandButton* m_startButton = nullptr;
  plat::CommandButton* m_parametersButton = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::CommandButton* m_exitButton = nullptr;
  plat::Timer* m_turnTimer = nullptr;
};

// The wheel's values from the shared settings, and back.
WheelSettings wheelSettingsFromShared();
void storeWheelSettings(const WheelSettings& s);

}  // namespace wheel
