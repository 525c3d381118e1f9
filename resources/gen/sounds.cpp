// Sound synthesis. Everything is computed in double precision from fixed
// constants and a fixed-seed noise source, so each run writes the same bytes.
#include "artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace resgen {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDt = 1.0 / kSampleRate;

int sampleCount(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

// Linear congruential noise with a fixed seed: uniform in [-1, 1).
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;  // 24 high bits
  }

 private:
  std::uint32_t state_;
};

// One-pole low-pass filter; the cutoff may change from sample to sample.
class LowPass {
 public:
  double step(double x, double cutoffHz) {
    const double a = 1.0 - std::exp(-kTwoPi * cutoffHz * kDt);
    y_ += a * (x - y_);
    return y_;
  }

 private:
  double y_ = 0.0;
};

// Raised-cosine ramp from 0 to 1 over `length` seconds starting at `start`.
double rampUp(double t, double start, double length) {
  if (t <= start) return 0.0;
  if (t >= start + length) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * (t - start) / length);
}

// Fades the last `seconds` of the sound to silence so it ends without a click.
void fadeOut(Samples& s, double seconds) {
  const int n = std::min<int>(sampleCount(seconds), static_cast<int>(s.size()));
  const int first = static_cast<int>(s.size()) - n;
  for (int i = 0; i < n; ++i) s[first + i] *= static_cast<float>(1.0 - rampUp(i + 1, 0.0, n));
}

// Scales the sound so its loudest sample has magnitude `peak`.
void normalise(Samples& s, double peak) {
  float loudest = 0.0f;
  for (float v : s) loudest = std::max(loudest, std::abs(v));
  if (loudest <= 0.0f) return;
  const double gain = peak / loudest;
  for (float& v : s) v = static_cast<float>(v * gain);
}

// A struck bell: a few partials at inharmonic ratios, each decaying on its own.
struct Partial {
  double ratio, amplitude, decay;  // decay: seconds to fall to 1/e
};

double bell(double t, double freq, std::initializer_list<Partial> partials) {
  if (t < 0.0) return 0.0;
  double v = 0.0;
  for (const Partial& p : partials) v += p.amplitude * std::exp(-t / p.decay) * std::sin(kTwoPi * freq * p.ratio * t);
  return v * rampUp(t, 0.0, 0.002);
}

// A tone whose frequency slides linearly; keeps its phase continuous.
class GlideTone {
 public:
  double step(double freq) {
    phase_ += kTwoPi * freq * kDt;
    if (phase_ > kTwoPi) phase_ -= kTwoPi;
    return std::sin(phase_) + 0.3 * std::sin(2.0 * phase_) + 0.12 * std::sin(3.0 * phase_);
  }

 private:
  double phase_ = 0.0;
};

// Stationary noise made loopable: the tail that would follow the last sample is
// cross-faded into the head, so the sound repeats without a seam.
template <typename Source>
Samples loopable(double seconds, double crossfadeSeconds, Source source) {
  const int n = sampleCount(seconds);
  const int fade = sampleCount(crossfadeSeconds);
  std::vector<double> raw(static_cast<size_t>(n + fade));
  for (double& v : raw) v = source();
  Samples s(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    double v = raw[i];
    if (i < fade) {
      const double w = std::sin(0.5 * std::numbers::pi * i / fade);  // equal-power
      v = raw[i] * w + raw[n + i] * std::cos(0.5 * std::numbers::pi * i / fade);
    }
    s[i] = static_cast<float>(v);
  }
  return s;
}

}  // namespace

Samples synthDing() {
  Samples s(sampleCount(0.4));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i * kDt;
    s[i] = static_cast<float>(
        bell(t, 1318.5, {{1.0, 1.0, 0.16}, {2.0, 0.35, 0.09}, {2.76, 0.22, 0.05}, {5.4, 0.08, 0.025}}));
  }
  fadeOut(s, 0.03);
  normalise(s, 0.7);
  return s;
}

