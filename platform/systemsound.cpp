#include <pulse/pulseaudio.h>

#include <QFile>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/files.h"
#include "platform/realtime.h"
#include "platform/services.h"
#include "platform/wave.h"

// How a sound reaches the speaker.
//
// A desktop's sound server that nobody has asked for a short delay works up to 2 s ahead of
// its speaker, and an output that is let go loses what the server still holds of it. So the
// program keeps one output stream open from its start to its end, through which every sound
// plays: it asks the server to hold about a tenth of a second between the program and the
// speaker, which pulls the server's delay down once what it had worked ahead has been
// played, and a sound cut by the next is cut where the program cut it, with everything taken
// before heard whole. The stream is fed the sound now playing and then silence; when nothing
// has played for a while it pauses, so the sound device can rest, and keeps its place at the
// server, so the server's delay stays short.
//
// The stream is fed whenever the server asks for more, by the sound library's own thread,
// which asks the system for real-time scheduling (directly where the program may have it,
// else from the desktop's real-time service, as sound clients do, without waiting for its
// answer): on a busy computer a thread of ordinary priority can wake late, and what the
// server holds must last until it does. What it holds is the margin; a tenth of a second
// outlasts the wake-ups of a busy desktop and still lets a sound be heard at once.
//
// A waiting play is timed by its sound and by what the server holds ahead of the speaker as
// the sound is asked for, measured from the server's own timing reports (what the stream has
// written and the server not yet played, then what its device holds), not assumed: a server
// asked for a tenth of a second still plays first whatever it worked ahead at its defaults
// before the stream came, up to 2 s when a recorder or another program had set it going. It
// returns once the stream has taken the sound's last sample and that time has passed, never
// before the sound has been heard to its end, and, where the server holds what it was asked,
// no more than 0.15 s after the sound's length. A server is another program, which may hang:
// a waiting play waits for a stream that no longer takes its sound no longer than the sound
// and what was measured; it waits at most a quarter of a second for a connection being made,
// and a connection that took longer than that is not waited for again; meanwhile a waiting
// play lasts its sound, which plays once the stream is up. With no server at all (none running, one gone, or a
// connection the library gave up on), a waiting play lasts its sound's length all the same, silent.
//
// The stream is the program's own, on the sound library's thread, and nothing of the windows'
// toolkit takes part in it: the program's start does not wait for the server (the connection
// is made on that thread, and a sound asked for before it is up plays as soon as it is), and
// however the program ends, the thread is stopped before anything of the stream is let go.

namespace plat {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr uint32_t kRate = 44100;  // the stream's frames a second, 16-bit stereo
constexpr size_t kFrameBytes = 4;
// What the stream asks the server to hold, from the program's last sample to the speaker.
constexpr auto kHeld = 100ms;
// How much the server lets be played before it asks for more.
constexpr auto kAskEvery = 10ms;
// The silence before the first sound of a stream that joins the server, or that runs again
// after a rest: the server makes room for it by taking back what its device was already given
// (a stretch no longer than what the device holds, half of kHeld), which not every device, nor
// a recording of it, can give up, so no sound starts there.
constexpr auto kQuietOnJoining = 50ms;
// What a waiting play allows beyond what the server holds, for the speaker's own step.
constexpr auto kHeldMargin = 10ms;
// What a waiting play may add to its sound's length, beyond what the server was measured to
// hold: at most 0.15 s, less a little for the windows' thread to wake on a busy computer.
constexpr auto kMostAfterSound = 140ms;
// The most a server is believed to hold ahead of its speaker: a server at its defaults works
// up to 2 s ahead.
constexpr auto kMostAhead = 2500ms;
// How long a stop waits for a play that takes the stopped sound's place.
constexpr auto kStopGrace = 20ms;
// With nothing to play for this long, the stream pauses; it looks every half second.
constexpr auto kRestAfter = 3s;
constexpr pa_usec_t kRestLookEvery = 500 * PA_USEC_PER_MSEC;
// How long a waiting play waits for the stream to come up, before it is timed: a server that
// answers takes a few hundredths of a second, even on a busy computer.
constexpr auto kMostConnecting = 250ms;
// How soon after a lost server the stream is looked for again.
constexpr auto kRetryAfter = 1s;

size_t framesOf(std::chrono::microseconds d) { return size_t(d.count() * kRate / 1000000); }
uint32_t bytesOf(std::chrono::microseconds d) { return uint32_t(framesOf(d) * kFrameBytes); }

// Whether the server's stream is known.
enum class OutputState { Connecting, Ready, Absent };

// The sound now playing, shared by the windows' thread, which starts and stops sounds, and
// the sound library's thread, whose stream takes its samples.
struct NowPlaying {
  std::mutex mutex;
  std::condition_variable changed;  // a play all taken, or the stream's state settled
  StereoSound sound;                // the sound playing
  size_t next = 0;                  // the next frame the stream takes
  uint64_t play = 0;                // the play the samples belong to
  uint64_t lastTaken = 0;           // the last play whose every frame the stream has taken
  Clock::time_point lastSound;      // when the stream last took a frame of a sound
  OutputState output = OutputState::Connecting;
  // Until when a waiting play waits for the connection being made.
  Clock::time_point connectingUntil = Clock::now() + kMostConnecting;

