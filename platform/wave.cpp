#include "platform/wave.h"

#include <cstring>

namespace plat {
namespace {

uint32_t le32(std::string_view b, size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t le16(std::string_view b, size_t at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

}  // namespace

std::optional<WaveInfo> parseWave(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  WaveInfo info;
  bool haveFormat = false;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    std::string_view id = b.substr(at, 4);
    uint64_t len = le32(b, at + 4);
    size_t body = at + 8;
    size_t present = b.size() - body;
    if (id == "fmt ") {
      if (len < 16 || present < 16) return std::nullopt;
      if (le16(b, body) != 1) return std::nullopt;  // PCM only
      info.channels = le16(b, body + 2);
      info.sampleRate = le32(b, body + 4);
      info.byteRate = le32(b, body + 8);
      info.bitsPerSample = le16(b, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return std::nullopt;
      info.dataOffset = body;
      info.dataBytes = size_t(len < present ? len : present);
      if (info.channels == 0 || info.sampleRate == 0 || info.byteRate == 0 ||
          (info.bitsPerSample != 8 && info.bitsPerSample != 16))
        return std::nullopt;
      size_t frame = size_t(info.channels) * (info.bitsPerSample / 8);
      info.dataBytes -= info.dataBytes % frame;
      return info;
    }
    at = body + size_t(len) + (len & 1);
    if (len > b.size()) break;
  }
  return std::nullopt;
}

}  // namespace plat
