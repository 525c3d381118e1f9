#pragma once
// The two-link arm's geometry: joint angles to elbow and hand (forward), a point to joint
// angles (inverse, with the elbow-up, elbow-down or shortest-motion choice), snapping angles
// to a joint's resolution, and the reach test. Angles are whole degrees, lengths and
// coordinates grid units; degrees become radians by the factor of pi taken as 3.14159.

#include <array>
#include <cstdint>
#include <optional>

#include "runtime/physics.h"

namespace robotics {

inline constexpr double kDegToRad = rt::phys::kPi / 180;  // 0.017453277777777776

// The angle steps a joint can be set to move by, in degrees; each divides 360.
inline constexpr std::array<int16_t, 16> kResolutionTable = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 24, 30, 36, 45, 60, 90};

// The four-quadrant arc tangent with pi as 3.14159; (0, 0) gives 0.
double angleOf(float y, float x);

// Halves to the even neighbour, as every rounding of an angle here.
int16_t roundEven(double x);

// Where the joints put the elbow and the hand. A1 is link 1's angle from the x axis, A2 link
// 2's angle relative to link 1 (counter-clockwise positive).
struct ArmPosition {
  float ElbowX = 0, ElbowY = 0, HandX = 0, HandY = 0;
};
ArmPosition computeArmPosition(int16_t L1, int16_t L2, int16_t A1, int16_t A2);

// How the inverse solution picks its elbow: 0 keeps A2 > 0, 1 keeps A2 < 0, 2 takes the one
// nearer the present elbow angle in the joint's direction of travel (0 counter-clockwise,
// 1 clockwise, 2 shortest).
struct ElbowRule {
  int16_t ElbowChoice = 0;
  int16_t Direction2 = 0;
  int16_t PresentA2 = 0;
};

// The joint angles in radians (singles) that put the hand at (X, Y); none when the point
// lies outside the ring the two links can reach.
struct JointSolution {
  float A1 = 0, A2 = 0;
};
std::optional<JointSolution> solveJointAngles(float X, float Y, int16_t L1, int16_t L2, const ElbowRule& rule);

// An angle rounded to the nearest multiple of a resolution (45 at 2 gives 44).
int16_t snapAngle(int16_t a, int16_t resolution);

// Whether the hand can reach (x, y) with these lengths: |L1 - L2| <= distance <= L1 + L2.
bool canReachPoint(float x, float y, int16_t L1, int16_t L2);

// A difference of two angles reduced by a turn toward zero when it is more than half a turn.
int16_t reduceTurn(int d);

// An angle brought back into -180..180 after a step past either end.
int16_t wrapAngle(int a);

}  // namespace robotics
