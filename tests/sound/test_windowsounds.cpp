// The windows' sounds heard as a user hears them: each project is opened from the menu and
// driven through the moments its sounds belong to, with the system's sound playing into the
// silent output. The recording says which sound played, in what order, whether a sound that
// is waited for was heard whole before the window went on, and whether one that is not
// waited for let the window work on while it played.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <chrono>
#include <thread>

#include <QTest>
#include <cmath>

#include "circuits/circuitdraw.h"
#include "circuits/circuitswindow.h"
#include "lander/landerwindow.h"
#include "levers/leverswindow.h"
#include "pendulum/pendulumwindow.h"
#include "platform/button.h"
#include "platform/checkbox.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/spinbutton.h"
#include "platform/tabcontrol.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "platform/wave.h"
#include "probability/probabilitywindow.h"
#include "robotics/roboticswindow.h"
#include "rocketry/rocketrywindow.h"
#include "runtime/random.h"
#include "shell/clocks.h"
#include "shell/settings.h"
#include "tests/sound/listening.h"
#include "tests/support/controls.h"
#include "tests/support/doubles.h"
#include "tests/support/manualsources.h"
#include "trajectories/trajectorieswindow.h"
#include "wheel/waterwheelwindow.h"

namespace {

using soundcheck::describe;
using soundcheck::Stretch;
using soundcheck::TimedCall;

class WindowSounds : public MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    soundcheck::Listening::writeTones(dir.path(), 0.3);
  }
  // Lets the windows run, handling events, for the given seconds.
  static void workFor(double seconds) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < seconds * 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  static double lengthOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    auto info = plat::parseWave(f.readAll().toStdString());
    return info ? info->seconds() : 0;
  }
  // Each waiting play lasted at least its sound, and its sound was heard whole (cut by
  // nothing) before the next one began.
  void expectWaitedToTheEnd(const std::vector<Stretch>& heard, const std::vector<TimedCall>& plays, double loudPart) {
    ASSERT_EQ(heard.size(), plays.size()) << describe(heard);
    for (size_t i = 0; i < plays.size(); ++i) {
      if (!plays[i].wait) continue;
      EXPECT_GE(plays[i].returned - plays[i].began, lengthOf(plays[i].path)) << i;
      EXPECT_GE(heard[i].length(), loudPart - 0.02) << i << " was cut short\n" << describe(heard);
      if (i + 1 < heard.size()) {
        EXPECT_GE(heard[i + 1].start, heard[i].end) << i << "\n" << describe(heard);
      }
    }
  }

  // The stretches less those of `file` shorter than `whole`: a sound cut at once by the next,
  // of which the recording may hold a moment or nothing at all. A moment too short to tell its
  // pitch to within a few per cent (under 60 ms: a dozen waves of the lowest tone, measured
  // between the edges of the recording's 5 ms windows) is taken for such a sound.
  static std::vector<Stretch> withoutCut(const std::vector<Stretch>& heard, const std::string& file, double whole) {
    std::vector<Stretch> kept;
    for (const auto& s : heard)
      if (s.length() >= 0.06 && (soundcheck::soundOf(s) != file || s.length() >= whole)) kept.push_back(s);
    return kept;
  }
  static std::vector<TimedCall> waitingOnly(const std::vector<TimedCall>& plays) {
    std::vector<TimedCall> kept;
    for (const auto& p : plays)
      if (p.wait) kept.push_back(p);
    return kept;
  }
  // Fires a timer until a play or a stop has been logged, at most `limit` times.
  int fireUntilLogged(plat::Timer* timer, size_t calls, int limit) {
    int n = 0;
    while (ears.log->calls.size() <= calls && n < limit) {
      timer->fire();
      ++n;
    }
    return n;
  }

  soundcheck::Listening ears;
};

