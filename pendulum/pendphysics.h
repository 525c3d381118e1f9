#pragma once
// The damped simple pendulum: a point bob on a massless string, integrated in fixed
// midpoint steps. Lengths in centimetres, masses in grams, angles in radians inside the
// model and in degrees on the screen. Values are single precision, as the settings hold them.

#include <cstdint>
#include <optional>

#include "runtime/physics.h"

namespace pendulum {

// Degrees to radians with pi taken as 3.14159, the value used throughout the project;
// radians go back to degrees by dividing by the same factor.
constexpr double kDegToRad = rt::phys::kPi / 180;
// One integration step, and two of them per 100 ms timer tick, so simulated time
// advances 0.1 s per tick.
constexpr float kStep = 0.05f;
constexpr int kStepsPerTick = 2;
constexpr int kTickMs = 100;
// The length of a run in simulated seconds.
constexpr float kRunLength = 20.0f;
// A full run records 200 ticks after its start state.
constexpr int kMaxPoints = 200;

float degToRad(float degrees);
float radToDeg(float radians);

// The damping term's coefficient: friction * sqrt(g / L) * m * L * L (g cm^2/s), so that
// dividing by the moment of inertia m * L * L leaves friction * sqrt(g / L) per second.
float dampingFactor(float friction, float length, float mass);

// Angular acceleration (rad/s^2) at angle th and speed w:
// -c * w / (L * m * L) - g * sin(th) / L.
float acceleration(float th, float w, float c, float length, float mass);

// One midpoint step of dt seconds: the slope at the start carries the state half a step,
// and the slope there carries it the whole step.
void midpointStep(float& theta, float& omega, float c, float length, float mass, float dt);

// Half the height of the angle plots in degrees: the start angle's size, but at least one
// degree, so a start angle of 0 still gives the plots a scale.
float plotHalfAngle(float startAngle);

// Half the height of the phase plot in degrees per second: the largest speed of an
// undamped small swing from the plot's half angle, half * sqrt(g / L).
float phaseHalfSpeed(float startAngle, float length);

// Where the bob hangs, in whole centimetres from the pivot (y negative below it), for a
// string of the given length at the given angle in degrees. Nothing for an angle that is no
// longer a number (a run that diverged under a friction far outside its limits) or a string
// too long to place.
struct BobPosition {
  int16_t BobX, BobY;
};
std::optional<BobPosition> bobAt(float length, float degrees);

}  // namespace pendulum
