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

const char* LevelCaption(int level) {
  static const char* const captions[kLevels] = {"Auto-Pilot", "Beginner", "Novice", "Junior", "Senior", "Advanced"};
  return level >= 0 && level < kLevels ? captions[level] : "";
}

double RoundEven(double x) { return std::nearbyint(x); }

float UnitFactor(int16_t units) { return units == 1 ? 1.0f : 1.0f / kMetresPerFoot; }

Readouts FormatReadouts(int16_t altitude, int16_t offset, float speedX, float speedY, int16_t units) {
  const float f = UnitFactor(units);
  Readouts r;
  // Rising counts as a positive vertical speed.
  r.descent = rt::Format(-speedY * f, "##0.0");
  r.lateral = rt::Format(f * speedX, "##0.0");
  r.elevation = altitude < 1 ? "0" : rt::Format(float(altitude) * f, "###0");
  // The pad's side as seen from the lander: positive when the pad lies to the left.
  r.targetLoc = std::abs(int(offset)) >= 1 ? rt::Format(float(-int(offset)) * f, "##0") : "Above";
  return r;
}

int FuelPercent(int16_t fuelLeft, int16_t tankSize) {
  if (fuelLeft <= 0 || tankSize <= 0) return 0;
  const double share = RoundEven(double(int(fuelLeft) * 100) / tankSize);
  return share > 100 ? 100 : int(share);
}

LanderGame::LanderGame(LanderHost& host, rt::RandomSource& random, rt::TickClock& clock, LanderSizes sizes)
    : m_host(host), m_random(random), m_clock(clock) {
  SetSizes(sizes);
  SetLevel(0);
}

void LanderGame::SetSizes(const LanderSizes& s) {
  m_sizes = s;
  CentredX = int16_t((s.viewerWidth - s.landerWidth) / 2);
  CentredY = int16_t((s.viewerHeight - s.landerHeight) / 2);
}

void LanderGame::SetLevel(int16_t level) {
  m_level = level;
  const bool freeFuel = level >= 1 && level <= 3;
  SideCost = freeFuel ? 0 : 1;
  MainCost = freeFuel ? 0 : 2;
}

int16_t LanderGame::PadSurfaceLine() const { return int16_t(m_sizes.worldHeight - m_sizes.padHeight / 2); }

// -- a new game -----------------------------------------------------------------------

void LanderGame::NewGame() {
  InGame = true;
  GameTime = 0;
  SpeedX = SpeedY = 0;
  LanderX = CentredX;
  LanderY = kStartY;
  FuelLeft = TankSize;
  // Flames fired in the last moment of a stopped game belong to that game.
  LeftFlameOn = RightFlameOn = MainFlameOn = false;
  PlacePad();
  ViewX = ViewY = 0;
}

void LanderGame::MeasureStart() {
  int16_t altitude = 0, offset = 0;
  if (!MeasureToPad(altitude, offset)) return;
  m_host.UpdateReadouts(altitude, offset);
  StartAltitude = altitude;
  StartOffset = int16_t(-offset);
}

void LanderGame::PlacePad() {
  const float r = m_random.next();
  PadX = int16_t(RoundEven(float(m_sizes.worldWidth - m_sizes.padWidth) * r));
  // Novice: the pad's centre right under the lander's centre.
  if (m_level == 2) PadX = int16_t(LanderX + m_sizes.landerWidth / 2 + (-m_sizes.padWidth) / 2);
  PadY = int16_t(m_sizes.worldHeight - m_sizes.padHeight);
}

// -- thrusters ----------------------------------------------------------------------------

void LanderGame::fireMainThruster() {
  if (FuelLeft <= 0) return;
  m_host.PlayMainThrust();
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
  m_host.PlaySideThrust();
  LeftFlameOn = true;
  float push = 0.4f;
  if (m_level == 5) push = 0.2f + 0.4f * m_random.next();
  // The left thruster pushes the lander to the right.
  SpeedX = SpeedX + push;
  FuelLeft = int16_t(FuelLeft - SideCost);
}

void LanderGame::fireRightThruster() {
  if (FuelLeft <= 0) return;
  m_host.PlaySideThrust();
  RightFlameOn = true;
  float push = 0.4f;
  if (m_level == 5) push = 0.2f + 0.4f * m_random.next();
  SpeedX = SpeedX - push;
  FuelLeft = int16_t(FuelLeft - SideCost);
}

// -- steps of the tick ----------------------------------------------------------------------

void LanderGame::ApplyGravity() {
  // Gravity pulls harder on a lander already falling.
  if (SpeedY > 0)
    SpeedY = SpeedY + kPullFalling;
  else
    SpeedY = SpeedY + kPullNotFalling;
}