// The pendulum plays its own ding, the program's real sound, and waits for it: when the
// window opens, at Start and at Reset, each time before anything else happens.
TEST_F(WindowSounds, PendulumDingsAtOpeningStartAndResetBeforeItMoves) {
  QFile::remove(dir.filePath("ding.wav"));
  ASSERT_TRUE(QFile::copy(VANTREL_APP_DIR "/ding.wav", dir.filePath("ding.wav")));
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  pendulum::PendulumWindow* window = nullptr;
  struct Moment {
    bool running;
    QString start;
  };
  std::vector<Moment> moments;
  ears.log->onPlay = [&](const TimedCall&) {
    moments.push_back({window && control<plat::Timer>(*window, "swingTimer").enabled(),
                       window ? control<plat::CommandButton>(*window, "startButton").caption() : ""});
  };
  window = openProject<pendulum::PendulumWindow>(2);
  ASSERT_TRUE(window);
  auto& start = control<plat::CommandButton>(*window, "startButton");
  auto& swing = control<plat::Timer>(*window, "swingTimer");
  auto& readout = control<plat::Label>(*window, "timeReadout");
  workFor(0.5);
  start.click();  // Start
  EXPECT_TRUE(swing.enabled());
  EXPECT_EQ(readout.caption(), "0.00 Seconds");
  for (int i = 0; i < 5; ++i) swing.fire();
  control<plat::CommandButton>(*window, "exitButton").click();  // Stop: no sound
  workFor(0.5);
  start.click();  // Reset
  EXPECT_EQ(start.caption(), "&Start");
  EXPECT_EQ(readout.caption(), "0.00 Seconds");

  const auto heard = soundcheck::loudStretches(ears.endSamples("pendulum.raw", 0.8), 500, 0.1);
  const auto plays = ears.log->plays();
  ASSERT_EQ(plays.size(), 3u);
  for (const auto& p : plays) EXPECT_TRUE(p.path.endsWith("ding.wav") && p.wait);
  ASSERT_EQ(moments.size(), 3u);
  EXPECT_EQ(moments[1].start, "&Start");  // the ding comes before the swing starts
  EXPECT_FALSE(moments[1].running);
  EXPECT_EQ(moments[2].start, "&Reset");
  // The real ding fades out; its loud part is most of it.
  ASSERT_NO_FATAL_FAILURE(expectWaitedToTheEnd(heard, plays, 0.3));
  // The dings are as far apart as the moments they belong to: the recording's gaps follow the
  // window's, give or take the output's delay in starting a sound.
  for (size_t i = 1; i < 3; ++i) {
    const double apart = plays[i].began - plays[i - 1].began;
    EXPECT_GE(heard[i].start - heard[i - 1].start, apart - 0.3) << describe(heard);
    EXPECT_LE(heard[i].start - heard[i - 1].start, apart + 1.0) << describe(heard);
  }
}

// The lever clicks once for each whole degree it turns, and each click is heard to its end
// before the lever is drawn at its new angle.
TEST_F(WindowSounds, LeverClicksOnEachWholeDegree) {
  soundcheck::Listening::writeTone(dir.path(), "move.wav", 0.06, 0.05);
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<levers::LeversWindow>(1);
  ASSERT_TRUE(w);
  auto& rotation = control<plat::Timer>(*w, "rotationTimer");
  control<plat::CommandButton>(*w, "topicButton", 2).click();  // work with levers
  control<plat::HScrollBar>(*w, "fulcrumBar").setValue(50);    // the fulcrum in the middle: a slow turn
  control<plat::CommandButton>(*w, "modeButton").click();      // apply effort
  ASSERT_TRUE(rotation.enabled());
  std::vector<int> degreesAtClick;
  ears.log->onPlay = [&](const TimedCall&) { degreesAtClick.push_back(w->lever().LastDeg); };
  control<plat::HScrollBar>(*w, "effortBar").setValue(200);
  std::vector<int> degrees;
  for (int i = 0; i < 12; ++i) {
    rotation.fire();
    degrees.push_back(w->lever().LastDeg);
  }
  const auto heard = ears.end("lever-clicks.raw");
  const auto plays = ears.log->plays();
  ASSERT_GT(plays.size(), 3u);
  int changes = 0;
  int last = degreesAtClick.empty() ? 0 : degreesAtClick.front();
  for (int d : degrees) changes += d != last, last = d;
  EXPECT_EQ(int(plays.size()), changes);
  EXPECT_EQ(soundcheck::soundsOf(heard), [&] {
    std::string s;
    for (size_t i = 0; i < plays.size(); ++i) s += i ? " move.wav" : "move.wav";
    return s;
  }());
  ASSERT_NO_FATAL_FAILURE(expectWaitedToTheEnd(heard, plays, 0.06));
}

