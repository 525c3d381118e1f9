#pragma once
// A private sound server for the sound checks: its only output is a silent sink named "out",
// whose monitor a recorder listens to. Nothing reaches a speaker and nothing of the desktop's
// own sound server is touched.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace soundcheck {

constexpr int kRate = 44100;  // the recording: 16-bit stereo, this many frames a second

class PrivateSoundServer {
 public:
  PrivateSoundServer();
  ~PrivateSoundServer();
  // Starts the server and points this process's sound clients at it. False, with the reason,
  // when it cannot start.
  bool start(QString* why);
  QString address() const;

 private:
  QTemporaryDir m_home;
  QProcess m_server;
};

// Records what the silent sink plays, from start() to stop().
class Recorder {
 public:
  ~Recorder();
  bool start(QString* why);
  // Seconds of sound recorded so far.
  double recordedSeconds() const;
  // Waits, handling events, until `seconds` more have been recorded (so a sound that was
  // started has reached the recording), then stops, keeps the recording as `keepAs` in the
  // folder of recordings (raw, as the sound tools read it) and returns it as one channel.
  std::vector<int16_t> stopAfter(double seconds, const QString& keepAs);

 private:
  QTemporaryDir m_dir;
  QString m_file;
  QProcess m_recorder;
};

}  // namespace soundcheck
