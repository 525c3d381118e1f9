// The settings file reader on any bytes. What it accepts must survive a round trip: the text
// written from it reads back, and from the second writing on the text stays the same. (The
// file keeps 7 significant digits of a single; a single just above a power of ten is written
// as that power and reads back as the single just below it, so the first text written may
// change once in a last digit.)

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "shell/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  shell::SharedSettings read;
  if (!shell::parseSettings(text, read)) return 0;

  const std::string first = shell::formatSettings(read);
  shell::SharedSettings again;
  FUZZ_REQUIRE(shell::parseSettings(first, again));
  const std::string second = shell::formatSettings(again);
  if (second == first) return 0;
  shell::SharedSettings third;
  FUZZ_REQUIRE(shell::parseSettings(second, third));
  FUZZ_REQUIRE(shell::formatSettings(third) == second);
  return 0;
}
