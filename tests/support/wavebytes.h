#pragma once
// Wave images made by tests: the little-endian fields and the 44-byte header of a PCM wave.

#include <cstdint>
#include <string>

namespace testwave {

inline void put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
}
inline void put16(std::string& s, uint16_t v) {
  s.push_back(char(v & 0xFF));
  s.push_back(char(v >> 8));
}

// The header of a PCM wave (16-bit unless told) whose data chunk claims `dataBytes`.
inline std::string header(uint16_t channels, uint32_t rate, uint32_t dataBytes, uint16_t bits = 16) {
  std::string s = "RIFF";
  put32(s, 36 + dataBytes);
  s += "WAVEfmt ";
  put32(s, 16);
  put16(s, 1);
  put16(s, channels);
  put32(s, rate);
  put32(s, rate * channels * (bits / 8));
  put16(s, uint16_t(channels * (bits / 8)));
  put16(s, bits);
  s += "data";
  put32(s, dataBytes);
  return s;
}

}  // namespace testwave
