#pragma once

// The program's own files are looked up without regard to letter case, since the
// names written in settings and in the projects, and the names the user types, do not
// always match the disk.

#include <string>

namespace rt {

// The path itself when it exists; otherwise the entry of its folder whose name
// matches the last component ignoring letter case, é matching É as a matching A (the
// first in byte order when several do); otherwise the path unchanged. Never throws for
// file-system errors.
std::string resolveCaseInsensitive(const std::string& path);

}  // namespace rt
