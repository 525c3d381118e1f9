#pragma once
// A pendulum run: the Ready, Running and Stopped states behind the Start (or Reset), Stop
// and Exit commands, the timer tick that takes two midpoint steps and draws, and the record
// of the run that the plots and the printout are redrawn from.
//
// The run talks to its window through PendRunView, to the speaker through PendSound and to
// the millisecond tick counter through rt::TickClock, so it runs without any window at all.

#include <array>
#include <cstdint>
#include <string>

#include "pendulum/pendparams.h"
#include "pendulum/pendphysics.h"
#include "runtime/clock.h"

namespace pendulum {

enum class RunState { Ready, Running, Stopped };

// What the window's commands look like in a state.
struct RunControls {
  std::string startCaption;  // "&Start" or "&Reset"
  bool startVisible;
  std::string exitCaption;  // "E&xit" or "&Stop"
  bool printVisible;
  bool parametersVisible;  // the four spin buttons and the units frame
};
RunControls controlsFor(RunState state);

// One tick's new piece of each plot, in degrees (and degrees per second).
struct PlotSegment {
  float t0, angle0, omega0;
  float t1, angle1, omega1;
};

class PendRunView {
 public:
  virtual ~PendRunView();
  virtual void showControls(const RunControls& controls) = 0;
  // The time label, repainted at once.
  virtual void showTime(const std::string& text) = 0;
  // Both plots: the angle plot over 0..runLength s and +-halfAngle degrees, the phase
  // plot over +-halfAngle degrees and +-halfSpeed degrees per second; zero lines at 0.
  virtual void scalePlots(float runLength, float halfAngle, float halfSpeed) = 0;
  virtual void clearPlots() = 0;
  virtual void drawPendulum(float degrees) = 0;
  virtual void addSegments(const PlotSegment& segment) = 0;
  virtual void setTimerInterval(int ms) = 0;
  virtual void setTimerEnabled(bool on) = 0;
  virtual void focusStart() = 0;
};

class PendSound {
 public:
  virtual ~PendSound();
  // Plays the start sound and returns when it has ended.
  virtual void playDingAndWait() = 0;
};

class PendRun {
 public:
  // History rows: time (s), angle (rad), angular speed (rad/s); column 0 is the start state.
  static constexpr int kHistoryColumns = kMaxPoints + 1;
  using History = std::array<std::array<float, kHistoryColumns>, 3>;

  PendRun(const PendSettings& settings, PendRunView& view, PendSound& sound, rt::TickClock& ticks);

  // The Start button: a Start from Ready, a Reset from Stopped (and at load).
  void startClicked();
  // The Exit button while running: stops the run. Returns false when not running, when
  // Exit means leaving the window.
  bool stopClicked();
  // The timer event.
  void tick();
  // Ends a run as the Stop command and the 20 s limit do.
  void stop();
  // Makes the next Start click a Reset (the window's load step ends with one).
  void setResetPending() { m_resetPending = 1; }

  RunState state() const;
  int16_t running() const { return m_running; }
  int16_t resetPending() const { return m_resetPending; }
  float simTime() const { return m_simTime; }
  float maxTime() const { return m_maxTime; }
  float theta() const { return m_theta; }
  float omega() const { return m_omega; }
  float omegaScale() const { return m_omegaScale; }
  float dampingFactor() const { return m_damping; }
  int16_t numPoints() const { return m_numPoints; }
  const History& history() const { return m_history; }
  bool timerEnabled() const { return m_timerEnabled; }
  int timerInterval() const { return m_timerInterval; }

  // The time label's text for a simulated time: "12.30 Seconds".
  static std::string timeText(float seconds);

 private:
  void start();
  void reset();
  void setTimerInterval(int ms);
  void setTimerEnabled(bool on);

  const PendSettings& m_settings;
  PendRunView& m_view;
  PendSound& m_sound;
  rt::TickClock& m_ticks;

  int16_t m_running = 0;
  int16_t m_resetPending = 0;
  float m_simTime = 0, m_maxTime = kRunLength;
  float m_theta = 0, m_omega = 0;
  float m_prevTime = 0, m_prevTheta = 0, m_prevOmega = 0;
  float m_omegaScale = 0, m_damping = 0;
  int16_t m_numPoints = 0;
  History m_history{};
  bool m_timerEnabled = false;
  int m_timerInterval = 0;
};

}  // namespace pendulum