  bool stopping = false;        // a stop the stream has yet to carry out
  Clock::time_point stopAsked;  // when it was asked for

  // Ends the sound playing: nothing of it is taken from here on.
  void cut() {
    next = sound.frames();
    stopping = false;
    lastTaken = play;
    changed.notify_all();
  }

  // Fills `frames` stereo frames for the stream: the sound playing, then silence.
  void take(int16_t* out, size_t frames) {
    std::fill(out, out + 2 * frames, int16_t(0));
    std::lock_guard<std::mutex> lock(mutex);
    if (stopping && Clock::now() - stopAsked >= kStopGrace) cut();  // let go at the next play
    const size_t taken = sound.copy(next, frames, out);
    if (taken == 0) return;
    next += taken;
    lastSound = Clock::now();
    if (next == sound.frames()) {
      lastTaken = play;
      changed.notify_all();
    }
  }

  bool idleFor(Clock::duration d) {
    std::lock_guard<std::mutex> lock(mutex);
    return next == sound.frames() && Clock::now() - lastSound > d;
  }

  // A connection is being made; a waiting play waits for it until `until`.
  void beginConnecting(Clock::time_point until) {
    std::lock_guard<std::mutex> lock(mutex);
    output = OutputState::Connecting;
    connectingUntil = until;
  }

  void settle(OutputState state) {
    std::lock_guard<std::mutex> lock(mutex);
    output = state;
    if (state == OutputState::Ready) lastSound = Clock::now();  // at rest only after a while
    // Nobody waits for a sound that will not be taken.
    if (state == OutputState::Absent) lastTaken = play;
    changed.notify_all();
  }
};

// The stream to the desktop's sound server, on the sound library's own thread. Every function
// of it but the constructor, wake() and the destructor runs on that thread.
class SoundStream {
 public:
  // The system bus's address is read here, on the caller's thread, for the real-time request
  // the sound thread makes: the environment is the windows' thread's to change.
  explicit SoundStream(NowPlaying& now)
      : m_now(now), m_systemBus(systemBusAddress()), m_loop(pa_threaded_mainloop_new()) {
    // Named before it starts, so that the thread takes the name itself: a name given to a
    // running thread from outside it is given to the caller, the program's own thread.
    if (m_loop) pa_threaded_mainloop_set_name(m_loop, "sound");
    if (m_loop && pa_threaded_mainloop_start(m_loop) < 0) {
      pa_threaded_mainloop_free(m_loop);
      m_loop = nullptr;
    }
    if (!m_loop) {
      m_now.settle(OutputState::Absent);
      return;
    }
    pa_threaded_mainloop_lock(m_loop);
    m_api = pa_threaded_mainloop_get_api(m_loop);
    // Connected from the sound thread, so that nothing of it holds up the caller. The thread
    // asks for real time first; where that takes the desktop's service, the question goes on
    // without the thread, which connects at once.
    pa_mainloop_api_once(
        m_api,
        [](pa_mainloop_api*, void* self) {
          auto* stream = static_cast<SoundStream*>(self);
          makeThisThreadRealtime(stream->m_systemBus);
          stream->connect();
        },
        this);
    pa_threaded_mainloop_unlock(m_loop);
  }
  ~SoundStream() {
    if (!m_loop) return;
    // The thread ends first: from here on nothing of the stream runs, whatever else of the
    // program is being taken down, and what is left is let go in the order the library
    // expects.
    pa_threaded_mainloop_stop(m_loop);
    dropConnection();
    pa_threaded_mainloop_free(m_loop);
  }
  SoundStream(const SoundStream&) = delete;
  SoundStream& operator=(const SoundStream&) = delete;

