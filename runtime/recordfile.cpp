#include "runtime/recordfile.h"

#include "runtime/convert.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace rt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// The folder a path lies in ("." for a bare name).
fs::path folderOf(const fs::path& p) {
  fs::path parent = p.parent_path();
  return parent.empty() ? fs::path(".") : parent;
}

}  // namespace

// ---------------------------------------------------------------- reading

RecordReader::RecordReader(const std::string& path) {
  if (path.empty()) throw RuntimeError(52);
  std::error_code ec;
  fs::path p(path);
  auto status = fs::status(p, ec);
  if (!fs::exists(status)) {
    if (!fs::is_directory(folderOf(p), ec)) throw RuntimeError(76);
    throw RuntimeError(53);
  }
  if (fs::is_directory(status)) throw RuntimeError(75);
  std::ifstream in(p, std::ios::binary);
  if (!in) throw RuntimeError(75);
  data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) throw RuntimeError(57);
}

RecordReader RecordReader::fromBytes(std::string bytes) {
  RecordReader r;
  r.data_ = std::move(bytes);
  return r;
}

bool RecordReader::atEnd() const {
  for (std::size_t i = pos_; i < data_.size(); ++i)
    if (!isBlank(data_[i]) && !isLineEnd(data_[i])) return false;
  return true;
}

std::string RecordReader::readItem() {
  const std::size_t n = data_.size();
  while (pos_ < n && (isBlank(data_[pos_]) || isLineEnd(data_[pos_]))) ++pos_;
  if (pos_ >= n) throw RuntimeError(62);

  std::string item;
  if (data_[pos_] == '"') {
    std::size_t close = data_.find('"', pos_ + 1);
    if (close == std::string::npos) close = n;  // unterminated: the rest is the item
    item = data_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close < n ? close + 1 : n;
    // Drop whatever stands between the quote and the separator.
    while (pos_ < n && data_[pos_] != ',' && !isLineEnd(data_[pos_])) ++pos_;
  } else {
    std::size_t start = pos_;
    while (pos_ < n && data_[pos_] != ',' && !isLineEnd(data_[pos_])) ++pos_;
    std::size_t end = pos_;
    while (end > start && isBlank(data_[end - 1])) --end;
    item = data_.substr(start, end - start);
  }

  if (pos_ < n) {
    if (data_[pos_] == '\r' && pos_ + 1 < n && data_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  return item;
}

std::string RecordReader::readLine() {
  const std::size_t n = data_.size();
  if (pos_ >= n) throw RuntimeError(62);
  std::size_t start = pos_;
  while (pos_ < n && !isLineEnd(data_[pos_])) ++pos_;
  std::string line = data_.substr(start, pos_ - start);
  if (pos_ < n) {
    if (data_[pos_] == '\r' && pos_ + 1 < n && data_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  return line;
}

// ---------------------------------------------------------------- writing

RecordWriter::RecordWriter(const std::string& path) : file_(path) {}

RecordWriter::~RecordWriter() = default;
RecordWriter::RecordWriter(RecordWriter&& other) noexcept = default;
RecordWriter& RecordWriter::operator=(RecordWriter&& other) noexcept = default;

void RecordWriter::writeRecord(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += '"';
    for (char c : fields[i]) line += c == '"' ? '\'' : c;
    line += '"';
  }
  line += "\r\n";
  file_.write(line);
}

void RecordWriter::writeLine(std::string_view text) {
  file_.write(text);
  file_.write("\r\n");
}

void RecordWriter::commit() { file_.commit(); }

}  // namespace rt
