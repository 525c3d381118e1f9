#include "tests/support/buses.h"

#include <poll.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace testbus {

PrivateBus::~PrivateBus() {
  if (m_daemon.state() == QProcess::NotRunning) return;
  m_daemon.kill();
  m_daemon.waitForFinished(2000);
}

bool PrivateBus::start(QString* why) {
  if (!m_dir.isValid()) {
    *why = "no temporary folder for the message bus";
    return false;
  }
  // The bus ends with the check that started it, even when the check is killed.
  m_daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
  m_daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1",
                                 "--address=unix:path=" + m_dir.filePath("bus")});
  if (!m_daemon.waitForStarted(10000)) {
    *why = "the program dbus-daemon could not be started (" + m_daemon.errorString() + ")";
    return false;
  }
  // The daemon prints its address once it listens: from then on a connection is taken.
  QDeadlineTimer deadline(30000);
  while (!m_daemon.canReadLine()) {
    if (m_daemon.state() == QProcess::NotRunning || deadline.hasExpired()) {
      *why = "the message bus did not come up: " + QString::fromLocal8Bit(m_daemon.readAllStandardError());
      return false;
    }
    m_daemon.waitForReadyRead(100);
  }
  m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
  return !m_address.isEmpty();
}

namespace {

// The hard real-time run limit of a process as the system shows it; none when unlimited or
// unreadable.
std::optional<qlonglong> hardRunLimitOf(uint process) {
  QFile limits(QString("/proc/%1/limits").arg(process));
  if (!limits.open(QIODevice::ReadOnly)) return std::nullopt;
  for (const QByteArray& line : limits.readAll().split('\n')) {
    if (!line.startsWith("Max realtime timeout")) continue;
    const QList<QByteArray> values = line.mid(int(std::strlen("Max realtime timeout"))).simplified().split(' ');
    bool number = false;
    const qlonglong hard = values.size() > 1 ? values[1].toLongLong(&number) : 0;
    return number ? std::optional<qlonglong>(hard) : std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

bool RealtimeServiceStandIn::serve(const QString& address, QString* why) {
  m_connectionName = QString("realtime-service-%1").arg(quintptr(this));
  QDBusConnection connection = QDBusConnection::connectToBus(address, m_connectionName);
  if (!connection.isConnected()) {
    *why = "the service could not reach the bus: " + connection.lastError().message();
    return false;
  }
  if (!connection.registerObject("/org/freedesktop/RealtimeKit1", this,
                                 QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) ||
      !connection.registerService("org.freedesktop.RealtimeKit1")) {
    *why = "the service could not take its name: " + connection.lastError().message();
    return false;
  }
  return true;
}

RealtimeServiceStandIn::~RealtimeServiceStandIn() {
  if (!m_connectionName.isEmpty()) QDBusConnection::disconnectFromBus(m_connectionName);
}

void RealtimeServiceStandIn::MakeThreadRealtime(qulonglong thread, uint priority) {
  ++requests;
  askedThread = thread;
  askedPriority = priority;
  applied = false;
  refusal.clear();
  const uint caller = connection().interface()->servicePid(message().service()).value();
  const auto refuse = [&](const char* why) {
    refusal = "org.freedesktop.DBus.Error.AccessDenied";
    sendErrorReply(refusal, why);
  };
  if (int(priority) > m_priorityLimit) return refuse("the priority is above the service's limit");
  if (!QFileInfo::exists(QString("/proc/%1/task/%2").arg(caller).arg(thread)))
    return refuse("the thread is not one of the caller's");
  const auto hard = hardRunLimitOf(caller);
  if (!hard || *hard > m_runLimit) return refuse("the caller's real-time run limit is not set");
  sched_param param{};
  param.sched_priority = int(priority);
  applied = sched_setscheduler(pid_t(thread), SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0;
}

namespace {

enum : uint8_t { kMethodCall = 1, kMethodReturn = 2, kSignal = 4 };

// A message in the bus's wire form, little-endian, every value aligned to its size from the
// message's start.
class Wire {
 public:
  void byte(uint8_t v) { m_bytes.push_back(char(v)); }
  void align(size_t n) {
    while (m_bytes.size() % n) byte(0);
  }
  void uint32(uint32_t v) {
    align(4);
    for (int i = 0; i < 4; ++i) byte(uint8_t(v >> (8 * i)));
  }
  void int64(int64_t v) {
    align(8);
    for (int i = 0; i < 8; ++i) byte(uint8_t(uint64_t(v) >> (8 * i)));
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
  void field(uint8_t code, std::string_view type) {
    align(8);
    byte(code);
    signature(type);
  }
  void patch32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) m_bytes[at + size_t(i)] = char(uint8_t(v >> (8 * i)));
  }
  size_t size() const { return m_bytes.size(); }
  std::string bytes() const { return m_bytes; }

 private:
  std::string m_bytes;
};

uint32_t littleEndian32(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t(uint8_t(bytes[at + size_t(i)])) << (8 * i);
  return v;
}

struct Outgoing {
  uint8_t type;
  uint32_t serial;
  uint32_t replyTo = 0;  // 0: not a reply
  bool unknownField = false;
  std::string_view bodySignature;
  std::function<void(Wire&)> body;
};

std::string wireForm(const Outgoing& out) {
  Wire w;
  w.byte('l');
  w.byte(out.type);
  w.byte(out.type == kMethodCall ? 0 : 1);  // no reply expected, but to a call
  w.byte(1);
  w.uint32(0);  // the body's length, written below
  w.uint32(out.serial);
  w.uint32(0);  // the header fields' length, written below
  const size_t fieldsBegin = w.size();
  if (out.replyTo) {
    w.field(5, "u");
    w.uint32(out.replyTo);
  }
  if (out.type == kSignal) {
    w.field(1, "o");
    w.string("/org/example/Flood");
    w.field(2, "s");
    w.string("org.example.Flood");
    w.field(3, "s");
    w.string("Drop");
  }
  if (!out.bodySignature.empty()) {
    w.field(8, "g");
    w.signature(out.bodySignature);
  }
  if (out.unknownField) {
    // A field code no version of the protocol uses, with a value of a type of its own.
    w.field(200, "x");
    w.int64(-1);
  }
  w.patch32(12, uint32_t(w.size() - fieldsBegin));
  w.align(8);
  const size_t bodyBegin = w.size();
  if (out.body) out.body(w);
  w.patch32(4, uint32_t(w.size() - bodyBegin));
  return w.bytes();
}

// One client's connection, as the hostile bus sees it.
class Peer {
 public:
  Peer(int fd, const std::atomic<bool>& stopping) : m_fd(fd), m_stopping(stopping) {}
  ~Peer() { close(m_fd); }
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  // Waits for more bytes; false when the client hung up or the bus stops.
  bool receiveMore() {
    pollfd p{m_fd, POLLIN, 0};
    while (!m_stopping) {
      if (poll(&p, 1, 10) <= 0) continue;
      char buffer[4096];
      const ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
      if (n <= 0) return false;
      m_in.append(buffer, size_t(n));
      return true;
    }
    return false;
  }
  // False when the client hung up or the bus stops.
  bool send(std::string_view bytes) {
    while (!bytes.empty() && !m_stopping) {
      const ssize_t n = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n > 0) {
        bytes.remove_prefix(size_t(n));
      } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
        pollfd p{m_fd, POLLOUT, 0};
        poll(&p, 1, 10);
      } else {
        return false;
      }
    }
    return bytes.empty();
  }
  // The client's authentication, taken as a bus takes it.
  bool authenticate() {
    size_t begin;
    while ((begin = m_in.find("BEGIN\r\n")) == std::string::npos)
      if (!receiveMore()) return false;
    const bool asksForData = m_in.find("DATA\r\n") != std::string::npos;
    m_in.erase(0, begin + 7);
    return send(std::string(asksForData ? "DATA\r\n" : "") + "OK 0123456789abcdef0123456789abcdef\r\n");
  }
  // The next whole message from the client; empty when none comes.
  std::string nextMessage() {
    for (;;) {
      if (m_in.size() >= 16) {
        const size_t total = (16 + size_t(littleEndian32(m_in, 12)) + 7) / 8 * 8 + littleEndian32(m_in, 4);
        if (m_in.size() >= total) {
          std::string message = m_in.substr(0, total);
          m_in.erase(0, total);
          return message;
        }
      }
      if (!receiveMore()) return {};
    }
  }
  bool stopping() const { return m_stopping; }

 private:
  int m_fd;
  const std::atomic<bool>& m_stopping;
  std::string m_in;
};

}  // namespace

HostileBus::HostileBus(Manner manner) : m_manner(manner) {
  const QByteArray path = m_dir.filePath("bus").toLocal8Bit();
  sockaddr_un where{};
  where.sun_family = AF_UNIX;
  std::memcpy(where.sun_path, path.constData(), std::min(size_t(path.size()), sizeof where.sun_path - 1));
  m_listening = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (bind(m_listening, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 || listen(m_listening, 16) != 0) {
    close(m_listening);
    m_listening = -1;
    return;
  }
  m_thread = std::thread([this] { serve(); });
}

HostileBus::~HostileBus() {
  m_stopping = true;
  if (m_thread.joinable()) m_thread.join();
  if (m_listening >= 0) close(m_listening);
}

std::string HostileBus::address() const { return "unix:path=" + m_dir.filePath("bus").toStdString(); }

void HostileBus::serve() {
  std::vector<std::thread> talks;
  pollfd p{m_listening, POLLIN, 0};
  while (!m_stopping) {
    if (poll(&p, 1, 10) <= 0) continue;
    const int fd = accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0) talks.emplace_back([this, fd] { talk(fd); });
  }
  for (auto& t : talks) t.join();
}

void HostileBus::talk(int fd) {
  Peer peer(fd, m_stopping);
  const auto holdOn = [&] {
    while (peer.receiveMore()) {
    }
  };
  switch (m_manner) {
    case Silent: return holdOn();
    case ClosesAtOnce: return;
    case Garbage: peer.send(std::string_view("\x7f\x03zz\r\nREJECTED\x01\xfe\r\n\0\0OK\r\n", 24)); return holdOn();
    case EndlessLine:
      for (peer.send("DATA\r\nOK "); peer.send(std::string(4096, 'a'));) {
      }
      return;
    case Flooding: {
      if (!peer.authenticate() || peer.nextMessage().empty()) return;
      peer.send(wireForm({kMethodReturn, 1, 1, false, "s", [](Wire& w) { w.string(":1.1"); }}));
      // Messages by the thousand, so that the client never finds its socket empty.
      for (uint32_t serial = 2;;) {
        std::string batch;
        for (int i = 0; i < 1000; ++i) batch += wireForm({kSignal, serial++, 0, false, "", {}});
        if (!peer.send(batch)) return;
      }
    }
    case UnknownFields: {
      if (!peer.authenticate()) return;
      for (uint32_t serial = 1;; ++serial) {
        const std::string call = peer.nextMessage();
        if (call.empty()) return;
        if (uint8_t(call[1]) != kMethodCall) continue;
        const uint32_t callSerial = littleEndian32(call, 8);
        Outgoing reply{kMethodReturn, serial, callSerial, true, "", {}};
        if (callSerial == 1) {  // the greeting: the client's name on the bus
          reply.bodySignature = "s";
          reply.body = [](Wire& w) { w.string(":1.1"); };
        } else if (call.find("RTTimeUSecMax") != std::string::npos) {
          reply.bodySignature = "v";
          reply.body = [](Wire& w) {
            w.signature("x");
            w.int64(kRunLimit);
          };
        }
        if (!peer.send(wireForm(reply))) return;
      }
    }
  }
}

}  // namespace testbus
