#pragma once
// The moon lander game: the lander's state in world pixels, the main and side thrusters,
// gravity, the fuel tank, the landing pad, the touchdown test with its verdict, the two
// autopilot rules and the half-second game tick. Plain C++: the window supplies the pictures'
// sizes, and everything the game shows, sounds or asks of the window goes through LanderHost.

#include <cstdint>
#include <string>

namespace rt {
class RandomSource;
class TickClock;
}  // namespace rt

namespace lander {

// Sizes of the pictures in pixels, as the window reads them from its pictures.
struct LanderSizes {
  int16_t worldWidth = 640, worldHeight = 700;
  int16_t landerWidth = 105, landerHeight = 115;
  int16_t padWidth = 143, padHeight = 64;
  int16_t sideFlameWidth = 32, sideFlameHeight = 16;
  int16_t mainFlameWidth = 24, mainFlameHeight = 32;
  int16_t viewerWidth = 241, viewerHeight = 341;
};

// Level captions, 0 to 5.
inline constexpr int kLevels = 6;
const char* levelCaption(int level);

// What the game asks of its window.
class LanderHost {
 public:
  virtual ~LanderHost();
  // The game time read-out.
  virtual void showTime(float gameTime) = 0;
  // The read-outs and a dot of the flown path, from this measurement.
  virtual void updateReadouts(int16_t altitude, int16_t offset) = 0;
  // The fuel gauge, in whole percent.
  virtual void showFuel(int percent) = 0;
  virtual void beep() = 0;
  virtual void playMainThrust() = 0;
  virtual void playSideThrust() = 0;
  // "Crash!!" over the viewer, shown at once.
  virtual void showCrash() = 0;
  // The landing sound; returns when it has ended.
  virtual void playLanding(bool safe) = 0;
  // Stops the game as the Stop button does.
  virtual void stopGame() = 0;
  // A frame of the view, with the camera already following the lander.
  virtual void drawFrame() = 0;
  // The tick timer's next interval.
  virtual void setTimerInterval(int ms) = 0;
  // The lander went so far that its position no longer fits the game's numbers; the game
  // has been stopped.
  virtual void lostLander() {}
};

// The read-out texts for one measurement.
struct Readouts {
  std::string descent, lateral, elevation, targetLoc;
};

// Feet per metre as a single, or 1 for metric.
float unitFactor(int16_t units);
Readouts formatReadouts(int16_t altitude, int16_t offset, float speedX, float speedY, int16_t units);

// The gauge's whole percentage for a fuel level: 0 for an empty tank, else the share of the
// tank rounded to the nearest whole (halves to even), held within 0 to 100.
int fuelPercent(int16_t fuelLeft, int16_t tankSize);

// Round to the nearest integer with halves to the even neighbour.
double roundEven(double x);

class LanderGame {
 public:
  LanderGame(LanderHost& host, rt::RandomSource& random, rt::TickClock& clock, LanderSizes sizes = LanderSizes{});

  // -- what the window sets -------------------------------------------------------
  void setSizes(const LanderSizes& s);
  const LanderSizes& sizes() const { return m_sizes; }
  // The level's fuel costs: nothing at levels 1 to 3, else 1 for a side and 2 for a main thrust.
  void setLevel(int16_t level);
  int16_t level() const { return m_level; }

  // -- commands ---------------------------------------------------------------------
  // A new game: lander at its start point, full tank, pad placed, view at the corner, one
  // measurement kept as the start altitude and offset.
  void newGame();
  // The first measurement of a game, shown and kept as the start of the ideal path.
  void measureStart();
  // The game is over (Stop, or after the verdict).
  void endGame() { InGame = false; }
  // The thrusters, fired by their buttons or by an autopilot: each costs the level's fuel
  // and does nothing with an empty tank.
  void fireMainThruster();
  void fireLeftThruster();
  void fireRightThruster();
  // The half-second game tick.
  void tick();

  // -- steps, each one part of the tick ---------------------------------------------------
  void applyGravity();
  void updateFuelGauge();
  // Returns false when the game ended in this step (a verdict, or a lander out of range).
  bool measureToPad(int16_t& altitude, int16_t& offset);
  void judgeLanding();
  void placePad();
  bool moveVertical();
  bool moveHorizontal();
  void verticalAutopilot(int16_t altitude);
  void lateralAutopilot(int16_t altitude, int16_t offset);
  void followLander();

  // Where the scanner's markers stand, their left edges in a strip of inner width w.
  double scannerLanderLeft(double w) const;
  double scannerPadLeft(double w) const;
  // The pad's surface line in world pixels.
  int16_t padSurfaceLine() const;

  // -- state (the names the game's rules use) -----------------------------------------------
  bool InGame = false;
  float GameTime = 0;
  int16_t LanderX = 0, LanderY = 0;
  float SpeedX = 0, SpeedY = 0;
  int16_t FuelLeft = 0;
  int16_t TankSize = 200;
  int16_t SideCost = 1, MainCost = 2;
  int16_t PadX = 0, PadY = 0;
  int16_t ViewX = 0, ViewY = 0;
  int16_t CentredX = 0, CentredY = 0;
  int16_t StartAltitude = 0, StartOffset = 0;
  bool LeftFlameOn = false, RightFlameOn = false, MainFlameOn = false;
  // The gauge's last percentage.
  int FuelGauge = 100;

 private:
  void lost();
  LanderHost& m_host;
  rt::RandomSource& m_random;
  rt::TickClock& m_clock;
  LanderSizes m_sizes;
  int16_t m_level = 0;
};

}  // namespace lander
