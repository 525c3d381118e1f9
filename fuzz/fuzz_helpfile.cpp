// The help file reader on any bytes. It has no writer, so the checks are its own promises:
// text without the tag line is refused, and every title and paragraph it keeps is one line
// without the blanks around it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "platform/helpfile.h"

namespace {

bool oneLine(const std::string& s) { return s.find('\n') == std::string::npos; }

bool trimmed(const std::string& s) {
  return s.empty() ||
         (s.front() != ' ' && s.front() != '\t' && s.back() != ' ' && s.back() != '\t' && s.back() != '\r');
}

void checkPage(const plat::HelpPage& page) {
  FUZZ_REQUIRE(oneLine(page.title) && trimmed(page.title));
  for (const plat::HelpBlock& block : page.blocks) FUZZ_REQUIRE(oneLine(block.text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto file = plat::parseHelpFile(text);
  const bool tagged = text.find("VANTREL HELP 1") != std::string::npos;
  if (!file) return 0;
  FUZZ_REQUIRE(tagged);
  checkPage(file->contents);
  for (const auto& [number, page] : file->topics) checkPage(page);
  return 0;
}