// The thrusters play their sounds from memory and let the game fly on; a crash plays its
// sound and waits for it with "Crash!!" showing; the automatic pilot's landing plays the safe one.
class LanderSounds : public WindowSounds {
 protected:
  void SetUp() override {
    WindowSounds::SetUp();
    shell::setRandomSource(&random);
  }
  void TearDown() override {
    WindowSounds::TearDown();
    shell::setRandomSource(nullptr);
  }
  int flyToTheEnd(lander::LanderWindow* w) {
    int ticks = 0;
    while (w->game().InGame && ticks < 2000) {
      control<plat::Timer>(*w, "tickTimer").fire();
      ++ticks;
    }
    return ticks;
  }
  rt::ScriptedRandom random{{0.5f}};
};

TEST_F(LanderSounds, ThrustersPlayOnWhileTheGameFlies) {
  soundcheck::Listening::writeTone(dir.path(), "THRUSTR1.WAV", 1.0, 0);
  soundcheck::Listening::writeTone(dir.path(), "THRUSTR2.WAV", 1.0, 0);
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<lander::LanderWindow>(4);
  ASSERT_TRUE(w);
  control<plat::OptionButton>(*w, "levelOption", 4).click();
  control<plat::CommandButton>(*w, "startButton").click();
  control<plat::CommandButton>(*w, "mainThrusterButton").click();
  const double t0 = soundcheck::steadySeconds();
  while (soundcheck::steadySeconds() - t0 < 0.4) {
    control<plat::Timer>(*w, "tickTimer").fire();  // the game flies on while the main thruster sounds
    workFor(0.05);
  }
  control<plat::CommandButton>(*w, "leftThrusterButton").click();
  const auto heard = ears.end("lander-thrusters.raw", 1.3);
  // The thruster's play hands its sound over and returns, so the game's ticks run on beside
  // the 1 s roar; how many run in 0.4 s is the busy computer's to say.
  const auto plays = ears.log->plays();
  ASSERT_FALSE(plays.empty());
  EXPECT_LT(plays[0].returned - plays[0].began, 0.3);
  ASSERT_EQ(soundcheck::soundsOf(heard), "THRUSTR1.WAV THRUSTR2.WAV") << describe(heard);
  EXPECT_LT(heard[0].length(), 0.9) << "the side thruster did not replace the main one\n" << describe(heard);
  EXPECT_GE(heard[1].length(), 0.95) << describe(heard);
  for (const auto& p : plays) EXPECT_EQ(p.kind, plat::SoundCall::Image);
}

