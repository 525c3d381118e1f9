#pragma once
// A water wheel run: the Ready and Running states behind the Start (or Restart) and Stop
// commands, the valve, the timer tick that takes ten steps and draws twice, and the window's
// activation, which takes the parameters up afresh and puts the wheel back at its start.
//
// The run talks to its window through WheelView, to the speaker through WheelSound and to
// the millisecond tick counter through rt::TickClock, so it runs without any window at all.

#include <string>

#include "runtime/clock.h"
#include "wheel/wheelmodel.h"

namespace wheel {

// What the window's commands look like in a state.
struct RunControls {
  std::string startCaption;  // "&Start" or "&Restart"
  bool startCentred;         // under the wheel while running, at its own place otherwise
  bool parametersVisible;
  std::string exitCaption;  // "E&xit" or "&Stop"
};
RunControls controlsFor(bool running);

class WheelView {
 public:
  virtual ~WheelView();
  virtual void showControls(const RunControls& controls) = 0;
  virtual void enableFlowSpin(bool on) = 0;
  // The flow gauge, the falling water and the flow read-out from the model's valve setting.
  virtual void drawFlow() = 0;
  // The flow read-out's unit: "g/s" metric, "oz/s" US.
  virtual void showUnits(bool metric) = 0;
  // The wheel picture's scale from the model's sizes.
  virtual void scaleWheel() = 0;
  virtual void drawWheel() = 0;
  // The charts: their memory of the previous column taken from the model as it stands
  // (speed 0, can 1's height, every level 0); cleared; the speed chart's zero line; one
  // new column from the model.
  virtual void startCharts() = 0;
  virtual void clearCharts() = 0;
  virtual void drawZeroLine() = 0;
  virtual void advanceCharts() = 0;
  virtual void setTimerInterval(int ms) = 0;
  virtual void setTimerEnabled(bool on) = 0;
};

class WheelSound {
 public:
  virtual ~WheelSound();
  // Plays the start sound and returns when it has ended.
  virtual void playDingAndWait() = 0;
};

class WheelRun {
 public:
  WheelRun(WheelView& view, WheelSound& sound, rt::TickClock& ticks);

  // The window became the active window: the model from these settings, the wheel reset
  // and drawn. A run in progress goes on from the reset wheel.
  void activate(const WheelSettings& settings);
  // Start, and Restart while running.
  void startClicked();
  // The Exit button while running stops the run. False when not running: Exit then means
  // leaving the window.
  bool stopClicked();
  void tick();
  void spinDown();
  void spinUp();

  bool running() const { return m_running != 0; }
  bool metric() const { return m_metric; }
  const WheelModel& model() const { return m_model; }
  WheelModel& model() { return m_model; }
  bool timerEnabled() const { return m_timerEnabled; }
  int timerInterval() const { return m_timerInterval; }

  // The flow read-out: grams per second through "####0", or ounces per second through
  // "###0.0".
  static std::string flowText(float flow, bool metric);
  // A flow of grams per second in the units the read-out shows, unrounded.
  static double shownFlow(float flow, bool metric) { return metric ? double(flow) : double(flow) * 35.28 / 1000; }

 private:
  void setTimerInterval(int ms);
  void setTimerEnabled(bool on);
  void setFlowSetting(int16_t setting);

  WheelView& m_view;
  WheelSound& m_sound;
  rt::TickClock& m_ticks;
  WheelModel m_model;
  int16_t m_running = 0;
  bool m_metric = false;
  bool m_timerEnabled = false;
  int m_timerInterval = 0;
};

}  // namespace wheel
