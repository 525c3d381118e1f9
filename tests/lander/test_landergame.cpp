// The lander game on its own: start point and pad, thrusters, gravity and motion, the fuel
// gauge, the touchdown verdict, the two autopilots, the camera, the read-out texts and the
// pacing of the tick.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lander/landergame.h"
#include "runtime/clock.h"
#include "runtime/random.h"
#include "tests/support/manualsources.h"

namespace {

using lander::LanderGame;

class FakeHost : public lander::LanderHost {
 public:
  void showTime(float t) override { log.push_back("time " + std::to_string(t)); }
  void updateReadouts(int16_t altitude, int16_t offset) override {
    readouts.push_back({altitude, offset});
    if (game) speedsAtReadout.push_back(game->SpeedY);
    log.push_back("readouts");
  }
  void showFuel(int percent) override {
    fuel = percent;
    log.push_back("fuel");
  }
  void beep() override { ++beeps; }
  void playMainThrust() override { log.push_back("main sound"); }
  void playSideThrust() override { log.push_back("side sound"); }
  void showCrash() override { log.push_back("crash"); }
  void playLanding(bool safe) override { log.push_back(safe ? "land ok" : "land bad"); }
  void stopGame() override {
    log.push_back("stop");
    if (game) game->endGame();
  }
  void drawFrame() override {
    log.push_back("frame");
    if (duringFrame) duringFrame();
  }
  void setTimerInterval(int ms) override { interval = ms; }
  void lostLander() override { log.push_back("lost"); }

  int count(const std::string& entry) const {
    int n = 0;
    for (const auto& e : log) n += e == entry;
    return n;
  }

