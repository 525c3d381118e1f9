#include "platform/helpfile.h"

#include <sstream>

namespace plat {
namespace {

std::string trimmed(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

}  // namespace

std::optional<HelpFile> parseHelpFile(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || trimmed(line) != "VANTREL HELP 1") return std::nullopt;
  HelpFile file;
  HelpPage* page = nullptr;
  bool open = false;  // a paragraph is being gathered
  while (std::getline(in, line)) {
    std::string t = trimmed(line);
    if (t.rfind("=contents", 0) == 0) {
      page = &file.contents;
      page->title = trimmed(t.substr(9));
      open = false;
      continue;
    }
    if (t.rfind("=topic", 0) == 0) {
      std::istringstream head(t.substr(6));
      int number = 0;
      if (!(head >> number)) continue;
      std::string title;
      std::getline(head, title);
      page = &file.topics[number];
      page->title = trimmed(title);
      page->blocks.clear();
      open = false;
      continue;
    }
    if (!page) continue;
    if (t.empty()) {
      open = false;
    } else if (t.rfind("- ", 0) == 0) {
      page->blocks.push_back({true, t.substr(2)});
      open = true;
    } else if (open) {
      page->blocks.back().text += " " + t;
    } else {
      page->blocks.push_back({false, t});
      open = true;
    }
  }
  return file;
}

}  // namespace plat
