#pragma once
// The water wheel window: the wheel of leaking cans turning under the valve's stream, the
// valve with its flow gauge and read-out, three strip charts (speed, height of can 1, the
// cans' levels), and Start (or Restart), Parameters, Help and Exit (or Stop).

#include <QPointer>
#include <array>
#include <memory>

#include "platform/form.h"
#include "wheel/optwheel.h"
#include "wheel/wheeldraw.h"
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

class frmWheel : public plat::Form, private WheelView, private WheelSound {
  Q_OBJECT
 public:
  frmWheel();
  ~frmWheel() override;

  // Event handlers.
  void cmdStart_Click();
  void cmdExit_Click();
  void cmdParameters_Click();
  void cmdHelp_Click();
  void Timer1_Timer();
  void spnFlow_SpinDown();
  void spnFlow_SpinUp();
  void picFlow_Paint();
  // The window became the active window of the program: the model from the shared
  // settings, the wheel reset and drawn.
  void Form_Activate();

  // Controls, for tests and automation.
  plat::CommandButton* cmdStart() const { return m_start; }
  plat::CommandButton* cmdParameters() const { return m_parameters; }
  plat::CommandButton* cmdHelp() const { return m_help; }
  plat::CommandButton* cmdExit() const { return m_exit; }
  plat::SpinButton* spnFlow() const { return m_spin; }
  plat::Panel* pnlFlow() const { return m_gauge; }
  plat::Label* lblFlow() const { return m_flow; }
  plat::Label* lblUnits() const { return m_units; }
  plat::PictureBox* picFlow() const { return m_picFlow; }
  plat::PictureBox* picWheel() const { return m_picWheel; }
  plat::ImageSurface& picWheelHidden() const { return *m_hidden; }
  plat::PictureBox* picSpeed() const { return m_picSpeed; }
  plat::PictureBox* picHeight() const { return m_picHeight; }
  plat::PictureBox* picLevel() const { return m_picLevel; }
  plat::Timer* Timer1() const { return m_timer; }
  const WheelRun& run() const { return *m_run; }
  const StripCharts& charts() const { return *m_charts; }
  optWheel* parametersDialog() const { return m_dialog; }
  int16_t StartLeft() const { return m_startLeft; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void Form_Paint() override;
  void closeFromTitleBar() override;
  bool event(QEvent* e) override;

 private:
  void leave();
  void dialogClosed();

  // WheelView
  void ShowControls(const RunControls& controls) override;
  void EnableFlowSpin(bool on) override;
  void DrawFlow() override;
  void ShowUnits(bool metric) override;
  void ScaleWheel() override;
  void DrawWheel() override;
  void StartCharts() override;
  void ClearCharts() override;
  void DrawZeroLine() override;
  void AdvanceCharts() override;
  void SetTimerInterval(int ms) override;
  void SetTimerEnabled(bool on) override;
  // WheelSound
  void PlayDingAndWait() override;

  std::unique_ptr<WheelRun> m_run;
  std::unique_ptr<StripCharts> m_charts;
  std::unique_ptr<plat::ImageSurface> m_hidden;
  QString m_soundFile;
  int16_t m_startLeft = 0;
  // Set while the parameters dialog holds the activation, so the wheel's next activation
  // is a return from the dialog (and not from the help viewer or another program).
  bool m_dialogWasActive = false;
  QPointer<optWheel> m_dialog;

  plat::PictureBox* m_picFlow = nullptr;
  plat::Panel* m_gauge = nullptr;
  plat::SpinButton* m_spin = nullptr;
  plat::Label* m_flow = nullptr;
  plat::Label* m_units = nullptr;
  plat::PictureBox* m_picWheel = nullptr;
  plat::PictureBox* m_picSpeed = nullptr;
  plat::PictureBox* m_picHeight = nullptr;
  plat::PictureBox* m_picLevel = nullptr;
  plat::CommandButton* m_start = nullptr;
  plat::CommandButton* m_parameters = nullptr;
  plat::CommandButton* m_help = nullptr;
  plat::CommandButton* m_exit = nullptr;
  plat::Timer* m_timer = nullptr;
};

// The wheel's values from the shared settings, and back.
WheelSettings WheelSettingsFromShared();
void StoreWheelSettings(const WheelSettings& s);

}  // namespace wheel