  LanderGame* game = nullptr;
  std::vector<std::string> log;
  std::vector<std::pair<int, int>> readouts;
  std::vector<float> speedsAtReadout;
  std::function<void()> duringFrame;
  int fuel = -1, beeps = 0, interval = -1;
};

class Lander : public ::testing::Test {
 protected:
  explicit Lander(std::vector<float> randoms = {0.5f}) : random(std::move(randoms)), game(host, random, clock) {
    host.game = &game;
  }
  // A game started at a level, as Start starts it.
  void start(int16_t level) {
    game.setLevel(level);
    game.newGame();
    game.measureStart();
    host.log.clear();
    host.readouts.clear();
    host.speedsAtReadout.clear();
  }
  FakeHost host;
  rt::ScriptedRandom random;
  rt::ManualTickClock clock{5000};
  LanderGame game;
};

TEST_F(Lander, StartsAtTheTopWithThePadPlacedByChance) {
  EXPECT_EQ(game.CentredX, 68);
  EXPECT_EQ(game.CentredY, 113);
  game.setLevel(4);
  game.newGame();
  game.measureStart();
  EXPECT_TRUE(game.InGame);
  EXPECT_EQ(game.LanderX, 68);
  EXPECT_EQ(game.LanderY, 5);
  EXPECT_EQ(game.FuelLeft, 200);
  // 497 x 0.5 = 248.5 goes to the even 248; the pad stands on the ground.
  EXPECT_EQ(game.PadX, 248);
  EXPECT_EQ(game.PadY, 636);
  EXPECT_EQ(game.padSurfaceLine(), 668);
  EXPECT_EQ(game.StartAltitude, 568);
  // Pad centre 319 less lander centre 120.
  EXPECT_EQ(game.StartOffset, -199);
  // Measured once by the touchdown test, shown again by Start.
  ASSERT_EQ(host.readouts.size(), 2u);
  EXPECT_EQ(host.readouts[0], std::make_pair(568, 199));
  EXPECT_EQ(host.readouts[1], std::make_pair(568, 199));
}

class NovicePad : public Lander {
 protected:
  NovicePad() : Lander({0.99f}) {}
};

TEST_F(NovicePad, PutsThePadRightUnderTheLander) {
  start(2);
  EXPECT_EQ(game.PadX, 49);  // LanderX - 19
  EXPECT_EQ(game.StartOffset, 0);
  EXPECT_EQ(lander::formatReadouts(568, 0, 0, 0, 0).targetLoc, "Above");
}

TEST_F(Lander, MovesAtLeastOnePixelVerticallyEveryTick) {
  game.LanderY = 100;
  game.SpeedY = 0;
  game.moveVertical();
  EXPECT_EQ(game.LanderY, 101);
  game.SpeedY = -0.3f;
  game.moveVertical();
  EXPECT_EQ(game.LanderY, 100);
  // 100.5 rounds to the even 100, which is no move: one pixel down instead.
  game.SpeedY = 0.5f;
  game.moveVertical();
  EXPECT_EQ(game.LanderY, 101);
  // 101.5 rounds to 102.
  game.moveVertical();
  EXPECT_EQ(game.LanderY, 102);
  // Sideways there is no least step.
  game.LanderX = 70;
  game.SpeedX = 0.4f;
  game.moveHorizontal();
  EXPECT_EQ(game.LanderX, 70);
  game.SpeedX = -2.5f;
  game.moveHorizontal();
  EXPECT_EQ(game.LanderX, 68);
}

TEST_F(Lander, GravityPullsHarderOnAFallingLander) {
  game.SpeedY = 0;
  game.applyGravity();
  EXPECT_EQ(game.SpeedY, 0.3f);
  game.applyGravity();
  EXPECT_EQ(game.SpeedY, 0.3f + 0.66f);
  game.SpeedY = -2;
  game.applyGravity();
  EXPECT_EQ(game.SpeedY, -2 + 0.3f);
}

TEST_F(Lander, MainThrustBrakesHarderAboveTheLimit) {
  start(4);
  game.SpeedY = 0.8f;
  game.fireMainThruster();
  EXPECT_EQ(game.SpeedY, 0.8f - 0.9f);
  game.SpeedY = 0.81f;
  game.fireMainThruster();
  EXPECT_EQ(game.SpeedY, 0.81f - 1.0f);
  game.SpeedY = -1;
  game.fireMainThruster();
  EXPECT_EQ(game.SpeedY, -1.9f);
  EXPECT_EQ(game.FuelLeft, 194);
  EXPECT_TRUE(game.MainFlameOn);
  EXPECT_EQ(host.count("main sound"), 3);
}

TEST_F(Lander, AdvancedThrustersVaryByChance) {
  start(5);
  game.SpeedY = 2;
  game.fireMainThruster();  // r = 0.5: 0.8 + 0.2
  EXPECT_EQ(game.SpeedY, 2 - (0.8f + 0.4f * 0.5f));
  // Below the limit the push is fixed at every level.
  game.SpeedY = 0.5f;
  game.fireMainThruster();
  EXPECT_EQ(game.SpeedY, 0.5f - 0.9f);
  game.SpeedX = 0;
  game.fireLeftThruster();
  EXPECT_EQ(game.SpeedX, 0.2f + 0.4f * 0.5f);
  game.fireRightThruster();
  EXPECT_EQ(game.SpeedX, 0.0f);
  EXPECT_EQ(game.FuelLeft, 200 - 2 - 2 - 1 - 1);
}

TEST_F(Lander, SideThrustersPushTheOtherWay) {
  start(4);
  game.fireLeftThruster();
  EXPECT_EQ(game.SpeedX, 0.4f);
  EXPECT_TRUE(game.LeftFlameOn);
  game.fireRightThruster();
  game.fireRightThruster();
  EXPECT_EQ(game.SpeedX, 0.4f - 0.4f - 0.4f);
  EXPECT_TRUE(game.RightFlameOn);
  EXPECT_EQ(game.FuelLeft, 197);
  EXPECT_EQ(host.count("side sound"), 3);
}

TEST_F(Lander, TheEasyLevelsNeverUseFuel) {
  for (int16_t level : {1, 2, 3}) {
    start(level);
    for (int i = 0; i < 50; ++i) {
      game.fireMainThruster();
      game.fireLeftThruster();
      game.fireRightThruster();
    }
    game.updateFuelGauge();
    EXPECT_EQ(game.FuelLeft, 200);
    EXPECT_EQ(host.fuel, 100);
  }
}

TEST_F(Lander, ALastThrustOverdrawsTheTankAndLaterOnesDoNothing) {
  start(4);
  game.FuelLeft = 1;
  game.SpeedY = 2;
  game.fireMainThruster();
  EXPECT_EQ(game.FuelLeft, -1);
  game.updateFuelGauge();
  EXPECT_EQ(host.fuel, 0);
  host.log.clear();
  game.fireMainThruster();
  game.fireLeftThruster();
  game.fireRightThruster();
  EXPECT_EQ(game.SpeedY, 1.0f);
  EXPECT_EQ(game.SpeedX, 0.0f);
  EXPECT_EQ(game.FuelLeft, -1);
  EXPECT_TRUE(host.log.empty());
}

TEST_F(Lander, GaugeRoundsHalvesToEvenAndBeepsBelowTenPercent) {
  EXPECT_EQ(lander::fuelPercent(200, 200), 100);
  EXPECT_EQ(lander::fuelPercent(19, 200), 10);  // 9.5
  EXPECT_EQ(lander::fuelPercent(21, 200), 10);  // 10.5
  EXPECT_EQ(lander::fuelPercent(23, 200), 12);  // 11.5
  EXPECT_EQ(lander::fuelPercent(0, 200), 0);
  EXPECT_EQ(lander::fuelPercent(-7, 200), 0);
  start(4);
  game.FuelLeft = 19;
  game.updateFuelGauge();
  EXPECT_EQ(host.beeps, 0);
  game.FuelLeft = 18;
  game.updateFuelGauge();
  game.updateFuelGauge();
  EXPECT_EQ(host.fuel, 9);
  EXPECT_EQ(host.beeps, 2);
}

class AdvancedLeak : public Lander {
 protected:
  AdvancedLeak() : Lander({0.1f, 0.5f}) {}
};

TEST_F(AdvancedLeak, LeaksAfterTheTankIsEmptyAndBeepsEveryTick) {
  start(5);
  game.FuelLeft = 0;
  for (int i = 0; i < 4; ++i) game.updateFuelGauge();
  // Two of the four draws fell below 0.3.
  EXPECT_EQ(game.FuelLeft, -2);
  EXPECT_EQ(host.fuel, 0);
  EXPECT_EQ(host.beeps, 4);
}

TEST_F(Lander, TouchdownAtThreeAndAHalfIsACrash) {
  start(3);
  game.SpeedY = 3.5f;
  game.judgeLanding();
  EXPECT_EQ(host.log, (std::vector<std::string>{"crash", "land bad", "stop"}));
  EXPECT_FALSE(game.InGame);

  start(3);
  game.SpeedY = 3.49f;
  game.judgeLanding();
  EXPECT_EQ(host.log, (std::vector<std::string>{"land ok", "stop"}));
  // Rising into the ground counts by its size too.
  start(3);
  game.SpeedY = -3.6f;
  game.judgeLanding();
  EXPECT_EQ(host.log.front(), "crash");
}

TEST_F(Lander, TouchesDownAtTheSurfaceLineEvenBesideThePad) {
  start(3);
  game.PadX = 400;  // far to the right
  game.LanderY = 572;
  game.SpeedY = 1;
  int16_t altitude, offset;
  // 572 + 115 - 20 = 667: still flying.
  EXPECT_TRUE(game.measureToPad(altitude, offset));
  EXPECT_EQ(altitude, 1);
  game.LanderY = 573;
  EXPECT_FALSE(game.measureToPad(altitude, offset));
  EXPECT_EQ(altitude, 0);
  EXPECT_GT(offset, 100);
  EXPECT_EQ(host.count("land ok"), 1);
  EXPECT_FALSE(game.InGame);
}

TEST_F(Lander, ATickThatLandsEndsBeforeTheMove) {
  start(3);
  game.LanderY = 572;
  game.SpeedY = 2;
  game.tick();  // moves to 575 after measuring 1
  ASSERT_TRUE(game.InGame);
  host.log.clear();
  host.interval = -1;
  game.tick();  // gravity 3.32, then the measurement lands it
  EXPECT_EQ(host.log, (std::vector<std::string>{"time 1.000000", "fuel", "readouts", "land ok", "stop"}));
  EXPECT_EQ(game.LanderY, 575);
  EXPECT_EQ(host.interval, -1);  // a stopped game's tick sets no next interval
}

TEST_F(Lander, VerticalAutopilotLimitsByAltitude) {
  start(1);
  struct Case {
    int16_t altitude;
    float speed;
    bool fires;
  } cases[] = {
      {301, 12.0f, false}, {301, 12.01f, true}, {300, 6.0f, false}, {300, 6.01f, true},
      {101, 6.0f, false},  {100, 6.0f, false},  {100, 6.01f, true}, {50, 4.0f, false},
      {50, 4.01f, true},   {0, 2.0f, false},    {-10, 1.7f, true},
  };
  for (const Case& c : cases) {
    game.SpeedY = c.speed;
    game.MainFlameOn = false;
    game.verticalAutopilot(c.altitude);
    EXPECT_EQ(game.MainFlameOn, c.fires) << c.altitude << " " << c.speed;
  }
}

TEST_F(Lander, LateralAutopilotSteersBackToTheLine) {
  start(0);
  game.StartAltitude = 568;
  game.StartOffset = 0;  // the line runs straight down
  struct Case {
    int16_t altitude, offset;
    float speedX;
    const char* thrust;
  } cases[] = {
      {400, 2, 0, ""},         // q = -2: close enough
      {400, -2, 0, ""},        // q = 2
      {400, 3, 4.9f, "left"},  // left of the line, pushed right
      {400, 3, 5.0f, ""},      // already fast enough
      {100, 3, 1.9f, "left"},  // low down the limit is 2
      {100, 3, 2.0f, ""},        {400, -3, -4.9f, "right"}, {400, -3, -5.0f, ""},
      {100, -3, -1.9f, "right"}, {100, -3, -2.0f, ""},
  };
  for (const Case& c : cases) {
    game.SpeedX = c.speedX;
    game.LeftFlameOn = game.RightFlameOn = false;
    game.lateralAutopilot(c.altitude, c.offset);
    const std::string got = game.LeftFlameOn ? "left" : game.RightFlameOn ? "right" : "";
    EXPECT_EQ(got, c.thrust) << c.altitude << " " << c.offset << " " << c.speedX;
  }
  // Halfway down a slanted line the ideal point is half the start offset.
  game.StartOffset = -200;
  game.SpeedX = 0;
  game.LeftFlameOn = game.RightFlameOn = false;
  game.lateralAutopilot(284, 98);  // q = -98 - (-100) = 2
  EXPECT_FALSE(game.LeftFlameOn || game.RightFlameOn);
  game.lateralAutopilot(284, 97);  // q = 3: right of the line
  EXPECT_TRUE(game.RightFlameOn);
}

TEST_F(Lander, TheAutoPilotFliesAWholeGameDown) {
  start(0);
  int ticks = 0;
  while (game.InGame && ticks < 500) {
    game.tick();
    ++ticks;
  }
  EXPECT_FALSE(game.InGame);
  EXPECT_LT(ticks, 500);
  EXPECT_EQ(host.count("land ok"), 1);
  EXPECT_LT(game.FuelLeft, 200);
}

TEST_F(Lander, CameraFollowsOnlyAwayFromTheEdges) {
  game.LanderX = 68;
  game.LanderY = 5;
  game.followLander();
  EXPECT_EQ(game.ViewX, 0);
  EXPECT_EQ(game.ViewY, 0);
  game.LanderX = 69;
  game.LanderY = 114;
  game.followLander();
  EXPECT_EQ(game.ViewX, 1);
  EXPECT_EQ(game.ViewY, 1);
  game.LanderX = 466;
  game.LanderY = 471;
  game.followLander();
  EXPECT_EQ(game.ViewX, 398);
  EXPECT_EQ(game.ViewY, 358);
  game.LanderX = 467;
  game.LanderY = 472;
  game.followLander();
  EXPECT_EQ(game.ViewX, 398);
  EXPECT_EQ(game.ViewY, 358);
}

TEST(LanderReadouts, ShowFeetOrMetres) {
  // 568 x 3.2808399 = 1863.5; 1.5 pixels a tick down is -4.9 ft/s.
  const lander::Readouts feet = lander::formatReadouts(568, 199, 0.4f, 1.5f, 0);
  EXPECT_EQ(feet.elevation, "1864");
  EXPECT_EQ(feet.descent, "-4.9");
  EXPECT_EQ(feet.lateral, "1.3");
  EXPECT_EQ(feet.targetLoc, "-653");
  const lander::Readouts metres = lander::formatReadouts(568, -12, -0.4f, -1.5f, 1);
  EXPECT_EQ(metres.elevation, "568");
  EXPECT_EQ(metres.descent, "1.5");
  EXPECT_EQ(metres.lateral, "-0.4");
  EXPECT_EQ(metres.targetLoc, "12");
  EXPECT_EQ(lander::formatReadouts(0, 0, 0, 0, 1).elevation, "0");
  EXPECT_EQ(lander::formatReadouts(-3, 0, 0, 0, 0).elevation, "0");
  EXPECT_EQ(lander::formatReadouts(0, 0, 0, 0, 0).targetLoc, "Above");
  EXPECT_EQ(lander::unitFactor(0), 1.0f / 0.3048f);
}

TEST_F(Lander, TickMeasuresBeforeTheMoveAndShowsTheFrameAfterIt) {
  start(3);
  game.tick();
  EXPECT_EQ(game.GameTime, 0.5f);
  EXPECT_EQ(host.log, (std::vector<std::string>{"time 0.500000", "fuel", "readouts", "readouts", "frame"}));
  ASSERT_EQ(host.readouts.size(), 2u);
  EXPECT_EQ(host.readouts[0], host.readouts[1]);
  EXPECT_EQ(host.readouts[0].first, 568);
  // 5 + 0.3 rounds back to 5: the least step takes it to 6.
  EXPECT_EQ(game.LanderY, 6);
  EXPECT_EQ(game.ViewX, 0);
  EXPECT_EQ(game.ViewY, 0);
}

TEST_F(Lander, TheReadoutsAfterTheMoveShowTheAutopilotsThrust) {
  start(1);
  game.LanderY = 300;
  game.SpeedY = 6.0f;  // gravity takes it to 6.66, above the 6.0 limit at altitude 273
  game.tick();
  ASSERT_EQ(host.speedsAtReadout.size(), 2u);
  EXPECT_EQ(host.speedsAtReadout[0], 6.0f + 0.66f);
  EXPECT_EQ(host.speedsAtReadout[1], 6.0f + 0.66f - 1.0f);
}

TEST_F(Lander, TickKeepsItsHalfSecondPeriod) {
  start(3);
  host.duringFrame = [this] { clock.advance(120); };
  game.tick();
  EXPECT_EQ(host.interval, 380);
  host.duringFrame = [this] { clock.advance(499); };
  game.tick();
  EXPECT_EQ(host.interval, 1);
  host.duringFrame = [this] { clock.advance(500); };
  game.tick();
  EXPECT_EQ(host.interval, 1);
  host.duringFrame = [this] { clock.advance(2000); };
  game.tick();
  EXPECT_EQ(host.interval, 1);
  // Across the wrap of the tick counter.
  clock.set(0xFFFFFFF0u);
  host.duringFrame = [this] { clock.advance(0x20); };
  game.tick();
  EXPECT_EQ(host.interval, 468);
}

TEST_F(Lander, ALanderBeyondTheNumbersEndsTheGame) {
  // Rising for free at the easy levels can carry the lander far above the world.
  start(3);
  game.LanderY = -32000;
  game.SpeedY = -900;
  game.tick();
  EXPECT_FALSE(game.InGame);
  EXPECT_EQ(host.count("stop"), 1);
  EXPECT_EQ(host.count("lost"), 1);
  EXPECT_EQ(host.count("frame"), 0);

  // So high up that the altitude itself no longer fits.
  start(3);
  game.LanderY = -32300;
  game.SpeedY = -1;
  game.tick();
  EXPECT_FALSE(game.InGame);
  EXPECT_EQ(host.count("lost"), 1);

  // Sideways.
  start(3);
  game.LanderX = 32700;
  game.SpeedX = 100;
  game.tick();
  EXPECT_FALSE(game.InGame);
  EXPECT_EQ(host.count("lost"), 1);
}

}  // namespace