TEST_F(LanderSounds, ACrashIsHeardWholeWithItsTextShowingAndASafeLandingToo) {
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<lander::LanderWindow>(4);
  ASSERT_TRUE(w);
  std::vector<bool> crashShown;
  ears.log->onPlay = [&](const TimedCall&) {
    crashShown.push_back(control<plat::TextBox>(*w, "crashText").isVisible());
  };
  control<plat::OptionButton>(*w, "levelOption", 3).click();
  control<plat::CommandButton>(*w, "startButton").click();
  flyToTheEnd(w);  // a free fall from the top
  EXPECT_FALSE(control<plat::TextBox>(*w, "crashText").isVisible());
  auto crash = ears.log->plays();
  ASSERT_FALSE(crash.empty());
  EXPECT_TRUE(crash.back().path.endsWith("LAND_BAD.WAV") && crash.back().wait);
  EXPECT_TRUE(crashShown.back());
  workFor(0.3);

  // The automatic pilot lands safely; its thrusters sound on the way down.
  control<plat::OptionButton>(*w, "levelOption", 0).click();
  control<plat::CommandButton>(*w, "startButton").click();
  flyToTheEnd(w);
  const auto heard = ears.end("lander-landings.raw");
  const auto plays = ears.log->plays();
  ASSERT_FALSE(plays.empty());
  EXPECT_TRUE(plays.back().path.endsWith("LAND_OK.WAV") && plays.back().wait);
  EXPECT_GE(plays.back().returned - plays.back().began, 0.3);
  std::vector<Stretch> landings;
  for (const auto& s : heard)
    if (soundcheck::soundOf(s).rfind("LAND_", 0) == 0) landings.push_back(s);
  ASSERT_EQ(landings.size(), 2u) << describe(heard);
  EXPECT_EQ(soundcheck::soundOf(landings[0]), "LAND_BAD.WAV");
  EXPECT_EQ(soundcheck::soundOf(landings[1]), "LAND_OK.WAV");
  for (const auto& s : landings) EXPECT_GE(s.length(), 0.28) << describe(heard);
}

// Each step of a falling marble boings and goes on without waiting; the landing waits a
// tenth of a second and dings, cutting the boing still playing.
TEST_F(WindowSounds, MarbleBoingsAtEachStepAndDingsWhenItLands) {
  soundcheck::Listening::writeTone(dir.path(), "boing.wav", 0.25);
  rt::ScriptedRandom random{{0.1f, 0.7f}};
  shell::setRandomSource(&random);
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<probability::ProbabilityWindow>(10);
  ASSERT_TRUE(w);
  control<plat::TabControl>(*w, "experimentTabs").setTab(1);
  auto& drop = control<plat::CommandButton>(*w, "dropMarblesButton");
  auto& marbleTimer = control<plat::Timer>(*w, "marbleTimer");
  drop.click();
  // The steps come further apart than the timer's, so each boing is heard whole but the last;
  // no event is handled between them, so the timer adds no steps of its own.
  for (int t = 0; t < 6; ++t) {
    marbleTimer.fire();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
  }
  drop.click();  // Pause: no further marble
  const auto heard = ears.end("marbles.raw");
  shell::setRandomSource(nullptr);
  const auto plays = ears.log->plays();
  ASSERT_EQ(plays.size(), 7u);
  for (const auto& p : plays) EXPECT_FALSE(p.wait);
  ASSERT_EQ(soundcheck::soundsOf(heard), "boing.wav boing.wav boing.wav boing.wav boing.wav boing.wav ding.wav")
      << describe(heard);
  for (int i = 0; i < 5; ++i) EXPECT_GE(heard[i].length(), 0.23) << i << "\n" << describe(heard);
  // The landing step went on while its boing played: it waited and dinged, cutting it. (The
  // wait reads the time of day in single precision, which steps by about 4 ms.)
  EXPECT_GE(plays[6].began - plays[5].began, 0.09);
  EXPECT_LT(heard[5].length(), 0.2) << describe(heard);
  // Heard so too, give or take the recording's 5 ms windows and the server's 10 ms requests.
  EXPECT_GE(heard[6].start - heard[5].start, 0.07) << describe(heard);
  EXPECT_GE(heard[6].length(), 0.28) << describe(heard);
}

