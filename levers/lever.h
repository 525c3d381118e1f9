#pragma once
// The lever of the levers project: a straight bar 10 lever units long on a fulcrum, with an
// effort point and a load point on it. This holds the lever's state and the rules that change
// it: the class worked out from the signed distances, the positions set from the window's
// scroll bars, the tilt limits where an end touches the ground, and the timed rotation under
// an applied effort. No drawing and no toolkit here: time comes from a tick clock, the click
// and the redraw go out through hooks.

#include <cstdint>
#include <string>

#include "runtime/clock.h"

namespace levers {

// The four lever values of the shared settings, by reference: the window binds them to the
// program's shared settings, tests to plain variables. Positions are kept as distances from
// the fulcrum; the absolute effort position is FulcrumPos + DEffort.
struct LeverValues {
  float& FulcrumPos;  // lever units from the left end, 0 to 10
  float& DEffort;     // effort position minus fulcrum position
  float& DLoad;       // load position minus fulcrum position
  float& LeverLoad;   // amount of load, whole 0 to 200
};

// What a rotation step calls out for when the tilt crosses a whole degree.
class RotationHooks {
 public:
  virtual ~RotationHooks() = default;
  // The click: returns only when the sound has played to its end.
  virtual void click() = 0;
  // Erase the moving shapes where they were last drawn and draw them at the new tilt.
  virtual void redraw() = 0;
};

class Lever {
 public:
  explicit Lever(LeverValues values) : values(values) { setConstants(); }

  LeverValues values;

  int16_t LeverClass = 3;
  std::string ClassText = "3rd";
  float AEffort = 0;  // applied effort, 0 to 200
  float Theta = 0;    // tilt in radians, positive when the part left of the fulcrum goes down
  float Omega = 0;    // angular velocity, radians per second
  float Inertia = 1;  // load x DLoad^2, at least 1
  float ThetaMin = 0, ThetaMax = 0;
  float MaxTilt = 0;  // 11 degrees, with pi taken as 3.14159
  float Dt = 0;       // model time of one step, seconds
  float Damping = 0;
  float PixPerUnit = 0;    // logical pixels per lever unit
  float LastDeg = 0;       // whole degrees of Theta as last drawn
  int16_t ChangeMode = 1;  // 1 change-values mode, 0 apply-effort mode

  // The constants of the motion and the logical screen, as the window's load step sets them.
  void setConstants();

  // Class 1 when load and effort lie on opposite sides of the fulcrum; otherwise class 3 when
  // the load is at least as far out as the effort, else class 2.
  void classifyLever();
  // The class text followed by " Class Lever".
  std::string classCaption() const { return ClassText + " Class Lever"; }

  // Positions from the scroll bars, which hold tenths of a lever unit. Moving the fulcrum keeps
  // the effort and load bars where they are, so both distances change.
  void moveFulcrum(int fulcrumBar, int effortBar, int loadBar);
  void moveEffort(int effortBar);
  void moveLoad(int loadBar);

  // Values out of range (a hand-edited settings file) brought into range before the window
  // shows them: fulcrum, effort and load positions to 0..10 and the load to a whole 0..200.
  // Values already in range are left exactly as they are.
  void clampLoadedValues();

  // The tilt at which each end of the bar touches the ground, 20 logical pixels below the
  // pivot, never more than MaxTilt either way.
  void computeTiltLimits();
  // Starts a run under the applied effort: limits, start tilt on the side of the load, rest,
  // inertia and the whole degrees drawn. Returns the timer interval in milliseconds.
  int startRotation();

  // One timed step. Returns the next timer interval: the step time less what this step took
  // on the clock (the click included), at least 1 ms.
  int rotationStep(rt::TickClock& clock, RotationHooks& hooks);

  // Whole degrees of a tilt, truncated toward zero: every tilt strictly between -1 and +1
  // degrees counts as 0.
  static float wholeDegrees(float theta);
};

}  // namespace levers
