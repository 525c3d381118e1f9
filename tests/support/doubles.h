#pragma once
// The stand-ins tests install for the desktop's services, the printer and a window's
// surface: message boxes answered from a script, sound and help that only record what was
// asked, a printer that keeps every page, a surface that keeps every drawing operation.
// The program never links them.

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/surface.h"
#include "tests/support/recordingprinter.h"

namespace plat {

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

// A surface that keeps the operations drawn on it, besides the picture.
class RecordingSurface : public ImageSurface {
 public:
  RecordingSurface(int width, int height, rt::Colour back = 0xFFFFFF) : ImageSurface(width, height, back) {
    setRecording(true);
  }
};

// Installs the three test back-ends and returns them (tests keep the pointers).
struct TestServices {
  ScriptedMessageBoxes* boxes;
  RecordingSound* sound;
  RecordingHelp* help;
};
TestServices installTestServices();

}  // namespace plat
