#include "runtime/safefile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace rt {

namespace {

// The folder a path lies in ("." for a bare name).
fs::path folderOf(const fs::path& p) {
  fs::path parent = p.parent_path();
  return parent.empty() ? fs::path(".") : parent;
}

// Bytes collected before they go to the disk in one write.
constexpr std::size_t kBlock = 64 * 1024;

// The digits of `text` as a number; nullopt when it is empty, holds anything else, or is
// too long to be a process id.
std::optional<long> digitsValue(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// What a file's name says about the write it belongs to.
enum class Temporary { None, OfProcess, Unowned };

// Sorts a name: ".NAME.<pid>.<number>.tmp" is a temporary file of process `pid`,
// ".NAME.<number>.tmp" one whose writer is unknown, anything else no temporary file.
Temporary classify(std::string_view name, long& pid) {
  constexpr std::string_view kEnd = ".tmp";
  if (name.size() < 2 || name.front() != '.' || !name.ends_with(kEnd)) return Temporary::None;
  std::string_view rest = name.substr(1, name.size() - 1 - kEnd.size());  // NAME.<pid>.<number>
  std::size_t dot = rest.rfind('.');
  if (dot == std::string_view::npos || dot == 0 || !digitsValue(rest.substr(dot + 1))) return Temporary::None;
  rest = rest.substr(0, dot);
  dot = rest.rfind('.');
  if (dot != std::string_view::npos && dot > 0) {
    if (const auto id = digitsValue(rest.substr(dot + 1)); id && *id > 0) {
      pid = *id;
      return Temporary::OfProcess;
    }
  }
  return Temporary::Unowned;
}

// How old a temporary file whose writer is unknown must be before it counts as stale.
constexpr auto kUnownedAge = std::chrono::hours(1);

}  // namespace

int writeErrorNumber(int err) {
  switch (err) {
    case 0: return 57;
    case ENOENT:
    case ENOTDIR: return 76;
    case EACCES:
    case EPERM: return 70;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 61;
    case EIO: return 57;
    default: return 75;  // a read-only disk, a name too long, a folder as target ...
  }
}

WriteError::WriteError(int number, int err, const std::string& path) : RuntimeError(number), err(err), path(path) {}

std::string WriteError::reason() const {
  std::string text = defaultMessage(number);
  if (err != 0) text += std::string(" (") + std::strerror(err) + ")";
  return text;
}

SafeFile::SafeFile(const std::string& path) : m_target(path) {
  if (path.empty()) throw WriteError(52, 0, path);
  std::error_code ec;
  const fs::path p(path);
  const fs::path folder = folderOf(p);
  if (!fs::is_directory(folder, ec)) throw WriteError(76, ENOENT, path);

  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing) {
    if (S_ISDIR(old.st_mode)) throw WriteError(75, EISDIR, path);
    // Renaming over a read-only file would bypass its protection.
    if (::access(path.c_str(), W_OK) != 0) {
      const int err = errno;
      throw WriteError(writeErrorNumber(err), err, path);
    }
  }

  std::random_device device;
  std::mt19937 names(device());
  const std::string base = (folder / ("." + p.filename().string() + "." + std::to_string(::getpid()) + ".")).string();
  for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
    m_temp = base + std::to_string(names() % 1000000u) + ".tmp";
    m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd < 0 && errno != EEXIST) {
      const int err = errno;
      m_temp.clear();
      throw WriteError(writeErrorNumber(err), err, path);
    }
  }
  if (m_fd < 0) {
    m_temp.clear();
    throw WriteError(75, EEXIST, path);
  }
  // The new file keeps the old one's permissions.
  if (replacing) (void)::fchmod(m_fd, old.st_mode & 07777);
}

SafeFile::~SafeFile() { abandon(); }

SafeFile::SafeFile(SafeFile&& other) noexcept
    : m_target(std::move(other.m_target)),
      m_temp(std::move(other.m_temp)),
      m_buffer(std::move(other.m_buffer)),
      m_fd(std::exchange(other.m_fd, -1)) {}

SafeFile& SafeFile::operator=(SafeFile&& other) noexcept {
  if (this != &other) {
    abandon();
    m_target = std::move(other.m_target);
    m_temp = std::move(other.m_temp);
    m_buffer = std::move(other.m_buffer);
    m_fd = std::exchange(other.m_fd, -1);
  }
  return *this;
}

void SafeFile::abandon() noexcept {
  if (m_fd >= 0) {
    ::close(m_fd);
    ::unlink(m_temp.c_str());
    m_fd = -1;
  }
  m_buffer.clear();
}

void SafeFile::fail(int err) {
  abandon();
  throw WriteError(writeErrorNumber(err), err, m_target);
}

void SafeFile::write(std::string_view bytes) {
  if (m_fd < 0) throw WriteError(52, 0, m_target);
  m_buffer.append(bytes);
  if (m_buffer.size() >= kBlock) flushBuffer();
}

void SafeFile::flushBuffer() {
  std::size_t done = 0;
  while (done < m_buffer.size()) {
    const ssize_t w = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    // A write that takes nothing would loop for ever; the disk is full.
    if (w == 0) fail(ENOSPC);
    done += static_cast<std::size_t>(w);
  }
  m_buffer.clear();
}

void SafeFile::commit() {
  if (m_fd < 0) throw WriteError(52, 0, m_target);
  flushBuffer();
  // A file system that allocates lazily reports a full disk only here.
  if (::fsync(m_fd) != 0) fail(errno);
  const int fd = std::exchange(m_fd, -1);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(m_temp.c_str());
    throw WriteError(writeErrorNumber(err), err, m_target);
  }
  if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
    const int err = errno;
    ::unlink(m_temp.c_str());
    throw WriteError(writeErrorNumber(err), err, m_target);
  }
  // Make the rename itself durable. The new content is in place by now, so a folder
  // that cannot be synced (some file systems refuse) is no failure of the write.
  const int dir = ::open(folderOf(fs::path(m_target)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
}

void writeWholeFile(const std::string& path, std::string_view bytes) {
  SafeFile out(path);
  out.write(bytes);
  out.commit();
}

bool processRuns(long pid) { return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH; }

std::vector<std::string> removeStaleTemporaries(const std::string& folder) {
  std::vector<std::string> removed;
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  // A folder that cannot be read, or read to its end, is left as it is: this is tidying.
  for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const fs::directory_entry& entry = *it;
    const std::string name = entry.path().filename().string();
    long pid = 0;
    const Temporary kind = classify(name, pid);
    std::error_code entryError;
    if (kind == Temporary::None || !fs::is_regular_file(entry.symlink_status(entryError))) continue;
    if (kind == Temporary::OfProcess && processRuns(pid)) continue;
    if (kind == Temporary::Unowned) {
      const auto written = entry.last_write_time(entryError);
      if (entryError || now - written < kUnownedAge) continue;
    }
    if (::unlink(entry.path().c_str()) == 0) removed.push_back(name);
  }
  return removed;
}

}  // namespace rt
