#pragma once
// The projects' two ways of playing a sound: a wave file in the program's folder, or a wave
// file held whole in memory.

#include <QString>
#include <cstdint>
#include <string>

namespace shell {

// Plays a wave file: flags 0 return when the sound has ended, 1 at once. An empty name does
// nothing (a sound already playing goes on); otherwise the playing sound stops first.
void playWave(const QString& fileName, int16_t flags);

// Plays a wave file held whole in memory and returns at once; empty does nothing.
void playWaveImage(const std::string& image);

}  // namespace shell
