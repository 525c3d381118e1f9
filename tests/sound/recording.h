#pragma once
// Reading a recording: where it was loud, for how long, and at what pitch, so a check can tell
// which of the tone-coded sounds played, when, and whether it played to its end.

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace soundcheck {

// One stretch of sound, in seconds from the start of the recording.
struct Stretch {
  double start = 0, end = 0;
  double hz = 0;  // the pitch, from the rate at which the wave crosses zero
  int peak = 0;
  double length() const { return end - start; }
};

// The stretch of the samples from `first` to `last` (frames), with its pitch and peak.
Stretch measure(const std::vector<int16_t>& samples, size_t first, size_t last);

// The loud stretches: louder than `threshold`, split by at least `quiet` seconds below it.
std::vector<Stretch> loudStretches(const std::vector<int16_t>& samples, int threshold = 500, double quiet = 0.01);

// The silences inside a stretch of one steady sound: runs of at least `shortest` seconds where
// every sample stays within `threshold` of zero, between its first and its last loud sample.
// A steady tone crosses zero for a few microseconds; a run this long is sound that went missing.
std::vector<Stretch> silencesWithin(const std::vector<int16_t>& samples, const Stretch& stretch, int threshold = 500,
                                    double shortest = 0.003);

// A line per stretch, as "1.89-2.13 s 880 Hz peak 22934", for failure messages and reports.
std::string describe(const std::vector<Stretch>& stretches);

// A mono 16-bit wave at 22050 Hz: a steady tone of `hz` for `toneSeconds`, eased in and out
// over a few milliseconds, followed by `silenceSeconds` of silence.
std::string toneWave(double hz, double toneSeconds, double silenceSeconds = 0);
bool writeToneWave(const QString& path, double hz, double toneSeconds, double silenceSeconds = 0);

}  // namespace soundcheck
