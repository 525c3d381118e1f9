#include "platform/realtime.h"

#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

// The request to the real-time service is one method call on the system bus, spoken here in
// the bus's own wire form over its socket: the bus's usual client libraries connect without a
// time limit and keep a thread or a lock of their own, which is what must not happen here.
// The conversation: the bus's authentication by the caller's user id, the bus's greeting
// (Hello, which every client must send first), then the call, each answer awaited until one
// shared deadline.

namespace plat {

namespace {

using Clock = std::chrono::steady_clock;

// The time a real-time thread may run without blocking before the system stops it, which
// the real-time service asks every client to set.
constexpr rlim_t kRealtimeLimitMicroseconds = 200000;
// A reply larger than this is no answer to a call of ours.
constexpr uint32_t kLongestMessage = 1 << 20;
constexpr const char* kSystemBusSocket = "unix:path=/var/run/dbus/system_bus_socket";

// The bus's message types and the header fields used here.
enum : uint8_t { kMethodCall = 1, kMethodReturn = 2, kError = 3 };
enum : uint8_t {
  kFieldPath = 1,
  kFieldInterface = 2,
  kFieldMember = 3,
  kFieldReplySerial = 5,
  kFieldDestination = 6,
  kFieldSignature = 8
};

// A socket to the bus whose every wait ends at one deadline.
class BusSocket {
 public:
  explicit BusSocket(Clock::time_point deadline) : m_deadline(deadline) {}
  ~BusSocket() {
    if (m_fd >= 0) close(m_fd);
  }
  BusSocket(const BusSocket&) = delete;
  BusSocket& operator=(const BusSocket&) = delete;

  // Connects to the first address of a bus address list that answers ("unix:path=..." or
  // "unix:abstract=...", alternatives separated by ";").
  bool connectTo(std::string_view addresses) {
    while (!addresses.empty()) {
      const size_t end = addresses.find(';');
      if (connectToOne(addresses.substr(0, end))) return true;
      addresses = end == std::string_view::npos ? std::string_view() : addresses.substr(end + 1);
    }
    return false;
  }

  bool send(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (n > 0) {
        bytes.remove_prefix(size_t(n));
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        if (!waitFor(POLLOUT)) return false;
      } else {
        return false;
      }
    }
    return true;
  }

  // Appends exactly `count` bytes to `into`.
  bool receive(size_t count, std::string& into) {
    char buffer[4096];
    while (count > 0) {
      const ssize_t n = ::recv(m_fd, buffer, std::min(count, sizeof buffer), 0);
      if (n > 0) {
        into.append(buffer, size_t(n));
        count -= size_t(n);
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        if (!waitFor(POLLIN)) return false;
      } else {
        return false;  // the bus hung up, or the socket failed
      }
    }
    return true;
  }

  // A line of the authentication, without its CR LF.
  bool receiveLine(std::string& line) {
    line.clear();
    while (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) {
      if (line.size() > 4096 || !receive(1, line)) return false;
    }
    line.resize(line.size() - 2);
    return true;
  }

 private:
  bool connectToOne(std::string_view address) {
    if (address.substr(0, 5) != "unix:") return false;
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    std::string path;
    bool abstract = false;
    for (std::string_view rest = address.substr(5); !rest.empty();) {
      const size_t end = rest.find(',');
      const std::string_view pair = rest.substr(0, end);
      if (pair.substr(0, 5) == "path=") path = unescaped(pair.substr(5));
      if (pair.substr(0, 9) == "abstract=") {
        path = unescaped(pair.substr(9));
        abstract = true;
      }
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof where.sun_path) return false;
    std::memcpy(where.sun_path + offset, path.data(), path.size());
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    m_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0) return false;
    // A local socket connects at once or not at all: a bus too busy to take us is no bus.
    if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&where), length) == 0) return true;
    close(m_fd);
    m_fd = -1;
    return false;
  }

  // A value of a bus address, whose bytes may be written as %XX.
  static std::string unescaped(std::string_view value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
      if (value[i] == '%' && i + 2 < value.size()) {
        out.push_back(char(std::strtol(std::string(value.substr(i + 1, 2)).c_str(), nullptr, 16)));
        i += 2;
      } else {
        out.push_back(value[i]);
      }
    }
    return out;
  }

  bool waitFor(short events) {
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - Clock::now()).count();
      if (left <= 0) return false;
      pollfd p{m_fd, events, 0};
      const int n = poll(&p, 1, int(left));
      if (n > 0) return true;
      if (n < 0 && errno != EINTR) return false;
    }
  }

  int m_fd = -1;
  Clock::time_point m_deadline;
};

