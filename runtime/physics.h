#pragma once
// The physical constants of the lessons, each with its unit. Every formula of the program
// takes its values from here, with the precision the lessons use.

namespace rt::phys {

// Pi to five decimals, as every lesson takes it.
inline constexpr double kPi = 3.14159;
// The same in single precision, for formulas worked in singles.
inline constexpr float kPiSingle = 3.14159f;

// The acceleration of gravity at the earth's surface, in the units of each project.
inline constexpr float kGravityCm = 980.0f;  // cm/s², pendulum and water wheel
inline constexpr double kGravityM = 9.81;    // m/s², rocketry
inline constexpr double kGravityFt = 32.2;   // ft/s², trajectories

}  // namespace rt::phys
