// Without a sound server the system's sound is silent, keeps a window's pace, and says nothing
// on standard error: the program runs quietly on machines with no speaker.

#include <gtest/gtest.h>

#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "platform/services.h"
#include "tests/sound/recording.h"

namespace {

// Everything written to standard error between construction and finish().
class StandardErrorCapture {
 public:
  StandardErrorCapture() {
    std::fflush(stderr);
    m_saved = dup(2);
    m_file = std::tmpfile();
    dup2(fileno(m_file), 2);
  }
  ~StandardErrorCapture() { finish(); }
  std::string finish() {
    if (m_saved < 0) return m_text;
    std::fflush(stderr);
    dup2(m_saved, 2);
    close(m_saved);
    m_saved = -1;
    std::rewind(m_file);
    char buffer[512];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0) m_text.append(buffer, n);
    std::fclose(m_file);
    return m_text;
  }

 private:
  int m_saved = -1;
  std::FILE* m_file = nullptr;
  std::string m_text;
};

double secondsOf(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

// No speaker: a waiting play lasts its sound's length all the same (and at most 0.15 s more),
// so what a window shows while its sound plays is seen; everything else returns at once, and
// nothing is said.
TEST(SystemSoundWithoutServer, AWaitingPlayLastsItsSoundTheRestReturnAtOnceAndNothingIsSaid) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A server address where no server is: the desktop's own server, if any, is not asked.
  qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server")).toLocal8Bit());
  const QString wave = dir.filePath("crash.wav");
  ASSERT_TRUE(soundcheck::writeToneWave(wave, 1400, 0.6, 0));
  QFile f(wave);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const std::string image = f.readAll().toStdString();
  const QString broken = dir.filePath("broken.wav");
  QFile b(broken);
  ASSERT_TRUE(b.open(QIODevice::WriteOnly) && b.write("this is no sound") > 0);
  b.close();

  StandardErrorCapture said;
  auto sound = plat::makeSystemSound();
  QElapsedTimer t;
  for (int i = 0; i < 3; ++i) {  // the first as the program starts, then later ones
    t.start();
    sound->playFile(wave, true);
    const double waited = secondsOf(t);
    EXPECT_GE(waited, 0.6) << i;
    EXPECT_LE(waited, 0.75) << i;
  }
  t.start();
  sound->playFile(wave, false);
  sound->playImage(image);
  sound->stop();
  // A file that cannot be read, or is no sound, is no wait either.
  sound->playFile(dir.filePath("missing.wav"), true);
  sound->playFile(broken, true);
  EXPECT_LT(secondsOf(t), 0.1);
  sound.reset();
  EXPECT_EQ(said.finish(), "");
}

TEST(SystemSoundWithoutServer, OtherMessagesStillReachStandardError) {
  QTemporaryDir dir;
  qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server")).toLocal8Bit());
  StandardErrorCapture said;
  auto sound = plat::makeSystemSound();
  qWarning("a warning of the program's own");
  EXPECT_NE(said.finish().find("a warning of the program's own"), std::string::npos);
}

}  // namespace
