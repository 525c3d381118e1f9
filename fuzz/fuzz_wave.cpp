// The wave files a user can put beside the program in place of its sounds: any bytes read as a
// wave image (parseWave), then brought to the output's form as the sound stream takes it
// (StereoSound at 44100 frames a second, copied out a stretch at a time, the stretches of
// whatever size the server asks for). What the reader accepts must lie within the bytes held;
// a sound it refuses has no frames; a sound keeps its length at the output's rate; every
// stretch is written within the frames asked for and the sound's own, and ends at its end; the
// stretches join into the sound copied at once; and no sample leaves the range of the samples
// of its side (at the sound's own rate, each sample passes unchanged).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/require.h"
#include "platform/wave.h"

namespace {

constexpr uint32_t kRate = 44100;  // the output's frames a second, as the sound stream plays
// The frames followed from the start of a sound, and from its end: a sound of a few frames at
// 1 Hz lasts for hours at the output's rate, and every frame of it is made alike.
constexpr size_t kFramesFollowed = 1 << 15;
// Stretches of the sizes a sound server asks for, from a single frame to a tenth of a second,
// and none at all.
constexpr size_t kStretches[] = {441, 1, 4410, 7, 1024, 0, 2205, 13, 4096, 3};
constexpr int16_t kUnwritten = 0x5A5A;  // fills every frame before it is written

// One side's sample of a frame of the image, as a 16-bit value.
int sampleOf(std::string_view image, const plat::WaveInfo& info, size_t frame, int channel) {
  const size_t width = info.bitsPerSample / 8;
  const size_t at = info.dataOffset + (frame * info.channels + size_t(channel)) * width;
  if (width == 1) return (int(uint8_t(image[at])) - 128) * 256;
  return int(int16_t(uint16_t(uint8_t(image[at]) | uint8_t(image[at + 1]) << 8)));
}

// Frames [first, first + wanted) of the sound, and perhaps some after them, taken in stretches
// as the stream takes them; each stretch is written into a buffer of exactly its size, so that a
// write past it is caught.
std::vector<int16_t> takeInStretches(const plat::StereoSound& sound, size_t first, size_t wanted, size_t turn) {
  std::vector<int16_t> taken;
  for (size_t at = first; at < first + wanted; ++turn) {
    const size_t stretch = kStretches[turn % std::size(kStretches)];
    std::vector<int16_t> out(2 * stretch, kUnwritten);
    const size_t written = sound.copy(at, stretch, out.data());
    FUZZ_REQUIRE(written == std::min(stretch, sound.frames() - at));
    // Nothing beyond the frames written is touched.
    FUZZ_REQUIRE(std::all_of(out.begin() + long(2 * written), out.end(), [](int16_t v) { return v == kUnwritten; }));
    taken.insert(taken.end(), out.begin(), out.begin() + long(2 * written));
    at += written;
  }
  return taken;
}

void checkSound(std::string_view image, const plat::WaveInfo& info, const plat::StereoSound& sound) {
  const size_t frameBytes = size_t(info.channels) * (info.bitsPerSample / 8);
  const uint64_t ownFrames = info.dataBytes / frameBytes;
  // Its length kept at the output's rate: as many whole output frames as fit its own.
  FUZZ_REQUIRE(sound.frames() == ownFrames * kRate / info.sampleRate);
  if (sound.frames() == 0) return;

  // The range each side's samples cover; a line drawn between two samples stays within it.
  const int right = info.channels > 1 ? 1 : 0;
  int least[2] = {32767, 32767};
  int most[2] = {-32768, -32768};
  for (size_t f = 0; f < ownFrames; ++f) {
    for (int side : {0, 1}) {
      const int v = sampleOf(image, info, f, side == 0 ? 0 : right);
      least[side] = std::min(least[side], v);
      most[side] = std::max(most[side], v);
    }
  }

  const size_t head = std::min(sound.frames(), kFramesFollowed);
  const size_t tailStart = sound.frames() - std::min(sound.frames(), kFramesFollowed / 8);
  const size_t turn = image.size() % std::size(kStretches);
  for (size_t first : {size_t(0), tailStart}) {
    const size_t wanted = first == 0 ? head : sound.frames() - tailStart;
    const std::vector<int16_t> stretches = takeInStretches(sound, first, wanted, turn);
    FUZZ_REQUIRE(stretches.size() >= 2 * wanted);
    // The same frames copied at once are the frames taken in stretches.
    std::vector<int16_t> whole(2 * wanted, kUnwritten);
    FUZZ_REQUIRE(sound.copy(first, wanted, whole.data()) == wanted);
    FUZZ_REQUIRE(std::equal(whole.begin(), whole.end(), stretches.begin()));
    for (size_t i = 0; i < wanted; ++i) {
      for (int side : {0, 1}) {
        const int v = whole[2 * i + size_t(side)];
        FUZZ_REQUIRE(v >= least[side] && v <= most[side]);
        if (info.sampleRate == kRate) FUZZ_REQUIRE(v == sampleOf(image, info, first + i, side == 0 ? 0 : right));
      }
    }
  }
  // Past the end nothing is given and nothing written.
  int16_t untouched[2] = {kUnwritten, kUnwritten};
  FUZZ_REQUIRE(sound.copy(sound.frames(), 1, untouched) == 0);
  FUZZ_REQUIRE(sound.copy(sound.frames() + kRate, 1, untouched) == 0);
  FUZZ_REQUIRE(untouched[0] == kUnwritten && untouched[1] == kUnwritten);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string image(reinterpret_cast<const char*>(data), size);
  const auto info = plat::parseWave(image);
  const plat::StereoSound sound(image, kRate);
  if (!info) {
    FUZZ_REQUIRE(sound.frames() == 0);
    return 0;
  }
  // What the reader accepts is a PCM sound whose samples lie within the bytes held, whole frames.
  FUZZ_REQUIRE(info->channels > 0 && info->sampleRate > 0 && info->byteRate > 0);
  FUZZ_REQUIRE(info->bitsPerSample == 8 || info->bitsPerSample == 16);
  FUZZ_REQUIRE(info->dataOffset >= 12 && info->dataOffset <= size && info->dataBytes <= size - info->dataOffset);
  FUZZ_REQUIRE(info->dataBytes % (size_t(info->channels) * (info->bitsPerSample / 8)) == 0);
  checkSound(image, *info, sound);
  return 0;
}
