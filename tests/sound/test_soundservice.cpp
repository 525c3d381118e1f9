// The system's sound as the shared routines use it, heard on a silent output: a waiting play
// returns only after its sound has ended, a play that does not wait lets the program go on,
// a new play, an image or a stop cuts the sound that is playing, and every sound the program
// ships plays whole.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/services.h"
#include "platform/wave.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "tests/sound/listening.h"

namespace {

using soundcheck::describe;
using soundcheck::Stretch;

class SystemSound : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    soundcheck::Listening::writeTones(dir.path(), 0.4, 0);
    ASSERT_NO_FATAL_FAILURE(ears.begin(latency));
  }
  QString file(const char* name) const { return dir.filePath(name); }
  // Lets the program run, handling events, for the given seconds.
  void workFor(double seconds) { ears.workFor(seconds); }

  QTemporaryDir dir;
  soundcheck::Listening ears;
  soundcheck::Recorder::Latency latency = soundcheck::Recorder::ServerDefault;
};

// The same, with a recorder that asks the server for 10 ms of latency, so the recording shows
// each sound's edges to the millisecond.
class SystemSoundClosely : public SystemSound {
 protected:
  void SetUp() override {
    latency = soundcheck::Recorder::Low;
    SystemSound::SetUp();
  }
};

TEST_F(SystemSound, AWaitingPlayReturnsOnlyAfterItsSoundHasEnded) {
  shell::playWave(file("ding.wav"), 0);
  // Played at once after the return: it would cut the first sound were that still playing.
  shell::playWave(file("uhoh.wav"), 1);
  const auto s = ears.end("waiting-play.raw");
  ASSERT_EQ(soundcheck::soundsOf(s), "ding.wav uhoh.wav") << describe(s);
  EXPECT_GE(s[0].length(), 0.38) << "the waiting sound was cut short:\n" << describe(s);
  EXPECT_GE(s[1].length(), 0.38) << describe(s);
  EXPECT_GE(s[1].start, s[0].end);
  const auto plays = ears.log->plays();
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_GE(plays[0].returned - plays[0].began, 0.4);
}

// The program opens its sound as the menu shows, without waiting for the server; a sound asked
// for at that moment is heard whole once the stream is up, and a waiting play still lasts it.
TEST_F(SystemSound, ASoundAskedForAsTheProgramStartsIsHeardWhole) {
  QElapsedTimer took;
  took.start();
  auto justStarted = plat::makeSystemSound();
  justStarted->playFile(file("ding.wav"), true);
  const qint64 waited = took.elapsed();
  workFor(0.3);
  justStarted->playFile(file("tada.wav"), false);
  const auto s = ears.end("at-start.raw");
  ASSERT_EQ(soundcheck::soundsOf(s), "ding.wav tada.wav") << describe(s);
  EXPECT_GE(s[0].length(), 0.38) << describe(s);
  EXPECT_GE(s[1].length(), 0.38) << describe(s);
  EXPECT_GE(waited, 400);
}

// A server left at its defaults works up to 2 s ahead of its speaker: a recorder that comes
// first sets it going so, and what it worked ahead before the program's stream came is played
// first. A sound asked for meanwhile, a second after the program starts, is heard whole once
// that has been played, and a waiting play lasts until it has been heard to its end (no
// sooner, and no more than 0.2 s later), as the server's own timing reports measure it.
TEST(SystemSoundJustStarted, AWaitingPlayASecondAfterTheStartLastsUntilItsSoundHasBeenHeard) {
  QTemporaryDir dir;
  soundcheck::Listening::writeTone(dir.path(), "ding.wav", 0.4, 0);
  soundcheck::Recorder recorder;
  QString why;
  ASSERT_TRUE(recorder.start(&why)) << why.toStdString();
  const double recordingFrom = soundcheck::steadySeconds();  // the recording's first frame, within 5 ms
  const auto workFor = [&](double seconds) {
    for (const double until = soundcheck::steadySeconds() + seconds; soundcheck::steadySeconds() < until;) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      recorder.see();
      QThread::msleep(2);
    }
  };
  workFor(0.5);
  auto sound = plat::makeSystemSound();
  workFor(1.0);
  const double asked = soundcheck::steadySeconds();
  sound->playFile(dir.filePath("ding.wav"), true);
  const double returned = soundcheck::steadySeconds();
  const auto s = soundcheck::loudStretches(recorder.stopAfter(2.5, "a-second-after-start.raw"), 500, 0.2);
  ASSERT_EQ(soundcheck::soundsOf(s), "ding.wav") << describe(s);
  EXPECT_GE(s[0].length(), 0.38) << describe(s);
  // The speaker's clock: the silent output plays its frames one after another from when it
  // started for the recorder, whatever it works ahead (which the recorder's own clock, taken
  // from when frames reach it, would count as heard).
  const double heardToItsEnd = recordingFrom + s[0].end;
  EXPECT_GE(returned, heardToItsEnd - 0.02) << "freed before its sound was heard to its end";
  EXPECT_LE(returned, heardToItsEnd + 0.2);
  std::printf("heard %.3f s after the play, freed %.3f s after its end\n", recordingFrom + s[0].start - asked,
              returned - heardToItsEnd);
}