// The water wheel dings and waits before each run starts, at Start and at Restart.
TEST_F(WindowSounds, WaterWheelDingsBeforeEachRunStarts) {
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<wheel::WaterWheelWindow>(3);
  ASSERT_TRUE(w);
  std::vector<QString> captions;
  std::vector<bool> running;
  auto& start = control<plat::CommandButton>(*w, "startButton");
  auto& turn = control<plat::Timer>(*w, "turnTimer");
  ears.log->onPlay = [&](const TimedCall&) {
    captions.push_back(start.caption());
    running.push_back(turn.enabled());
  };
  start.click();
  EXPECT_TRUE(turn.enabled());
  for (int i = 0; i < 5; ++i) turn.fire();
  start.click();  // Restart
  const auto heard = ears.end("wheel.raw");
  const auto plays = ears.log->plays();
  ASSERT_EQ(soundcheck::soundsOf(heard), "ding.wav ding.wav") << describe(heard);
  ASSERT_EQ(captions.size(), 2u);
  EXPECT_EQ(captions[0], "&Start");
  EXPECT_FALSE(running[0]);
  EXPECT_EQ(captions[1], "&Restart");
  for (const auto& p : plays) EXPECT_TRUE(p.wait);
  ASSERT_NO_FATAL_FAILURE(expectWaitedToTheEnd(heard, plays, 0.3));
}

// A shot boings as it leaves and does not wait; a miss then plays its sound and waits for it
// before the message tells the closest point; a hit plays the fanfare and waits likewise.
TEST_F(WindowSounds, TrajectoryShotBoingsThenAMissOrAHitIsHeardBeforeItsMessage) {
  rt::ScriptedRandom random{{0.65f}};
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<trajectories::TrajectoriesWindow>(8);
  ASSERT_TRUE(w);
  plat::Label& message = control<plat::Label>(*w, "message");
  plat::CommandButton& shoot = control<plat::CommandButton>(*w, "shootButton");
  shell::setRandomSource(&random);
  std::vector<bool> messageShown;
  ears.log->onPlay = [&](const TimedCall&) { messageShown.push_back(message.isVisible()); };
  shoot.click();  // the first settings miss
  EXPECT_TRUE(message.caption().startsWith("Missed"));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  shell::settings().ArrowAngle = 49;
  shell::settings().ArrowSpeed = 150;
  control<plat::HScrollBar>(*w, "angleBar").setValue(490);
  control<plat::HScrollBar>(*w, "speedBar").setValue(150);
  shoot.click();
  shell::setRandomSource(nullptr);
  EXPECT_EQ(message.caption(), "A Hit!  Nice Speed!");
  const auto heard = ears.end("trajectories.raw");
  const auto plays = ears.log->plays();
  ASSERT_EQ(plays.size(), 4u);
  EXPECT_TRUE(plays[0].path.endsWith("boing.wav") && !plays[0].wait);
  EXPECT_TRUE(plays[1].path.endsWith("uhoh.wav") && plays[1].wait);
  EXPECT_TRUE(plays[2].path.endsWith("boing.wav") && !plays[2].wait);
  EXPECT_TRUE(plays[3].path.endsWith("tada.wav") && plays[3].wait);
  EXPECT_FALSE(messageShown[1]);  // the miss is heard before its message shows
  EXPECT_FALSE(messageShown[3]);
  // The path is worked out at once, so the verdict's sound follows the boing at once and cuts it.
  const auto verdicts = withoutCut(heard, "boing.wav", 0.28);
  ASSERT_EQ(soundcheck::soundsOf(verdicts), "uhoh.wav tada.wav") << describe(heard);
  ASSERT_NO_FATAL_FAILURE(expectWaitedToTheEnd(verdicts, waitingOnly(plays), 0.3));
}

