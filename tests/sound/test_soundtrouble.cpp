// The system's sound when what it depends on misbehaves: a system bus that takes the program's
// call and never answers, a sound server that hangs as the program connects or while it plays,
// a server that goes away and comes back. A window that waits for a sound waits for the sound,
// and the program's end waits for nothing.

#include <gtest/gtest.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "platform/services.h"
#include "tests/sound/listening.h"
#include "tests/sound/threads.h"
#include "tests/support/buses.h"

namespace {

using soundcheck::describe;

constexpr double kDing = 0.4;  // every tone of these checks lasts this long
// What a waiting play may add to its sound: 0.15 s, and a few hundredths more for a busy
// computer to wake the waiting window (as in the other checks).
constexpr double kMostAfter = 0.2;
// What it may add more while a connection to the server is being made.
constexpr double kMostConnecting = 0.25;
// What a fresh server left at its defaults works ahead of its speaker, at the most.
constexpr double kMostAhead = 2.0;

double secondsOf(QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

// A waiting play, timed.
double waitingPlay(plat::SoundBackend& sound, const QString& file) {
  QElapsedTimer t;
  t.start();
  sound.playFile(file, true);
  return secondsOf(t);
}

// Runs `work` and fails, without hanging the checks, when it has not ended within `seconds`:
// a sound service held by another program would hold the window, or the program's end.
void finishWithin(double seconds, std::function<void()> work) {
  auto done = std::make_shared<std::promise<void>>();
  auto finished = done->get_future();
  std::thread([work = std::move(work), done] {
    work();
    done->set_value();
  }).detach();
  if (finished.wait_for(std::chrono::duration<double>(seconds)) != std::future_status::ready) {
    ADD_FAILURE() << "the sound service held its caller more than " << seconds << " s";
    std::fflush(stdout);
    std::_Exit(1);
  }
}

// Lets the sound service go, and says how long that took.
double endOf(std::unique_ptr<plat::SoundBackend> sound) {
  double took = 0;
  finishWithin(5, [&] {
    QElapsedTimer t;
    t.start();
    sound.reset();
    took = secondsOf(t);
  });
  return took;
}

class SoundInTrouble : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    soundcheck::Listening::writeTones(dir.path(), kDing, 0);
    mainServer = qgetenv("PULSE_SERVER");
    mainClientSettings = qgetenv("PULSE_CLIENTCONFIG");
  }
  // A check's own server points the process at itself; the next check finds the main one.
  void TearDown() override {
    qputenv("PULSE_SERVER", mainServer);
    qputenv("PULSE_CLIENTCONFIG", mainClientSettings);
  }
  QString file(const char* name) const { return dir.filePath(name); }
  void workFor(double seconds) {
    QElapsedTimer t;
    t.start();
    while (secondsOf(t) < seconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }

  QTemporaryDir dir;
  QByteArray mainServer, mainClientSettings;
};

// An ordinary desktop user may not put a thread in real time, and the sound thread asks the
// desktop's real-time service over the system bus. A bus that takes the call and never
// answers, or floods the program with messages and never answers, costs the program nothing:
// the menu's first sound, every waiting play and the end go on, and the question is given up
// in its time.
void soundBesideABusThatNeverAnswers(const QString& folder, const std::string& busAddress,
                                     const std::function<void(double)>& workFor) {
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", QByteArray::fromStdString(busAddress));
  QElapsedTimer started;
  started.start();
  std::atomic<double> askGoneAfter{-1};
  std::thread watch([&] {
    while (secondsOf(started) < 5 && (secondsOf(started) < 0.5 || soundcheck::threadsNamed("realtime ask") > 0))
      QThread::msleep(10);
    askGoneAfter = secondsOf(started);
  });
  std::unique_ptr<plat::SoundBackend> sound;
  std::thread([&] {
    soundcheck::giveUpRealtimeRight();
    sound = plat::makeSystemSound();
  }).join();
  // A fresh server plays first what it worked ahead at its defaults before the stream came
  // (up to 2 s), which a waiting play waits for: the plays come once that is played.
  workFor(2.2);
  double first = 0, second = 0;
  finishWithin(5, [&] {
    first = waitingPlay(*sound, QDir(folder).filePath("ding.wav"));
    second = waitingPlay(*sound, QDir(folder).filePath("uhoh.wav"));
  });
  EXPECT_GE(first, kDing);
  EXPECT_LE(first, kDing + kMostConnecting + kMostAfter);
  EXPECT_GE(second, kDing);
  EXPECT_LE(second, kDing + kMostAfter);
  EXPECT_EQ(soundcheck::threadsNamed("sound"), 1);
  EXPECT_LE(endOf(std::move(sound)), 0.3);
  // The question is given up in its time (2 s), not left waiting for ever.
  watch.join();
  EXPECT_LE(askGoneAfter, 2.5);
  EXPECT_EQ(soundcheck::threadsNamed("realtime ask"), 0);
  qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

TEST_F(SoundInTrouble, AStuckSystemBusHoldsUpNeitherASoundNorTheEnd) {
  testbus::HostileBus bus(testbus::HostileBus::Silent);
  ASSERT_TRUE(bus.listening());
  soundBesideABusThatNeverAnswers(dir.path(), bus.address(), [&](double s) { workFor(s); });
}

TEST_F(SoundInTrouble, AFloodingSystemBusHoldsUpNeitherASoundNorTheEnd) {
  testbus::HostileBus bus(testbus::HostileBus::Flooding);
  ASSERT_TRUE(bus.listening());
  soundBesideABusThatNeverAnswers(dir.path(), bus.address(), [&](double s) { workFor(s); });
}

// A server that hangs as the program connects (stopped, its socket still taking connections)
// is waited for a moment by the first waiting play only; every waiting play lasts its sound;
// and a sound asked for meanwhile plays once the server answers.
TEST_F(SoundInTrouble, AServerHungAsTheProgramConnectsIsWaitedForOnceAndItsSoundsCome) {
  soundcheck::PrivateSoundServer server;
  QString why;
  ASSERT_TRUE(server.start(&why)) << why.toStdString();
  soundcheck::Recorder recorder;
  ASSERT_TRUE(recorder.start(&why)) << why.toStdString();
  server.hang();
  auto sound = plat::makeSystemSound();
  double took[3];
  for (double& t : took) t = waitingPlay(*sound, file("uhoh.wav"));
  EXPECT_GE(took[0], kDing);
  EXPECT_LE(took[0], kDing + kMostConnecting + kMostAfter);
  for (int i = 1; i < 3; ++i) {
    EXPECT_GE(took[i], kDing) << i;
    EXPECT_LE(took[i], kDing + kMostAfter) << "the hung server was waited for again at play " << i;
  }
  server.resume();
  // Once the server answers, the stream comes up and plays the sound asked for; a waiting
  // play is timed by its sound again.
  workFor(1.0);
  const double after = waitingPlay(*sound, file("ding.wav"));
  EXPECT_GE(after, kDing);
  EXPECT_LE(after, kDing + kMostAfter);
  const auto heard = soundcheck::loudStretches(recorder.stopAfter(0.6, "hung-at-connecting.raw"), 500, 0.2);
  EXPECT_EQ(soundcheck::soundsOf(heard), "uhoh.wav ding.wav") << describe(heard);
  EXPECT_LE(endOf(std::move(sound)), 0.3);
}

// A server that hangs while the program plays: a waiting play still lasts its sound and no
// more, at every play, and the end does not wait for the server.
TEST_F(SoundInTrouble, AServerThatHangsWhilePlayingHoldsNoWindowLongerThanItsSound) {
  soundcheck::PrivateSoundServer server;
  QString why;
  ASSERT_TRUE(server.start(&why)) << why.toStdString();
  auto sound = plat::makeSystemSound();
  workFor(2.2);  // what the fresh server worked ahead before the stream came is played
  const double before = waitingPlay(*sound, file("ding.wav"));
  EXPECT_LE(before, kDing + kMostAfter);
  server.hang();
  for (int i = 0; i < 3; ++i) {
    const double took = waitingPlay(*sound, file("uhoh.wav"));
    EXPECT_GE(took, kDing) << i;
    EXPECT_LE(took, kDing + kMostAfter) << i;
  }
  EXPECT_LE(endOf(std::move(sound)), 0.3);
  server.resume();
}

// A server that goes away in the middle of a sound leaves the window waiting the sound's
// length, as does every waiting play while it is away; one that comes back is found again by
// a later play, which is heard and timed as before.
TEST_F(SoundInTrouble, AServerGoneInTheMiddleOfASoundAndBackAgain) {
  soundcheck::Listening::writeTone(dir.path(), "rocket.wav", 2.0, 0);
  auto first = std::make_unique<soundcheck::PrivateSoundServer>();
  QString why;
  ASSERT_TRUE(first->start(&why)) << why.toStdString();
  auto sound = plat::makeSystemSound();
  workFor(2.2);  // what the fresh server worked ahead before the stream came is played
  ASSERT_LE(waitingPlay(*sound, file("ding.wav")), kDing + kMostConnecting + kMostAfter);
  std::thread crash([&] {
    QThread::msleep(500);
    first->crash();
  });
  const double cut = waitingPlay(*sound, file("rocket.wav"));
  crash.join();
  // The window waits the sound's length all the same, heard or not.
  EXPECT_GE(cut, 2.0);
  EXPECT_LE(cut, 2.0 + kMostAfter);
  // And so does every waiting play while no server is there.
  const double silent = waitingPlay(*sound, file("uhoh.wav"));
  EXPECT_GE(silent, kDing);
  EXPECT_LE(silent, kDing + kMostAfter);
  first.reset();
  // A server back again: the sound service looks for it anew.
  soundcheck::PrivateSoundServer second;
  ASSERT_TRUE(second.start(&why)) << why.toStdString();
  soundcheck::Recorder recorder;
  ASSERT_TRUE(recorder.start(&why)) << why.toStdString();
  workFor(1.2);  // a lost server is looked for again a second after it went
  // A server that has just taken a stream may first play what it had worked ahead, up to 2 s
  // (the recorder set it going), and a waiting play lasts until its sound has been heard.
  const double took = waitingPlay(*sound, file("tada.wav"));
  EXPECT_GE(took, kDing);
  EXPECT_LE(took, kMostAhead + kDing + kMostConnecting + kMostAfter);
  const auto heard = soundcheck::loudStretches(recorder.stopAfter(2.5, "server-back.raw"), 500, 0.2);
  EXPECT_EQ(soundcheck::soundsOf(heard), "tada.wav") << describe(heard);
  EXPECT_LE(endOf(std::move(sound)), 0.3);
}

}  // namespace
