#pragma once
// The system's sound with a log: every call is passed on to the real back-end, and the log
// keeps what was asked, when the call began and when it returned, in seconds of the steady
// clock. Checks set the log beside the recording.

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"
#include "tests/sound/soundserver.h"
#include "tests/support/doubles.h"

namespace soundcheck {

struct TimedCall {
  plat::SoundCall::Kind kind;
  QString path;
  bool wait = false;
  double began = 0, returned = 0;
};

class TimedSound : public plat::SoundBackend {
 public:
  explicit TimedSound(std::unique_ptr<plat::SoundBackend> real) : m_real(std::move(real)) {}
  void playFile(const QString& path, bool wait) override {
    TimedCall c{plat::SoundCall::File, path, wait, steadySeconds()};
    if (onPlay) onPlay(c);
    m_real->playFile(path, wait);
    c.returned = steadySeconds();
    calls.push_back(c);
  }
  void playImage(const std::string& image) override {
    TimedCall c{plat::SoundCall::Image, QString(), false, steadySeconds()};
    if (onPlay) onPlay(c);
    m_real->playImage(image);
    c.returned = steadySeconds();
    calls.push_back(c);
  }
  void stop() override {
    TimedCall c{plat::SoundCall::Stop, QString(), false, steadySeconds()};
    m_real->stop();
    c.returned = steadySeconds();
    calls.push_back(c);
  }
  void beep() override {
    TimedCall c{plat::SoundCall::Beep, QString(), false, steadySeconds()};
    m_real->beep();
    c.returned = steadySeconds();
    calls.push_back(c);
  }
  // The plays only (files and images), in order.
  std::vector<TimedCall> plays() const {
    std::vector<TimedCall> out;
    for (const auto& c : calls)
      if (c.kind == plat::SoundCall::File || c.kind == plat::SoundCall::Image) out.push_back(c);
    return out;
  }
  std::vector<TimedCall> calls;
  // Runs as each play begins, before the sound starts: a check notes the window's state.
  std::function<void(const TimedCall&)> onPlay;

 private:
  std::unique_ptr<plat::SoundBackend> m_real;
};

}  // namespace soundcheck