// A click on a slot dings; during the simulation a click on a battery or wire dings and then
// sounds uh-oh at once, cutting the ding; a short circuit sounds uh-oh as it is found.
TEST_F(WindowSounds, CircuitSlotsDingAndRefusalsAndShortsSoundUhOh) {
  soundcheck::Listening::writeTone(dir.path(), "ding.wav", 0.5);
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  const int16_t shorted[] = {1, 4, 4, 5, 5, 5, 5, 5, 5};
  for (int s = 1; s <= 9; ++s) shell::settings().Element[s] = shorted[s - 1];
  auto* w = openProject<circuits::CircuitsWindow>(6);
  ASSERT_TRUE(w);
  auto clickSlot = [&](int s) { w->clickBoard(circuits::slotX(s) + 25, circuits::slotY(s) + 20); };
  clickSlot(5);  // an empty slot: ding, and the palette opens
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  control<plat::CommandButton>(*w, "deleteButton").click();
  control<plat::CommandButton>(*w, "simulateButton").click();  // the battery and its wires alone: a short
  EXPECT_TRUE(control<plat::Label>(*w, "shortWarning").isVisible());
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  clickSlot(2);  // a wire is no toggle
  const auto heard = ears.end("circuits.raw");
  const auto plays = ears.log->plays();
  ASSERT_EQ(plays.size(), 4u);
  for (const auto& p : plays) EXPECT_FALSE(p.wait);
  EXPECT_TRUE(plays[2].path.endsWith("ding.wav"));
  EXPECT_TRUE(plays[3].path.endsWith("uhoh.wav"));
  // The refusal's uh-oh follows its ding at once and cuts it.
  const auto whole = withoutCut(heard, "ding.wav", 0.48);
  ASSERT_EQ(soundcheck::soundsOf(whole), "ding.wav uhoh.wav uhoh.wav") << describe(heard);
  for (const auto& s : whole) EXPECT_GE(s.length(), 0.28) << describe(heard);
}

// The arm dings at a change of resolution, plays the fanfare when a move reaches its point
// and goes on without waiting, and sounds uh-oh at a point out of reach.
TEST_F(WindowSounds, RobotArmDingsFanfaresAndWarns) {
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<robotics::RoboticsWindow>(7);
  ASSERT_TRUE(w);
  plat::CommandButton& move = control<plat::CommandButton>(*w, "moveButton");
  plat::Timer& motion = control<plat::Timer>(*w, "motionTimer");
  plat::PictureBox& grid = control<plat::PictureBox>(*w, "grid");
  control<plat::SpinButton>(*w, "resolutionSpinner", 0).spinUp();
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  control<plat::OptionButton>(*w, "modeOption", 1).setValue(true);
  move.click();
  int ticks = 0;
  while (motion.enabled() && ticks < 5000) {
    motion.fire();
    ++ticks;
  }
  EXPECT_EQ(move.caption(), "&Move");
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const plat::ImageSurface& g = grid.surface();
  QTest::mouseClick(&grid, Qt::LeftButton, {},
                    QPoint(int(std::lround(g.toDeviceX(9))) + 1, int(std::lround(g.toDeviceY(9))) + 1));
  const auto heard = ears.end("robot.raw");
  const auto plays = ears.log->plays();
  for (const auto& p : plays) EXPECT_FALSE(p.wait);
  EXPECT_EQ(services.boxes->calls.size(), 1u);
  ASSERT_EQ(soundcheck::soundsOf(heard), "ding.wav tada.wav uhoh.wav") << describe(heard);
  for (const auto& s : heard) EXPECT_GE(s.length(), 0.28) << describe(heard);
}

