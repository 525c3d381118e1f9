// The pendulum in real time: a full run, from the end of the start sound, should take 20 s
// of wall time (200 ticks paced to 100 ms each), and each tick's own work (two steps, the
// drawing, the block copy, the plot segments and the time label) should be a small part
// of its 100 ms.
//
// BM_PendulumFullRun runs the real window once on the event loop and reports the wall time
// to the 200th tick (the one that shows "20.00 Seconds") and to the end of the run, with
// the spread of the ticks' work. BM_PendulumTickWork times single ticks back to back.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "pendulum/pendulumwindow.h"
#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/timer.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/controls.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void freshPendulumSettings() {
  auto& s = shell::settings();
  s.PendUnits = 1;
  s.PendMass = 5000;
  s.PendLength = 200;
  s.PendFriction = 0.05f;
  s.PendAngle = 45;
}

void BM_PendulumFullRun(benchmark::State& state) {
  for (auto _ : state) {
    freshPendulumSettings();
    auto* w = new pendulum::PendulumWindow;
    w->open();

    std::vector<double> work;  // each tick's own time, ms
    std::vector<Clock::time_point> tickStarts;
    plat::Timer& swing = control<plat::Timer>(*w, "swingTimer");
    auto tick = swing.onTimer;
    swing.onTimer = [&] {
      const auto a = Clock::now();
      tickStarts.push_back(a);
      tick();
      work.push_back(seconds(Clock::now() - a) * 1000);
    };

    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (!w->run().running()) loop.quit();
    });

    // The Start click returns when the sound has played to its end and the timer is on.
    control<plat::CommandButton>(*w, "startButton").click();
    const auto soundEnded = Clock::now();
    poll.start(5);
    loop.exec();
    const auto stopped = Clock::now();
    poll.stop();

    const int recorded = w->run().numPoints();
    const double to200 = tickStarts.size() >= 200 ? seconds(tickStarts[199] - soundEnded) : 0;
    const double toStop = seconds(stopped - soundEnded);
    state.SetIterationTime(to200);

    std::sort(work.begin(), work.end());
    double sum = 0;
    for (double x : work) sum += x;
    state.counters["ticks"] = double(work.size());
    state.counters["recorded"] = recorded;
    state.counters["wall_to_200th_tick_s"] = to200;
    state.counters["wall_to_stop_s"] = toStop;
    state.counters["error_pct"] = (to200 - 20.0) / 20.0 * 100;
    state.counters["tick_work_mean_ms"] = work.empty() ? 0 : sum / double(work.size());
    state.counters["tick_work_p99_ms"] = work.empty() ? 0 : work[size_t(double(work.size() - 1) * 0.99)];
    state.counters["tick_work_max_ms"] = work.empty() ? 0 : work.back();
    std::fprintf(stderr, "pendulum real time: %d ticks recorded, 200th tick at %.4f s (%+.3f%%), stop at %.4f s: %s\n",
                 recorded, to200, (to200 - 20.0) / 20.0 * 100, toStop,
                 recorded == 200 && std::abs(to200 - 20.0) <= 0.2 ? "within 1%" : "OUTSIDE 1%");

    w->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}
BENCHMARK(BM_PendulumFullRun)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_PendulumTickWork(benchmark::State& state) {
  freshPendulumSettings();
  auto* w = new pendulum::PendulumWindow;
  w->open();
  plat::CommandButton& start = control<plat::CommandButton>(*w, "startButton");
  plat::Timer& swing = control<plat::Timer>(*w, "swingTimer");
  swing.setEnabled(false);
  for (auto _ : state) {
    if (!w->run().running()) {
      state.PauseTiming();
      start.click();            // Reset
      start.click();            // Start
      swing.setEnabled(false);  // ticks come from this loop only
      state.ResumeTiming();
    }
    swing.fire();
  }
  w->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_PendulumTickWork)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    QString dir = QDir::tempPath() + "/vantrel-bench-runtime";
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
  }
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  plat::installFontSubstitutions();
  shell::setBasePath(QCoreApplication::applicationDirPath() + "/..");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
