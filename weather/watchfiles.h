#pragma once
// The weather window's log and its file commands without the window: the unsaved-data flag
// and its questions, the current file's name and the caption that shows it, Open, Save and
// New. Questions and messages go through WatchPrompts, so tests can answer them.

#include <string>
#include <vector>

#include "weather/weatherlog.h"

namespace weather {

class WatchPrompts {
 public:
  virtual ~WatchPrompts() = default;
  // A Yes/No question with the question-mark icon, No the default; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
  // A message with only an OK button and the information icon.
  virtual void showMessage(const std::string& text, const std::string& title) = 0;
};

// The command whose unsaved-data question is asked.
enum class Discard { Open, New, Exit };

// What the file frame's OK does.
enum class FrameCommand { Open, Save };

class WatchFiles {
 public:
  explicit WatchFiles(WatchPrompts& prompts) : m_prompts(prompts) {}

  const WeatherTable& log() const { return m_log; }
  // Whether the log is as its file holds it: nothing would be lost without a question.
  bool saved() const { return m_saved; }
  const std::string& fileName() const { return m_fileName; }
  FrameCommand frameCommand() const { return m_frameCommand; }
  void setFrameCommand(FrameCommand command) { m_frameCommand = command; }

  std::string caption() const { return "Weather Watch, Current File: " + m_fileName; }

  // The window's load step: an empty log named NEW, nothing unsaved.
  void reset();
  // Asks whether unsaved data may be lost, when there is any; true to go on.
  bool confirmDiscard(Discard command);
  // An edit of the log (the edit box changed).
  void setEntry(int row, int col, const std::string& text);
  // The edit box's text kept in the cell it leaves; the unsaved flag stays as it is, the
  // change having been counted when the box changed.
  void keepEntry(int row, int col, const std::string& text);
  // The log counts as saved: it is as its file holds it, or freshly emptied.
  void markSaved() { m_saved = true; }

  // Opens `typed` (+ ".wwd") in the folder. The whole file is read before the log changes,
  // so a missing, short or unreadable file leaves the log, its name and the unsaved flag as
  // they were, after the message (" 53.", " 62." ...). True when the log was replaced.
  bool openDataFile(const std::string& folder, const std::string& typed);
  // Saves the log under the cut, upper-case form of `typed`, asking first when that name is
  // among `entries` (the list of data files). The name and caption change, and the log
  // counts as saved, only once the file has been written whole. True when written.
  bool saveDataFile(const std::string& folder, const std::string& typed, const std::vector<std::string>& entries);
  // Empties every entry; the name stays, so a later Save offers it again.
  void clearLog();

 private:
  bool nameUsable(const std::string& typed, const char* title);
  WatchPrompts& m_prompts;
  WeatherTable m_log{};
  bool m_saved = true;
  std::string m_fileName = "NEW";
  FrameCommand m_frameCommand = FrameCommand::Open;
};

}  // namespace weather
