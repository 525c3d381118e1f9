#include "wheel/wheelrun.h"

#include "runtime/numfmt.h"

namespace wheel {

WheelView::~WheelView() = default;
WheelSound::~WheelSound() = default;

RunControls controlsFor(bool running) {
  if (running) return {"&Restart", true, false, "&Stop"};
  return {"&Start", false, true, "E&xit"};
}

WheelRun::WheelRun(WheelView& view, WheelSound& sound, rt::TickClock& ticks)
    : m_view(view), m_sound(sound), m_ticks(ticks) {
  m_model.reset();
}

std::string WheelRun::flowText(float flow, bool metric) {
  return rt::formatNumber(shownFlow(flow, metric), metric ? "####0" : "###0.0");
}

void WheelRun::setTimerInterval(int ms) {
  m_timerInterval = ms;
  m_view.setTimerInterval(ms);
}

void WheelRun::setTimerEnabled(bool on) {
  m_timerEnabled = on;
  m_view.setTimerEnabled(on);
}

void WheelRun::setFlowSetting(int16_t setting) {
  m_model.setFlowSetting(setting);
  m_model.updateFlow();
  m_view.drawFlow();
}

void WheelRun::activate(const WheelSettings& settings) {
  m_metric = settings.WheelUnits == 1;
  m_view.showUnits(m_metric);
  m_model.setDerived(derive(settings));
  // The read-out and the flow follow the valve with the new flow per step: "0" while it is
  // closed, and the true flow when a run goes on with the valve open.
  m_model.updateFlow();
  m_view.drawFlow();
  m_model.reset();
  m_view.scaleWheel();
  m_view.startCharts();
  m_view.drawZeroLine();
  m_view.drawWheel();
}

void WheelRun::startClicked() {
  m_sound.playDingAndWait();
  m_running = 1;
  m_view.enableFlowSpin(true);
  m_view.showControls(controlsFor(true));
  setTimerInterval(kTickMs);
  setFlowSetting(0);
  m_model.reset();
  m_view.startCharts();
  m_view.drawWheel();
  m_view.clearCharts();
  m_view.drawZeroLine();
  setTimerEnabled(true);
}

bool WheelRun::stopClicked() {
  if (!m_running) return false;
  m_running = 0;
  setFlowSetting(0);
  // The water is gone; the wheel stays where it stands and the charts keep what they show.
  m_model.emptyCans();
  m_view.drawWheel();
  m_view.enableFlowSpin(false);
  setTimerEnabled(false);
  m_view.showControls(controlsFor(false));
  return true;
}

void WheelRun::tick() {
  if (!m_running) return;
  const uint32_t tickStart = m_ticks.ticks();
  for (int draw = 0; draw < kDrawsPerTick; ++draw) {
    for (int step = 0; step < kStepsPerDraw; ++step) m_model.step();
    m_view.drawWheel();
  }
  m_view.advanceCharts();
  // Pace the ticks to 100 ms of wall time: this tick's own work comes off the next wait.
  const uint32_t elapsed = rt::elapsedMs(tickStart, m_ticks.ticks());
  setTimerInterval(elapsed >= uint32_t(kTickMs) ? 1 : kTickMs - int(elapsed));
}

void WheelRun::spinDown() {
  m_model.spinDown();
  m_model.updateFlow();
  m_view.drawFlow();
}

void WheelRun::spinUp() {
  m_model.spinUp();
  m_model.updateFlow();
  m_view.drawFlow();
}

}  // namespace wheel
