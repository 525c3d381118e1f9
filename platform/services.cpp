#include "platform/services.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/files.h"
#include "platform/helpviewer.h"
#include "platform/wave.h"

namespace plat {

// ---------------------------------------------------------------- message boxes

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
    struct B {
      QString caption;
      int answer;
    };
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
      QMessageBox::ButtonRole role =
          b.answer == Msg::Cancel || b.answer == Msg::No ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
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

bool systemHasAudioOutput() {
  g_passOn = qInstallMessageHandler(holdBackServerReports);
  const bool any = !QMediaDevices::audioOutputs().isEmpty();
  qInstallMessageHandler(g_passOn);
  g_passOn = nullptr;
  return any;
}

// An output that is let go drops what it still holds, and when the last samples have been
// handed over it still holds the end of the sound. So each sound is followed by silence as
// long as what the output holds, and a little more: the silence is what is dropped, and the
// sound is heard to its end before its play counts as ended.
constexpr int kSilenceMarginMs = 30;

// Plays on a thread of its own, one sound at a time, so that a waiting play can block the
// windows' thread without handling events while the sound still reaches the speaker. Each
// play has a number; when a play ends (played out, replaced or stopped) its number is
// reported.
class SoundWorker : public QObject {
 public:
  explicit SoundWorker(std::function<void(quint64)> ended) : m_ended(std::move(ended)) {}
  ~SoundWorker() override { stop(); }

  void play(quint64 id, const QAudioDevice& device, const QAudioFormat& format, const QByteArray& samples) {
    stop();
    m_id = id;
    m_output = new QAudioSink(device, format, this);
    m_source = new QBuffer(m_output);
    m_source->setData(samples);
    m_source->open(QIODevice::ReadOnly);
    connect(m_output, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      // Idle also means a late feed; only a source read to its end has played out.
      if (state == QAudio::StoppedState || (state == QAudio::IdleState && m_source->atEnd())) stop();
    });
    m_output->start(m_source);
    if (!m_output) return;
    if (m_output->error() != QAudio::NoError || m_output->state() == QAudio::StoppedState) {
      stop();
      return;
    }
    const qint64 held = m_output->bufferSize() + format.bytesForDuration(kSilenceMarginMs * 1000);
    const char silence = format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    m_source->buffer().append(QByteArray(held - held % format.bytesPerFrame(), silence));
  }

  void stop() {
    if (!m_output) return;
    QAudioSink* output = m_output;
    m_output = nullptr;
    m_source = nullptr;
    output->disconnect(this);
    output->stop();
    output->deleteLater();
    m_ended(m_id);
  }

 private:
  std::function<void(quint64)> m_ended;
  QAudioSink* m_output = nullptr;
  QBuffer* m_source = nullptr;  // owned by the output
  quint64 m_id = 0;
};

class QtSound : public SoundBackend {
 public:
  QtSound() {
    m_hasDevice = systemHasAudioOutput();
    if (!m_hasDevice) return;
    m_worker = new SoundWorker([this](quint64 id) {
      {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (id > m_lastEnded) m_lastEnded = id;
      }
      m_ended.notify_all();
    });
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
    start(f.readAll().toStdString(), wait);
  }
  void playImage(const std::string& image) override {
    if (!m_hasDevice) return;
    start(image, false);
  }
  void stop() override {
    if (!m_hasDevice) return;
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->stop(); }, Qt::QueuedConnection);
  }

 private:
  void start(const std::string& bytes, bool wait) {
    const auto begun = std::chrono::steady_clock::now();
    auto info = parseWave(bytes);
    if (!info) return;
    QAudioFormat format;
    format.setSampleRate(int(info->sampleRate));
    format.setChannelCount(info->channels);
    format.setSampleFormat(info->bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    QByteArray samples(bytes.data() + info->dataOffset, qsizetype(info->dataBytes));
    const quint64 id = ++m_lastStarted;
    QMetaObject::invokeMethod(
        m_worker,
        [w = m_worker, id, device = QMediaDevices::defaultAudioOutput(), format, samples] {
          w->play(id, device, format, samples);
        },
        Qt::QueuedConnection);
    if (!wait) return;
    // The call returns when the sound has been heard to its end: never before its length has
    // passed, and never much later, should the output stop reporting.
    const auto length = std::chrono::microseconds(int64_t(info->seconds() * 1e6));
    {
      std::unique_lock<std::mutex> lock(m_mutex);
      m_ended.wait_until(lock, begun + length + std::chrono::seconds(2), [&] { return m_lastEnded >= id; });
    }
    std::this_thread::sleep_until(begun + length);
  }

  bool m_hasDevice = false;
  QThread m_thread;
  SoundWorker* m_worker = nullptr;
  quint64 m_lastStarted = 0;
  std::mutex m_mutex;
  std::condition_variable m_ended;
  quint64 m_lastEnded = 0;  // guarded by m_mutex
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

void SoundBackend::beep() { QApplication::beep(); }

int MsgBox(const QString& text, int style, const QString& title) {
  return messageBoxes().show(text, style, title.isEmpty() ? QStringLiteral("Vantrel") : title);
}

MessageBoxBackend& messageBoxes() {
  if (!g_boxes) g_boxes = std::make_unique<QtMessageBoxes>();
  return *g_boxes;
}
std::unique_ptr<SoundBackend> makeSystemSound() { return std::make_unique<QtSound>(); }

SoundBackend& sound() {
  if (!g_sound) g_sound = makeSystemSound();
  return *g_sound;
}
HelpBackend& help() {
  if (!g_help) g_help = std::make_unique<QtHelp>();
  return *g_help;
}
void setMessageBoxBackend(std::unique_ptr<MessageBoxBackend> b) { g_boxes = std::move(b); }
void setSoundBackend(std::unique_ptr<SoundBackend> b) { g_sound = std::move(b); }
void setHelpBackend(std::unique_ptr<HelpBackend> b) { g_help = std::move(b); }

}  // namespace plat
