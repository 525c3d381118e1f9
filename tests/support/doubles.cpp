#include "tests/support/doubles.h"

namespace plat {

int ScriptedMessageBoxes::show(const QString& text, int style, const QString& title) {
  int answer;
  if (!m_script.empty()) {
    answer = m_script.front();
    m_script.erase(m_script.begin());
  } else {
    static const int first[] = {msg::Ok, msg::Ok, msg::Abort, msg::Yes, msg::Yes, msg::Retry};
    static const int second[] = {msg::Ok, msg::Cancel, msg::Retry, msg::No, msg::No, msg::Cancel};
    int buttons = style & 7;
    if (buttons > 5) buttons = 0;
    answer = (style & msg::DefaultButton2) ? second[buttons] : first[buttons];
  }
  calls.push_back({text, style, title, answer});
  return answer;
}

void RecordingSound::playFile(const QString& path, bool wait) {
  calls.push_back({SoundCall::File, path, wait, 0});
  if (wait && onWaitingPlay) onWaitingPlay(path);
}
void RecordingSound::playImage(const std::string& image) {
  calls.push_back({SoundCall::Image, QString(), false, image.size()});
}
void RecordingSound::stop() { calls.push_back({SoundCall::Stop, QString(), false, 0}); }
void RecordingSound::beep() { calls.push_back({SoundCall::Beep, QString(), false, 0}); }

int RecordingSound::countBeeps() const {
  int n = 0;
  for (const auto& c : calls) n += c.kind == SoundCall::Beep;
  return n;
}

int RecordingSound::countPlays(const QString& fileNameEnd) const {
  int n = 0;
  for (const auto& c : calls)
    if (c.kind == SoundCall::File && c.path.endsWith(fileNameEnd, Qt::CaseInsensitive)) ++n;
  return n;
}

TestServices installTestServices() {
  auto boxes = std::make_unique<ScriptedMessageBoxes>();
  auto snd = std::make_unique<RecordingSound>();
  auto hlp = std::make_unique<RecordingHelp>();
  TestServices t{boxes.get(), snd.get(), hlp.get()};
  setMessageBoxBackend(std::move(boxes));
  setSoundBackend(std::move(snd));
  setHelpBackend(std::move(hlp));
  return t;
}

}  // namespace plat
