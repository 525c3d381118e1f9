#pragma once
// The arrow's flight: a drag-free path from the grid's origin at a launch angle and speed,
// drawn as straight lines between the points of fixed time steps and judged against the
// target mark, the store of the last shots, and the arithmetic of dragging the mark.
//
// Grid units are feet: x to the right from 0 to 1000, y upwards from 0 to 500. Time, chance
// and sound come in through the interfaces below, so tests can drive every path.

#include <array>
#include <cstdint>
#include <string>

#include "runtime/physics.h"

namespace rt {
class RandomSource;
}

namespace trajectories {

// Degrees to radians, with pi taken as 3.14159.
inline constexpr double kDegToRad = rt::phys::kPi / 180;
// A path point this close to the mark's centre is a hit.
inline constexpr double kHitDistance = 5.66;
// The store keeps this many shots; later shots replace the last one.
inline constexpr int16_t kStoreSize = 40;
// The grid in feet.
inline constexpr int16_t kGridWidth = 1000, kGridHeight = 500;

// Settings line 9: the launch and the mark.
struct ArrowValues {
  float ArrowAngle = 0;  // degrees, 0.0 to 90.0
  float ArrowSpeed = 0;  // feet per second, 0 to 300
  int16_t MarkX = 0;     // feet, 0 to 1000, a multiple of 10
  int16_t MarkY = 0;     // feet, 0 to 500, a multiple of 10
};

// Values a hand-edited settings file may hold, brought into what the window's controls can
// show: angle and speed into their bars' ranges, the mark onto the grid and its 10-foot
// steps. Values already in range come back unchanged.
ArrowValues saneArrowValues(ArrowValues v);

// A grid coordinate to the nearest multiple of 10 feet, a half step going up.
int16_t snapToTen(float v);

class ShotStore {
 public:
  // Stores a shot at the next place, or at the last place once the store is full.
  void add(float angle, float speed);
  void clear() { m_count = 0; }
  int16_t shotCount() const { return m_count; }
  // Shot i, 1 to shotCount.
  float shotAngle(int i) const { return m_angle[size_t(i)]; }
  int16_t shotSpeed(int i) const { return m_speed[size_t(i)]; }

 private:
  int16_t m_count = 0;
  std::array<float, kStoreSize + 1> m_angle{};
  std::array<int16_t, kStoreSize + 1> m_speed{};
};

// Where a path is drawn: each path puts the pen on the origin and then draws a line from
// the pen to each of its points in turn.
class PathPen {
 public:
  virtual ~PathPen();
  virtual void start() = 0;
  virtual void lineTo(double x, double y) = 0;
};

enum class ShotSound { Shot, Hit, Miss };

class ShotSounds {
 public:
  virtual ~ShotSounds();
  // flags 1 returns at once, flags 0 when the sound has ended.
  virtual void playWave(ShotSound sound, int16_t flags) = 0;
};

struct ShotResult {
  bool Hit = false;
  int16_t HitX = 0, HitY = 0;  // the point that hit
  float Closest = 10000;       // the nearest distance of a missing path
  int16_t cx = 0, cy = 0;      // where it was
  int16_t Cheer = -1;          // which hit message, 0 to 4
  int Points = 0;              // points of the path drawn
  std::string Message;
};

// One shot with the present values: stored, drawn point by point every 0.01 s of flight,
// judged, sounded; the result carries the message for the window.
ShotResult takeShot(ShotStore& store, const ArrowValues& v, PathPen& pen, ShotSounds& sounds, rt::RandomSource& random);

// The message of a hit, by its number 0 to 4.
std::string hitMessage(int16_t k);
// The message of a miss with its closest point.
std::string missMessage(int16_t cx, int16_t cy);

// Draws every stored shot again in steps of 0.05 s from its stored whole-number speed; a
// path stops at the ground or where it passes the mark as it stands now.
void redrawShots(const ShotStore& store, int16_t markX, int16_t markY, PathPen& pen);

// The stored shots for the printed page: unrounded points every 0.05 s, each path ending at
// the ground, at the grid's right edge or at the mark. Points are in grid feet.
void printedPaths(const ShotStore& store, int16_t markX, int16_t markY, PathPen& pen);

// -- dragging the mark ---------------------------------------------------------------------
// The mouse is given in twips from the mark picture's top left corner (y downwards); the
// grid's width and height are its outer size in twips; the mark's size, left and top edge
// in grid feet.
struct Grab {
  int16_t GrabX = 0, GrabY = 0;  // the grab point's offset from the mark's centre, in feet
};
Grab grabMark(float X, float Y, float gridWidth, float gridHeight, float markWidth, float markHeight);

struct MarkPlace {
  int16_t MarkX = 0, MarkY = 0;
};
// Where the mark's centre goes for a mouse point, kept on the grid and snapped to 10 feet.
MarkPlace mouseToMark(float X, float Y, float gridWidth, float gridHeight, float markLeft, float markTop, Grab grab);

// The far end of the angle indicator, in twips with y downwards, for a line of the given
// length whose first end (at x 0) lies at height y1.
struct IndicatorEnd {
  double x = 0, y = 0;
};
IndicatorEnd angleIndicator(float length, float angle, double y1);

}  // namespace trajectories
