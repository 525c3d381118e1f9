#include "weather/watchfiles.h"

#include "runtime/convert.h"
#include "runtime/filenames.h"

namespace weather {

namespace {
constexpr const char* kOpenError = "Error Opening File";
constexpr const char* kSaveError = "Error Saving File";

// The run-time error number as the message shows it: a blank for the sign, then a full stop.
std::string errorText(int number) { return " " + std::to_string(number) + "."; }
}  // namespace

void WatchFiles::reset() {
  m_log = WeatherTable{};
  m_saved = true;
  m_fileName = "NEW";
  m_frameCommand = FrameCommand::Open;
}

bool WatchFiles::confirmDiscard(Discard command) {
  if (m_saved) return true;
  switch (command) {
    case Discard::Open:
      return m_prompts.askYesNo("Data in unsaved file will be lost.  Do you still want to open a file?", "Open File");
    case Discard::New:
      return m_prompts.askYesNo("Data in unsaved file will be lost.  Do you still want to start a new file?",
                                "New File");
    case Discard::Exit:
      return m_prompts.askYesNo("Data in unsaved file will be lost.  Do you still want to exit?", "Exit Program");
  }
  return false;
}

void WatchFiles::setEntry(int row, int col, const std::string& text) {
  m_saved = false;
  keepEntry(row, col, text);
}

void WatchFiles::keepEntry(int row, int col, const std::string& text) {
  if (row >= 1 && row <= kDays && col >= 1 && col <= kFields) m_log[size_t(row)][size_t(col)] = text;
}

bool WatchFiles::nameUsable(const std::string& typed, const char* title) {
  const std::string problem = fileNameProblem(typed);
  if (problem.empty()) return true;
  m_prompts.showMessage(problem, title);
  return false;
}

bool WatchFiles::openDataFile(const std::string& folder, const std::string& typed) {
  if (!nameUsable(typed, kOpenError)) return false;
  try {
    m_log = readWeatherFile(rt::resolveCaseInsensitive(folder + typed + ".wwd"));
  } catch (const rt::RuntimeError& e) {
    m_prompts.showMessage(errorText(e.number), kOpenError);
    return false;
  }
  m_fileName = typed;
  m_saved = true;
  return true;
}

bool WatchFiles::saveDataFile(const std::string& folder, const std::string& typed,
                              const std::vector<std::string>& entries) {
  if (!nameUsable(typed, kSaveError)) return false;
  // The question compares the name the file will really get, so a long name that will be
  // cut onto an existing file's name asks before replacing it.
  const std::string name = saveName(typed);
  for (const std::string& entry : entries) {
    if (entry == name) {
      if (!m_prompts.askYesNo("Overwrite existing file?", "File Already Exists")) return false;
      break;
    }
  }
  try {
    // An existing file is replaced under the name it has on the disk, whatever its case.
    writeWeatherFile(rt::resolveCaseInsensitive(folder + name + ".wwd"), m_log);
  } catch (const rt::RuntimeError& e) {
    m_prompts.showMessage(errorText(e.number), kSaveError);
    return false;
  }
  m_fileName = name;
  m_saved = true;
  return true;
}

void WatchFiles::clearLog() {
  m_log = WeatherTable{};
  m_saved = true;
}

}  // namespace weather