  // What the server holds ahead of the speaker now, from the last sample the stream wrote,
  // with the silence the stream still owes before the next sound: as the server's timing
  // reports measure it, for no server works ahead as little as it is asked at once (one that
  // worked ahead at its defaults before the stream came plays that first). None while the
  // stream is not up or the server has not reported.
  std::optional<Clock::duration> heldAhead() {
    if (!m_loop) return std::nullopt;
    std::optional<Clock::duration> held;
    pa_threaded_mainloop_lock(m_loop);
    const pa_timing_info* timing =
        m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY ? pa_stream_get_timing_info(m_stream) : nullptr;
    pa_usec_t ahead = 0;
    int negative = 0;
    if (timing && timing->playing) {
      // Playing: the server's last report, carried on by the time since.
      if (pa_stream_get_latency(m_stream, &ahead, &negative) != 0) timing = nullptr;
      if (negative) ahead = 0;
    } else if (timing && !timing->write_index_corrupt && !timing->read_index_corrupt) {
      // Not yet playing (a server still playing what it worked ahead before the stream came):
      // all the stream has written, after what the server's device held at its last report
      // less the time since.
      const int64_t written = std::max<int64_t>(timing->write_index - timing->read_index, 0);
      const pa_usec_t since = pa_timeval_age(&timing->timestamp);
      ahead = (timing->sink_usec > since ? timing->sink_usec - since : 0) +
              pa_usec_t(written / int64_t(kFrameBytes) * 1000000 / kRate);
    } else {
      timing = nullptr;
    }
    if (timing) {
      held = std::min<Clock::duration>(std::chrono::microseconds(int64_t(ahead)), kMostAhead) +
             std::chrono::microseconds(int64_t(m_quietFrames) * 1000000 / kRate);
    }
    pa_threaded_mainloop_unlock(m_loop);
    return held;
  }

  // A sound is about to play: a resting stream runs again, and a lost server is looked for
  // again.
  void wake() {
    if (!m_loop) return;
    pa_threaded_mainloop_lock(m_loop);
    if (m_stream && m_resting && pa_stream_get_state(m_stream) == PA_STREAM_READY) {
      // Without the silence it held, so the sound comes as soon as after a join.
      done(pa_stream_flush(m_stream, nullptr, nullptr));
      done(pa_stream_cork(m_stream, 0, nullptr, nullptr));
      m_quietFrames = framesOf(kQuietOnJoining);
      m_resting = false;
    } else if (m_lost && Clock::now() - m_lostAt >= kRetryAfter) {
      connect();
    }
    pa_threaded_mainloop_unlock(m_loop);
  }

 private:
  static void done(pa_operation* operation) {
    if (operation) pa_operation_unref(operation);
  }

  void connect() {
    dropConnection();
    m_lost = false;
    m_streamUp = false;
    m_connectingSince = Clock::now();
    // A server that left the last connection hanging is not waited for again until it answers.
    m_now.beginConnecting(m_hung ? m_connectingSince : m_connectingSince + kMostConnecting);
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Vantrel");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    m_context = pa_context_new_with_proplist(m_api, "Vantrel", properties);
    pa_proplist_free(properties);
    if (!m_context) return lose();
    pa_context_set_state_callback(
        m_context, [](pa_context*, void* self) { static_cast<SoundStream*>(self)->contextChanged(); }, this);
    // Only a server that runs: the program never starts one of its own.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) lose();
  }

  void contextChanged() {
    switch (pa_context_get_state(m_context)) {
      case PA_CONTEXT_READY: openStream(); break;
      case PA_CONTEXT_FAILED:
      case PA_CONTEXT_TERMINATED: lose(); break;
      default: break;
    }
  }

