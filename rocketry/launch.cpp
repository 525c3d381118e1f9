#include "rocketry/launch.h"

namespace rocket {

LaunchView::~LaunchView() = default;
LaunchSound::~LaunchSound() = default;

PictureTops PadTops() {
  const float rocket = kSkyHeight - kRocketHeight;
  return {rocket, rocket + kRocketHeight, rocket - kChuteHeight + kChuteOverlap};
}

PictureTops FlightTops(float altitude, float maxAltitude) {
  const float r = altitude / maxAltitude;
  const float rocket = (1 - r) * (kSkyHeight - kRocketHeight) + (kChuteHeight - kChuteOverlap) * r;
  return {rocket, rocket + kRocketHeight, rocket - kChuteHeight + kChuteOverlap};
}

RocketLaunch::RocketLaunch(const RocketSettings& settings, LaunchView& view, LaunchSound& sound, rt::TickClock& ticks)
    : m_s(settings), m_flight(settings), m_view(view), m_sound(sound), m_ticks(ticks) {}

void RocketLaunch::setChute(bool on) {
  m_chuteVisible = on;
  m_view.SetChuteVisible(on);
}

void RocketLaunch::setSmoke(bool on) {
  m_smokeVisible = on;
  m_view.SetSmokeVisible(on);
}

void RocketLaunch::setTimerEnabled(bool on) {
  m_timerEnabled = on;
  m_view.SetTimerEnabled(on);
}

void RocketLaunch::setTimerInterval(int ms) {
  m_timerInterval = ms;
  m_view.SetTimerInterval(ms);
}

void RocketLaunch::PutOnPad() {
  m_view.PlacePictures(PadTops());
  setChute(false);
  setSmoke(true);
}

void RocketLaunch::LaunchClicked() {
  if (m_running)
    Stop();
  else
    Launch();
}

void RocketLaunch::Launch() {
  m_view.ComputeFlight();
  m_running = 1;
  m_view.ShowRunning(true);

  const Flight& f = m_flight;
  const PlotScale force{0, 1.1f * (m_s.RocketThrust - f.Weight), f.FlightTime, -1.1f * f.Weight};
  const PlotScale speed{0, 1.1f * f.BurnoutSpeed, f.FlightTime, 1.2f * f.DescentSpeed};
  const PlotScale altitude{0, 1.1f * f.MaxAltitude, f.FlightTime, 0};
  m_view.ScalePlots(force, speed, altitude);

  ResetFlight();
  m_timeStep = kTimeStep;
  setTimerInterval(int(m_timeStep * 1000 + 0.5f));
  setTimerEnabled(true);
  m_sound.PlayWave("rocket.wav");
}

void RocketLaunch::Stop() {
  // The rocket stays where it is, and a sound still playing goes on.
  m_view.ShowRunning(false);
  m_haveFlight = 1;
  setTimerEnabled(false);
  m_running = 0;
  m_view.SetPrintEnabled(true);
}

void RocketLaunch::Abandon() {
  setTimerEnabled(false);
  m_running = 0;
}

void RocketLaunch::ResetFlight() {
  m_view.SetPrintEnabled(false);
  m_haveFlight = 0;
  ResetPlotsAndState();
}

void RocketLaunch::ResetPlotsAndState() {
  PutOnPad();
  m_flight.ResetState();
  m_landed = false;
  m_view.ResetPlots(m_flight.FlightTime);
}

void RocketLaunch::Tick() {
  if (!m_running) return;  // a tick queued behind the stop
  const uint32_t tickStart = m_ticks.ticks();
  Flight& f = m_flight;

  m_view.DrawSegments(f.FlightClock, f.NetForce, f.Velocity, f.Altitude);
  f.FlightClock = f.FlightClock + m_timeStep;
  f.UpdateFlight(*this);
  m_view.PlacePictures(FlightTops(f.Altitude, f.MaxAltitude));

  if (f.FlightClock >= f.FlightTime) {
    // Landed: back on the pad, ready for the next launch.
    m_view.PlacePictures(PadTops());
    setChute(false);
    setTimerEnabled(false);
    Stop();
  }

  // Real time as long as a step takes less than its own length: this tick's work comes off
  // the next wait, and a slow step never makes the next ones catch up.
  const uint32_t elapsed = rt::elapsedMs(tickStart, m_ticks.ticks());
  const int period = int(m_timeStep * 1000 + 0.5f);
  setTimerInterval(elapsed >= uint32_t(period) ? 1 : period - int(elapsed));
}

void RocketLaunch::Repaint() {
  if (!m_haveFlight) return;
  Flight& f = m_flight;
  const float end = f.FlightClock;
  f.Silent = 1;
  ResetPlotsAndState();
  // The replay runs to where the flight ended, or to the ground if the plan changed since
  // and now lands sooner: a landed flight goes no further.
  while (f.FlightClock <= end && !m_landed) {
    m_view.DrawSegments(f.FlightClock, f.NetForce, f.Velocity, f.Altitude);
    f.UpdateFlight(*this);
    f.FlightClock = f.FlightClock + m_timeStep;
  }
  // The kept flight ends where it ended, however often it is replayed.
  f.FlightClock = end;
  f.Silent = 0;
}

std::vector<FlightPoint> RocketLaunch::PrintReplay() {
  Flight& f = m_flight;
  const float end = f.FlightClock;
  f.Silent = 1;
  f.Phase = 1;
  f.NetForce = m_s.RocketThrust - f.Weight;
  f.Velocity = 0;
  f.Altitude = 0;
  m_landed = false;
  std::vector<FlightPoint> points{{0, 0, 0, f.NetForce}};
  for (f.FlightClock = m_timeStep; f.FlightClock <= end && !m_landed; f.FlightClock = f.FlightClock + m_timeStep) {
    f.UpdateFlight(*this);
    points.push_back({f.FlightClock, f.Altitude, f.Velocity, f.NetForce});
  }
  f.FlightClock = end;
  f.Silent = 0;
  return points;
}

void RocketLaunch::BurnOut() {
  m_sound.Stop();
  setSmoke(false);
}

void RocketLaunch::OpenChute() {
  m_sound.PlayWave("xpoof.wav");
  setChute(true);
}

void RocketLaunch::Landed(bool silent) {
  m_landed = true;
  if (!silent) m_sound.PlayWave("tada.wav");
  const Flight& f = m_flight;
  m_view.DrawSegments(f.FlightTime, 0, f.DescentSpeed, 0);
}

}  // namespace rocket