// A message in the bus's wire form, little-endian, every value aligned to its size from the
// message's start.
class WireWriter {
 public:
  void align(size_t n) {
    while (m_bytes.size() % n) m_bytes.push_back('\0');
  }
  void byte(uint8_t v) { m_bytes.push_back(char(v)); }
  void uint32(uint32_t v) {
    align(4);
    for (int i = 0; i < 4; ++i) byte(uint8_t(v >> (8 * i)));
  }
  void uint64(uint64_t v) {
    align(8);
    for (int i = 0; i < 8; ++i) byte(uint8_t(v >> (8 * i)));
  }
  void string(std::string_view s) {
    uint32(uint32_t(s.size()));
    m_bytes.append(s);
    byte(0);
  }
  void signature(std::string_view s) {
    byte(uint8_t(s.size()));
    m_bytes.append(s);
    byte(0);
  }
  // A header field: its code and a variant holding a string of the given type (s, o or g).
  void field(uint8_t code, char type, std::string_view value) {
    align(8);
    byte(code);
    signature(std::string_view(&type, 1));
    if (type == 'g') {
      signature(value);
    } else {
      string(value);
    }
  }
  void patch32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) m_bytes[at + size_t(i)] = char(uint8_t(v >> (8 * i)));
  }
  const std::string& bytes() const { return m_bytes; }
  size_t size() const { return m_bytes.size(); }

 private:
  std::string m_bytes;
};

struct Call {
  const char* destination;
  const char* path;
  const char* interface;
  const char* member;
  const char* signature;  // of the body; empty for none
  std::string body;       // already in wire form, aligned from its own start
};

std::string wireForm(const Call& call, uint32_t serial) {
  WireWriter m;
  m.byte('l');
  m.byte(kMethodCall);
  m.byte(0);  // flags: a reply is expected
  m.byte(1);  // the protocol's version
  m.uint32(uint32_t(call.body.size()));
  m.uint32(serial);
  m.uint32(0);  // the header fields' length, written below
  const size_t fieldsBegin = m.size();
  m.field(kFieldPath, 'o', call.path);
  m.field(kFieldInterface, 's', call.interface);
  m.field(kFieldMember, 's', call.member);
  m.field(kFieldDestination, 's', call.destination);
  if (*call.signature) m.field(kFieldSignature, 'g', call.signature);
  m.patch32(fieldsBegin - 4, uint32_t(m.size() - fieldsBegin));
  m.align(8);  // the body starts on a boundary of eight
  return m.bytes() + call.body;
}

// Reads a message's numbers in the byte order it declares.
class WireReader {
 public:
  explicit WireReader(const std::string& bytes) : m_bytes(bytes), m_little(!bytes.empty() && bytes[0] == 'l') {}
  std::optional<uint32_t> uint32At(size_t at) const {
    if (at + 4 > m_bytes.size()) return std::nullopt;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const auto b = uint32_t(uint8_t(m_bytes[at + size_t(m_little ? i : 3 - i)]));
      v |= b << (8 * i);
    }
    return v;
  }
  // The serial of the call a reply answers, from the header fields; nullopt when absent.
  std::optional<uint32_t> replySerial() const {
    const auto fieldsLength = uint32At(12);
    if (!fieldsLength) return std::nullopt;
    const size_t end = std::min(m_bytes.size(), size_t(16) + *fieldsLength);
    size_t at = 16;
    while (at + 3 <= end) {
      const auto code = uint8_t(m_bytes[at]);
      const size_t signatureLength = uint8_t(m_bytes[at + 1]);
      if (at + 2 + signatureLength >= end) return std::nullopt;
      const char type = signatureLength == 1 ? m_bytes[at + 2] : '?';
      at += 2 + signatureLength + 1;
      if (type == 'u') {
        at = (at + 3) / 4 * 4;
        if (code == kFieldReplySerial) return uint32At(at);
        at += 4;
      } else if (type == 's' || type == 'o') {
        at = (at + 3) / 4 * 4;
        const auto length = uint32At(at);
        if (!length) return std::nullopt;
        at += 4 + size_t(*length) + 1;
      } else if (type == 'g') {
        if (at >= end) return std::nullopt;
        at += 1 + size_t(uint8_t(m_bytes[at])) + 1;
      } else {
        return std::nullopt;  // no field of ours has another type
      }
      at = (at + 7) / 8 * 8;
    }
    return std::nullopt;
  }

 private:
  const std::string& m_bytes;
  bool m_little;
};

