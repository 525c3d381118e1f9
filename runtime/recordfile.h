#pragma once

// Sequential text files of data items: records of double-quoted fields
// separated by commas, one record per line ending in CR LF.

#include "runtime/safefile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// Reads items one at a time. The whole file is read when it is opened; the
// files involved are a few kilobytes.
class RecordReader {
 public:
  // Throws RuntimeError 52 (empty name), 76 (folder missing), 53 (file
  // missing) or 75 (a folder, or unreadable).
  explicit RecordReader(const std::string& path);
  // Reads items from bytes already in memory.
  static RecordReader fromBytes(std::string bytes);

  // The next item. Blanks and line ends before it are skipped. A quoted item
  // runs to the closing quote (commas and line ends inside belong to it);
  // anything after the quote up to the next separator is dropped. An
  // unquoted item runs to the next comma or line end, trailing blanks
  // removed. The separator (comma, CR LF, LF or CR) is consumed.
  // Throws RuntimeError(62) when no item is left.
  std::string readItem();

  // The rest of the current line, without its line end (CR LF, LF or CR).
  // Throws RuntimeError(62) at the end of the data.
  std::string readLine();

  // True when only blanks and line ends remain.
  bool atEnd() const;

 private:
  RecordReader() = default;
  std::string m_data;
  std::size_t m_pos = 0;
};

// Writes records through the program's one safe writer (SafeFile): a failed or
// abandoned write leaves the old file intact. Errors throw WriteError (a
// RuntimeError): 52 (empty name, or writing after commit), 76 (folder missing),
// 70 (permission), 75 (other access failures, a read-only disk), 61 (disk full),
// 57 (device error).
class RecordWriter {
 public:
  explicit RecordWriter(const std::string& path);
  ~RecordWriter();  // without commit() the temporary file is removed

  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;
  RecordWriter(RecordWriter&& other) noexcept;
  RecordWriter& operator=(RecordWriter&& other) noexcept;

  // Each field in double quotes, separated by commas, then CR LF. A double
  // quote inside a field cannot be read back, so it is written as an apostrophe.
  void writeRecord(const std::vector<std::string>& fields);
  // text followed by CR LF.
  void writeLine(std::string_view text);

  // Writes everything out, flushes it to the disk and replaces the target.
  void commit();

  const std::string& path() const { return m_file.path(); }

 private:
  SafeFile m_file;
};

}  // namespace rt
