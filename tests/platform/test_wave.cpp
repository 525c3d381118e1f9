// Wave images as the in-memory player meets them: whole, trimmed short of what their header
// claims, or not waves at all. The player must never read past the bytes it holds.

#include <gtest/gtest.h>

#include <string>

#include "platform/wave.h"
#include "tests/support/wavebytes.h"

namespace {

using testwave::put32;

// A mono 16-bit wave whose header claims `claimed` sample bytes while `held` follow it.
std::string wave(uint32_t claimed, size_t held, uint32_t rate = 22050) {
  std::string s = testwave::header(1, rate, claimed);
  s.append(held, '\x11');
  return s;
}

TEST(WaveImage, WholeImageGivesItsLength) {
  auto info = plat::parseWave(wave(44100, 44100));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->dataBytes, 44100u);
  EXPECT_EQ(info->dataOffset, 44u);
  EXPECT_DOUBLE_EQ(info->seconds(), 1.0);
}

TEST(WaveImage, TrimmedImageIsClampedToTheBytesHeld) {
  // Trailing blanks trimmed from a file read into memory shorten the samples; the header
  // still claims the full length.
  auto info = plat::parseWave(wave(44100, 1001));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->dataBytes, 1000u);  // whole frames only
}

TEST(WaveImage, TrailingBytesAfterTheDataAreNoSamples) {
  auto info = plat::parseWave(wave(100, 100) + std::string(1024, ' '));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->dataBytes, 100u);
}

TEST(WaveImage, RejectsWhatIsNoPlayableWave) {
  EXPECT_FALSE(plat::parseWave(""));
  EXPECT_FALSE(plat::parseWave("RIFF"));
  EXPECT_FALSE(plat::parseWave(std::string("RIFF\0\0\0\0WAVE", 12)));
  std::string noFormat = "RIFF";
  put32(noFormat, 12);
  noFormat += "WAVEdata";
  put32(noFormat, 4);
  noFormat += "abcd";
  EXPECT_FALSE(plat::parseWave(noFormat));
  // A header cut inside the format chunk.
  EXPECT_FALSE(plat::parseWave(wave(100, 100).substr(0, 30)));
  // A chunk length far beyond the image must not send the reader off the end.
  std::string huge = wave(100, 100);
  huge[16] = '\xFF';
  huge[17] = '\xFF';
  huge[18] = '\xFF';
  huge[19] = '\x7F';
  EXPECT_FALSE(plat::parseWave(huge));
}

}  // namespace
