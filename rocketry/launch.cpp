#include "rocketry/launch.h"

namespace rocketry {

LaunchView::~LaunchView() = default;
LaunchSound::~LaunchSound() = default;

PictureTops padTops() {
  const float rocket = kSkyHeight - kRocketHeight;
  return {rocket, rocket + kRocketHeight, rocket - kChuteHeight + kChuteOverlap};
}

PictureTops flightTops(float altitude, float maxAltitude) {
  const float r = altitude / maxAltitude;
  const float rocket = (1 - r) * (kSkyHeight - kRocketHeight) + (kChuteHeight - kChuteOverlap) * r;
  return {rocket, rocket + kRocketHeight, rocket - kChuteHeight + kChuteOverlap};
}

RocketLaunch::RocketLaunch(const RocketSettings& settings, LaunchView& view, LaunchSound& sound, rt::TickClock& ticks)
    : m_settings(settings), m_flight(settings), m_view(view), m_sound(sound), m_ticks(ticks) {}

void RocketLaunch::setChute(bool on) {
  m_chuteVisible = on;
  m_view.setChuteVisible(on);
}

void RocketLaunch::setSmoke(bool on) {
  m_smokeVisible = on;
  m_view.setSmokeVisible(on);
}

void RocketLaunch::setTimerEnabled(bool on) {
  m_timerEnabled = on;
  m_view.setTimerEnabled(on);
}

void RocketLaunch::setTimerInterval(int ms) {
  m_timerInterval = ms;
  m_view.setTimerInterval(ms);
}

void RocketLaunch::putOnPad() {
  m_view.placePictures(padTops());
  setChute(false);
  setSmoke(true);
}

void RocketLaunch::launchClicked() {
  if (m_running)
    stop();
  else
    launch();
}

void RocketLaunch::launch() {
  m_view.computeFlight();
  m_running = 1;
  m_view.showRunning(true);

  const Flight& f = m_flight;
  const PlotScale force{0, 1.1f * (m_settings.RocketThrust - f.Weight), f.FlightTime, -1.1f * f.Weight};
  const PlotScale speed{0, 1.1f * f.BurnoutSpeed, f.FlightTime, 1.2f * f.DescentSpeed};
  const PlotScale altitude{0, 1.1f * f.MaxAltitude, f.FlightTime, 0};
  m_view.scalePlots(force, speed, altitude);

  resetFlight();
  m_timeStep = kTimeStep;
  setTimerInterval(int(m_timeStep * 1000 + 0.5f));
  setTimerEnabled(true);
  m_sound.playWave("rocket.wav");
}

void RocketLaunch::stop() {
  // The rocket stays where it is, and a sound still playing goes on.
  m_view.showRunning(false);
  m_haveFlight = 1;
  setTimerEnabled(false);
  m_running = 0;
  m_view.setPrintEnabled(true);
}

void RocketLaunch::abandon() {
  setTimerEnabled(false);
  m_running = 0;
}

void RocketLaunch::resetFlight() {
  m_view.setPrintEnabled(false);
  m_haveFlight = 0;
  resetPlotsAndState();
}

void RocketLaunch::resetPlotsAndState() {
  putOnPad();
  m_flight.resetState();
  m_landed = false;
  m_view.resetPlots(m_flight.FlightTime);
}

void RocketLaunch::tick() {
  if (!m_running) return;  // a tick queued behind the stop
  const uint32_t tickStart = m_ticks.ticks();
  Flight& f = m_flight;

  m_view.drawSegments(f.FlightClock, f.NetForce, f.Velocity, f.Altitude);
  f.FlightClock = f.FlightClock + m_timeStep;
  f.updateFlight(*this);
  m_view.placePictures(flightTops(f.Altitude, f.MaxAltitude));

  if (f.FlightClock >= f.FlightTime) {
    // Landed: back on the pad, ready for the next launch.
    m_view.placePictures(padTops());
    setChute(false);
    setTimerEnabled(false);
    stop();
  }

  // Real time as long as a step takes less than its own length: this tick's work comes off
  // the next wait, and a slow step never makes the next ones catch up.
  const uint32_t elapsed = rt::elapsedMs(tickStart, m_ticks.ticks());
  const int period = int(m_timeStep * 1000 + 0.5f);
  setTimerInterval(elapsed >= uint32_t(period) ? 1 : period - int(elapsed));
}

void RocketLaunch::repaint() {
  if (!m_haveFlight) return;
  Flight& f = m_flight;
  const float end = f.FlightClock;
  f.Silent = 1;
  resetPlotsAndState();
  // The replay runs to where the flight ended, or to the ground if the plan changed since
  // and now lands sooner: a landed flight goes no further.
  while (f.FlightClock <= end && !m_landed) {
    m_view.drawSegments(f.FlightClock, f.NetForce, f.Velocity, f.Altitude);
    f.updateFlight(*this);
    f.FlightClock = f.FlightClock + m_timeStep;
  }
  // The kept flight ends where it ended, however often it is replayed.
  f.FlightClock = end;
  f.Silent = 0;
}

std::vector<FlightPoint> RocketLaunch::printReplay() {
  Flight& f = m_flight;
  const float end = f.FlightClock;
  f.Silent = 1;
  f.Phase = 1;
  f.NetForce = m_settings.RocketThrust - f.Weight;
  f.Velocity = 0;
  f.Altitude = 0;
  m_landed = false;
  std::vector<FlightPoint> points{{0, 0, 0, f.NetForce}};
  for (f.FlightClock = m_timeStep; f.FlightClock <= end && !m_landed; f.FlightClock = f.FlightClock + m_timeStep) {
    f.updateFlight(*this);
    points.push_back({f.FlightClock, f.Altitude, f.Velocity, f.NetForce});
  }
  f.FlightClock = end;
  f.Silent = 0;
  return points;
}

void RocketLaunch::burnOut() {
  m_sound.stop();
  setSmoke(false);
}

void RocketLaunch::openChute() {
  m_sound.playWave("xpoof.wav");
  setChute(true);
}

void RocketLaunch::landed(bool silent) {
  m_landed = true;
  if (!silent) m_sound.playWave("tada.wav");
  const Flight& f = m_flight;
  m_view.drawSegments(f.FlightTime, 0, f.DescentSpeed, 0);
}

}  // namespace rocketry