  void openStream() {
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, kRate, 2};
    m_stream = pa_stream_new(m_context, "Sounds", &sampleFormat, nullptr);
    if (!m_stream) return lose();
    m_quietFrames = framesOf(kQuietOnJoining);
    pa_stream_set_state_callback(
        m_stream, [](pa_stream*, void* self) { static_cast<SoundStream*>(self)->streamChanged(); }, this);
    pa_stream_set_write_callback(
        m_stream, [](pa_stream*, size_t bytes, void* self) { static_cast<SoundStream*>(self)->feed(bytes); }, this);
    // What the server holds, from the stream's last sample to the speaker, counting the
    // device's own delay, which the server sets to fit.
    pa_buffer_attr attributes{};
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = bytesOf(kHeld);
    attributes.prebuf = uint32_t(-1);
    attributes.minreq = bytesOf(kAskEvery);
    attributes.fragsize = uint32_t(-1);
    // The server's timing reports come on their own, for heldAhead().
    const auto flags =
        pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    if (pa_stream_connect_playback(m_stream, nullptr, &attributes, flags, nullptr, nullptr) < 0) lose();
  }

  void streamChanged() {
    switch (pa_stream_get_state(m_stream)) {
      case PA_STREAM_READY:
        m_resting = false;
        m_streamUp = true;
        m_hung = false;
        lookToRestLater();
        m_now.settle(OutputState::Ready);
        break;
      case PA_STREAM_FAILED:
      case PA_STREAM_TERMINATED: lose(); break;
      default: break;
    }
  }

  // The server asks for `bytes` more: the silence owed after a join, then the sound playing,
  // then silence.
  void feed(size_t bytes) {
    while (bytes >= kFrameBytes) {
      void* data = nullptr;
      size_t size = bytes;
      if (pa_stream_begin_write(m_stream, &data, &size) < 0) return;
      size -= size % kFrameBytes;
      if (!data || size == 0) {
        // A write begun is written or given back: the library keeps its buffer until then.
        pa_stream_cancel_write(m_stream);
        return;
      }
      auto* out = static_cast<int16_t*>(data);
      const size_t frames = size / kFrameBytes, quiet = std::min(frames, m_quietFrames);
      std::fill_n(out, 2 * quiet, int16_t(0));
      m_quietFrames -= quiet;
      if (frames > quiet) m_now.take(out + 2 * quiet, frames - quiet);
      if (pa_stream_write(m_stream, data, size, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        pa_stream_cancel_write(m_stream);
        return;
      }
      bytes -= std::min(bytes, size);
    }
  }

  void lookToRestLater() {
    const pa_usec_t at = pa_rtclock_now() + kRestLookEvery;
    if (m_restLook) {
      pa_context_rttime_restart(m_context, m_restLook, at);
      return;
    }
    m_restLook = pa_context_rttime_new(
        m_context, at,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
          static_cast<SoundStream*>(self)->restWhenIdle();
        },
        this);
  }

  void restWhenIdle() {
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY) return;
    if (!m_resting && m_now.idleFor(kRestAfter)) {
      done(pa_stream_cork(m_stream, 1, nullptr, nullptr));
      m_resting = true;
    }
    lookToRestLater();
  }

  // The server went away or could not be reached: silent until a play looks for it again.
  void lose() {
    if (!m_streamUp) m_hung = m_hung || Clock::now() - m_connectingSince >= kMostConnecting;
    m_lost = true;
    m_lostAt = Clock::now();
    m_now.settle(OutputState::Absent);
  }

  void dropConnection() {
    if (m_restLook) {
      m_api->time_free(m_restLook);
      m_restLook = nullptr;
    }
    if (m_stream) {
      pa_stream_set_state_callback(m_stream, nullptr, nullptr);
      pa_stream_set_write_callback(m_stream, nullptr, nullptr);
      pa_stream_disconnect(m_stream);
      pa_stream_unref(m_stream);
      m_stream = nullptr;
    }
    if (m_context) {
      pa_context_set_state_callback(m_context, nullptr, nullptr);
      pa_context_disconnect(m_context);
      pa_context_unref(m_context);
      m_context = nullptr;
    }
  }

  NowPlaying& m_now;
  const std::string m_systemBus;
  pa_threaded_mainloop* m_loop;
  pa_mainloop_api* m_api = nullptr;
  pa_context* m_context = nullptr;
  pa_stream* m_stream = nullptr;
  pa_time_event* m_restLook = nullptr;
  bool m_resting = false;
  size_t m_quietFrames = 0;  // silence owed before the next sound, after a join
  bool m_lost = false;
  Clock::time_point m_lostAt;
  Clock::time_point m_connectingSince;
  bool m_streamUp = false;  // the connection being made, or last made, brought a stream up
  // The last connection hung: the server took longer to answer than a waiting play waits.
  bool m_hung = false;
};

