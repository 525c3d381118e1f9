#pragma once
// What every project shares: the program's folder and the small routines for file paths,
// sounds, a timed wait and reading a whole file.

#include <QString>
#include <cstdint>
#include <string>

#include "runtime/clock.h"

namespace shell {

// The program's folder followed by "/", set once at start-up.
extern QString BasePath;
void setBasePath(const QString& folder);

// The base folder followed by the file name.
QString AppFilePath(const QString& fileName);

// Plays a wave file: flags 0 return when the sound has ended, 1 at once. An empty name does
// nothing (a sound already playing goes on); otherwise the playing sound stops first.
void PlayWave(const QString& fileName, int16_t flags);

// Waits, handling no window events, until the given seconds have passed on the time-of-day
// clock; a wait across midnight ends on time too.
void Delay(float seconds);

// The file's bytes, less leading and trailing blanks; empty on any error.
void ReadWholeFile(const QString& fileName, std::string& text);

// Plays a wave file held whole in memory and returns at once; empty does nothing.
void PlayWaveImage(const std::string& image);

// The clocks the shared routines and the projects read; tests install manual ones.
rt::TimeOfDayClock& timeOfDay();
rt::TickClock& tickClock();
void setTimeOfDayClock(rt::TimeOfDayClock* c);  // nullptr: the system clock
void setTickClock(rt::TickClock* c);            // nullptr: the system counter

}  // namespace shell
