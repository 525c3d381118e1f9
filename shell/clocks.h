#pragma once
// The clocks the projects read, the timed wait, and the random numbers they draw. Each has a
// real source; tests install manual clocks and scripted random numbers in its place.

#include "runtime/clock.h"

namespace rt {
class RandomSource;
}

namespace shell {

rt::TimeOfDayClock& timeOfDay();
rt::TickClock& tickClock();
void setTimeOfDayClock(rt::TimeOfDayClock* c);  // nullptr: the system clock
void setTickClock(rt::TickClock* c);            // nullptr: the system counter

// Waits, handling no window events, until the given seconds have passed on the time-of-day
// clock; a wait across midnight ends on time too.
void delay(float seconds);

// The random numbers of every project: uniform singles below 1.
rt::RandomSource& randomSource();
void setRandomSource(rt::RandomSource* r);  // nullptr: the program's own generator
// Seeds the program's own generator from the time of day, as a project does when it opens;
// an installed source goes on with its own sequence.
void randomize();

}  // namespace shell