// After 3 s without a sound the stream rests; the next sound wakes it, is heard as soon as
// any other and whole, without the silence the resting stream held before it.
TEST_F(SystemSound, ASoundAfterARestIsHeardAtOnceAndWhole) {
  workFor(4.0);
  const double began = soundcheck::steadySeconds();
  shell::playWave(file("ding.wav"), 1);
  const auto s = ears.end("after-rest.raw");
  ASSERT_EQ(soundcheck::soundsOf(s), "ding.wav") << describe(s);
  EXPECT_GE(s[0].length(), 0.38) << describe(s);
  EXPECT_LE(ears.playedAt(s[0].start) - began, 0.1) << describe(s);
}

// The thread that feeds the server runs in real time where the system lets the program have
// it, so that a busy computer does not wake it late.
TEST_F(SystemSound, TheFeedingThreadRunsInRealTimeWhereTheSystemGrantsIt) {
  rlimit limit{};
  getrlimit(RLIMIT_RTPRIO, &limit);
  if (geteuid() != 0 && limit.rlim_cur == 0) GTEST_SKIP() << "this user may not run threads in real time";
  shell::playWave(file("ding.wav"), 0);
  int realtime = 0;
  for (const QString& task : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    std::ifstream stat(("/proc/self/task/" + task + "/stat").toStdString());
    std::string line;
    std::getline(stat, line);
    // The fields after the command's closing parenthesis; the policy is the 41st of the line.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 41 && fields >> field; ++i) {
      if (i == 41 && field == "2") ++realtime;  // round-robin real-time
    }
  }
  EXPECT_EQ(realtime, 1);
  ears.end("real-time.raw", 0.1);
}

