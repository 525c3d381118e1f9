// The weather log reader on any bytes of a data file, in memory. What it reads must come back
// the same when it is stored in the data file's form (60 records of six double-quoted fields,
// each record ended by CR LF) and read again. The writer of that form has its target of its
// own (weatherfile), which goes through real files and is slower.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "fuzz/weathertable.h"
#include "runtime/convert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  weather::WeatherTable log;
  try {
    log = weather::ReadWeatherData(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const rt::RuntimeError& e) {
    FUZZ_REQUIRE(e.number == 62);  // the bytes end before 60 days of six items
    return 0;
  }

  const weather::WeatherTable stored = asStored(log);
  std::string file;
  for (int r = 1; r <= weather::kDays; ++r)
    for (int c = 1; c <= weather::kFields; ++c) {
      file += '"' + stored[size_t(r)][size_t(c)] + '"';
      file += c < weather::kFields ? "," : "\r\n";
    }
  FUZZ_REQUIRE(weather::ReadWeatherData(file) == stored);
  return 0;
}
