#include "platform/services.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <chrono>
#include <thread>

#include "platform/files.h"
#include "platform/helpviewer.h"
#include "platform/wave.h"

namespace plat {

// ---------------------------------------------------------------- message boxes

int ScriptedMessageBoxes::show(const QString& text, int style, const QString& title) {
  int answer;
  if (!m_script.empty()) {
    answer = m_script.front();
    m_script.erase(m_script.begin());
  } else {
    static const int first[] = {Msg::Ok, Msg::Ok, Msg::Abort, Msg::Yes, Msg::Yes, Msg::Retry};
    static const int second[] = {Msg::Ok, Msg::Cancel, Msg::Retry, Msg::No, Msg::No, Msg::Cancel};
    int buttons = style & 7;
    if (buttons > 5) buttons = 0;
    answer = (style & Msg::DefaultButton2) ? second[buttons] : first[buttons];
  }
  calls.push_back({text, style, title, answer});
  return answer;
}

namespace {

class QtMessageBoxes : public MessageBoxBackend {
 public:
  int show(const QString& text, int style, const QString& title) override {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (style & 0x70) {
      case Msg::Critical: box.setIcon(QMessageBox::Critical); break;
      case Msg::Question: box.setIcon(QMessageBox::Question); break;
      case Msg::Exclamation: box.setIcon(QMessageBox::Warning); break;
      case Msg::Information: box.setIcon(QMessageBox::Information); break;
      default: break;
    }
    struct B { QString caption; int answer; };
    std::vector<B> buttons;
    switch (style & 7) {
      case Msg::OkCancel: buttons = {{"OK", Msg::Ok}, {"Cancel", Msg::Cancel}}; break;
      case Msg::AbortRetryIgnore:
        buttons = {{"&Abort", Msg::Abort}, {"&Retry", Msg::Retry}, {"&Ignore", Msg::Ignore}};
        break;
      case Msg::YesNoCancel: buttons = {{"&Yes", Msg::Yes}, {"&No", Msg::No}, {"Cancel", Msg::Cancel}}; break;
      case Msg::YesNo: buttons = {{"&Yes", Msg::Yes}, {"&No", Msg::No}}; break;
      case Msg::RetryCancel: buttons = {{"&Retry", Msg::Retry}, {"Cancel", Msg::Cancel}}; break;
      default: buttons = {{"OK", Msg::Ok}}; break;
    }
    std::vector<QPushButton*> made;
    for (const auto& b : buttons) {
      QMessageBox::ButtonRole role = b.answer == Msg::Cancel || b.answer == Msg::No
                                         ? QMessageBox::RejectRole
                                         : QMessageBox::AcceptRole;
      made.push_back(box.addButton(b.caption, role));
    }
    size_t def = (style & Msg::DefaultButton3) ? 2 : (style & Msg::DefaultButton2) ? 1 : 0;
    if (def >= made.size()) def = 0;
    box.setDefaultButton(made[def]);
    // Escape answers with Cancel when there is one, else with the only or last button.
    box.setEscapeButton(made.back());
    box.exec();
    for (size_t i = 0; i < made.size(); ++i)
      if (box.clickedButton() == made[i]) return buttons[i].answer;
    return buttons.back().answer;
  }
};

// ---------------------------------------------------------------- sound

// Plays on a thread of its own, so that a waiting play can block the windows' thread
// without handling events while the sound still reaches the speaker.
class SoundWorker : public QObject {
 public:
  void play(const QString& path) {
    if (!m_effect) m_effect = new QSoundEffect(this);
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(path));
    m_effect->play();
  }
  void stop() {
    if (m_effect) m_effect->stop();
  }
 private:
  QSoundEffect* m_effect = nullptr;
};

class QtSound : public SoundBackend {
 public:
  QtSound() {
    m_hasDevice = !QMediaDevices::audioOutputs().isEmpty();
    if (!m_hasDevice) return;
    m_worker = new SoundWorker;
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
  }
  ~QtSound() override {
    if (m_hasDevice) {
      m_thread.quit();
      m_thread.wait();
    }
  }
  void playFile(const QString& path, bool wait) override {
    if (!m_hasDevice) return;  // no speaker: silent and instant
    QFile f(resolveFile(path));
    if (!f.open(QIODevice::ReadOnly)) return;
    std::string bytes = f.readAll().toStdString();
    start(bytes, wait);
  }
  void playImage(const std::string& image) override {
    if (!m_hasDevice) return;
    start(image, false);
  }
  void stop() override {
    if (!m_hasDevice) return;
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->stop(); }, Qt::QueuedConnection);
  }

 private:
  void start(const std::string& bytes, bool wait) {
    std::string wave = normalisedWave(bytes);
    auto info = parseWave(wave);
    if (!info) return;
    // Each play gets a fresh file of its own: the worker may still be reading the last one.
    QString path = m_dir.filePath(QString("sound%1.wav").arg(m_next++ % 8));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    out.write(wave.data(), qint64(wave.size()));
    out.close();
    QMetaObject::invokeMethod(m_worker, [w = m_worker, path] { w->play(path); }, Qt::QueuedConnection);
    if (wait)
      std::this_thread::sleep_for(std::chrono::microseconds(int64_t(info->seconds() * 1e6)));
  }

  bool m_hasDevice = false;
  QThread m_thread;
  SoundWorker* m_worker = nullptr;
  QTemporaryDir m_dir;
  unsigned m_next = 0;
};

// ---------------------------------------------------------------- help

class QtHelp : public HelpBackend {
 public:
  void showContents(const QString& helpFile) override { viewer().open(helpFile, 0); }
  void showTopic(const QString& helpFile, int topic) override { viewer().open(helpFile, topic); }
 private:
  HelpViewer& viewer() {
    if (!m_viewer) m_viewer = new HelpViewer;
    return *m_viewer;
  }
  QPointer<HelpViewer> m_viewer;
};

std::unique_ptr<MessageBoxBackend> g_boxes;
std::unique_ptr<SoundBackend> g_sound;
std::unique_ptr<HelpBackend> g_help;

}  // namespace

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

void SoundBackend::beep() { QApplication::beep(); }

int RecordingSound::countPlays(const QString& fileNameEnd) const {
  int n = 0;
  for (const auto& c : calls)
    if (c.kind == SoundCall::File && c.path.endsWith(fileNameEnd, Qt::CaseInsensitive)) ++n;
  return n;
}

int MsgBox(const QString& text, int style, const QString& title) {
  return messageBoxes().show(text, style, title.isEmpty() ? QStringLiteral("Vantrel") : title);
}

MessageBoxBackend& messageBoxes() {
  if (!g_boxes) g_boxes = std::make_unique<QtMessageBoxes>();
  return *g_boxes;
}
SoundBackend& sound() {
  if (!g_sound) g_sound = std::make_unique<QtSound>();
  return *g_sound;
}
HelpBackend& help() {
  if (!g_help) g_help = std::make_unique<QtHelp>();
  return *g_help;
}
void setMessageBoxBackend(std::unique_ptr<MessageBoxBackend> b) { g_boxes = std::move(b); }
void setSoundBackend(std::unique_ptr<SoundBackend> b) { g_sound = std::move(b); }
void setHelpBackend(std::unique_ptr<HelpBackend> b) { g_help = std::move(b); }

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
