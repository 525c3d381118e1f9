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
  // A rate no sound has: one frame a second would make a second of each frame.
  EXPECT_FALSE(plat::parseWave(wave(100, 100, 1)));
  EXPECT_FALSE(plat::parseWave(wave(100, 100, 999)));
  EXPECT_TRUE(plat::parseWave(wave(100, 100, 1000)));
}

// The formats the player takes are plain PCM of 8 or 16 bits; every other encoding or width
// is no playable wave, so a play of it ends at once in silence.
TEST(WaveImage, OnlyPlainPcmOfEightOrSixteenBitsIsPlayable) {
  auto withFormat = [](uint16_t tag, uint16_t bits) {
    std::string s = testwave::header(1, 8000, 96, bits);
    s[20] = char(tag & 0xFF);
    s[21] = char(tag >> 8);
    return s + std::string(96, '\x22');
  };
  EXPECT_TRUE(plat::parseWave(withFormat(1, 8)));
  EXPECT_TRUE(plat::parseWave(withFormat(1, 16)));
  EXPECT_FALSE(plat::parseWave(withFormat(1, 24)));
  EXPECT_FALSE(plat::parseWave(withFormat(1, 32)));
  EXPECT_FALSE(plat::parseWave(withFormat(3, 32)));       // floating point
  EXPECT_FALSE(plat::parseWave(withFormat(7, 8)));        // mu-law
  EXPECT_FALSE(plat::parseWave(withFormat(6, 8)));        // A-law
  EXPECT_FALSE(plat::parseWave(withFormat(2, 4)));        // ADPCM
  EXPECT_FALSE(plat::parseWave(withFormat(0xFFFE, 16)));  // the extensible header
  EXPECT_EQ(plat::StereoSound(withFormat(1, 24), 44100).frames(), 0u);
}

// The whole of a sound, as the output takes it.
std::vector<int16_t> allFrames(const std::string& image) {
  plat::StereoSound sound(image, 44100);
  std::vector<int16_t> out(2 * sound.frames());
  EXPECT_EQ(sound.copy(0, sound.frames(), out.data()), sound.frames());
  return out;
}

// The output plays 16-bit stereo at one rate; every sound is brought to it without changing
// its pitch or its length.
TEST(WaveImage, SoundsAreBroughtToTheOutputsForm) {
  // Mono at half the rate: each sample on both sides, with the midpoint between two samples.
  std::string mono = testwave::header(1, 22050, 6);
  for (int16_t v : {int16_t(1000), int16_t(-1000), int16_t(3000)}) testwave::put16(mono, uint16_t(v));
  auto info = plat::parseWave(mono);
  ASSERT_TRUE(info);
  EXPECT_EQ(allFrames(mono),
            (std::vector<int16_t>{1000, 1000, 0, 0, -1000, -1000, 1000, 1000, 3000, 3000, 3000, 3000}));

  // 8-bit samples are unsigned around 128.
  std::string bytes8 = testwave::header(1, 44100, 3, 8) + std::string("\x80\xFF\x00", 3);
  info = plat::parseWave(bytes8);
  ASSERT_TRUE(info);
  EXPECT_EQ(allFrames(bytes8), (std::vector<int16_t>{0, 0, 32512, 32512, -32768, -32768}));

  // Stereo at the output's rate passes unchanged, left and right kept apart.
  std::string stereo = testwave::header(2, 44100, 8);
  for (int16_t v : {int16_t(7), int16_t(-7), int16_t(32767), int16_t(-32768)}) testwave::put16(stereo, uint16_t(v));
  info = plat::parseWave(stereo);
  ASSERT_TRUE(info);
  EXPECT_EQ(allFrames(stereo), (std::vector<int16_t>{7, -7, 32767, -32768}));

  // A second at 48000 frames is a second at 44100; nothing is read past a trimmed image.
  std::string second = testwave::header(1, 48000, 96000) + std::string(96000, '\x10');
  info = plat::parseWave(second);
  ASSERT_TRUE(info);
  EXPECT_EQ(allFrames(second).size(), 2u * 44100);
  std::string trimmed = testwave::header(1, 22050, 96000) + std::string(5, '\x10');
  info = plat::parseWave(trimmed);
  ASSERT_TRUE(info);
  EXPECT_EQ(allFrames(trimmed).size(), 2u * 4);
}

// The output takes a sound a stretch at a time, of whatever size the server asks for: the
// stretches join into the same sound, and nothing is written past its end.
TEST(WaveImage, ASoundTakenInStretchesIsTheWholeSound) {
  std::string image = testwave::header(1, 22050, 2 * 1001);
  for (int i = 0; i < 1001; ++i) testwave::put16(image, uint16_t(int16_t(i * 37 - 18000)));
  const std::vector<int16_t> whole = allFrames(image);
  ASSERT_EQ(whole.size(), 2u * 2002);
  plat::StereoSound sound(image, 44100);
  std::vector<int16_t> pieces(whole.size() + 6, int16_t(99));
  size_t at = 0;
  for (size_t stretch : {1, 440, 7, 1000, 441, 2000}) at += sound.copy(at, stretch, pieces.data() + 2 * at);
  EXPECT_EQ(at, 2002u);
  EXPECT_EQ(std::vector<int16_t>(pieces.begin(), pieces.begin() + long(whole.size())), whole);
  EXPECT_EQ(std::vector<int16_t>(pieces.end() - 6, pieces.end()), std::vector<int16_t>(6, 99));
  EXPECT_EQ(sound.copy(2002, 10, pieces.data()), 0u);
  EXPECT_EQ(plat::StereoSound("not a wave", 44100).frames(), 0u);
}

}  // namespace