TEST_F(SystemSound, APlayThatDoesNotWaitLetsTheProgramWorkOnWhileItPlays) {
  soundcheck::Listening::writeTone(dir.path(), "rocket.wav", 2.0, 0);
  // The program goes on: its event loop runs a timer that starts the next sound while the
  // first still plays, and the first is cut there.
  shell::playWave(file("rocket.wav"), 1);
  bool ticked = false;
  QTimer::singleShot(400, [&] {
    ticked = true;
    shell::playWave(file("tada.wav"), 1);
  });
  QElapsedTimer t;
  t.start();
  while (!ticked && t.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  ASSERT_TRUE(ticked);
  const auto s = ears.end("play-on.raw");
  ASSERT_EQ(soundcheck::soundsOf(s), "rocket.wav tada.wav") << describe(s);
  EXPECT_LT(s[0].length(), 1.8) << "the first sound was not cut:\n" << describe(s);
  EXPECT_GE(s[0].length(), 0.2) << describe(s);
  EXPECT_GE(s[1].length(), 0.38) << describe(s);
}

TEST_F(SystemSound, AStopOrAnImageCutsTheSoundPlaying) {
  soundcheck::Listening::writeTone(dir.path(), "rocket.wav", 2.0, 0);
  shell::playWave(file("rocket.wav"), 1);
  workFor(0.4);
  plat::sound().stop();
  workFor(0.3);
  shell::playWave(file("rocket.wav"), 1);
  workFor(0.4);
  // An image held in memory replaces the sound playing, and plays whole.
  std::string image;
  shell::readWholeFile(file("THRUSTR1.WAV"), image);
  shell::playWaveImage(image);
  const auto s = ears.end("stop-and-image.raw");
  ASSERT_EQ(soundcheck::soundsOf(s), "rocket.wav rocket.wav THRUSTR1.WAV") << describe(s);
  EXPECT_LT(s[0].length(), 1.8) << describe(s);
  EXPECT_LT(s[1].length(), 1.8) << describe(s);
  EXPECT_GE(s[2].length(), 0.38) << describe(s);
}

TEST_F(SystemSoundClosely, EverySoundTheProgramShipsPlaysWhole) {
  const QStringList names = {"ding.wav",  "uhoh.wav",     "tada.wav",     "boing.wav",   "move.wav",    "rocket.wav",
                             "xpoof.wav", "THRUSTR1.WAV", "THRUSTR2.WAV", "LAND_OK.WAV", "LAND_BAD.WAV"};
  std::vector<double> lengths;
  for (const QString& name : names) {
    QFile f(QDir(VANTREL_APP_DIR).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    auto info = plat::parseWave(f.readAll().toStdString());
    ASSERT_TRUE(info) << name.toStdString();
    lengths.push_back(info->seconds());
    shell::playWave(f.fileName(), 0);
    workFor(0.3);  // a gap longer than any pause inside a sound
  }
  const auto s = soundcheck::loudStretches(ears.endSamples("shipped.raw"), 500, 0.2);
  ASSERT_EQ(s.size(), size_t(names.size())) << describe(s);
  const auto plays = ears.log->plays();
  ASSERT_EQ(plays.size(), size_t(names.size()));
  for (size_t i = 0; i < s.size(); ++i) {
    // Each fades out on its own: the loud part may end before the file does, never after.
    EXPECT_LE(s[i].length(), lengths[i] + 0.03) << names[int(i)].toStdString() << "\n" << describe(s);
    EXPECT_GE(plays[i].returned - plays[i].began, lengths[i]) << names[int(i)].toStdString();
    if (i > 0) {
      EXPECT_GE(s[i].start, s[i - 1].end);
    }
  }
}

// A server left at its defaults may take a whole short sound at once and play it two seconds
// later; a waiting play still lasts its sound, and a sound played after it follows at once.
TEST_F(SystemSound, AWaitingPlayLastsItsSoundOnAServerAtItsDefaults) {
  soundcheck::Listening::writeTone(dir.path(), "move.wav", 0.03, 0);
  for (int i = 0; i < 4; ++i) {
    shell::playWave(file("move.wav"), 0);
    shell::playWave(file("ding.wav"), 0);
  }
  shell::playWave(file("tada.wav"), 1);
  const auto s = ears.end("waiting-on-defaults.raw");
  const auto plays = ears.log->plays();
  ASSERT_EQ(plays.size(), 9u);
  // The player returns within 0.11 s of a sound's end; a busy computer may wake the waiting
  // thread a few hundredths later still, which nobody hears: a window that goes on 0.2 s after
  // its sound sounds as prompt as one that goes on after 0.15 s.
  const double mostAfter = 0.2;
  for (size_t i = 0; i + 1 < plays.size(); ++i) {
    const double length = i % 2 ? 0.4 : 0.03;
    const double took = plays[i].returned - plays[i].began;
    EXPECT_GE(took, length) << i;
    EXPECT_LE(took, length + mostAfter) << i;
  }
  ASSERT_EQ(soundcheck::soundsOf(s), "move.wav ding.wav move.wav ding.wav move.wav ding.wav move.wav ding.wav tada.wav")
      << describe(s);
  for (size_t i = 0; i < s.size(); ++i) {
    // Each heard whole, and the next follows it closely: a waiting play returns when its
    // sound has been heard, and the next is heard soon after it is played.
    EXPECT_GE(s[i].length(), (i % 2 ? 0.38 : 0.02)) << i << "\n" << describe(s);
    if (i > 0) {
      EXPECT_GE(s[i].start, s[i - 1].end) << describe(s);
      EXPECT_LE(s[i].start - s[i - 1].end, mostAfter) << describe(s);
    }
  }
}

// Sounds that do not wait, played one on another as the marbles' bounces and the lander's
// thrusters play them: each is heard from when it is played until it ends or the next cuts it.
TEST_F(SystemSound, QuickPlaysAreHeardAtOnceAndUntilTheNextCutsThem) {
  soundcheck::Listening::writeTone(dir.path(), "boing.wav", 0.3, 0);
  soundcheck::Listening::writeTone(dir.path(), "THRUSTR1.WAV", 0.25, 0);
  // A bounce every 0.1 s for 2 s: the board is never silent.
  for (int i = 0; i < 20; ++i) {
    shell::playWave(file("boing.wav"), 1);
    workFor(0.1);
  }
  workFor(0.6);
  // A thrust every 0.5 s, each heard whole.
  std::string thrust;
  shell::readWholeFile(file("THRUSTR1.WAV"), thrust);
  for (int i = 0; i < 4; ++i) {
    shell::playWaveImage(thrust);
    workFor(0.5);
  }
  const auto s = ears.end("quick-plays.raw");
  const auto plays = ears.log->plays();
  ASSERT_EQ(plays.size(), 24u);
  ASSERT_EQ(s.size(), 5u) << describe(s);
  EXPECT_EQ(soundcheck::soundOf(s[0]), "boing.wav") << describe(s);
  EXPECT_GE(s[0].length(), 2.0) << "bounces went unheard:\n" << describe(s);
  for (size_t i = 1; i < s.size(); ++i) {
    EXPECT_EQ(soundcheck::soundOf(s[i]), "THRUSTR1.WAV") << describe(s);
    EXPECT_GE(s[i].length(), 0.23) << describe(s);
  }
  // Heard within 0.1 s of the call, by the recording's own clock.
  EXPECT_LE(ears.playedAt(s[0].start) - plays[0].began, 0.1) << describe(s);
  for (size_t i = 1; i < s.size(); ++i) EXPECT_LE(ears.playedAt(s[i].start) - plays[19 + i].began, 0.1) << i;
}

}  // namespace
