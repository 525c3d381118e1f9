#include "lander/landergame.h"

#include <cmath>
#include <cstdlib>

#include "runtime/clock.h"
#include "runtime/numfmt.h"
#include "runtime/random.h"

namespace lander {

namespace {

constexpr int kTickMs = 500;
constexpr int16_t kStartY = 5;
// The moon's pull, in pixels per tick added to the downward speed each tick: harder on a
// lander already falling than on one rising or at rest.
constexpr float kPullFalling = 0.66f;
constexpr float kPullNotFalling = 0.3f;
// The read-outs count in feet unless metric is chosen.
constexpr float kMetresPerFoot = 0.3048f;

bool fits16(long v) { return v >= INT16_MIN && v <= INT16_MAX; }

}  // namespace

LanderHost::~LanderHost() = default;

const char* levelCaption(int level) {
  static const char* const kCaptions[kLevels] = {"Auto-Pilot", "Beginner", "Novice", "Junior", "Senior", "Advanced"};
  return level >= 0 && level < kLevels ? kCaptions[level] : "";
}

double roundEven(double x) { return std::nearbyint(x); }

float unitFactor(int16_t units) { return units == 1 ? 1.0f : 1.0f / kMetresPerFoot; }

Readouts formatReadouts(int16_t altitude, int16_t offset, float speedX, float speedY, int16_t units) {
  const float f = unitFactor(units);
  Readouts r;
  // Rising counts as a positive vertical speed.
  r.descent = rt::formatNumber(-speedY * f, "##0.0");
  r.lateral = rt::formatNumber(f * speedX, "##0.0");
  r.elevation = altitude < 1 ? "0" : rt::formatNumber(float(altitude) * f, "###0");
  // The pad's side as seen from the lander: positive when the pad lies to the left.
  r.targetLoc = std::abs(int(offset)) >= 1 ? rt::formatNumber(float(-int(offset)) * f, "##0") : "Above";
  return r;
}

int fuelPercent(int16_t fuelLeft, int16_t tankSize) {
  if (fuelLeft <= 0 || tankSize <= 0) return 0;
  const double share = roundEven(double(int(fuelLeft) * 100) / tankSize);
  return share > 100 ? 100 : int(share);
}

LanderGame::LanderGame(LanderHost& host, rt::RandomSource& random, rt::TickClock& clock, LanderSizes sizes)
    : m_host(host), m_random(random), m_clock(clock) {
  setSizes(sizes);
  setLevel(0);
}

void LanderGame::setSizes(const LanderSizes& s) {
  m_sizes = s;
  CentredX = int16_t((s.viewerWidth - s.landerWidth) / 2);
  CentredY = int16_t((s.viewerHeight - s.landerHeight) / 2);
}

void LanderGame::setLevel(int16_t level) {
  m_level = level;
  const bool freeFuel = level >= 1 && level <= 3;
  SideCost = freeFuel ? 0 : 1;
  MainCost = freeFuel ? 0 : 2;
}

int16_t LanderGame::padSurfaceLine() const { return int16_t(m_sizes.worldHeight - m_sizes.padHeight / 2); }

// -- a new game -----------------------------------------------------------------------

void LanderGame::newGame() {
  InGame = true;
  GameTime = 0;
  SpeedX = SpeedY = 0;
  LanderX = CentredX;
  LanderY = kStartY;
  FuelLeft = TankSize;
  // Flames fired in the last moment of a stopped game belong to that game.
  LeftFlameOn = RightFlameOn = MainFlameOn = false;
  placePad();
  ViewX = ViewY = 0;
}

void LanderGame::measureStart() {
  int16_t altitude = 0, offset = 0;
  if (!measureToPad(altitude, offset)) return;
  m_host.updateReadouts(altitude, offset);
  StartAltitude = altitude;
  StartOffset = int16_t(-offset);
}

void LanderGame::placePad() {
  const float r = m_random.next();
  PadX = int16_t(roundEven(float(m_sizes.worldWidth - m_sizes.padWidth) * r));
  // Novice: the pad's centre right under the lander's centre.
  if (m_level == 2) PadX = int16_t(LanderX + m_sizes.landerWidth / 2 + (-m_sizes.padWidth) / 2);
  PadY = int16_t(m_sizes.worldHeight - m_sizes.padHeight);
}

// -- thrusters ----------------------------------------------------------------------------

void LanderGame::fireMainThruster() {
  if (FuelLeft <= 0) return;
  m_host.playMainThrust();
  MainFlameOn = true;
  if (SpeedY > 0.8f) {
    // A falling lander is braked harder; the Advanced level's engine is less predictable.
    if (m_level == 5) {
      const float r = m_random.next();
      SpeedY = SpeedY - (0.8f + 0.4f * r);
    } else {
      SpeedY = SpeedY - 1.0f;
    }
  } else {
    SpeedY = SpeedY - 0.9f;
  }
  FuelLeft = int16_t(FuelLeft - MainCost);
}

void LanderGame::fireLeftThruster() {
  if (FuelLeft <= 0) return;
  m_host.playSideThrust();
  LeftFlameOn = true;
  float push = 0.4f;
  if (m_level == 5) push = 0.2f + 0.4f * m_random.next();
  // The left thruster pushes the lander to the right.
  SpeedX = SpeedX + push;
  FuelLeft = int16_t(FuelLeft - SideCost);
}

void LanderGame::fireRightThruster() {
  if (FuelLeft <= 0) return;
  m_host.playSideThrust();
  RightFlameOn = true;
  float push = 0.4f;
  if (m_level == 5) push = 0.2f + 0.4f * m_random.next();
  SpeedX = SpeedX - push;
  FuelLeft = int16_t(FuelLeft - SideCost);
}

// -- steps of the tick ----------------------------------------------------------------------

void LanderGame::applyGravity() {
  // Gravity pulls harder on a lander already falling.
  if (SpeedY > 0)
    SpeedY = SpeedY + kPullFalling;
  else
    SpeedY = SpeedY + kPullNotFalling;
}

void LanderGame::updateFuelGauge() {
  if (m_level == 5 && m_random.next() < 0.3f) {
    // The Advanced tank leaks, empty or not.
    if (FuelLeft == INT16_MIN) {
      lost();
      return;
    }
    FuelLeft = int16_t(FuelLeft - 1);
  }
  FuelGauge = fuelPercent(FuelLeft, TankSize);
  m_host.showFuel(FuelGauge);
  if (FuelGauge < 10) m_host.beep();
}

bool LanderGame::measureToPad(int16_t& altitude, int16_t& offset) {
  const long line = padSurfaceLine();
  const long alt = line - (long(LanderY) + m_sizes.landerHeight) + 20;
  const long off = (long(PadX) + m_sizes.padWidth / 2) - (long(LanderX) + m_sizes.landerWidth / 2);
  if (!fits16(alt) || !fits16(off)) {
    lost();
    return false;
  }
  altitude = int16_t(alt);
  offset = int16_t(off);
  m_host.updateReadouts(altitude, offset);
  // Touchdown at the pad's surface line, on the pad or beside it.
  if (long(LanderY) + m_sizes.landerHeight - 20 >= line) {
    judgeLanding();
    return false;
  }
  return true;
}

void LanderGame::judgeLanding() {
  const double v = roundEven(std::fabs(double(SpeedY)));
  const bool safe = v < 3.5;
  if (!safe) m_host.showCrash();
  m_host.playLanding(safe);
  m_host.stopGame();
  InGame = false;
}

bool LanderGame::moveVertical() {
  const float target = float(LanderY) + SpeedY;
  double y = roundEven(target);
  // The lander moves at least one pixel up or down every tick.
  if (y == LanderY) y = LanderY + (SpeedY >= 0 ? 1 : -1);
  if (!(std::fabs(y) <= 32767.0) || !fits16(long(y))) {
    lost();
    return false;
  }
  LanderY = int16_t(y);
  return true;
}

bool LanderGame::moveHorizontal() {
  const float target = float(LanderX) + SpeedX;
  const double x = roundEven(target);
  if (!(std::fabs(x) <= 32767.0) || !fits16(long(x))) {
    lost();
    return false;
  }
  LanderX = int16_t(x);
  return true;
}

void LanderGame::verticalAutopilot(int16_t altitude) {
  bool fire;
  if (altitude > 300)
    fire = SpeedY > 12.0f;
  else if (altitude > 100)
    fire = SpeedY > 6.0f;
  else
    fire = SpeedY > float(double(altitude) * 0.04 + 2.0);
  if (fire) fireMainThruster();
}

void LanderGame::lateralAutopilot(int16_t altitude, int16_t offset) {
  // The ideal path is the straight line from the start point down to the pad.
  const double ideal = StartAltitude != 0 ? double(altitude) / StartAltitude * StartOffset : 0.0;
  const float q = float(double(-int(offset)) - ideal);  // > 0: right of the line
  if (std::fabs(q) <= 2.0f) return;
  const bool high = altitude > 100;
  if (q < 0 && ((SpeedX < 5 && high) || (SpeedX < 2 && !high))) {
    fireLeftThruster();
  } else if (q > 0 && ((SpeedX > -5 && high) || (SpeedX > -2 && !high))) {
    fireRightThruster();
  }
}

void LanderGame::followLander() {
  // The camera keeps the lander centred until the view would pass a world edge.
  if (CentredX < LanderX && LanderX < m_sizes.worldWidth - m_sizes.landerWidth - CentredX)
    ViewX = int16_t(LanderX - CentredX);
  if (CentredY < LanderY && LanderY < m_sizes.worldHeight - m_sizes.landerHeight - CentredY)
    ViewY = int16_t(LanderY - CentredY);
}

double LanderGame::scannerLanderLeft(double w) const {
  return double(int(LanderX) + m_sizes.landerWidth / 2) / m_sizes.worldWidth * w;
}

double LanderGame::scannerPadLeft(double w) const {
  return double(int(PadX) + m_sizes.padWidth / 2) / m_sizes.worldWidth * w;
}

void LanderGame::lost() {
  m_host.stopGame();
  InGame = false;
  m_host.lostLander();
}

// -- the tick --------------------------------------------------------------------------------

void LanderGame::tick() {
  if (!InGame) return;
  const uint32_t t0 = m_clock.ticks();
  GameTime = GameTime + 0.5f;
  m_host.showTime(GameTime);
  updateFuelGauge();
  if (!InGame) return;
  applyGravity();
  int16_t altitude = 0, offset = 0;
  if (!measureToPad(altitude, offset)) return;
  // The autopilots decide on this tick's measurement, taken before the move.
  if (m_level == 0 || m_level == 1) verticalAutopilot(altitude);
  if (m_level == 0) lateralAutopilot(altitude, offset);
  if (!moveVertical()) return;
  m_host.updateReadouts(altitude, offset);
  if (!moveHorizontal()) return;
  followLander();
  m_host.drawFrame();
  const uint32_t dt = rt::elapsedMs(t0, m_clock.ticks());
  m_host.setTimerInterval(dt < uint32_t(kTickMs) ? kTickMs - int(dt) : 1);
}

}  // namespace lander
