#include "platform/services.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>
#include <thread>

#include "platform/files.h"
#include "platform/wave.h"

// How a sound reaches the speaker.
//
// A desktop's sound server that nobody has asked for a short delay works up to 2 s ahead of
// its speaker, and an output that is let go loses what the server still holds of it. So the
// program keeps one output open from its start to its end, through which every sound plays:
// it asks the server to hold only a short stretch ahead of the speaker, which pulls the
// server's delay down once what it had worked ahead has been played, and a sound cut by the
// next is cut where the program cut it, with everything taken before heard whole. The output
// is fed the sound now playing and then silence; when nothing has played for a while it
// pauses, so the sound device can rest, and keeps its place at the server, so the server's
// delay stays short.
//
// A waiting play is timed by its sound: it returns once the output has taken the sound's
// last sample and the short stretch the server holds has been played, never before the
// sound's length has passed and never more than 0.15 s after it. Neither the output's own
// reports nor the server's can say that, as a server may take a whole sound at once and play
// it two seconds later.

namespace plat {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr uint32_t kRate = 44100;  // the output's frames a second, 16-bit stereo
constexpr int kFrameBytes = 4;
// What the output asks the server to hold ahead of the speaker: short, so that a sound starts
// to be heard at once; long enough that the sound thread, which refills it, leaves no gap.
constexpr auto kHeld = 50ms;
// What a waiting play may add to its sound's length: at most 0.15 s, less a little for the
// windows' thread to wake on a busy computer.
constexpr auto kMostAfterSound = 140ms;
// How often the output is fed.
constexpr auto kFeedEvery = 10ms;
// How long a stop waits for a play that takes the stopped sound's place.
constexpr auto kStopGrace = 20ms;
// With nothing to play for this long, the output pauses.
constexpr auto kRestAfter = 3s;

// Qt's sound back-end reports a missing sound server on standard error while it looks for
// outputs. Without a speaker the program is silent by design, so those reports tell the user
// nothing; they are held back while the question is asked, and every other message passes.
QtMessageHandler g_passOn = nullptr;

void holdBackServerReports(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("PulseAudioService:"))) return;
  if (g_passOn) {
    g_passOn(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
  }
}

// Runs `ask` with the server's reports held back.
template <typename Ask>
auto withServerReportsHeldBack(Ask ask) {
  g_passOn = qInstallMessageHandler(holdBackServerReports);
  auto answer = ask();
  qInstallMessageHandler(g_passOn);
  g_passOn = nullptr;
  return answer;
}

bool systemHasAudioOutput() {
  return withServerReportsHeldBack([] { return !QMediaDevices::audioOutputs().isEmpty(); });
}

// The sound now playing, shared by the windows' thread, which starts and stops sounds, and
// the sound thread, whose output takes its samples.
struct NowPlaying {
  std::mutex mutex;
  std::condition_variable allTaken;
  std::vector<int16_t> samples;  // stereo frames of the sound playing
  size_t next = 0;               // the next sample the output takes
  quint64 play = 0;              // the play the samples belong to
  quint64 lastTaken = 0;         // the last play whose every sample the output has taken
  Clock::time_point lastSound;   // when the output last took a sample of a sound

  bool stopping = false;        // a stop the output has yet to carry out
  Clock::time_point stopAsked;  // when it was asked for

  // Ends the sound playing: nothing of it is taken from here on.
  void cut() {
    samples.clear();
    next = 0;
    stopping = false;
    lastTaken = play;
    allTaken.notify_all();
  }

  // Fills `frames` stereo frames for the output: the sound playing, then silence.
  void take(int16_t* out, size_t frames) {
    std::fill(out, out + 2 * frames, int16_t(0));
    std::lock_guard<std::mutex> lock(mutex);
    if (stopping && Clock::now() - stopAsked >= kStopGrace) cut();
    const size_t taken = std::min(samples.size() - next, 2 * frames);
    if (taken == 0) return;
    std::copy_n(samples.data() + next, taken, out);
    next += taken;
    lastSound = Clock::now();
    if (next == samples.size()) {
      lastTaken = play;
      allTaken.notify_all();
    }
  }
};

