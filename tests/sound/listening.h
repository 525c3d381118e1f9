#pragma once
// Listening to a window: the system's sound, with a log, takes the place of the test back-end,
// the program's sounds are replaced by tones of their own pitch, and what the silent output
// plays is recorded, so a check can tell which sound played, when, and for how long.

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"
#include "tests/sound/recording.h"
#include "tests/sound/soundserver.h"
#include "tests/sound/timedsound.h"

namespace soundcheck {

// The program's sounds and the pitch each is replaced by; far enough apart to tell each from
// the rest by the rate at which its wave crosses zero.
struct ToneCode {
  const char* file;
  double hz;
};
const std::vector<ToneCode>& toneCodes();

// The file whose pitch the stretch has, or "?" when it has none of them.
std::string soundOf(const Stretch& s);
// The stretches split where one sound gives way to another with no silence between them, as
// when a play cuts the sound playing: each part is one sound.
std::vector<Stretch> splitBySound(const std::vector<Stretch>& stretches, const std::vector<int16_t>& samples);

// The sounds of the stretches, in order, separated by blanks: "ding.wav ding.wav".
std::string soundsOf(const std::vector<Stretch>& stretches);

class Listening {
 public:
  ~Listening();
  // Writes every program sound into `folder` as its tone, `seconds` long and followed by
  // `quiet` seconds of silence; a named sound can be given a length of its own.
  static void writeTones(const QString& folder, double seconds, double quiet = 0.05);
  static void writeTone(const QString& folder, const char* file, double seconds, double quiet = 0.05);
  // Puts the system's sound in place and starts recording; call it with ASSERT_NO_FATAL_FAILURE.
  // The recorder leaves the server at its default latency unless told otherwise.
  void begin(Recorder::Latency latency = Recorder::ServerDefault);
  // When the silent output played the given moment of the recording, in steady seconds.
  double playedAt(double recordingSeconds) const { return m_recorder.playedAt(recordingSeconds); }
  // Lets the program run, handling events, for the given seconds, while the recording's clock
  // is read.
  void workFor(double seconds);
  // Stops recording once `tail` more seconds have been heard, and reads the recording.
  std::vector<Stretch> end(const QString& keepAs, double tail = 0.6);
  std::vector<int16_t> endSamples(const QString& keepAs, double tail = 0.6);
  TimedSound* log = nullptr;

 private:
  Recorder m_recorder;
};

}  // namespace soundcheck
