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

namespace pendulum {

class PendulumWindow : public plat::Form, private PendRunView, private PendSound {
  Q_OBJECT
 public:
  PendulumWindow();
  ~PendulumWindow() override;

  // What the controls do.
  void startOrReset();
  void exitOrStop();
  void printPlots();
  void swingStep();
  void chooseUnits(int index);
  void lowerParameter(int index);
  void raiseParameter(int index);
  void redrawPendulum();
  void redrawAnglePlot();
  void redrawPhasePlot();

  const PendRun& run() const { return *m_run; }
  // Where the bob was last drawn, in the pendulum picture's scale (the pivot at the origin).
  int16_t bobX() const { return m_bobX; }
  int16_t bobY() const { return m_bobY; }
  // The hidden picture the pendulum is drawn on before it is copied to the visible one.
  const plat::ImageSurface& hiddenPendulum() const { return *m_hiddenPendulum; }

 protected:
  void loadStep() override;
  void unloadStep() override;
  void repaintStep() override { redrawPendulum(); }
  void closeFromTitleBar() override;

 private:
  void buildPictures();
  void buildTitles();
  void buildParameterRows();
  void buildUnits();
  void buildButtons();

  void setupParameters();
  void showParameter(int index);
  void storeSettings();
  void drawPendulumAt(float degrees);

  // PendRunView
  void showControls(const RunControls& controls) override;
  void showTime(const std::string& text) override;
  void scalePlots(float runLength, float halfAngle, float halfSpeed) override;
  void clearPlots() override;
  void drawPendulum(float degrees) override { drawPendulumAt(degrees); }
  void addSegments(const PlotSegment& segment) override;
  void setTimerInterval(int ms) override;
  void setTimerEnabled(bool on) override;
  void focusStart() override;
  // PendSound
  void playDingAndWait() override;

  PendSettings m_values;
  PendParameters m_params{m_values};
  std::unique_ptr<PendRun> m_run;
  QString m_soundFile;
  int16_t m_bobX = 0, m_bobY = 0;

  std::unique_ptr<plat::ImageSurface> m_hiddenPendulum;
  plat::PictureBox* m_pendulumPicture = nullptr;
  plat::PictureBox* m_anglePlot = nullptr;
  plat::PictureBox* m_phasePlot = nullptr;
  plat::Line* m_angleZeroLine = nullptr;
  plat::Line* m_phaseAngleAxis = nullptr;
  plat::Line* m_phaseSpeedAxis = nullptr;
  plat::Label* m_timeReadout = nullptr;
  std::array<plat::Label*, 5> m_parameterCaptions{};
  std::array<plat::Label*, 5> m_parameterValues{};
  std::array<plat::SpinButton*, 5> m_parameterSpins{};
  plat::Frame* m_unitsFrame = nullptr;
  plat::OptionGroup m_unitsOptions;
  plat::CommandButton* m_startButton = nullptr;
  plat::CommandButton* m_printButton = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::CommandButton* m_exitButton = nullptr;
  plat::Timer* m_swingTimer = nullptr;
};

}  // namespace pendulum
