#pragma once
// Reading the header of a PCM wave file held in memory. Nothing here trusts the header:
// every length is clamped to the bytes actually held.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

}  // namespace plat
