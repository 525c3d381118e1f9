// The weather log's data files end to end: any bytes as a file read by the program's reader,
// the log written by the program's writer, and that file read back as the same log. Every
// input goes through three real files (the writer syncs its file to the disk and renames
// it), so this target is bound by the file system rather than by the reader; the reader on
// its own is the weatherlog target.
//
// The files live in a folder of this process's own, in memory (/dev/shm) where there is
// one, named after the process id: "vantrel-fuzz-<pid>". It is emptied before each input and
// removed when the process exits normally. libFuzzer ends a run that found something (a
// crash, a timeout, running out of memory) without the usual exit, so each start also
// removes the folders whose process no longer runs.

#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "runtime/convert.h"
#include "runtime/safefile.h"
#include "weather/weatherlog.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "vantrel-fuzz-";

// Where the folders go: the memory file system when it can be written, else the system's
// temporary folder.
fs::path foldersRoot() {
  std::error_code ec;
  if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
  return fs::temp_directory_path();
}

// The process id a folder's name carries, or 0 when the name is not one of ours.
pid_t ownerOf(const std::string& name) {
  if (name.size() <= kPrefix.size() || name.compare(0, kPrefix.size(), kPrefix) != 0) return 0;
  pid_t pid = 0;
  for (std::size_t i = kPrefix.size(); i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9' || pid > 99999999) return 0;
    pid = pid * 10 + (name[i] - '0');
  }
  return pid;
}

// Whether a folder is one of the kind this target made before its name carried the process
// id ("vantrel-fuzz-" and six random characters), unchanged for ten minutes: a process still
// fuzzing in it would have written there within the last second.
bool isAbandonedUnownedFolder(const fs::directory_entry& entry) {
  const std::string name = entry.path().filename().string();
  if (name.size() != kPrefix.size() + 6 || name.compare(0, kPrefix.size(), kPrefix) != 0) return false;
  std::error_code ec;
  const auto written = entry.last_write_time(ec);
  return !ec && fs::file_time_type::clock::now() - written > std::chrono::minutes(10);
}

// Removes the folders of processes that are gone. A process that runs but belongs to
// another user (EPERM) still owns its folder.
void removeFoldersOfEndedProcesses(const fs::path& root) {
  std::error_code ec;
  for (fs::directory_iterator it(root, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code entryError;
    if (!it->is_directory(entryError) || it->is_symlink(entryError)) continue;
    const pid_t pid = ownerOf(it->path().filename().string());
    const bool ended = pid > 0 && !rt::processRuns(pid);
    if (ended || (pid == 0 && isAbandonedUnownedFolder(*it))) fs::remove_all(it->path(), entryError);
  }
}

// This process's folder, made on first use and removed by the normal exit.
class WorkFolder {
 public:
  WorkFolder() {
    const fs::path root = foldersRoot();
    removeFoldersOfEndedProcesses(root);
    path_ = root / (std::string(kPrefix) + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(path_, ec);  // an ended process that had the same id
    FUZZ_REQUIRE(fs::create_directory(path_, ec));
  }
  ~WorkFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  // Removes what the last input left.
  void empty() const {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(path_, ec)) fs::remove_all(entry.path(), ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

const WorkFolder& folder() {
  static const WorkFolder work;
  return work;
}

// The log as the writer stores it: a double quote, which would end a field, as an apostrophe.
weather::WeatherTable asStored(weather::WeatherTable log) {
  for (auto& day : log)
    for (std::string& field : day)
      for (char& c : field)
        if (c == '"') c = '\'';
  return log;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string input = (folder().path() / "INPUT.wwd").string();
  static const std::string saved = (folder().path() / "SAVED.wwd").string();
  folder().empty();
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    FUZZ_REQUIRE(out.good());
  }

  weather::WeatherTable log;
  try {
    log = weather::readWeatherFile(input);
  } catch (const rt::RuntimeError& e) {
    FUZZ_REQUIRE(e.number == 62);  // the file ends before 60 days of six items
    return 0;
  }

  weather::writeWeatherFile(saved, log);
  FUZZ_REQUIRE(weather::readWeatherFile(saved) == asStored(log));
  return 0;
}
