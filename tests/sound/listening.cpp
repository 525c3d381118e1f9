#include "tests/sound/listening.h"
#include "tests/support/doubles.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>
#include <cmath>

namespace soundcheck {

const std::vector<ToneCode>& toneCodes() {
  static const std::vector<ToneCode> codes = {
      {"boing.wav", 300},  {"rocket.wav", 390},    {"uhoh.wav", 500},      {"LAND_OK.WAV", 650},
      {"tada.wav", 840},   {"LAND_BAD.WAV", 1090}, {"ding.wav", 1400},     {"move.wav", 1800},
      {"xpoof.wav", 2300}, {"THRUSTR1.WAV", 2900}, {"THRUSTR2.WAV", 3600},
  };
  return codes;
}

std::string soundOf(const Stretch& s) {
  for (const auto& c : toneCodes())
    if (std::fabs(s.hz - c.hz) < c.hz * 0.08) return c.file;
  return "?";
}

namespace {
// The program sound nearest in pitch to `hz`, as an index into the tone codes.
int nearestTone(double hz) {
  int best = -1;
  double bestRatio = 0;
  for (size_t i = 0; i < toneCodes().size(); ++i) {
    const double ratio = std::fabs(std::log(hz / toneCodes()[i].hz));
    if (hz > 0 && (best < 0 || ratio < bestRatio)) best = int(i), bestRatio = ratio;
  }
  return best;
}
}  // namespace

std::vector<Stretch> splitBySound(const std::vector<Stretch>& stretches, const std::vector<int16_t>& samples) {
  const size_t window = kRate / 50;  // 20 ms: every tone crosses zero at least 12 times in it
  std::vector<Stretch> out;
  for (const auto& s : stretches) {
    const size_t first = size_t(std::lround(s.start * kRate)), last = size_t(std::lround(s.end * kRate));
    // The tone of each window, and where it changes for at least two windows running.
    std::vector<size_t> cuts = {first};
    int current = -1, candidate = -1;
    for (size_t at = first; at + window <= last; at += window) {
      const int tone = nearestTone(measure(samples, at, at + window).hz);
      if (current < 0) current = tone;
      if (tone == current) {
        candidate = -1;
      } else if (tone == candidate) {
        cuts.push_back(at - window);
        current = tone;
        candidate = -1;
      } else {
        candidate = tone;
      }
    }
    cuts.push_back(last);
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
      Stretch part = measure(samples, cuts[i], cuts[i + 1]);
      // The pitch away from the cuts, where the window at a cut may hold both sounds.
      const size_t from = i > 0 ? cuts[i] + window : cuts[i], to = i + 2 < cuts.size() ? cuts[i + 1] - window : last;
      if (to > from + window) part.hz = measure(samples, from, to).hz;
      out.push_back(part);
    }
  }
  return out;
}

std::string soundsOf(const std::vector<Stretch>& stretches) {
  std::string out;
  for (const auto& s : stretches) out += (out.empty() ? "" : " ") + soundOf(s);
  return out;
}

Listening::~Listening() { plat::setSoundBackend(std::make_unique<plat::RecordingSound>()); }

void Listening::writeTones(const QString& folder, double seconds, double quiet) {
  for (const auto& c : toneCodes()) writeTone(folder, c.file, seconds, quiet);
}

void Listening::writeTone(const QString& folder, const char* file, double seconds, double quiet) {
  for (const auto& c : toneCodes())
    if (QString(c.file) == file) {
      ASSERT_TRUE(writeToneWave(QDir(folder).filePath(file), c.hz, seconds, quiet)) << file;
      return;
    }
  FAIL() << "no tone for " << file;
}

void Listening::begin(Recorder::Latency latency) {
  auto timed = std::make_unique<TimedSound>(plat::makeSystemSound());
  log = timed.get();
  plat::setSoundBackend(std::move(timed));
  QString why;
  ASSERT_TRUE(m_recorder.start(&why, latency)) << why.toStdString();
  // The program opens its sound output as it starts, and its user's first sound comes seconds
  // later; by then the server has played what it had worked ahead before the output came.
  workFor(2.2);
}

void Listening::workFor(double seconds) {
  const double until = steadySeconds() + seconds;
  while (steadySeconds() < until) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    m_recorder.see();
    QThread::msleep(2);
  }
}

std::vector<Stretch> Listening::end(const QString& keepAs, double tail) {
  const auto samples = endSamples(keepAs, tail);
  return splitBySound(loudStretches(samples), samples);
}

std::vector<int16_t> Listening::endSamples(const QString& keepAs, double tail) {
  return m_recorder.stopAfter(tail, keepAs);
}

}  // namespace soundcheck
