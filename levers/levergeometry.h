#pragma once
// Where the shapes of the lever scene lie on the 320 x 200 logical screen: the fulcrum, the
// bar, the load box and the effort arrow, before and after the tilt. The bar, the load and
// the arrow turn together about the fulcrum's tip at y 64; every turned shape is also squeezed
// to 5/6 of its height toward y 64, level or not.

#include <array>
#include <cstdint>

namespace levers {

struct Pt {
  int16_t x = 0;
  int16_t y = 0;
  friend bool operator==(const Pt&, const Pt&) = default;
};

// The logical y of the pivot, the fulcrum's tip.
constexpr int16_t kPivotY = 64;
// The lever's left end; lever units map to x = 40 + 24 x units.
constexpr int16_t kLeverLeft = 40;

// Point numbers of the shapes (1 to 22).
constexpr int kBarFirst = 1, kBarLast = 4;
constexpr int kLoadFirst = 5, kLoadLast = 8;
constexpr int kUpArrowFirst = 9, kUpArrowLast = 15;
constexpr int kDownArrowFirst = 16, kDownArrowLast = 22;

class LeverShapes {
 public:
  float FulcrumX = 0;
  float LoadX = 0;
  float EffortX = 0;
  // Corner points before the tilt and after it, numbered 1 to 22 (0 unused).
  std::array<Pt, 23> BasePts{};
  std::array<Pt, 23> Pts{};
  // The point numbers of the arrow last built: 9 and 15 (up) or 16 and 22 (down).
  int16_t ArrowFirst = kUpArrowFirst;
  int16_t ArrowLast = kUpArrowLast;

  // The bar's four corners, from x 40 to 279 and y 59 to 63.
  void setBarBase();
  void placeFulcrum(float FulcrumPos, float PixPerUnit);
  // The load box, 32 wide and 27 high, centred on the load position; the arrow, pointing down
  // onto the bar for the first class (the effort pushes) and up from it otherwise (it pulls).
  // Both measure from the last placed fulcrum.
  void buildLoad(float DLoad, float PixPerUnit);
  void buildArrow(float DEffort, float PixPerUnit, int16_t LeverClass);
  // Turns base points first..last about (FulcrumX, 64) by theta into Pts.
  void rotate(int first, int last, float theta);
};

// One base point turned about (pivotX, 64) by theta and squeezed by 5/6, rounded halves to even.
Pt rotatePoint(Pt base, float pivotX, float theta);

}  // namespace levers
