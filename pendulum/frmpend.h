#pragma once
// The pendulum window: the pendulum swinging in its picture, the angle-against-time and
// phase plots, the four parameters on spin buttons in metric or US units, and Start (or
// Reset), Print Plots, Help and Exit (or Stop).

#include <array>
#include <memory>

#include "pendulum/pendparams.h"
#include "pendulum/pendrun.h"
#include "platform/form.h"
#include "platform/optionbutton.h"

namespace plat {
class CommandButton;
class Frame;
class ImageSurface;
class Label;
class Line;
class PictureBox;
class SpinButton;
class Timer;
}  // namespace plat

namespace pend {

class frmPend : public plat::Form, private PendRunView, private PendSound {
  Q_OBJECT
 public:
  frmPend();
  ~frmPend() override;

  // Event handlers.
  void cmdStart_Click();
  void cmdExit_Click();
  void cmdPrint_Click();
  void cmdHelp_Click();
  void Timer1_Timer();
  void optUnits_Click(int index);
  void spnValue_SpinDown(int index);
  void spnValue_SpinUp(int index);
  void Form_Paint();
  void picAngle_Paint();
  void picPhase_Paint();

  // Controls, for tests and automation.
  plat::CommandButton* cmdStart() const { return m_start; }
  plat::CommandButton* cmdPrint() const { return m_print; }
  plat::CommandButton* cmdHelp() const { return m_help; }
  plat::CommandButton* cmdExit() const { return m_exit; }
  plat::SpinButton* spnValue(int index) const { return m_spin[size_t(index)]; }
  plat::Label* lblValue(int index) const { return m_value[size_t(index)]; }
  plat::Label* lblCaption(int index) const { return m_caption[size_t(index)]; }
  plat::Label* lblTime() const { return m_time; }
  plat::Frame* fraUnits() const { return m_units; }
  plat::OptionGroup& optUnits() { return m_optUnits; }
  plat::PictureBox* picPend() const { return m_picPend; }
  plat::ImageSurface& picPendHidden() const { return *m_hidden; }
  plat::PictureBox* picAngle() const { return m_picAngle; }
  plat::PictureBox* picPhase() const { return m_picPhase; }
  plat::Line* linAngleX() const { return m_linAngleX; }
  plat::Line* linPhaseX() const { return m_linPhaseX; }
  plat::Line* linPhaseY() const { return m_linPhaseY; }
  plat::Timer* Timer1() const { return m_timer; }
  const PendRun& run() const { return *m_run; }
  const PendParameters& parameters() const { return m_params; }
  int16_t BobX() const { return m_bobX; }
  int16_t BobY() const { return m_bobY; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeFromTitleBar() override;

 private:
  void SetupParameters();
  void ShowParameter(int index);
  void StoreSettings();
  void DrawPendulumAt(float degrees);

  // PendRunView
  void ShowControls(const RunControls& controls) override;
  void ShowTime(const std::string& text) override;
  void ScalePlots(float runLength, float halfAngle, float halfSpeed) override;
  void ClearPlots() override;
  void DrawPendulum(float degrees) override { DrawPendulumAt(degrees); }
  void AddSegments(const PlotSegment& segment) override;
  void SetTimerInterval(int ms) override;
  void SetTimerEnabled(bool on) override;
  void FocusStart() override;
  // PendSound
  void PlayDingAndWait() override;

  PendSettings m_values;
  PendParameters m_params{m_values};
  std::unique_ptr<PendRun> m_run;
  QString m_soundFile;
  int16_t m_bobX = 0, m_bobY = 0;

  std::unique_ptr<plat::ImageSurface> m_hidden;
  plat::PictureBox* m_picPend = nullptr;
  plat::PictureBox* m_picAngle = nullptr;
  plat::PictureBox* m_picPhase = nullptr;
  plat::Line* m_linAngleX = nullptr;
  plat::Line* m_linPhaseX = nullptr;
  plat::Line* m_linPhaseY = nullptr;
  plat::Label* m_time = nullptr;
  std::array<plat::Label*, 5> m_caption{};
  std::array<plat::Label*, 5> m_value{};
  std::array<plat::SpinButton*, 5> m_spin{};
  plat::Frame* m_units = nullptr;
  plat::OptionGroup m_optUnits;
  plat::CommandButton* m_start = nullptr;
  plat::CommandButton* m_print = nullptr;
  plat::CommandButton* m_help = nullptr;
  plat::CommandButton* m_exit = nullptr;
  plat::Timer* m_timer = nullptr;
};

}  // namespace pend
