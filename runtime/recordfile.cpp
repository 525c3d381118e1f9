#include "runtime/recordfile.h"

#include "runtime/convert.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace rt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

int errorForErrno(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR: return 76;
    case EACCES:
    case EPERM: return 70;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 61;
    case EIO: return 57;
    default: return 75;
    }
}

// The folder a path lies in ("." for a bare name).
fs::path folderOf(const fs::path& p) {
    fs::path parent = p.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

} // namespace

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

RecordWriter::RecordWriter(const std::string& path) : target_(path) {
    if (path.empty()) throw RuntimeError(52);
    std::error_code ec;
    fs::path p(path);
    fs::path folder = folderOf(p);
    if (!fs::is_directory(folder, ec)) throw RuntimeError(76);

    struct stat old {};
    bool replacing = ::stat(path.c_str(), &old) == 0;
    if (replacing) {
        if (S_ISDIR(old.st_mode)) throw RuntimeError(75);
        // Renaming over a read-only file would bypass its protection.
        if (::access(path.c_str(), W_OK) != 0) throw RuntimeError(70);
    }

    std::random_device device;
    std::mt19937 names(device());
    const std::string base = (folder / ("." + p.filename().string() + ".")).string();
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temp_ = base + std::to_string(names() % 1000000u) + ".tmp";
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) throw RuntimeError(errorForErrno(errno));
    }
    if (fd_ < 0) throw RuntimeError(75);
    if (replacing) (void)::fchmod(fd_, old.st_mode & 07777);
}

RecordWriter::~RecordWriter() { abandon(); }

RecordWriter::RecordWriter(RecordWriter&& other) noexcept
    : target_(std::move(other.target_)),
      temp_(std::move(other.temp_)),
      buffer_(std::move(other.buffer_)),
      fd_(std::exchange(other.fd_, -1)) {}

RecordWriter& RecordWriter::operator=(RecordWriter&& other) noexcept {
    if (this != &other) {
        abandon();
        target_ = std::move(other.target_);
        temp_ = std::move(other.temp_);
        buffer_ = std::move(other.buffer_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void RecordWriter::abandon() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
        fd_ = -1;
    }
    buffer_.clear();
}

void RecordWriter::append(std::string_view bytes) {
    if (fd_ < 0) throw RuntimeError(52);
    buffer_.append(bytes);
    if (buffer_.size() >= 64 * 1024) flushBuffer();
}

void RecordWriter::flushBuffer() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        ssize_t w = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (w < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            abandon();
            throw RuntimeError(errorForErrno(err));
        }
        done += static_cast<std::size_t>(w);
    }
    buffer_.clear();
}

void RecordWriter::writeRecord(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += '"';
        for (char c : fields[i]) line += c == '"' ? '\'' : c;
        line += '"';
    }
    line += "\r\n";
    append(line);
}

void RecordWriter::writeLine(std::string_view text) {
    std::string line(text);
    line += "\r\n";
    append(line);
}

void RecordWriter::commit() {
    if (fd_ < 0) throw RuntimeError(52);
    flushBuffer();
    if (::fsync(fd_) != 0) {
        int err = errno;
        abandon();
        throw RuntimeError(errorForErrno(err));
    }
    int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp_.c_str());
        throw RuntimeError(errorForErrno(err));
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        int err = errno;
        ::unlink(temp_.c_str());
        throw RuntimeError(errorForErrno(err));
    }
    // Make the rename itself durable.
    int dir = ::open(folderOf(fs::path(target_)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

} // namespace rt
