#pragma once
// Services the windows call that talk to the desktop: message boxes, sound and help.
// Each sits behind a small interface with a real back-end (tests install their own);
// the windows reach them through the functions at the bottom of this file.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {

// Buttons, icon and default button of a message box, combined with |.
namespace msg {
enum : int {
  OkOnly = 0,
  OkCancel = 1,
  AbortRetryIgnore = 2,
  YesNoCancel = 3,
  YesNo = 4,
  RetryCancel = 5,
  Critical = 16,
  Question = 32,
  Exclamation = 48,
  Information = 64,
  DefaultButton1 = 0,
  DefaultButton2 = 256,
  DefaultButton3 = 512,
};
// The answer: which button was pressed.
enum Answer : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}  // namespace msg

class MessageBoxBackend {
 public:
  virtual ~MessageBoxBackend() = default;
  virtual int show(const QString& text, int style, const QString& title) = 0;
};

// Shows the box and returns the pressed button (msg::Answer). An empty title gives the
// program's name, as a box shown without a title does.
int messageBox(const QString& text, int style = msg::OkOnly, const QString& title = QString());

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

class HelpBackend {
 public:
  virtual ~HelpBackend() = default;
  virtual void showContents(const QString& helpFile) = 0;
  virtual void showTopic(const QString& helpFile, int topic) = 0;
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

}  // namespace plat
