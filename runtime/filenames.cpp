#include "runtime/filenames.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "runtime/lettercase.h"

namespace fs = std::filesystem;

namespace rt {

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
    if (equalIgnoringCase(name, wanted) && (!best || name < *best)) best = name;
  }
  if (!best) return path;
  return parent.empty() ? *best : (parent / *best).string();
}

}  // namespace rt
