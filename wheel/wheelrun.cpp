#include "wheel/wheelrun.h"

#include "runtime/numfmt.h"

namespace wheel {

WheelView::~WheelView() = default;
WheelSound::~WheelSound() = default;

RunControls ControlsFor(bool running) {
  if (running) return {"&Restart", true, false, "&Stop"};
  return {"&Start", false, true, "E&xit"};
}

WheelRun::WheelRun(WheelView& view, WheelSound& sound, rt::TickClock& ticks)
    : m_view(view), m_sound(sound), m_ticks(ticks) {
  m_model.Reset();
}

std::string WheelRun::FlowText(float flow, bool metric) {
  if (metric) return rt::Format(double(flow), "####0");
  return rt::Format(double(flow) * 35.28 / 1000, "###0.0");
}

void WheelRun::setTimerInterval(int ms) {
  m_timerInterval = ms;
  m_view.SetTimerInterval(ms);
}

void WheelRun::setTimerEnabled(bool on) {
  m_timerEnabled = on;
  m_view.SetTimerEnabled(on);
}

void WheelRun::setFlowSetting(int16_t setting) {
  m_model.SetFlowSetting(setting);
  m_model.UpdateFlow();
  m_view.DrawFlow();
}

void WheelRun::Activate(const WheelSettings& settings) {
  m_metric = settings.WheelUnits == 1;
  m_view.ShowUnits(m_metric);
  m_model.SetDerived(Derive(settings));
  // The read-out and the flow follow the valve with the new flow per step: "0" while it is
  // closed, and the true flow when a run goes on with the valve open.
  m_model.UpdateFlow();
  m_view.DrawFlow();
  m_model.Reset();
  m_view.ScaleWheel();
  m_view.StartCharts();
  m_view.DrawZeroLine();
  m_view.DrawWheel();
}

void WheelRun::StartClicked() {
  m_sound.PlayDingAndWait();
  m_running = 1;
  m_view.EnableFlowSpin(true);
  m_view.ShowControls(ControlsFor(true));
  setTimerInterval(kTickMs);
  setFlowSetting(0);
  m_model.Reset();
  m_view.StartCharts();
  m_view.DrawWheel();
  m_view.ClearCharts();
  m_view.DrawZeroLine();
  setTimerEnabled(true);
}

bool WheelRun::StopClicked() {
  if (!m_running) return false;
  m_running = 0;
  setFlowSetting(0);
  // The water is gone; the wheel stays where it stands and the charts keep what they show.
  m_model.EmptyCans();
  m_view.DrawWheel();
  m_view.EnableFlowSpin(false);
  setTimerEnabled(false);
  m_view.ShowControls(ControlsFor(false));
  return true;
}

void WheelRun::Tick() {
  if (!m_running) return;
  const uint32_t tickStart = m_ticks.ticks();
  for (int draw = 0; draw < kDrawsPerTick; ++draw) {
    for (int step = 0; step < kStepsPerDraw; ++step) m_model.Step();
    m_view.DrawWheel();
  }
  m_view.AdvanceCharts();
  // Pace the ticks to 100 ms of wall time: this tick's own work comes off the next wait.
  const uint32_t elapsed = rt::elapsedMs(tickStart, m_ticks.ticks());
  setTimerInterval(elapsed >= uint32_t(kTickMs) ? 1 : kTickMs - int(elapsed));
}

void WheelRun::SpinDown() {
  m_model.SpinDown();
  m_model.UpdateFlow();
  m_view.DrawFlow();
}

void WheelRun::SpinUp() {
  m_model.SpinUp();
  m_model.UpdateFlow();
  m_view.DrawFlow();
}

}  // namespace wheel