QAudioFormat outputFormat() {
  QAudioFormat format;
  format.setSampleRate(int(kRate));
  format.setChannelCount(2);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

// The output, on the sound thread: opened once, paused when idle, opened again should the
// server have dropped it. It is fed every few milliseconds with as much as the server will
// take, so that what the server holds stays as short as it asked for.
class SoundOutput : public QObject {
 public:
  explicit SoundOutput(NowPlaying& now) : m_now(now), m_feed(new QTimer(this)), m_rest(new QTimer(this)) {
    m_feed->setTimerType(Qt::PreciseTimer);
    m_feed->setInterval(kFeedEvery);
    connect(m_feed, &QTimer::timeout, this, &SoundOutput::feed);
    m_rest->setInterval(500);
    connect(m_rest, &QTimer::timeout, this, &SoundOutput::restWhenIdle);
  }
  ~SoundOutput() override { close(); }

  // Opens the output; false when there is none to open.
  bool open() {
    close();
    const QAudioFormat format = outputFormat();
    m_output = withServerReportsHeldBack([&] {
      auto* output = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
      output->setBufferSize(format.bytesForDuration(std::chrono::microseconds(kHeld).count()));
      m_input = output->start();
      return output;
    });
    if (m_output->error() != QAudio::NoError || m_output->state() == QAudio::StoppedState) {
      close();
      return false;
    }
    connect(m_output, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      if (state == QAudio::StoppedState && m_output->error() != QAudio::NoError) m_broken = true;
    });
    // What the output holds, and the little the server's output itself works ahead.
    m_held = std::min(std::chrono::microseconds(format.durationForBytes(m_output->bufferSize())) + 25ms,
                      std::chrono::microseconds(kMostAfterSound));
    m_broken = false;
    m_feed->start();
    m_rest->start();
    return true;
  }
  // A sound is about to play: the output runs.
  void wake() {
    if (m_broken || !m_output) {
      open();
    } else if (m_output->state() == QAudio::SuspendedState) {
      m_output->resume();
    }
  }
  bool working() const { return m_output && !m_broken; }
  // What the server holds ahead of the speaker once the output has taken a sample.
  std::chrono::microseconds held() const { return m_held; }

 private:
  void feed() {
    if (!m_output || m_output->state() == QAudio::SuspendedState || m_output->state() == QAudio::StoppedState) return;
    const qint64 frames = m_output->bytesFree() / kFrameBytes;
    if (frames <= 0) return;
    m_block.resize(size_t(2 * frames));
    m_now.take(m_block.data(), size_t(frames));
    m_input->write(reinterpret_cast<const char*>(m_block.data()), frames * kFrameBytes);
  }
  void restWhenIdle() {
    if (!m_output || m_output->state() != QAudio::ActiveState) return;
    std::lock_guard<std::mutex> lock(m_now.mutex);
    if (m_now.next == m_now.samples.size() && Clock::now() - m_now.lastSound > kRestAfter) m_output->suspend();
  }
  void close() {
    m_feed->stop();
    m_rest->stop();
    delete m_output;  // stops it first
    m_output = nullptr;
    m_input = nullptr;
  }

  NowPlaying& m_now;
  QAudioSink* m_output = nullptr;
  QIODevice* m_input = nullptr;  // the output's, where the samples are written
  std::vector<int16_t> m_block;
  // Children, so they move to the sound thread with the output.
  QTimer* m_feed;
  QTimer* m_rest;
  std::atomic<bool> m_broken = false;
  std::chrono::microseconds m_held = kHeld;
};

class SystemSound;

// The system's sounds whose output is open. Each is closed before the end of the program takes
// Qt's sound back-end away, also when the program ends without leaving its event loop (as when
// its display goes away): an output closed after that, or still fed, brings the program down
// as it ends.
std::mutex g_openMutex;
std::set<SystemSound*> g_open;
void closeOpenSounds();

