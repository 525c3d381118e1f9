#include "trajectories/shot.h"

#include <algorithm>
#include <cmath>

#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "runtime/physics.h"
#include "runtime/random.h"

namespace trajectories {

PathPen::~PathPen() = default;
ShotSounds::~ShotSounds() = default;

namespace {

// Half of gravity, for the height term: 16.1 feet per second squared (halving is exact, so
// this is the same double as the literal 16.1).
constexpr double kHalfG = rt::phys::kGravityFt / 2;

// The distance of a rounded path point from the mark, the differences taken as whole feet.
float markDistance(int16_t x, int16_t y, int16_t markX, int16_t markY) {
  const int16_t dy = int16_t(y - markY);
  const int16_t dx = int16_t(x - markX);
  return float(std::sqrt(double(dy) * dy + double(dx) * dx));
}

}  // namespace

int16_t snapToTen(float v) { return int16_t(rt::roundDown((v + 5.0f) / 10.0f) * 10.0f); }

ArrowValues saneArrowValues(ArrowValues v) {
  // A file may hold anything the number reader accepts; a value outside the bars' ranges
  // would not fit the 16-bit arithmetic of the flight.
  if (std::isnan(v.ArrowAngle)) v.ArrowAngle = 0;
  if (std::isnan(v.ArrowSpeed)) v.ArrowSpeed = 0;
  v.ArrowAngle = std::clamp(v.ArrowAngle, 0.0f, 90.0f);
  v.ArrowSpeed = std::clamp(v.ArrowSpeed, 0.0f, 300.0f);
  v.MarkX = snapToTen(float(std::clamp<int16_t>(v.MarkX, 0, kGridWidth)));
  v.MarkY = snapToTen(float(std::clamp<int16_t>(v.MarkY, 0, kGridHeight)));
  return v;
}

void ShotStore::add(float angle, float speed) {
  m_count = int16_t(m_count + 1);
  if (m_count > kStoreSize) m_count = kStoreSize;
  m_angle[size_t(m_count)] = angle;
  m_speed[size_t(m_count)] = rt::roundToInt16(speed);
}

std::string hitMessage(int16_t k) {
  static const char* const kCheers[5] = {"A Hit!  Good Job!", "A Hit!  Way to Go!", "A Hit!  Right Angle!",
                                         "A Hit!  Nice Speed!", "A Hit!  Move Marker!"};
  return kCheers[std::clamp<int16_t>(k, 0, 4)];
}

std::string missMessage(int16_t cx, int16_t cy) {
  return "Missed ...  Closest at X =" + rt::numberText(cx) + ", Y =" + rt::numberText(cy);
}

ShotResult takeShot(ShotStore& store, const ArrowValues& v, PathPen& pen, ShotSounds& sounds,
                    rt::RandomSource& random) {
  store.add(v.ArrowAngle, v.ArrowSpeed);
  ShotResult r;
  sounds.playWave(ShotSound::Shot, 1);

  const double a = double(v.ArrowAngle) * kDegToRad;
  const double speed = v.ArrowSpeed;
  // The flight lasts until the arrow is back on the ground, and half a second more.
  const float T = float(double(2.0f * v.ArrowSpeed) * std::sin(a) / rt::phys::kGravityFt + 0.5);
  pen.start();
  for (float t = 0; t <= T; t += 0.01f) {
    const double td = t;
    const int16_t x = rt::roundToInt16(speed * std::cos(a) * td);
    const int16_t y = rt::roundToInt16(speed * std::sin(a) * td - td * kHalfG * td);
    if (y < 0) break;  // in the ground
    pen.lineTo(x, y);
    ++r.Points;
    const float d = markDistance(x, y, v.MarkX, v.MarkY);
    if (d < kHitDistance) {
      r.Hit = true;
      r.HitX = x;
      r.HitY = y;
      break;
    }
    if (d < r.Closest) {
      r.Closest = d;
      r.cx = x;
      r.cy = y;
    }
  }

  if (!r.Hit) {
    sounds.playWave(ShotSound::Miss, 0);
    r.Message = missMessage(r.cx, r.cy);
  } else {
    sounds.playWave(ShotSound::Hit, 0);
    r.Cheer = int16_t(rt::roundDown(random.next() * 5.0f));
    r.Message = hitMessage(r.Cheer);
  }
  return r;
}

// The screen's paths, kept apart from the page's (printedPaths) on purpose: here each point is
// rounded to whole feet before the ground and mark tests, the rounding takeShot gives the
// points it draws and judges, and the picture's border clips a path past the right edge.
// The rounding decides where a path ends, not only where its points lie (a level shot is at
// -0.04 feet after 0.05 s: 0 here, on the ground, but below it on paper), so one routine for
// both would change either the screen's paths or the printed ones.
void redrawShots(const ShotStore& store, int16_t markX, int16_t markY, PathPen& pen) {
  for (int i = 1; i <= store.shotCount(); ++i) {
    const double a = double(store.shotAngle(i)) * kDegToRad;
    const int16_t S = store.shotSpeed(i);
    const float T = float(double(int16_t(S * 2)) * std::sin(a) / rt::phys::kGravityFt + 0.5);
    pen.start();
    for (float t = 0; t <= T; t += 0.05f) {
      const double td = t;
      const int16_t x = rt::roundToInt16(double(S) * std::cos(a) * td);
      const int16_t y = rt::roundToInt16(double(S) * std::sin(a) * td - td * kHalfG * td);
      if (y < 0) break;
      pen.lineTo(x, y);
      if (markDistance(x, y, markX, markY) < kHitDistance) break;
    }
  }
}

// The page's paths, kept apart from the screen's (redrawShots) on purpose: here the points
// stay unrounded through the ground and mark tests, and a path also ends at the grid's right
// edge, since paper has no picture border to clip it. Rounded points would end paths
// elsewhere (a level shot runs along the ground on the screen but ends at once here), so
// sharing the screen's routine would change the printed lines.
void printedPaths(const ShotStore& store, int16_t markX, int16_t markY, PathPen& pen) {
  for (int i = 1; i <= store.shotCount(); ++i) {
    const double a = double(store.shotAngle(i)) * kDegToRad;
    const int16_t S = store.shotSpeed(i);
    const float T = float(double(int16_t(S * 2)) * std::sin(a) / rt::phys::kGravityFt + 0.5);
    pen.start();
    for (float t = 0; t <= T; t += 0.05f) {
      const double td = t;
      const float x = float(double(S) * std::cos(a) * td);
      const float y = float(double(S) * std::sin(a) * td - td * kHalfG * td);
      // Paper shows only the grid: a path ends at the ground or at the right edge.
      if (!(x <= 1000.0f && y >= 0.0f)) break;
      pen.lineTo(x, y);
      const double dy = double(y) - markY, dx = double(x) - markX;
      if (std::sqrt(dy * dy + dx * dx) < kHitDistance) break;
    }
  }
}

Grab grabMark(float X, float Y, float gridWidth, float gridHeight, float markWidth, float markHeight) {
  Grab g;
  g.GrabX = rt::roundToInt16(double(X * 1000.0f / gridWidth) - markWidth * 0.5);
  g.GrabY = rt::roundToInt16(double(-Y * 500.0f / gridHeight) + markHeight * 0.5);
  return g;
}

MarkPlace mouseToMark(float X, float Y, float gridWidth, float gridHeight, float markLeft, float markTop, Grab grab) {
  float x = X * 1000.0f / gridWidth + markLeft - float(grab.GrabX);
  x = std::clamp(x, 0.0f, 1000.0f);
  float y = markTop - Y * 500.0f / gridHeight - float(grab.GrabY);
  y = std::clamp(y, 0.0f, 500.0f);
  return {snapToTen(x), snapToTen(y)};
}

IndicatorEnd angleIndicator(float length, float angle, double y1) {
  const double a = double(angle) * kDegToRad;
  return {length * std::cos(a), y1 - length * std::sin(a)};
}

}  // namespace trajectories