void LanderGame::UpdateFuelGauge() {
  if (m_level == 5 && m_random.next() < 0.3f) {
    // The Advanced tank leaks, empty or not.
    if (FuelLeft == INT16_MIN) {
      Lost();
      return;
    }
    FuelLeft = int16_t(FuelLeft - 1);
  }
  FuelGauge = FuelPercent(FuelLeft, TankSize);
  m_host.ShowFuel(FuelGauge);
  if (FuelGauge < 10) m_host.Beep();
}

bool LanderGame::MeasureToPad(int16_t& altitude, int16_t& offset) {
  const long line = PadSurfaceLine();
  const long alt = line - (long(LanderY) + m_sizes.landerHeight) + 20;
  const long off = (long(PadX) + m_sizes.padWidth / 2) - (long(LanderX) + m_sizes.landerWidth / 2);
  if (!fits16(alt) || !fits16(off)) {
    Lost();
    return false;
  }
  altitude = int16_t(alt);
  offset = int16_t(off);
  m_host.UpdateReadouts(altitude, offset);
  // Touchdown at the pad's surface line, on the pad or beside it.
  if (long(LanderY) + m_sizes.landerHeight - 20 >= line) {
    JudgeLanding();
    return false;
  }
  return true;
}

void LanderGame::JudgeLanding() {
  const double v = RoundEven(std::fabs(double(SpeedY)));
  const bool safe = v < 3.5;
  if (!safe) m_host.ShowCrash();
  m_host.PlayLanding(safe);
  m_host.StopGame();
  InGame = false;
}

bool LanderGame::MoveVertical() {
  const float target = float(LanderY) + SpeedY;
  double y = RoundEven(target);
  // The lander moves at least one pixel up or down every tick.
  if (y == LanderY) y = LanderY + (SpeedY >= 0 ? 1 : -1);
  if (!(std::fabs(y) <= 32767.0) || !fits16(long(y))) {
    Lost();
    return false;
  }
  LanderY = int16_t(y);
  return true;
}

bool LanderGame::MoveHorizontal() {
  const float target = float(LanderX) + SpeedX;
  const double x = RoundEven(target);
  if (!(std::fabs(x) <= 32767.0) || !fits16(long(x))) {
    Lost();
    return false;
  }
  LanderX = int16_t(x);
  return true;
}

void LanderGame::VerticalAutopilot(int16_t altitude) {
  bool fire;
  if (altitude > 300)
    fire = SpeedY > 12.0f;
  else if (altitude > 100)
    fire = SpeedY > 6.0f;
  else
    fire = SpeedY > float(double(altitude) * 0.04 + 2.0);
  if (fire) fireMainThruster();
}

void LanderGame::LateralAutopilot(int16_t altitude, int16_t offset) {
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

void LanderGame::FollowLander() {
  // The camera keeps the lander centred until the view would pass a world edge.
  if (CentredX < LanderX && LanderX < m_sizes.worldWidth - m_sizes.landerWidth - CentredX)
    ViewX = int16_t(LanderX - CentredX);
  if (CentredY < LanderY && LanderY < m_sizes.worldHeight - m_sizes.landerHeight - CentredY)
    ViewY = int16_t(LanderY - CentredY);
}

double LanderGame::ScannerLanderLeft(double w) const {
  return double(int(LanderX) + m_sizes.landerWidth / 2) / m_sizes.worldWidth * w;
}

double LanderGame::ScannerPadLeft(double w) const {
  return double(int(PadX) + m_sizes.padWidth / 2) / m_sizes.worldWidth * w;
}

void LanderGame::Lost() {
  m_host.StopGame();
  InGame = false;
  m_host.LostLander();
}

// -- the tick --------------------------------------------------------------------------------

void LanderGame::tick() {
  if (!InGame) return;
  const uint32_t t0 = m_clock.ticks();
  GameTime = GameTime + 0.5f;
  m_host.ShowTime(GameTime);
  UpdateFuelGauge();
  if (!InGame) return;
  ApplyGravity();
  int16_t altitude = 0, offset = 0;
  if (!MeasureToPad(altitude, offset)) return;
  // The autopilots decide on this tick's measurement, taken before the move.
  if (m_level == 0 || m_level == 1) VerticalAutopilot(altitude);
  if (m_level == 0) LateralAutopilot(altitude, offset);
  if (!MoveVertical()) return;
  m_host.UpdateReadouts(altitude, offset);
  if (!MoveHorizontal()) return;
  FollowLander();
  m_host.DrawFrame();
  const uint32_t dt = rt::elapsedMs(t0, m_clock.ticks());
  m_host.SetTimerInterval(dt < uint32_t(kTickMs) ? kTickMs - int(dt) : 1);
}

}  // namespace lander
