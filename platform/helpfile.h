#pragma once
// Our help file format: a tag line "VANTREL HELP 1", then pages. "=contents TITLE" starts
// the contents page, "=topic N TITLE" the page of topic N. Text lines follow; a blank line
// ends a paragraph and a line beginning "- " is a bullet item.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace plat {

struct HelpBlock {
  bool bullet = false;
  std::string text;
};

struct HelpPage {
  std::string title;
  std::vector<HelpBlock> blocks;
};

struct HelpFile {
  HelpPage contents;
  std::map<int, HelpPage> topics;
};

// nullopt when the text lacks the tag line.
std::optional<HelpFile> parseHelpFile(const std::string& text);

}  // namespace plat
