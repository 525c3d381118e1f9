#include "weather/watchfiles.h"

#include "runtime/convert.h"
#include "runtime/filenames.h"

namespace weather {

namespace {
constexpr const char* kOpenError = "Error Opening File";
constexpr const char* kSaveError = "Error Saving File";

// The run-time error number as the message shows it: a blank for the sign, then a full stop.
std::string ErrorText(int number) { return " " + std::to_string(number) + "."; }
}  // namespace

void WatchFiles::Reset() {
  m_log = WeatherTable{};
  m_saved = true;
  m_fileName = "NEW";
  m_frameCommand = FrameCommand::Open;
}

bool WatchFiles::ConfirmDiscard(Discard command) {
  if (m_saved) return true;
  switch (command) {
    case Discard::Open:
      return m_prompts.AskYesNo("Data in unsaved file will be lost.  Do you still want to open a file?", "Open File");
    case Discard::New:
      return m_prompts.AskYesNo("Data in unsaved file will be lost.  Do you still want to start a new file?",
                                "New File");
    case Discard::Exit:
      return m_prompts.AskYesNo("Data in unsaved file will be lost.  Do you still want to exit?", "Exit Program");
  }
  return false;
}

void WatchFiles::SetEntry(int row, int col, const std::string& text) {
  m_saved = false;
  KeepEntry(row, col, text);
}

void WatchFiles::KeepEntry(int row, int col, const std::string& text) {
  if (row >= 1 && row <= kDays && col >= 1 && col <= kFields) m_log[size_t(row)][size_t(col)] = text;
}

bool WatchFiles::NameUsable(const std::string& typed, const char* title) {
  const std::string problem = FileNameProblem(typed);
  if (problem.empty()) return true;
  m_prompts.ShowMessage(problem, title);
  return false;
}

bool WatchFiles::OpenDataFile(const std::string& folder, const std::string& typed) {
  if (!NameUsable(typed, kOpenError)) return false;
  try {
    m_log = ReadWeatherFile(rt::resolveCaseInsensitive(folder + typed + ".wwd"));
  } catch (const rt::RuntimeError& e) {
    m_prompts.ShowMessage(ErrorText(e.number), kOpenError);
    return false;
  }
  m_fileName = typed;
  m_saved = true;
  return true;
}

bool WatchFiles::SaveDataFile(const std::string& folder, const std::string& typed,
                              const std::vector<std::string>& entries) {
  if (!NameUsable(typed, kSaveError)) return false;
  // The question compares the name the file will really get, so a long name that will be
  // cut onto an existing file's name asks before replacing it.
  const std::string name = SaveName(typed);
  for (const std::string& entry : entries) {
    if (entry == name) {
      if (!m_prompts.AskYesNo("Overwrite existing file?", "File Already Exists")) return false;
      break;
    }
  }
  try {
    // An existing file is replaced under the name it has on the disk, whatever its case.
    WriteWeatherFile(rt::resolveCaseInsensitive(folder + name + ".wwd"), m_log);
  } catch (const rt::RuntimeError& e) {
    m_prompts.ShowMessage(ErrorText(e.number), kSaveError);
    return false;
  }
  m_fileName = name;
  m_saved = true;
  return true;
}

void WatchFiles::ClearLog() {
  m_log = WeatherTable{};
  m_saved = true;
}

}  // namespace weather
