// The program's sounds on a sound server left at its defaults, as a desktop's is: a private
// server whose only output is a silent sink, which nobody asks for a short delay, so it may
// work up to 2 s ahead of its speaker.
//
// - A waiting play of the lever's 0.03 s click and of the pendulum's 0.4 s ding: how long the
//   call blocks (its sound's length at least, and no more than 0.15 s beyond it).
// - A quick play of the ding: how soon after the call the silent sink plays it, read off a
//   recording of the sink taken at the server's default latency.
//
// Each figure is the time of one play; the aggregates give its median, 95th percentile and
// worst over the repetitions.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "platform/services.h"
#include "shell/sounds.h"
#include "tests/sound/recording.h"
#include "tests/sound/soundserver.h"

namespace {

soundcheck::Recorder* g_recorder = nullptr;

QString shipped(const char* name) { return QDir(VANTREL_APP_DIR).filePath(name); }

double percentile(const std::vector<double>& v, double p) {
  std::vector<double> s = v;
  std::sort(s.begin(), s.end());
  return s.empty() ? 0 : s[std::min(s.size() - 1, size_t(p * double(s.size() - 1) + 0.5))];
}

void settle(double seconds) {
  const double until = soundcheck::steadySeconds() + seconds;
  while (soundcheck::steadySeconds() < until) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (g_recorder) g_recorder->see();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

void waitingPlay(benchmark::State& state, const char* name) {
  const QString file = shipped(name);
  for (auto _ : state) {
    const double began = soundcheck::steadySeconds();
    shell::playWave(file, 0);
    state.SetIterationTime(soundcheck::steadySeconds() - began);
    settle(0.25);
  }
}

void BM_WaitingPlayClick(benchmark::State& state) { waitingPlay(state, "move.wav"); }
void BM_WaitingPlayDing(benchmark::State& state) { waitingPlay(state, "ding.wav"); }

// From the call to the first loud moment of the recording after it.
void BM_QuickPlayHeard(benchmark::State& state) {
  const QString file = shipped("ding.wav");
  for (auto _ : state) {
    settle(0.3);
    const double began = soundcheck::steadySeconds();
    const double recordedBefore = g_recorder->recordedSeconds();
    shell::playWave(file, 1);
    double heard = -1;
    // The recorder gets the sink's sound in blocks; look until the ding has arrived, reading
    // only what was recorded since the play.
    const double from = std::max(0.0, recordedBefore - 0.05);
    for (int look = 0; look < 400 && heard < 0; ++look) {
      settle(0.02);
      for (const auto& s : soundcheck::loudStretches(g_recorder->samples(from)))
        if (g_recorder->playedAt(from + s.start) >= began - 0.05) {
          heard = g_recorder->playedAt(from + s.start);
          break;
        }
    }
    if (heard < 0) {
      state.SkipWithError("the ding was not heard within 8 s");
      break;
    }
    state.SetIterationTime(std::max(0.0, heard - began));
    settle(0.5);
  }
}

// A steady 1 s tone played without waiting every 1.4 s, as a thruster or a bounce is played: how
// many plays were heard with a silence inside them (sound the output did not have when the
// server came for it), and the longest such silence. The counters give the plays heard, those with a gap and the
// longest gap.
void BM_GapsInQuickPlays(benchmark::State& state) {
  const int plays = int(state.range(0));
  const std::string tone = soundcheck::toneWave(440, 1.0);
  for (auto _ : state) {
    settle(0.5);
    const double recordedBefore = g_recorder->recordedSeconds();
    for (int i = 0; i < plays; ++i) {
      shell::playWaveImage(tone);
      settle(1.4);
    }
    settle(2.5);  // the last tone reaches the recording
    const auto samples = g_recorder->samples(recordedBefore);
    int heard = 0, withGap = 0;
    double longest = 0;
    // Tones 0.4 s apart: every silence inside one is shorter, so each tone is one stretch.
    for (const auto& s : soundcheck::loudStretches(samples, 500, 0.25)) {
      ++heard;
      const auto gaps = soundcheck::silencesWithin(samples, s);
      if (!gaps.empty()) ++withGap;
      for (const auto& g : gaps) longest = std::max(longest, g.length());
    }
    state.counters["plays"] = plays;
    state.counters["heard"] = heard;
    state.counters["with_gap"] = withGap;
    state.counters["longest_gap_ms"] = longest * 1000;
  }
}

void configure(benchmark::internal::Benchmark* b) {
  b->Iterations(1)->Repetitions(25)->UseManualTime()->Unit(benchmark::kMillisecond)->ReportAggregatesOnly(true);
  b->ComputeStatistics("p95", [](const std::vector<double>& v) { return percentile(v, 0.95); });
  b->ComputeStatistics("max", [](const std::vector<double>& v) { return percentile(v, 1.0); });
}

BENCHMARK(BM_WaitingPlayClick)->Apply(configure);
BENCHMARK(BM_WaitingPlayDing)->Apply(configure);
BENCHMARK(BM_QuickPlayHeard)->Apply(configure);

}  // namespace

int main(int argc, char** argv) {
  soundcheck::PrivateSoundServer server;
  if (!server.startOrSay("bench_sound")) return 1;
  QCoreApplication app(argc, argv);
  // The program opens its sound output as it starts; a user's first sound comes seconds later.
  plat::sound();
  settle(3);
  soundcheck::Recorder recorder;
  QString why;
  if (!recorder.start(&why)) {
    std::fprintf(stderr, "bench_sound: no recording: %s\n", qPrintable(why));
    return 1;
  }
  g_recorder = &recorder;
  // VANTREL_GAP_PLAYS gives another number of plays for the count of gaps, for a quick look.
  const int gapPlays =
      qEnvironmentVariableIsSet("VANTREL_GAP_PLAYS") ? qEnvironmentVariableIntValue("VANTREL_GAP_PLAYS") : 100;
  benchmark::RegisterBenchmark("BM_GapsInQuickPlays", BM_GapsInQuickPlays)
      ->Arg(gapPlays)
      ->Iterations(1)
      ->Unit(benchmark::kSecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  recorder.stopAfter(0.1, "bench.raw");
  return 0;
}
