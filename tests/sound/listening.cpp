#include "tests/sound/listening.h"
#include "tests/support/doubles.h"

#include <QDir>
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

void Listening::begin() {
  auto timed = std::make_unique<TimedSound>(plat::makeSystemSound());
  log = timed.get();
  plat::setSoundBackend(std::move(timed));
  QString why;
  ASSERT_TRUE(m_recorder.start(&why)) << why.toStdString();
}

std::vector<Stretch> Listening::end(const QString& keepAs, double tail) {
  return loudStretches(endSamples(keepAs, tail));
}

std::vector<int16_t> Listening::endSamples(const QString& keepAs, double tail) {
  return m_recorder.stopAfter(tail, keepAs);
}

}  // namespace soundcheck