// Sends a call and reads messages (the bus's own signals among them) until its answer.
bool callAndAwait(BusSocket& bus, const Call& call, uint32_t serial) {
  if (!bus.send(wireForm(call, serial))) return false;
  for (;;) {
    std::string message;
    if (!bus.receive(16, message)) return false;
    const WireReader head(message);
    const uint32_t bodyLength = head.uint32At(4).value_or(kLongestMessage);
    const uint32_t fieldsLength = head.uint32At(12).value_or(kLongestMessage);
    if (bodyLength >= kLongestMessage || fieldsLength >= kLongestMessage) return false;
    const size_t headerEnd = (16 + size_t(fieldsLength) + 7) / 8 * 8;
    if (!bus.receive(headerEnd - 16 + bodyLength, message)) return false;
    const auto type = uint8_t(message[1]);
    if ((type == kMethodReturn || type == kError) && WireReader(message).replySerial() == serial)
      return type == kMethodReturn;
  }
}

std::string hexOf(std::string_view text) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (const char c : text) {
    out.push_back(kDigits[uint8_t(c) >> 4]);
    out.push_back(kDigits[uint8_t(c) & 15]);
  }
  return out;
}

}  // namespace

bool askRealtimeService(pid_t thread, int priority, std::chrono::milliseconds patience, const std::string& busAddress) {
  std::string address = busAddress;
  if (address.empty()) {
    const char* fromEnvironment = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    address = fromEnvironment && *fromEnvironment ? fromEnvironment : kSystemBusSocket;
  }
  BusSocket bus(Clock::now() + patience);
  if (!bus.connectTo(address)) return false;
  // The bus knows the caller by the socket's credentials; the caller names its user id.
  std::string line;
  if (!bus.send(std::string(1, '\0') + "AUTH EXTERNAL " + hexOf(std::to_string(geteuid())) + "\r\n") ||
      !bus.receiveLine(line) || line.compare(0, 3, "OK ") != 0 || !bus.send("BEGIN\r\n"))
    return false;
  const Call hello{"org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "Hello", "", {}};
  if (!callAndAwait(bus, hello, 1)) return false;
  WireWriter arguments;
  arguments.uint64(uint64_t(thread));
  arguments.uint32(uint32_t(priority));
  const Call ask{"org.freedesktop.RealtimeKit1",
                 "/org/freedesktop/RealtimeKit1",
                 "org.freedesktop.RealtimeKit1",
                 "MakeThreadRealtime",
                 "tu",
                 arguments.bytes()};
  return callAndAwait(bus, ask, 2);
}

void makeThisThreadRealtime(std::chrono::milliseconds patience) {
  sched_param param{};
  param.sched_priority = kRealtimePriority;
  if (sched_setscheduler(0, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0) return;
  // The service grants real time only to a program that lets the system stop a thread that
  // runs too long without blocking.
  rlimit limit{};
  if (getrlimit(RLIMIT_RTTIME, &limit) == 0 &&
      (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > kRealtimeLimitMicroseconds)) {
    limit.rlim_cur = limit.rlim_max = kRealtimeLimitMicroseconds;
    setrlimit(RLIMIT_RTTIME, &limit);
  }
  const pid_t self = gettid();
  try {
    std::thread([self, patience] {
      pthread_setname_np(pthread_self(), "realtime ask");
      askRealtimeService(self, kRealtimePriority, patience);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the sound thread keeps its ordinary priority.
  }
}

}  // namespace plat