Samples synthUhOh() {
  // "Uh" then "oh": two short tones, each sliding down, the second lower.
  struct Note {
    double start, length, fromHz, toHz;
  };
  constexpr Note notes[] = {{0.0, 0.2, 520.0, 490.0}, {0.24, 0.26, 400.0, 335.0}};
  Samples s(sampleCount(0.5));
  for (const Note& note : notes) {
    GlideTone tone;
    const int first = sampleCount(note.start);
    const int n = std::min<int>(sampleCount(note.length), static_cast<int>(s.size()) - first);
    for (int i = 0; i < n; ++i) {
      const double t = i * kDt;
      const double freq = note.fromHz + (note.toHz - note.fromHz) * t / note.length;
      const double env =
          rampUp(t, 0.0, 0.01) * (1.0 - rampUp(t, note.length - 0.04, 0.04)) * (1.0 - 0.35 * t / note.length);
      s[first + i] += static_cast<float>(env * tone.step(freq));
    }
  }
  normalise(s, 0.65);
  return s;
}

Samples synthTada() {
  // A rising arpeggio whose notes keep sounding, ending on a held top note with vibrato.
  struct Note {
    double start, freq, level;
  };
  constexpr Note notes[] = {{0.0, 523.25, 0.55}, {0.08, 659.26, 0.55}, {0.16, 783.99, 0.6}, {0.24, 1046.5, 0.8}};
  Samples s(sampleCount(0.7));
  for (const Note& note : notes) {
    double phase = 0.0;
    for (int i = sampleCount(note.start); i < static_cast<int>(s.size()); ++i) {
      const double t = i * kDt - note.start;
      const double vibrato = 1.0 + 0.006 * rampUp(t, 0.15, 0.1) * std::sin(kTwoPi * 6.0 * t);
      phase += kTwoPi * note.freq * vibrato * kDt;
      // Brassy tone: bright at the attack, mellowing as it holds.
      const double bright = 0.35 + 0.65 * std::exp(-t / 0.12);
      const double tone = std::sin(phase) +
                          bright * (0.6 * std::sin(2 * phase) + 0.4 * std::sin(3 * phase) + 0.2 * std::sin(4 * phase));
      const double env = rampUp(t, 0.0, 0.015) * (0.75 + 0.25 * std::exp(-t / 0.08));
      s[i] += static_cast<float>(note.level * env * tone);
    }
  }
  fadeOut(s, 0.15);
  normalise(s, 0.7);
  return s;
}

Samples synthBoing() {
  // A plucked spring: the pitch wobbles around its rest value and settles.
  Samples s(sampleCount(0.4));
  double phase = 0.0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i * kDt;
    const double freq = 230.0 + 150.0 * std::exp(-t / 0.12) * std::sin(kTwoPi * 11.0 * t + 1.2);
    phase += kTwoPi * freq * kDt;
    const double tone = std::sin(phase) + 0.45 * std::sin(2 * phase + 0.5) + 0.15 * std::sin(3 * phase);
    s[i] = static_cast<float>(rampUp(t, 0.0, 0.004) * std::exp(-t / 0.14) * tone);
  }
  fadeOut(s, 0.04);
  normalise(s, 0.7);
  return s;
}

Samples synthMove() {
  // A dry click: a noise tick over a short high ping.
  Noise noise(0x4d6f7665u);
  LowPass soften;
  Samples s(sampleCount(0.03));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i * kDt;
    const double tick = soften.step(noise.next(), 5000.0) * std::exp(-t / 0.0025);
    const double ping = 0.5 * std::sin(kTwoPi * 1900.0 * t) * std::exp(-t / 0.006);
    s[i] = static_cast<float>(rampUp(t, 0.0, 0.0005) * (tick + ping));
  }
  fadeOut(s, 0.004);
  normalise(s, 0.6);
  return s;
}

Samples synthRocket() {
  // The motor: a hiss that catches and brightens as it lights, then a steady roar over a low
  // rumble, with a slow flutter so it sounds alive. It roars longer than the longest burn
  // (5.0 s) and a little more, for the launch's first tick; the flight cuts it at burn-out.
  Noise noise(0x526f636bu);
  LowPass air1, air2, rumble1, rumble2;
  Samples s(sampleCount(5.5));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i * kDt;
    const double lit = rampUp(t, 0.0, 0.25);
    const double flutter = 1.0 + 0.08 * std::sin(kTwoPi * 7.0 * t) + 0.05 * std::sin(kTwoPi * 2.3 * t);
    const double x = noise.next();
    const double cutoff = 500.0 + 1700.0 * lit;
    const double hiss = air2.step(air1.step(x, cutoff), cutoff);
    const double low = rumble2.step(rumble1.step(x, 110.0), 110.0);
    s[i] = static_cast<float>(lit * flutter * (hiss + 2.5 * low));
  }
  fadeOut(s, 0.05);
  normalise(s, 0.6);
  return s;
}

