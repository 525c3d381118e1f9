#pragma once
// Reading the header of a PCM wave file held in memory. Nothing here trusts the header:
// every length is clamped to the bytes actually held.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct WaveInfo {
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t bitsPerSample = 0;
  uint32_t byteRate = 0;
  size_t dataOffset = 0;  // where the samples start
  size_t dataBytes = 0;   // sample bytes present (never past the end of what is held)
  double seconds() const { return byteRate ? double(dataBytes) / byteRate : 0.0; }
};

// Parses a wave image; nullopt when it is no usable PCM wave.
std::optional<WaveInfo> parseWave(std::string_view bytes);

// A wave image's sound as 16-bit stereo frames at `rate` a second, left and right interleaved:
// the one form the program's sound output plays. A mono sound plays on both sides, 8-bit
// samples are widened, and another rate is converted by linear interpolation, so every sound
// keeps its pitch and its length. The sound is brought to that form a stretch at a time as it
// is played, so that a long sound starts at once: the whole of it is never converted before
// its first part is heard.
class StereoSound {
 public:
  StereoSound() = default;
  // A sound that is no usable PCM wave has no frames.
  StereoSound(std::string image, uint32_t rate);

  size_t frames() const { return m_frames; }
  // Writes frames [first, first + count), clamped to the sound, into `out` as left and right
  // pairs; returns how many it wrote.
  size_t copy(size_t first, size_t count, int16_t* out) const;

 private:
  std::string m_image;
  WaveInfo m_info;
  uint32_t m_rate = 0;
  size_t m_frames = 0;
};

}  // namespace plat