class SystemSound : public SoundBackend {
 public:
  SystemSound() : m_stream(std::make_unique<SoundStream>(m_now)) {}

  void playFile(const QString& path, bool wait) override {
    QFile f(resolveFile(path));
    if (!f.open(QIODevice::ReadOnly)) return;
    start(f.readAll().toStdString(), wait);
  }
  void playImage(const std::string& image) override { start(image, false); }
  // Every play of a wave file stops the sound playing first, and then reads its file; a stop
  // is carried out a moment later, so that the play, when it comes, takes the stopped sound's
  // place with no moment of silence between the two.
  void stop() override {
    std::lock_guard<std::mutex> lock(m_now.mutex);
    m_now.stopping = true;
    m_now.stopAsked = Clock::now();
    m_now.lastTaken = m_now.play;
  }

 private:
  void start(std::string image, bool wait) {
    if (!parseWave(image)) return;
    const auto asked = Clock::now();
    StereoSound sound(std::move(image), kRate);
    const auto length = std::chrono::microseconds(int64_t(sound.frames()) * 1000000 / kRate);
    uint64_t play = 0;
    {
      std::lock_guard<std::mutex> lock(m_now.mutex);
      m_now.cut();
      // The sound cut is let go after the lock, not while the stream waits for it.
      std::swap(m_now.sound, sound);
      m_now.next = 0;
      play = m_now.play = m_now.play + 1;
      if (m_now.sound.frames() == 0) m_now.lastTaken = play;
    }
    m_stream->wake();
    if (!wait) return;
    std::unique_lock<std::mutex> lock(m_now.mutex);
    // A sound asked for as the stream is being connected waits a moment for it, and is then
    // timed; the sound plays once the stream is up, however long that takes.
    m_now.changed.wait_until(lock, m_now.connectingUntil, [&] { return m_now.output != OutputState::Connecting; });
    if (m_now.output == OutputState::Absent) return lastsItsLength(lock, asked + length);
    const auto begun = Clock::now();
    // Heard to its end: what the server held ahead of the speaker as the sound was asked for,
    // as the server's own timing reports measure it, then the sound itself.
    lock.unlock();
    const auto ahead = m_stream->heldAhead();
    lock.lock();
    const auto heardBy = begun + length + (ahead ? *ahead : kHeld) + kHeldMargin;
    const bool taken = m_now.changed.wait_until(
        lock, heardBy, [&] { return m_now.lastTaken >= play || m_now.output == OutputState::Absent; });
    // A server gone while the sound played: the window waits out the rest of its length.
    if (m_now.output == OutputState::Absent) return lastsItsLength(lock, asked + length);
    // A stream not up, or not taking the sound, in its time (a server hung, or slow to answer):
    // the window has waited the sound's length and goes on.
    if (!taken) return;
    // All taken: what the stream wrote last is heard after what the server holds, which on a
    // busy computer may be later than measured.
    lock.unlock();
    const auto latest = std::max(heardBy, begun + length + kMostAfterSound);
    std::this_thread::sleep_until(std::max(heardBy, std::min(Clock::now() + kHeld + kHeldMargin, latest)));
  }

  // Without a server a sound is silent, and a waiting play lasts its length all the same, as
  // it does with a speaker: what a window shows while its sound plays is seen by everyone, and
  // every window keeps the same pace with sound or without.
  static void lastsItsLength(std::unique_lock<std::mutex>& lock, Clock::time_point end) {
    lock.unlock();
    std::this_thread::sleep_until(end);
  }

  NowPlaying m_now;
  std::unique_ptr<SoundStream> m_stream;  // after m_now, so it ends first
};

}  // namespace

std::unique_ptr<SoundBackend> makeSystemSound() { return std::make_unique<SystemSound>(); }

}  // namespace plat
