// The weather log's data files end to end: any bytes as a file read by the program's reader,
// the log written by the program's writer, and that file read back as the same log. Every
// input goes through three real files (the writer syncs its file to the disk and renames
// it), so this target is bound by the file system rather than by the reader; the reader on
// its own is the weatherlog target. The files live in a folder of their own, in memory
// (/dev/shm) where there is one.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz/require.h"
#include "runtime/convert.h"
#include "weather/weatherlog.h"

namespace fs = std::filesystem;

namespace {

fs::path& folder() {
  static fs::path dir = [] {
    std::error_code ec;
    const bool shm = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0;
    std::string pattern = ((shm ? fs::path("/dev/shm") : fs::temp_directory_path()) / "vantrel-fuzz-XXXXXX").string();
    FUZZ_REQUIRE(::mkdtemp(pattern.data()) != nullptr);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(folder(), ignored);
    });
    return fs::path(pattern);
  }();
  return dir;
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
  static const std::string input = (folder() / "INPUT.wwd").string();
  static const std::string saved = (folder() / "SAVED.wwd").string();
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    FUZZ_REQUIRE(out.good());
  }

  weather::WeatherTable log;
  try {
    log = weather::ReadWeatherFile(input);
  } catch (const rt::RuntimeError& e) {
    FUZZ_REQUIRE(e.number == 62);  // the file ends before 60 days of six items
    return 0;
  }

  weather::WriteWeatherFile(saved, log);
  FUZZ_REQUIRE(weather::ReadWeatherFile(saved) == asStored(log));
  return 0;
}
