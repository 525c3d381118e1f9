#include "tests/sound/recording.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tests/sound/soundserver.h"
#include "tests/support/wavebytes.h"

namespace soundcheck {

Stretch measure(const std::vector<int16_t>& samples, size_t first, size_t last) {
  Stretch s;
  s.start = double(first) / kRate;
  s.end = double(last) / kRate;
  // Pitch from the crossings between the first and the last, so the quiet edges of the
  // stretch do not count.
  size_t crossings = 0, firstCrossing = 0, lastCrossing = 0;
  for (size_t i = first + 1; i < last; ++i) {
    if ((samples[i - 1] < 0) != (samples[i] < 0)) {
      if (crossings++ == 0) firstCrossing = i;
      lastCrossing = i;
    }
    s.peak = std::max(s.peak, std::abs(int(samples[i])));
  }
  s.hz = crossings > 2 ? (crossings - 1) / 2.0 / (double(lastCrossing - firstCrossing) / kRate) : 0;
  return s;
}

std::vector<Stretch> loudStretches(const std::vector<int16_t>& samples, int threshold, double quiet) {
  const size_t window = kRate / 200;  // 5 ms
  const size_t quietWindows = size_t(std::lround(quiet * 200));
  std::vector<Stretch> out;
  bool open = false;
  size_t first = 0, last = 0, silent = 0;
  auto close = [&] {
    out.push_back(measure(samples, first, last));
    open = false;
  };
  for (size_t at = 0; at < samples.size(); at += window) {
    const size_t end = std::min(at + window, samples.size());
    int loudest = 0;
    for (size_t i = at; i < end; ++i) loudest = std::max(loudest, std::abs(int(samples[i])));
    if (loudest > threshold) {
      if (!open) {
        open = true;
        first = at;
      }
      last = end;
      silent = 0;
    } else if (open && ++silent >= quietWindows) {
      close();
    }
  }
  if (open) close();
  return out;
}

std::vector<Stretch> silencesWithin(const std::vector<int16_t>& samples, const Stretch& stretch, int threshold,
                                    double shortest) {
  const auto loud = [&](size_t i) { return std::abs(int(samples[i])) > threshold; };
  size_t first = size_t(std::lround(stretch.start * kRate));
  size_t last = std::min(samples.size(), size_t(std::lround(stretch.end * kRate)));
  while (first < last && !loud(first)) ++first;
  while (last > first && !loud(last - 1)) --last;
  std::vector<Stretch> out;
  const size_t least = size_t(std::lround(shortest * kRate));
  for (size_t i = first; i < last;) {
    if (loud(i)) {
      ++i;
      continue;
    }
    const size_t begin = i;
    while (i < last && !loud(i)) ++i;
    if (i - begin >= least) out.push_back(Stretch{double(begin) / kRate, double(i) / kRate, 0, 0});
  }
  return out;
}

std::string describe(const std::vector<Stretch>& stretches) {
  std::string text;
  char line[96];
  for (const auto& s : stretches) {
    std::snprintf(line, sizeof line, "%.3f-%.3f s %.0f Hz peak %d\n", s.start, s.end, s.hz, s.peak);
    text += line;
  }
  return text.empty() ? "(silence)\n" : text;
}

std::string toneWave(double hz, double toneSeconds, double silenceSeconds) {
  const uint32_t rate = 22050;
  const size_t tone = size_t(std::lround(toneSeconds * rate));
  const size_t total = tone + size_t(std::lround(silenceSeconds * rate));
  const double ease = 0.004 * rate;
  std::string s = testwave::header(1, rate, uint32_t(2 * total));
  for (size_t i = 0; i < total; ++i) {
    double v = 0;
    if (i < tone) {
      const double envelope = std::min({1.0, i / ease, (tone - i) / ease});
      v = 12000.0 * envelope * std::sin(2 * M_PI * hz * double(i) / rate);
    }
    testwave::put16(s, uint16_t(int16_t(std::lround(v))));
  }
  return s;
}

bool writeToneWave(const QString& path, double hz, double toneSeconds, double silenceSeconds) {
  const std::string bytes = toneWave(hz, toneSeconds, silenceSeconds);
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && f.flush();
}

}  // namespace soundcheck
