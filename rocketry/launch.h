#pragma once
// A launch of the model rocket, animated in real time: the launch button starts and stops a
// flight, each timer tick advances it by 0.05 s, the rocket climbs and falls in the sky
// picture with its smoke below it and its parachute above it, and the three profile plots
// (net force, speed, altitude against time) grow step by step. A flight that ended or was
// stopped is kept: a repaint replays it silently, and it can be printed.
//
// The launch talks to its window through LaunchView, to the speaker through LaunchSound and
// to the millisecond tick counter through rt::TickClock, so it runs without any window.

#include <cstdint>
#include <string>
#include <vector>

#include "rocketry/flight.h"
#include "runtime/clock.h"

namespace rocketry {

// The sky picture and the three pictures in it, in twips.
constexpr float kSkyWidth = 2055, kSkyHeight = 6735;
constexpr float kRocketWidth = 495, kRocketHeight = 1350;
constexpr float kSmokeWidth = 495, kSmokeHeight = 600;
constexpr float kChuteWidth = 915, kChuteHeight = 675;
// The parachute overlaps the rocket's nose by this much.
constexpr float kChuteOverlap = 240;

// Where the three pictures stand in the sky (their tops, twips).
struct PictureTops {
  float rocket, smoke, chute;
};
// On the pad: the rocket on the sky's bottom edge, the smoke under it, the parachute above.
PictureTops padTops();
// At a height: the sky's height spans the pad to the highest point, where the open
// parachute just fits inside the sky.
PictureTops flightTops(float altitude, float maxAltitude);

// One plot's scale: top left and bottom right corners, time across.
struct PlotScale {
  float x1, y1, x2, y2;
};

class LaunchView {
 public:
  virtual ~LaunchView();
  // The whole recomputation an input change makes: the settings from the bars, the plan
  // and the predicted results.
  virtual void computeFlight() = 0;
  // The launch button's picture (stop while running) and the controls a flight locks:
  // Exit, the parachute box and the unit options.
  virtual void showRunning(bool running) = 0;
  virtual void setPrintEnabled(bool on) = 0;
  virtual void scalePlots(const PlotScale& force, const PlotScale& speed, const PlotScale& altitude) = 0;
  // The zero lines across 0..flightTime shown, the plots cleared, each pen set at (0, 0).
  virtual void resetPlots(float flightTime) = 0;
  // A segment in each plot from its pen position to the given point.
  virtual void drawSegments(float t, float force, float speed, float altitude) = 0;
  virtual void placePictures(const PictureTops& tops) = 0;
  virtual void setSmokeVisible(bool on) = 0;
  virtual void setChuteVisible(bool on) = 0;
  virtual void setTimerInterval(int ms) = 0;
  virtual void setTimerEnabled(bool on) = 0;
  virtual void focusLaunch() = 0;
};

class LaunchSound {
 public:
  virtual ~LaunchSound();
  // A wave file of the program's folder, not waited for; the sound playing stops first.
  virtual void playWave(const std::string& fileName) = 0;
  // Stops the sound playing.
  virtual void stop() = 0;
};

// A point of a replayed flight, for the printout.
struct FlightPoint {
  float time, altitude, speed, force;
};

class RocketLaunch : private FlightEvents {
 public:
  static constexpr float kTimeStep = 0.05f;

  RocketLaunch(const RocketSettings& settings, LaunchView& view, LaunchSound& sound, rt::TickClock& ticks);

  Flight& flight() { return m_flight; }
  const Flight& flight() const { return m_flight; }

  // The window's load step: pictures on the pad, parachute hidden, smoke shown.
  void putOnPad();
  // The launch button: launches when idle, stops a flight in progress.
  void launchClicked();
  void tick();
  // The net-force plot's repaint: replays a kept flight into the three plots, silently.
  void repaint();
  // Replays the kept flight silently for the printout: the start point and one point per
  // step up to where the flight ended.
  std::vector<FlightPoint> printReplay();
  // Ends a flight without a trace (the window closes).
  void abandon();

  int16_t running() const { return m_running; }
  int16_t haveFlight() const { return m_haveFlight; }
  float timeStep() const { return m_timeStep; }
  bool chuteVisible() const override { return m_chuteVisible; }
  bool smokeVisible() const { return m_smokeVisible; }
  bool timerEnabled() const { return m_timerEnabled; }
  int timerInterval() const { return m_timerInterval; }

 private:
  void launch();
  void stop();
  void resetFlight();
  void resetPlotsAndState();
  void setChute(bool on);
  void setSmoke(bool on);
  void setTimerEnabled(bool on);
  void setTimerInterval(int ms);
  // FlightEvents
  void burnOut() override;
  void openChute() override;
  void landed(bool silent) override;

  const RocketSettings& m_settings;
  Flight m_flight;
  LaunchView& m_view;
  LaunchSound& m_sound;
  rt::TickClock& m_ticks;

  int16_t m_running = 0;
  int16_t m_haveFlight = 0;
  float m_timeStep = kTimeStep;
  bool m_chuteVisible = false;
  bool m_smokeVisible = true;
  bool m_timerEnabled = false;
  int m_timerInterval = 0;
  bool m_landed = false;
};

}  // namespace rocketry
