// Without a sound server the system's sound is silent and instant, and says nothing on
// standard error: the program runs quietly on machines with no speaker.

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

TEST(SystemSoundWithoutServer, IsSilentInstantAndSaysNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A server address where no server is: the desktop's own server, if any, is not asked.
  qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server")).toLocal8Bit());
  const QString wave = dir.filePath("long.wav");
  ASSERT_TRUE(soundcheck::writeToneWave(wave, 1400, 5.0));
  QFile f(wave);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const std::string image = f.readAll().toStdString();

  StandardErrorCapture said;
  QElapsedTimer t;
  t.start();
  auto sound = plat::makeSystemSound();
  sound->playFile(wave, true);  // a five-second sound, waited for
  sound->playFile(wave, false);
  sound->playImage(image);
  sound->stop();
  const qint64 took = t.elapsed();
  sound.reset();
  EXPECT_EQ(said.finish(), "");
  EXPECT_LT(took, 5000);
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