Samples synthPoof() {
  // A soft puff of air: dark noise with a quick swell that dies away and darkens.
  Noise noise(0x506f6f66u);
  LowPass f1, f2;
  Samples s(sampleCount(0.3));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i * kDt;
    const double cutoff = 250.0 + 900.0 * std::exp(-t / 0.08);
    const double v = f2.step(f1.step(noise.next(), cutoff), cutoff);
    s[i] = static_cast<float>(rampUp(t, 0.0, 0.02) * std::exp(-t / 0.07) * v);
  }
  fadeOut(s, 0.04);
  normalise(s, 0.55);
  return s;
}

Samples synthThrusterBright() {
  // A bright hiss: white noise with its low end taken away.
  Noise noise(0x54687231u);
  LowPass lows, top;
  Samples s = loopable(0.25, 0.02, [&] {
    const double x = noise.next();
    return top.step(x - lows.step(x, 1200.0), 7000.0);
  });
  normalise(s, 0.4);
  return s;
}

Samples synthThrusterDark() {
  // A darker, rougher hiss: low-passed noise with a rumble under it.
  Noise noise(0x54687232u);
  LowPass body1, body2, rumble;
  Samples s = loopable(0.25, 0.02, [&] {
    const double x = noise.next();
    return body2.step(body1.step(x, 900.0), 900.0) + 1.5 * rumble.step(x, 140.0);
  });
  normalise(s, 0.4);
  return s;
}

Samples synthLandOk() {
  // A happy chime: three bell notes climbing a major chord.
  constexpr double starts[] = {0.0, 0.11, 0.22};
  constexpr double freqs[] = {783.99, 987.77, 1174.66};
  Samples s(sampleCount(0.6));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i * kDt;
    double v = 0.0;
    for (int k = 0; k < 3; ++k)
      v += bell(t - starts[k], freqs[k], {{1.0, 1.0, 0.2}, {2.0, 0.3, 0.1}, {3.0, 0.12, 0.05}});
    s[i] = static_cast<float>(v);
  }
  fadeOut(s, 0.08);
  normalise(s, 0.7);
  return s;
}

Samples synthLandBad() {
  // A crash: a hard noise hit and a few smaller knocks over a falling thud and rumble.
  Noise noise(0x4372736eu);
  LowPass crunch, rumble1, rumble2;
  constexpr double knocks[] = {0.0, 0.07, 0.15, 0.26};
  constexpr double knockLevel[] = {1.0, 0.5, 0.35, 0.2};
  Samples s(sampleCount(0.8));
  double thudPhase = 0.0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i * kDt;
    const double x = noise.next();
    double hit = 0.0;
    for (int k = 0; k < 4; ++k)
      if (t >= knocks[k]) hit += knockLevel[k] * std::exp(-(t - knocks[k]) / 0.03);
    const double crackle = crunch.step(x, 2500.0) * hit;
    const double rumble = 3.0 * rumble2.step(rumble1.step(x, 180.0), 180.0) * std::exp(-t / 0.3);
    thudPhase += kTwoPi * (40.0 + 50.0 * std::exp(-t / 0.12)) * kDt;
    const double thud = 0.6 * std::sin(thudPhase) * std::exp(-t / 0.25);
    s[i] = static_cast<float>(rampUp(t, 0.0, 0.002) * (crackle + rumble + thud));
  }
  fadeOut(s, 0.1);
  normalise(s, 0.75);
  return s;
}

QByteArray encodeWave(const Samples& samples) {
  constexpr int kChannels = 1, kBits = 16, kBlockAlign = kChannels * kBits / 8;
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * kBlockAlign;
  QByteArray out;
  out.reserve(static_cast<qsizetype>(44 + dataBytes));
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xff));
  };
  auto u16 = [&](std::uint16_t v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
  };
  out.append("RIFF", 4);
  u32(36 + dataBytes);
  out.append("WAVE", 4);
  out.append("fmt ", 4);
  u32(16);
  u16(1);  // PCM
  u16(kChannels);
  u32(kSampleRate);
  u32(kSampleRate * kBlockAlign);
  u16(kBlockAlign);
  u16(kBits);
  out.append("data", 4);
  u32(dataBytes);
  for (float v : samples) {
    const long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
    u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
  }
  return out;
}

}  // namespace resgen
