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
  m_data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) throw RuntimeError(57);
}

RecordReader RecordReader::fromBytes(std::string bytes) {
  RecordReader r;
  r.m_data = std::move(bytes);
  return r;
}

bool RecordReader::atEnd() const {
  for (std::size_t i = m_pos; i < m_data.size(); ++i)
    if (!isBlank(m_data[i]) && !isLineEnd(m_data[i])) return false;
  return true;
}

std::string RecordReader::readItem() {
  const std::size_t n = m_data.size();
  while (m_pos < n && (isBlank(m_data[m_pos]) || isLineEnd(m_data[m_pos]))) ++m_pos;
  if (m_pos >= n) throw RuntimeError(62);

  std::string item;
  if (m_data[m_pos] == '"') {
    std::size_t close = m_data.find('"', m_pos + 1);
    if (close == std::string::npos) close = n;  // unterminated: the rest is the item
    item = m_data.substr(m_pos + 1, close - m_pos - 1);
    m_pos = close < n ? close + 1 : n;
    // Drop whatever stands between the quote and the separator.
    while (m_pos < n && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos])) ++m_pos;
  } else {
    std::size_t start = m_pos;
    while (m_pos < n && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos])) ++m_pos;
    std::size_t end = m_pos;
    while (end > start && isBlank(m_data[end - 1])) --end;
    item = m_data.substr(start, end - start);
  }

  if (m_pos < n) {
    if (m_data[m_pos] == '\r' && m_pos + 1 < n && m_data[m_pos + 1] == '\n') ++m_pos;
    ++m_pos;
  }
  return item;
}

std::string RecordReader::readLine() {
  const std::size_t n = m_data.size();
  if (m_pos >= n) throw RuntimeError(62);
  std::size_t start = m_pos;
  while (m_pos < n && !isLineEnd(m_data[m_pos])) ++m_pos;
  std::string line = m_data.substr(start, m_pos - start);
  if (m_pos < n) {
    if (m_data[m_pos] == '\r' && m_pos + 1 < n && m_data[m_pos + 1] == '\n') ++m_pos;
    ++m_pos;
  }
  return line;
}

// ---------------------------------------------------------------- writing

RecordWriter::RecordWriter(const std::string& path) : m_file(path) {}

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
  m_file.write(line);
}

void RecordWriter::writeLine(std::string_view text) {
  m_file.write(text);
  m_file.write("\r\n");
}

void RecordWriter::commit() { m_file.commit(); }

}  // namespace rt
