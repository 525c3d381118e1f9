#include "runtime/filenames.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace rt {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

}  // namespace

std::string resolveCaseInsensitive(const std::string& path) {
  std::error_code ec;
  fs::path p(path);
  if (path.empty() || fs::exists(fs::symlink_status(p, ec))) return path;

  const std::string wanted = p.filename().string();
  if (wanted.empty() || wanted == "." || wanted == "..") return path;
  fs::path parent = p.parent_path();

  std::optional<std::string> best;
  fs::directory_iterator it(parent.empty() ? fs::path(".") : parent, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (equalIgnoringAsciiCase(name, wanted) && (!best || name < *best)) best = name;
  }
  if (!best) return path;
  return parent.empty() ? *best : (parent / *best).string();
}

}  // namespace rt
