#include "platform/wave.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat {
namespace {

// No sound a speaker plays has fewer frames a second: a header that says so is damaged, and
// taken at its word it would stretch a few bytes over hours, for as long holding a window that
// waits for the sound.
constexpr uint32_t kLowestRate = 1000;

uint32_t le32(std::string_view b, size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t le16(std::string_view b, size_t at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

// One channel's sample of frame `frame`, as a 16-bit value.
int sampleAt(const WaveInfo& info, std::string_view b, size_t frame, int channel) {
  const size_t width = info.bitsPerSample / 8;
  const size_t at = info.dataOffset + (frame * info.channels + size_t(channel)) * width;
  if (width == 1) return (int(uint8_t(b[at])) - 128) * 256;
  return int(int16_t(le16(b, at)));
}

// How many frames the sound has at `rate`; none when the image cannot be read as parsed.
size_t framesAt(const WaveInfo& info, std::string_view bytes, uint32_t rate) {
  const size_t width = info.bitsPerSample / 8;
  if (info.channels == 0 || info.sampleRate == 0 || rate == 0 || (width != 1 && width != 2) ||
      info.dataOffset + info.dataBytes > bytes.size())
    return 0;
  const size_t frames = info.dataBytes / (info.channels * width);
  return size_t(uint64_t(frames) * rate / info.sampleRate);
}

// Frames [first, first + count) of the sound at `rate`, which framesAt() must allow.
void convert(const WaveInfo& info, std::string_view bytes, uint32_t rate, size_t first, size_t count, int16_t* out) {
  const size_t frames = info.dataBytes / (info.channels * (info.bitsPerSample / 8));
  const int right = info.channels > 1 ? 1 : 0;
  for (size_t i = first; i < first + count; ++i) {
    // Where frame i of the output falls in the sound, in its own frames; between two of them
    // the sample is drawn on the straight line joining them.
    const uint64_t scaled = uint64_t(i) * info.sampleRate;
    const size_t from = size_t(scaled / rate);
    const double part = double(scaled % rate) / rate;
    const size_t to = std::min(from + 1, frames - 1);
    for (int channel : {0, right}) {
      const int a = sampleAt(info, bytes, from, channel);
      const int b = sampleAt(info, bytes, to, channel);
      *out++ = int16_t(std::lround(a + (b - a) * part));
    }
  }
}

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
      if (info.channels == 0 || info.sampleRate < kLowestRate || info.byteRate == 0 ||
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

StereoSound::StereoSound(std::string image, uint32_t rate) : m_image(std::move(image)), m_rate(rate) {
  if (auto info = parseWave(m_image)) {
    m_info = *info;
    m_frames = framesAt(m_info, m_image, rate);
  }
}

size_t StereoSound::copy(size_t first, size_t count, int16_t* out) const {
  if (first >= m_frames) return 0;
  count = std::min(count, m_frames - first);
  convert(m_info, m_image, m_rate, first, count, out);
  return count;
}

}  // namespace plat
