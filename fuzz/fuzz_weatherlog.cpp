// The weather log reader on any bytes of a data file, in memory. What it reads must come back
// the same when it is stored in the data file's form (60 records of six double-quoted fields,
// each record ended by CR LF; a double quote, which would end a field, kept as an apostrophe)
// and read again. The program's writer of that form has a target of its own (weatherfile),
// which goes through real files and is slower.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "runtime/convert.h"
#include "weather/weatherlog.h"

namespace {

char stored(char c) { return c == '"' ? '\'' : c; }

bool sameAsStored(const std::string& typed, const std::string& read) {
  if (typed.size() != read.size()) return false;
  for (size_t i = 0; i < typed.size(); ++i)
    if (stored(typed[i]) != read[i]) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  weather::WeatherTable log;
  try {
    log = weather::readWeatherData(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const rt::RuntimeError& e) {
    FUZZ_REQUIRE(e.number == 62);  // the bytes end before 60 days of six items
    return 0;
  }

  std::string file;
  file.reserve(size + 1200);
  for (int r = 1; r <= weather::kDays; ++r)
    for (int c = 1; c <= weather::kFields; ++c) {
      file += '"';
      for (char ch : log[size_t(r)][size_t(c)]) file += stored(ch);
      file += '"';
      file += c < weather::kFields ? "," : "\r\n";
    }
  const weather::WeatherTable back = weather::readWeatherData(std::move(file));
  for (int r = 1; r <= weather::kDays; ++r)
    for (int c = 1; c <= weather::kFields; ++c)
      FUZZ_REQUIRE(sameAsStored(log[size_t(r)][size_t(c)], back[size_t(r)][size_t(c)]));
  return 0;
}
