// The windows' sounds heard as a user hears them: each project is opened from the menu and
// driven through the moments its sounds belong to, with the system's sound playing into the
// silent output. The recording says which sound played, in what order, whether a sound that
// is waited for was heard whole before the window went on, and whether one that is not
// waited for let the window work on while it played.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <chrono>
#include <thread>

#include "lander/frmlander.h"
#include "levers/frmlever.h"
#include "pendulum/frmpend.h"
#include "platform/button.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/scrollbar.h"
#include "platform/tabcontrol.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "platform/wave.h"
#include "probability/frmprob.h"
#include "runtime/random.h"
#include "tests/sound/listening.h"

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
  void expectWaitedToTheEnd(const std::vector<Stretch>& heard, const std::vector<TimedCall>& plays,
                            double loudPart) {
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

  soundcheck::Listening ears;
};

// The pendulum plays its own ding, the program's real sound, and waits for it: when the
// window opens, at Start and at Reset, each time before anything else happens.
TEST_F(WindowSounds, PendulumDingsAtOpeningStartAndResetBeforeItMoves) {
  QFile::remove(dir.filePath("ding.wav"));
  ASSERT_TRUE(QFile::copy(VANTREL_APP_DIR "/ding.wav", dir.filePath("ding.wav")));
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  pend::frmPend* window = nullptr;
  struct Moment {
    bool running;
    QString start;
  };
  std::vector<Moment> moments;
  ears.log->onPlay = [&](const TimedCall&) {
    moments.push_back({window && window->Timer1()->enabled(), window ? window->cmdStart()->caption() : ""});
  };
  window = openProject<pend::frmPend>(2);
  ASSERT_TRUE(window);
  workFor(0.5);
  window->cmdStart()->click();  // Start
  EXPECT_TRUE(window->Timer1()->enabled());
  EXPECT_EQ(window->lblTime()->caption(), "0.00 Seconds");
  for (int i = 0; i < 5; ++i) window->Timer1()->fire();
  window->cmdExit()->click();  // Stop: no sound
  workFor(0.5);
  window->cmdStart()->click();  // Reset
  EXPECT_EQ(window->cmdStart()->caption(), "&Start");
  EXPECT_EQ(window->lblTime()->caption(), "0.00 Seconds");

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
  auto* w = openProject<levers::frmLever>(1);
  ASSERT_TRUE(w);
  w->cmdChoice(2)->click();       // work with levers
  w->hsbMFulcrum->setValue(50);  // the fulcrum in the middle: a slow turn
  w->cmdOptions->click();         // apply effort
  ASSERT_TRUE(w->Timer2->enabled());
  std::vector<int> degreesAtClick;
  ears.log->onPlay = [&](const TimedCall&) { degreesAtClick.push_back(w->lever().LastDeg); };
  w->hsbAEffort->setValue(200);
  std::vector<int> degrees;
  for (int i = 0; i < 12; ++i) {
    w->Timer2->fire();
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
    for (const QString& picture : QDir(VANTREL_APP_DIR).entryList({"*.png"}, QDir::Files))
      ASSERT_TRUE(QFile::copy(VANTREL_APP_DIR "/" + picture, dir.filePath(picture)));
    lander::frmLander::useRandomSource(&random);
  }
  void TearDown() override {
    WindowSounds::TearDown();
    lander::frmLander::useRandomSource(nullptr);
  }
  int flyToTheEnd(lander::frmLander* w) {
    int ticks = 0;
    while (w->game().InGame && ticks < 2000) {
      w->Timer1()->fire();
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
  auto* w = openProject<lander::frmLander>(4);
  ASSERT_TRUE(w);
  w->optMode()(4)->click();
  w->btnStart()->click();
  w->btnUp()->click();
  const double t0 = soundcheck::steadySeconds();
  int ticks = 0;
  while (soundcheck::steadySeconds() - t0 < 0.4) {
    w->Timer1()->fire();  // the game flies on while the main thruster sounds
    ++ticks;
    workFor(0.05);
  }
  w->btnLeft()->click();
  const auto heard = ears.end("lander-thrusters.raw", 1.3);
  EXPECT_GT(ticks, 2);
  ASSERT_EQ(soundcheck::soundsOf(heard), "THRUSTR1.WAV THRUSTR2.WAV") << describe(heard);
  EXPECT_LT(heard[0].length(), 0.9) << "the side thruster did not replace the main one\n" << describe(heard);
  EXPECT_GE(heard[1].length(), 0.95) << describe(heard);
  for (const auto& p : ears.log->plays()) EXPECT_EQ(p.kind, plat::SoundCall::Image);
}

TEST_F(LanderSounds, ACrashIsHeardWholeWithItsTextShowingAndASafeLandingToo) {
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<lander::frmLander>(4);
  ASSERT_TRUE(w);
  std::vector<bool> crashShown;
  ears.log->onPlay = [&](const TimedCall&) { crashShown.push_back(w->txtCrash()->isVisible()); };
  w->optMode()(3)->click();
  w->btnStart()->click();
  flyToTheEnd(w);  // a free fall from the top
  EXPECT_FALSE(w->txtCrash()->isVisible());
  auto crash = ears.log->plays();
  ASSERT_FALSE(crash.empty());
  EXPECT_TRUE(crash.back().path.endsWith("LAND_BAD.WAV") && crash.back().wait);
  EXPECT_TRUE(crashShown.back());
  workFor(0.3);

  // The automatic pilot lands safely; its thrusters sound on the way down.
  w->optMode()(0)->click();
  w->btnStart()->click();
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
  prob::frmProb::useRandomSource(&random);
  ASSERT_NO_FATAL_FAILURE(ears.begin());
  auto* w = openProject<prob::frmProb>(10);
  ASSERT_TRUE(w);
  w->sstProb()->setTab(1);
  w->cmdDropBall()->click();
  // The steps come further apart than the timer's, so each boing is heard whole but the last;
  // no event is handled between them, so the timer adds no steps of its own.
  for (int t = 0; t < 6; ++t) {
    w->timDropBall()->fire();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
  }
  w->cmdDropBall()->click();  // Pause: no further marble
  const auto heard = ears.end("marbles.raw");
  prob::frmProb::useRandomSource(nullptr);
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
  EXPECT_GE(heard[6].start - heard[5].start, 0.08) << describe(heard);
  EXPECT_GE(heard[6].length(), 0.28) << describe(heard);
}

}  // namespace
