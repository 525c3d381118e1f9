#include "pendulum/pendrun.h"

#include "runtime/numfmt.h"

namespace pendulum {

PendRunView::~PendRunView() = default;
PendSound::~PendSound() = default;

RunControls controlsFor(RunState state) {
  switch (state) {
    case RunState::Running: return {"&Start", false, "&Stop", false, false};
    case RunState::Stopped: return {"&Reset", true, "E&xit", true, false};
    case RunState::Ready:
    default: return {"&Start", true, "E&xit", false, true};
  }
}

PendRun::PendRun(const PendSettings& settings, PendRunView& view, PendSound& sound, rt::TickClock& ticks)
    : m_settings(settings), m_view(view), m_sound(sound), m_ticks(ticks) {}

RunState PendRun::state() const {
  if (m_running) return RunState::Running;
  return m_resetPending ? RunState::Stopped : RunState::Ready;
}

std::string PendRun::timeText(float seconds) { return rt::formatNumber(double(seconds), "#0.#0") + " Seconds"; }

void PendRun::setTimerInterval(int ms) {
  m_timerInterval = ms;
  m_view.setTimerInterval(ms);
}

void PendRun::setTimerEnabled(bool on) {
  m_timerEnabled = on;
  m_view.setTimerEnabled(on);
}

void PendRun::startClicked() {
  if (m_running) return;  // the button is hidden while a run is going
  // Start and Reset alike begin with the sound, played to its end.
  m_sound.playDingAndWait();
  if (m_resetPending)
    reset();
  else
    start();
}

void PendRun::start() {
  m_running = 1;
  m_view.showControls(controlsFor(RunState::Running));

  const float length = m_settings.PendLength;
  m_simTime = 0;
  m_maxTime = kRunLength;
  m_omegaScale = phaseHalfSpeed(m_settings.PendAngle, length);
  m_damping = pendulum::dampingFactor(m_settings.PendFriction, length, m_settings.PendMass);

  m_theta = degToRad(m_settings.PendAngle);
  m_omega = 0;
  m_prevTime = 0;
  m_prevTheta = m_theta;
  m_prevOmega = 0;
  m_numPoints = 0;
  m_history[0][0] = 0;
  m_history[1][0] = m_theta;
  m_history[2][0] = 0;

  m_view.scalePlots(m_maxTime, plotHalfAngle(m_settings.PendAngle), m_omegaScale);

  setTimerInterval(kTickMs);
  m_view.showTime(timeText(m_simTime));
  setTimerEnabled(true);
}

void PendRun::tick() {
  if (!m_running) return;
  const uint32_t tickStart = m_ticks.ticks();

  for (int step = 0; step < kStepsPerTick; ++step) {
    m_simTime = m_simTime + kStep;
    // The record holds 200 ticks: a step past the end of the run, or one with no room
    // left to record it, ends the run and this tick draws nothing.
    if (m_simTime > m_maxTime || m_numPoints >= kMaxPoints) {
      m_simTime = m_simTime - kStep;
      stop();
      return;
    }
    midpointStep(m_theta, m_omega, m_damping, m_settings.PendLength, m_settings.PendMass, kStep);
  }

  m_view.drawPendulum(radToDeg(m_theta));
  m_view.addSegments(
      {m_prevTime, radToDeg(m_prevTheta), radToDeg(m_prevOmega), m_simTime, radToDeg(m_theta), radToDeg(m_omega)});

  m_prevTime = m_simTime;
  m_prevTheta = m_theta;
  m_prevOmega = m_omega;
  m_numPoints = int16_t(m_numPoints + 1);
  m_history[0][size_t(m_numPoints)] = m_simTime;
  m_history[1][size_t(m_numPoints)] = m_theta;
  m_history[2][size_t(m_numPoints)] = m_omega;

  m_view.showTime(timeText(m_simTime));

  // Pace the ticks to 100 ms of wall time: this tick's own work comes off the next wait.
  const uint32_t elapsed = rt::elapsedMs(tickStart, m_ticks.ticks());
  setTimerInterval(elapsed >= uint32_t(kTickMs) ? 1 : kTickMs - int(elapsed));
}

bool PendRun::stopClicked() {
  if (!m_running) return false;
  stop();
  return true;
}

void PendRun::stop() {
  m_running = 0;
  m_resetPending = 1;
  setTimerEnabled(false);
  m_view.showControls(controlsFor(RunState::Stopped));
  m_view.showTime(timeText(m_simTime));
  m_view.focusStart();
}

void PendRun::reset() {
  setTimerInterval(kTickMs);
  m_view.showTime(timeText(0));
  m_view.clearPlots();
  m_numPoints = 0;
  m_view.showControls(controlsFor(RunState::Ready));
  m_view.drawPendulum(m_settings.PendAngle);
  m_resetPending = 0;
}

}  // namespace pendulum