class SystemSound : public SoundBackend {
 public:
  SystemSound() {
    if (!systemHasAudioOutput()) return;  // no speaker: silent and instant
    m_output = new SoundOutput(m_now);
    m_output->moveToThread(&m_thread);
    m_thread.start();
    bool opened = false;
    QMetaObject::invokeMethod(
        m_output, [&] { opened = m_output->open(); }, Qt::BlockingQueuedConnection);
    if (opened) m_held = m_output->held();
    m_working = opened;
    // Qt's sound back-end stands once an output has been opened; what is registered after it
    // runs before it goes.
    static std::once_flag registered;
    std::call_once(registered, [] { std::atexit(closeOpenSounds); });
    std::lock_guard<std::mutex> lock(g_openMutex);
    g_open.insert(this);
  }
  ~SystemSound() override {
    {
      std::lock_guard<std::mutex> lock(g_openMutex);
      g_open.erase(this);
    }
    close();
  }
  // Closes the output on its own thread and ends the thread; from here on the sound is silent.
  void close() {
    if (!m_output) return;
    QMetaObject::invokeMethod(
        m_output, [output = m_output] { delete output; }, Qt::BlockingQueuedConnection);
    m_output = nullptr;
    m_working = false;
    m_thread.quit();
    m_thread.wait();
  }
  void playFile(const QString& path, bool wait) override {
    if (!m_output) return;
    QFile f(resolveFile(path));
    if (!f.open(QIODevice::ReadOnly)) return;
    start(f.readAll().toStdString(), wait);
  }
  void playImage(const std::string& image) override {
    if (m_output) start(image, false);
  }
  // Every play of a wave file stops the sound playing first, and then reads its file; a stop
  // is carried out a moment later, so that the play, when it comes, takes the stopped sound's
  // place with no moment of silence between the two.
  void stop() override {
    if (!m_output) return;
    std::lock_guard<std::mutex> lock(m_now.mutex);
    m_now.stopping = true;
    m_now.stopAsked = Clock::now();
    m_now.lastTaken = m_now.play;
  }

 private:
  void start(const std::string& bytes, bool wait) {
    const auto begun = Clock::now();
    auto info = parseWave(bytes);
    if (!info) return;
    std::vector<int16_t> samples = stereoFrames(*info, bytes, kRate);
    const auto length = std::chrono::microseconds(int64_t(samples.size() / 2) * 1000000 / kRate);
    quint64 play = 0;
    {
      std::lock_guard<std::mutex> lock(m_now.mutex);
      m_now.cut();
      m_now.samples = std::move(samples);
      play = m_now.play = m_now.play + 1;
      if (m_now.samples.empty()) m_now.lastTaken = play;
    }
    QMetaObject::invokeMethod(
        m_output,
        [output = m_output, working = &m_working] {
          output->wake();
          *working = output->working();
        },
        Qt::QueuedConnection);
    if (!wait || !m_working) return;
    // Heard to its end: all taken by the output, and then what the server holds played.
    const auto latest = begun + length + kMostAfterSound;
    {
      std::unique_lock<std::mutex> lock(m_now.mutex);
      m_now.allTaken.wait_until(lock, latest - m_held, [&] { return m_now.lastTaken >= play; });
    }
    std::this_thread::sleep_until(std::max(begun + length, std::min(Clock::now() + m_held, latest)));
  }

  QThread m_thread;
  SoundOutput* m_output = nullptr;  // lives on m_thread
  NowPlaying m_now;
  std::chrono::microseconds m_held = kHeld;
  std::atomic<bool> m_working = false;
};

void closeOpenSounds() {
  std::lock_guard<std::mutex> lock(g_openMutex);
  for (SystemSound* sound : g_open) sound->close();
  g_open.clear();
}

}  // namespace

std::unique_ptr<SoundBackend> makeSystemSound() { return std::make_unique<SystemSound>(); }

}  // namespace plat
