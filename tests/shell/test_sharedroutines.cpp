// The shared routines: paths in the program's folder, playing waves, the timed wait and
// reading a whole file into memory.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/services.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "tests/support/doubles.h"

namespace {

TEST(SharedRoutines, AppFilePathJoinsTheBaseFolder) {
  shell::setBasePath("/opt/vantrel");
  EXPECT_EQ(shell::g_basePath, "/opt/vantrel/");
  EXPECT_EQ(shell::appFilePath("ding.wav"), "/opt/vantrel/ding.wav");
}

TEST(SharedRoutines, PlayWaveStopsThePlayingSoundFirst) {
  auto services = plat::installTestServices();
  shell::playWave("", 1);
  EXPECT_TRUE(services.sound->calls.empty());  // a sound already playing goes on
  shell::playWave("/opt/vantrel/ding.wav", 0);
  shell::playWave("/opt/vantrel/move.wav", 1);
  ASSERT_EQ(services.sound->calls.size(), 4u);
  EXPECT_EQ(services.sound->calls[0].kind, plat::SoundCall::Stop);
  EXPECT_EQ(services.sound->calls[1].path, "/opt/vantrel/ding.wav");
  EXPECT_TRUE(services.sound->calls[1].wait);
  EXPECT_EQ(services.sound->calls[2].kind, plat::SoundCall::Stop);
  EXPECT_FALSE(services.sound->calls[3].wait);
  shell::playWaveImage("");
  shell::playWaveImage("RIFF....");
  ASSERT_EQ(services.sound->calls.size(), 5u);  // no stop before an image
  EXPECT_EQ(services.sound->calls[4].kind, plat::SoundCall::Image);
}

// A time-of-day clock that moves on by a step at every reading.
class SteppingClock : public rt::TimeOfDayClock {
 public:
  SteppingClock(float start, float step) : now(start), step(step) {}
  float seconds() override {
    float t = now;
    ++reads;
    now += step;
    if (now >= 86400.0f) now -= 86400.0f;
    return t;
  }
  float now, step;
  int reads = 0;
};

TEST(SharedRoutines, DelayWaitsOnTheTimeOfDayEvenAcrossMidnight) {
  SteppingClock zero(100.0f, 0.0f);
  shell::setTimeOfDayClock(&zero);
  shell::delay(0);
  shell::delay(-1);
  EXPECT_EQ(zero.reads, 0);

  SteppingClock clock(1000.0f, 0.125f);
  shell::setTimeOfDayClock(&clock);
  shell::delay(0.5f);
  EXPECT_EQ(clock.reads, 5);  // start, then 0.125, 0.25, 0.375, 0.5

  // Begun a quarter of a second before midnight.
  SteppingClock late(86399.75f, 0.0625f);
  shell::setTimeOfDayClock(&late);
  shell::delay(0.5f);
  EXPECT_EQ(late.reads, 9);
  shell::setTimeOfDayClock(nullptr);
}

TEST(SharedRoutines, ReadWholeFileGivesExactlyTheBytesLessOuterBlanks) {
  QTemporaryDir dir;
  std::string text = "stale";
  shell::readWholeFile(dir.filePath("missing.wav"), text);
  EXPECT_TRUE(text.empty());

  auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
  };
  write("short.wav", QByteArray("  RIFF\0data \0 ", 14));
  shell::readWholeFile(dir.filePath("short.wav"), text);
  EXPECT_EQ(text, std::string("RIFF\0data \0", 11));

  // Longer than one block: nothing of a stale last block is appended.
  QByteArray big(3000, 'x');
  for (int i = 0; i < big.size(); ++i) big[i] = char('a' + i % 26);
  write("big.wav", big);
  shell::readWholeFile(dir.filePath("big.wav"), text);
  EXPECT_EQ(text.size(), 3000u);
  EXPECT_EQ(text, big.toStdString());

  // Names match without regard to case, as in the program's folder.
  write("THRUSTR1.WAV", "abc");
  shell::readWholeFile(dir.filePath("thrustr1.wav"), text);
  EXPECT_EQ(text, "abc");
}

}  // namespace
