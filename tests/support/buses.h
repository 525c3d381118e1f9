#pragma once
// Message buses for the checks of the real-time request: a private bus of the check's own,
// with a stand-in for the desktop's real-time service that judges a request as the real one
// does, and buses that misbehave, each in one way a broken or hostile bus can.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>

namespace testbus {

// A message bus of the check's own (dbus-daemon), standing in for the system bus. start()
// returns once the bus answers: the daemon prints its address only when it listens.
class PrivateBus {
 public:
  ~PrivateBus();
  bool start(QString* why);
  QString address() const { return m_address; }

 private:
  QTemporaryDir m_dir;
  QProcess m_daemon;
  QString m_address;
};

// The desktop's real-time service, as the check's own, judging every request as the real
// service does: it puts a thread in real time (round robin, reset on fork) only when the
// thread belongs to the process that asks, the priority is at most its own limit, and the
// asking process's hard real-time run limit (RLIMIT_RTTIME) is at most the one it allows;
// otherwise it answers with an error. It grants what passes even where this process may not
// change the thread's scheduling (`applied` says whether it did).
class RealtimeServiceStandIn : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.RealtimeKit1")
  Q_PROPERTY(qlonglong RTTimeUSecMax READ runLimit)
  Q_PROPERTY(int MaxRealtimePriority READ priorityLimit)

 public:
  // Registers the service on the bus at `address`; false, with the reason, when it cannot.
  bool serve(const QString& address, QString* why);
  ~RealtimeServiceStandIn() override;

  qlonglong runLimit() const { return m_runLimit; }
  int priorityLimit() const { return m_priorityLimit; }
  qlonglong m_runLimit = 200000;  // microseconds
  int m_priorityLimit = 20;

  int requests = 0;
  qulonglong askedThread = 0;
  uint askedPriority = 0;
  QString refusal;  // the error of the last request refused, empty when granted
  bool applied = false;

 public slots:
  void MakeThreadRealtime(qulonglong thread, uint priority);

 private:
  QString m_connectionName;
};

// Runs `work` on a thread of its own while this thread handles events (so that a service
// living on it can answer), and returns its result.
template <typename Result>
Result whileServing(std::function<Result()> work) {
  auto result = std::async(std::launch::async, std::move(work));
  while (result.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return result.get();
}

// A socket where a bus should be, that misbehaves in one way with every client.
class HostileBus {
 public:
  enum Manner {
    Silent,         // takes the connection and never says a word
    ClosesAtOnce,   // takes it and hangs up
    Garbage,        // answers the authentication with bytes that mean nothing
    EndlessLine,    // starts an answer to the authentication and never ends the line
    Flooding,       // authenticates, greets, then sends messages without end, never an answer
    UnknownFields,  // a bus that works, whose every reply carries a header field of a kind
                    // no client knows, as the protocol lets a bus add
  };
  explicit HostileBus(Manner manner);
  ~HostileBus();
  HostileBus(const HostileBus&) = delete;
  HostileBus& operator=(const HostileBus&) = delete;
  std::string address() const;
  bool listening() const { return m_listening >= 0; }
  // The service's run limit this bus's replies give, for UnknownFields.
  static constexpr long long kRunLimit = 150000;

 private:
  void serve();
  void talk(int fd);

  Manner m_manner;
  QTemporaryDir m_dir;
  int m_listening = -1;
  std::atomic<bool> m_stopping{false};
  std::thread m_thread;
};

}  // namespace testbus
