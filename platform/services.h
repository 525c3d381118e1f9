#pragma once
// Services the windows call that talk to the desktop: message boxes, sound and help.
// Each sits behind a small interface with a real back-end and a back-end for tests;
// the windows reach them through the functions at the bottom of this file.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {

// Buttons, icon and default button of a message box, combined with |.
namespace Msg {
enum : int {
  OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5,
  Critical = 16, Question = 32, Exclamation = 48, Information = 64,
  DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512,
};
// The answer: which button was pressed.
enum Answer : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}  // namespace Msg

class MessageBoxBackend {
 public:
  virtual ~MessageBoxBackend() = default;
  virtual int show(const QString& text, int style, const QString& title) = 0;
};

// Shows the box and returns the pressed button (Msg::Answer). An empty title gives the
// program's name, as a box shown without a title does.
int MsgBox(const QString& text, int style = Msg::OkOnly, const QString& title = QString());

// A message box as a test sees it: what was asked and which answer it received.
struct MessageBoxCall {
  QString text;
  int style;
  QString title;
  int answer;
};

// Test back-end: answers from a script (in order; when the script runs dry the default
// button is pressed) and keeps every call.
class ScriptedMessageBoxes : public MessageBoxBackend {
 public:
  void answer(int a) { m_script.push_back(a); }
  int show(const QString& text, int style, const QString& title) override;
  std::vector<MessageBoxCall> calls;
 private:
  std::vector<int> m_script;
};

class SoundBackend {
 public:
  virtual ~SoundBackend() = default;
  // Plays a wave file; with wait the call returns only when the sound has ended, without
  // handling any window event meanwhile.
  virtual void playFile(const QString& path, bool wait) = 0;
  // Plays a whole wave file held in memory and returns at once.
  virtual void playImage(const std::string& image) = 0;
  virtual void stop() = 0;
  // The system's short warning beep; returns at once.
  virtual void beep();
};

struct SoundCall {
  enum Kind { File, Image, Stop, Beep } kind;
  QString path;  // File: the path as asked
  bool wait = false;
  size_t imageBytes = 0;
};

// Test back-end: silent, instant, keeps every call. An optional hook runs inside each
// waiting play, so a test can advance a scripted clock by the length of the sound.
class RecordingSound : public SoundBackend {
 public:
  void playFile(const QString& path, bool wait) override;
  void playImage(const std::string& image) override;
  void stop() override;
  void beep() override;
  std::vector<SoundCall> calls;
  std::function<void(const QString&)> onWaitingPlay;
  int countPlays(const QString& fileNameEnd) const;
  int countBeeps() const;
};

class HelpBackend {
 public:
  virtual ~HelpBackend() = default;
  virtual void showContents(const QString& helpFile) = 0;
  virtual void showTopic(const QString& helpFile, int topic) = 0;
};

struct HelpCall {
  QString file;
  int topic;  // 0 for the contents page
};

class RecordingHelp : public HelpBackend {
 public:
  void showContents(const QString& helpFile) override { calls.push_back({helpFile, 0}); }
  void showTopic(const QString& helpFile, int topic) override { calls.push_back({helpFile, topic}); }
  std::vector<HelpCall> calls;
};

// The system's sound: plays through the desktop's sound server. With no audio output it is
// silent and instant, and says nothing on standard error.
std::unique_ptr<SoundBackend> makeSystemSound();

// The back-ends in use. Until one is set, the real one is made on first use.
MessageBoxBackend& messageBoxes();
SoundBackend& sound();
HelpBackend& help();
void setMessageBoxBackend(std::unique_ptr<MessageBoxBackend> b);
void setSoundBackend(std::unique_ptr<SoundBackend> b);
void setHelpBackend(std::unique_ptr<HelpBackend> b);

// Installs the three test back-ends and returns them (tests keep the pointers).
struct TestServices {
  ScriptedMessageBoxes* boxes;
  RecordingSound* sound;
  RecordingHelp* help;
};
TestServices installTestServices();

}  // namespace plat
