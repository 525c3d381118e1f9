#pragma once

// The one way the program writes a file: whole or not at all.
//
// The bytes go to a temporary file created beside the target (so the final rename
// stays on one file system); every write is checked, the data is synced to the
// disk, the file closed, and only then renamed over the target, after which the
// folder is synced so the rename itself survives a power cut. When any step fails
// the temporary file is removed and the old file stays byte for byte; the caller
// gets the run-time error number for the cause and the system's reason.
//
// A process killed between creating the temporary file and renaming it cannot remove
// it. The temporary file's name carries its writer's process id,
// ".NAME.<pid>.<number>.tmp", so that a later start can tell the files of writers that
// have ended from those of a copy of the program that is writing now.

#include "runtime/convert.h"

#include <string>
#include <string_view>
#include <vector>

namespace rt {

// A write that did not reach the disk. `number` is the run-time error number:
// 52 (empty name, or writing after the end), 76 (folder missing), 70 (permission),
// 75 (path or access refused, a read-only disk), 61 (disk full or file too large),
// 57 (device error). `err` is the system's error code (0 when there was none).
struct WriteError : RuntimeError {
  WriteError(int number, int err, const std::string& path);
  int err;
  std::string path;
  // "Disk full (No space left on device)": the number's wording and the system's.
  std::string reason() const;
};

// The run-time error number for a system error code met while writing.
int writeErrorNumber(int err);

class SafeFile {
 public:
  // Creates the temporary file. Throws WriteError.
  explicit SafeFile(const std::string& path);
  // Without commit() the temporary file is removed and the target is untouched.
  ~SafeFile();

  SafeFile(const SafeFile&) = delete;
  SafeFile& operator=(const SafeFile&) = delete;
  SafeFile(SafeFile&& other) noexcept;
  SafeFile& operator=(SafeFile&& other) noexcept;

  // Adds bytes; they reach the temporary file in large blocks. Throws WriteError,
  // after which the file is abandoned.
  void write(std::string_view bytes);
  // Writes out what is buffered, syncs, closes and renames over the target.
  // Throws WriteError; the target is then as it was.
  void commit();
  // Drops everything written so far. The target is untouched.
  void abandon() noexcept;

  bool isOpen() const { return m_fd >= 0; }
  const std::string& path() const { return m_target; }
  // The temporary file's name while open.
  const std::string& tempPath() const { return m_temp; }

 private:
  [[noreturn]] void fail(int err);
  void flushBuffer();

  std::string m_target;
  std::string m_temp;
  std::string m_buffer;
  int m_fd = -1;
};

// Writes `bytes` as the whole new content of `path`. Throws WriteError.
void writeWholeFile(const std::string& path, std::string_view bytes);

// Removes from `folder` the temporary files whose writer no longer runs and returns their
// names. A file is left alone while the process its name gives still runs (or may run: a
// process of another user). Temporary files named before the name carried the writer
// (".NAME.<number>.tmp") are removed once an hour old: no write takes that long.
std::vector<std::string> removeStaleTemporaries(const std::string& folder);

// Whether the process with this id may still run: a process of another user cannot be
// signalled, but it runs.
bool processRuns(long pid);

}  // namespace rt
