#include "pendulum/pendrun.h"

#include "runtime/numfmt.h"

namespace pend {

PendRunView::~PendRunView() = default;
PendSound::~PendSound() = default;

RunControls ControlsFor(RunState state) {
  switch (state) {
    case RunState::Running: return {"&Start", false, "&Stop", false, false};
    case RunState::Stopped: return {"&Reset", true, "E&xit", true, false};
    case RunState::Ready:
    default: return {"&Start", true, "E&xit", false, true};
  }
}

PendRun::PendRun(const PendSettings& settings, PendRunView& view, PendSound& sound, rt::TickClock& ticks)
    : m_s(settings), m_view(view), m_sound(sound), m_ticks(ticks) {}

RunState PendRun::state() const {
  if (m_running) return RunState::Running;
  return m_resetPending ? RunState::Stopped : RunState::Ready;
}

std::string PendRun::TimeText(float seconds) { return rt::Format(double(seconds), "#0.#0") + " Seconds"; }

void PendRun::setTimerInterval(int ms) {
  m_timerInterval = ms;
  m_view.SetTimerInterval(ms);
}

void PendRun::setTimerEnabled(bool on) {
  m_timerEnabled = on;
  m_view.SetTimerEnabled(on);
}

void PendRun::StartClicked() {
  if (m_running) return;  // the button is hidden while a run is going
  // Start and Reset alike begin with the sound, played to its end.
  m_sound.PlayDingAndWait();
  if (m_resetPending)
    Reset();
  else
    Start();
}

void PendRun::Start() {
  m_running = 1;
  m_view.ShowControls(ControlsFor(RunState::Running));

  const float length = m_s.PendLength;
  m_simTime = 0;
  m_maxTime = kRunLength;
  m_omegaScale = PhaseHalfSpeed(m_s.PendAngle, length);
  m_damping = pend::DampingFactor(m_s.PendFriction, length, m_s.PendMass);

  m_theta = DegToRad(m_s.PendAngle);
  m_omega = 0;
  m_prevTime = 0;
  m_prevTheta = m_theta;
  m_prevOmega = 0;
  m_numPoints = 0;
  m_history[0][0] = 0;
  m_history[1][0] = m_theta;
  m_history[2][0] = 0;

  m_view.ScalePlots(m_maxTime, PlotHalfAngle(m_s.PendAngle), m_omegaScale);

  setTimerInterval(kTickMs);
  m_view.ShowTime(TimeText(m_simTime));
  setTimerEnabled(true);
}

void PendRun::Tick() {
  if (!m_running) return;
  const uint32_t tickStart = m_ticks.ticks();

  for (int step = 0; step < kStepsPerTick; ++step) {
    m_simTime = m_simTime + kStep;
    // The record holds 200 ticks: a step past the end of the run, or one with no room
    // left to record it, ends the run and this tick draws nothing.
    if (m_simTime > m_maxTime || m_numPoints >= kMaxPoints) {
      m_simTime = m_simTime - kStep;
      Stop();
      return;
    }
    MidpointStep(m_theta, m_omega, m_damping, m_s.PendLength, m_s.PendMass, kStep);
  }

  m_view.DrawPendulum(RadToDeg(m_theta));
  m_view.AddSegments(
      {m_prevTime, RadToDeg(m_prevTheta), RadToDeg(m_prevOmega), m_simTime, RadToDeg(m_theta), RadToDeg(m_omega)});

  m_prevTime = m_simTime;
  m_prevTheta = m_theta;
  m_prevOmega = m_omega;
  m_numPoints = int16_t(m_numPoints + 1);
  m_history[0][size_t(m_numPoints)] = m_simTime;
  m_history[1][size_t(m_numPoints)] = m_theta;
  m_history[2][size_t(m_numPoints)] = m_omega;

  m_view.ShowTime(TimeText(m_simTime));

  // Pace the ticks to 100 ms of wall time: this tick's own work comes off the next wait.
  const uint32_t elapsed = rt::elapsedMs(tickStart, m_ticks.ticks());
  setTimerInterval(elapsed >= uint32_t(kTickMs) ? 1 : kTickMs - int(elapsed));
}

bool PendRun::StopClicked() {
  if (!m_running) return false;
  Stop();
  return true;
}

void PendRun::Stop() {
  m_running = 0;
  m_resetPending = 1;
  setTimerEnabled(false);
  m_view.ShowControls(ControlsFor(RunState::Stopped));
  m_view.ShowTime(TimeText(m_simTime));
  m_view.FocusStart();
}

void PendRun::Reset() {
  setTimerInterval(kTickMs);
  m_view.ShowTime(TimeText(0));
  m_view.ClearPlots();
  m_numPoints = 0;
  m_view.ShowControls(ControlsFor(RunState::Ready));
  m_view.DrawPendulum(m_s.PendAngle);
  m_resetPending = 0;
}

}  // namespace pend
