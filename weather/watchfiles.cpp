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
  WeatherData = WeatherTable{};
  FileSaved = 1;
  FileName = "NEW";
  FileMode = 0;
}

bool WatchFiles::ConfirmDiscard(Discard command) {
  if (FileSaved != 0) return true;
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
  FileSaved = 0;
  if (row >= 1 && row <= kDays && col >= 1 && col <= kFields) WeatherData[size_t(row)][size_t(col)] = text;
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
    WeatherData = ReadWeatherFile(rt::resolveCaseInsensitive(folder + typed + ".wwd"));
  } catch (const rt::RuntimeError& e) {
    m_prompts.ShowMessage(ErrorText(e.number), kOpenError);
    return false;
  }
  FileName = typed;
  FileSaved = 1;
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
    WriteWeatherFile(rt::resolveCaseInsensitive(folder + name + ".wwd"), WeatherData);
  } catch (const rt::RuntimeError& e) {
    m_prompts.ShowMessage(ErrorText(e.number), kSaveError);
    return false;
  }
  FileName = name;
  FileSaved = 1;
  return true;
}

void WatchFiles::ClearLog() {
  WeatherData = WeatherTable{};
  FileSaved = 1;
}

}  // namespace weather
