#pragma once
// A private sound server for the sound checks: its only output is a silent sink named "out",
// whose monitor a recorder listens to. Nothing reaches a speaker and nothing of the desktop's
// own sound server is touched.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <vector>

namespace soundcheck {

constexpr int kRate = 44100;  // the recording: 16-bit stereo, this many frames a second

inline double steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

class PrivateSoundServer {
 public:
  PrivateSoundServer();
  ~PrivateSoundServer();
  // Starts the server and points this process's sound clients at it. False, with the reason,
  // when it cannot start.
  bool start(QString* why);
  // The same, saying on standard error why `who` cannot go on when the server cannot start.
  bool startOrSay(const char* who);
  QString address() const;
  // Stops the server where it stands, as a server hung by a fault or a debugger is: its
  // socket still takes connections, and nothing answers them. resume() lets it go on.
  void hang();
  void resume();
  // Ends the server at once, as a crash does, from any thread.
  void crash();

 private:
  QTemporaryDir m_home;
  QProcess m_server;
};

// Records what the silent sink plays, from start() to stop().
class Recorder {
 public:
  // A recorder at the server's default latency leaves the server as a desktop's is: nobody has
  // asked it to play with little delay, so it may work up to 2 s ahead of the speaker. One that
  // asks for low latency pulls the whole server's delay down to 10 ms, which hides any fault
  // of a player that relies on a quick server.
  enum Latency { ServerDefault, Low };
  ~Recorder();
  bool start(QString* why, Latency latency = ServerDefault);
  // Seconds of sound recorded so far.
  double recordedSeconds() const;
  // The recording's clock: when the silent sink played the given frame, in seconds of the
  // steady clock. The recorder gets the sink's sound in blocks as it is played, so the frame
  // count seen at each look bounds it; the more often one looks (see()), the closer.
  void see();
  double playedAt(double recordingSeconds) const { return m_origin + recordingSeconds; }
  // The recording so far, as one channel; or only from the given second of it on.
  std::vector<int16_t> samples(double fromSeconds = 0) const;
  // Waits, handling events, until `seconds` more have been recorded (so a sound that was
  // started has reached the recording), then stops, keeps the recording as `keepAs` in the
  // folder of recordings (raw, as the sound tools read it) and returns it as one channel.
  std::vector<int16_t> stopAfter(double seconds, const QString& keepAs);

 private:
  QTemporaryDir m_dir;
  QString m_file;
  QProcess m_recorder;
  double m_origin = 1e300;  // the steady clock's seconds at the recording's first frame
};

}  // namespace soundcheck