// The motor roars from the launch and is silenced at burn-out while the flight goes on; the
// parachute opens with its poof and the landing plays the fanfare, neither waited for.
TEST_F(WindowSounds, RocketRoarsUntilBurnOutThenPoofsAndLandsWithAFanfare) {
  soundcheck::Listening::writeTone(dir.path(), "rocket.wav", 3.0, 0);
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<rocketry::RocketryWindow>(9);
  ASSERT_TRUE(w);
  // The window is drawn first, as it is before a user can launch: a first paint that came only
  // after the landing would replay the flight, and the replay's burn-out stops any sound.
  workFor(0.2);
  auto& flightTimer = control<plat::Timer>(*w, "flightTimer");
  control<plat::CheckBox>(*w, "chuteBox").setValue(1);
  control<plat::CommandButton>(*w, "launchButton").click();
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the motor roars meanwhile
  EXPECT_GT(fireUntilLogged(&flightTimer, ears.log->calls.size(), 10000), 1);
  ASSERT_EQ(ears.log->calls.back().kind, plat::SoundCall::Stop);  // burn-out
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  fireUntilLogged(&flightTimer, ears.log->calls.size(), 10000);
  EXPECT_TRUE(ears.log->calls.back().path.endsWith("xpoof.wav"));
  EXPECT_TRUE(control<plat::ImageBox>(*w, "chutePicture").isVisible());
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  while (w->launch().running()) flightTimer.fire();
  const auto heard = ears.end("rocket.raw");
  const auto plays = ears.log->plays();
  for (const auto& p : plays) EXPECT_FALSE(p.wait);
  ASSERT_EQ(soundcheck::soundsOf(heard), "rocket.wav xpoof.wav tada.wav") << describe(heard);
  EXPECT_LT(heard[0].length(), 2.5) << "the motor was not silenced at burn-out\n" << describe(heard);
  EXPECT_GE(heard[0].length(), 0.3) << describe(heard);
  EXPECT_GE(heard[1].length(), 0.28) << describe(heard);
  EXPECT_GE(heard[2].length(), 0.28) << describe(heard);
}

// The program's own motor sound at a default launch, the flight running in real time: loud from
// the launch until burn-out (3.9 s), and quiet soon after it, where the flight cuts it.
TEST_F(WindowSounds, TheShippedMotorRoarsForTheWholeBurnAndStopsAtBurnOut) {
  QFile::remove(dir.filePath("rocket.wav"));
  ASSERT_TRUE(QFile::copy(VANTREL_APP_DIR "/rocket.wav", dir.filePath("rocket.wav")));
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<rocketry::RocketryWindow>(9);
  ASSERT_TRUE(w);
  workFor(0.2);
  auto& flightTimer = control<plat::Timer>(*w, "flightTimer");
  control<plat::CommandButton>(*w, "launchButton").click();
  // The flight runs on its own timer, in real time, until the burn-out's stop.
  const size_t callsBefore = ears.log->calls.size();
  QElapsedTimer flown;
  flown.start();
  while (ears.log->calls.size() == callsBefore && flown.elapsed() < 20000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
  EXPECT_TRUE(flightTimer.enabled());
  ASSERT_EQ(ears.log->calls.back().kind, plat::SoundCall::Stop);
  const double burnOut = ears.log->calls.back().began;
  // From when the play had read its file and handed the sound over: reading 5.5 s of sound
  // takes a moment of its own on a busy computer.
  const double launched = ears.log->plays().front().returned;
  EXPECT_GE(burnOut - launched, 3.8);                        // a step late on a busy computer makes it later
  control<plat::CommandButton>(*w, "launchButton").click();  // Stop: the flight stays where it is
  const auto heard = soundcheck::loudStretches(ears.endSamples("motor.raw", 0.5), 500, 0.05);
  ASSERT_EQ(heard.size(), 1u) << describe(heard);
  EXPECT_LE(ears.playedAt(heard[0].start) - launched, 0.15) << describe(heard);
  // The roar outlasts the longest burn while the flight keeps to the clock; a flight that a
  // busy computer slows may burn out after the roar has ended, and then it ends on its own.
  const double roarEnds = launched + lengthOf(dir.filePath("rocket.wav"));
  if (burnOut < roarEnds - 0.2) {
    EXPECT_GE(ears.playedAt(heard[0].end), burnOut) << "the motor fell silent before burn-out\n" << describe(heard);
    EXPECT_LE(ears.playedAt(heard[0].end) - burnOut, 0.15) << "the motor roared on after burn-out\n" << describe(heard);
  } else {
    EXPECT_GE(heard[0].length(), 5.0) << "the roar was cut short\n" << describe(heard);
  }
}

}  // namespace
