// The sound thread as the system sees it: one thread called "sound", the program keeping its
// own name, and real-time scheduling asked of the desktop's service over the system bus where
// the program may not take it itself, without anything waiting on a bus that does not answer.

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstring>
#include <memory>
#include <thread>

#include "platform/realtime.h"
#include "platform/services.h"
#include "tests/sound/threads.h"

namespace {

// The sound thread's id, once the sound service has started it (0 when it has not).
pid_t soundThread() {
  for (int i = 0; i < 200; ++i) {
    for (const auto& [id, name] : soundcheck::threadNames())
      if (name == "sound") return id;
    QThread::msleep(10);
  }
  return 0;
}

// A socket at `path` that takes connections and, with `answer` false, never says a word.
int listeningSocket(const QString& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un where{};
  where.sun_family = AF_UNIX;
  const QByteArray p = path.toLocal8Bit();
  std::memcpy(where.sun_path, p.constData(), size_t(std::min<qsizetype>(p.size(), sizeof where.sun_path - 1)));
  if (bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 || listen(fd, 8) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

TEST(SoundThread, TheProgramKeepsItsNameAndOnlyTheSoundThreadIsCalledSound) {
  QTemporaryDir dir;
  qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server")).toLocal8Bit());
  const std::string programName = soundcheck::threadNames()[getpid()].toStdString();
  ASSERT_NE(programName, "sound");
  auto sound = plat::makeSystemSound();
  ASSERT_NE(soundThread(), 0);
  // What ps, top and a task manager show for the program, and what pgrep finds it by.
  EXPECT_EQ(soundcheck::threadNames()[getpid()].toStdString(), programName);
  EXPECT_EQ(soundcheck::threadsNamed("sound"), 1);
}

// A bus that takes the question and never answers, or is not there: the question is given up
// in its time, or at once.
TEST(RealtimeService, AQuestionToASilentOrMissingBusIsGivenUpInItsTime) {
  QTemporaryDir dir;
  const int silent = listeningSocket(dir.filePath("bus"));
  ASSERT_GE(silent, 0);
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(plat::askRealtimeService(gettid(), 3, std::chrono::milliseconds(300),
                                        ("unix:path=" + dir.filePath("bus")).toStdString()));
  EXPECT_GE(t.elapsed(), 290);
  EXPECT_LT(t.elapsed(), 1000);
  close(silent);
  t.restart();
  EXPECT_FALSE(plat::askRealtimeService(gettid(), 3, std::chrono::milliseconds(3000),
                                        ("unix:path=" + dir.filePath("nobody")).toStdString()));
  EXPECT_FALSE(plat::askRealtimeService(gettid(), 3, std::chrono::milliseconds(3000), "tcp:host=localhost,port=1"));
  EXPECT_LT(t.elapsed(), 500);
}

// The desktop's real-time service, as the test's own: it notes each thread it is asked to put
// in real time, and does so where this process may.
class RealtimeServiceDouble : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.RealtimeKit1")
 public:
  qulonglong askedThread = 0;
  uint askedPriority = 0;
  bool granted = false;

 public slots:
  void MakeThreadRealtime(qulonglong thread, uint priority) {
    askedThread = thread;
    askedPriority = priority;
    sched_param param{};
    param.sched_priority = int(priority);
    granted = sched_setscheduler(pid_t(thread), SCHED_RR, &param) == 0;
  }
};

// A message bus of the test's own, standing in for the system bus.
class PrivateBus {
 public:
  bool start(QString* why) {
    m_address = "unix:path=" + m_dir.filePath("bus");
    m_daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--address=" + m_address});
    if (!m_daemon.waitForStarted(10000)) {
      *why = "the program dbus-daemon could not be started (" + m_daemon.errorString() + ")";
      return false;
    }
    for (int i = 0; i < 500 && !QFileInfo::exists(m_dir.filePath("bus")); ++i) QThread::msleep(10);
    if (!QFileInfo::exists(m_dir.filePath("bus"))) {
      *why = "the message bus did not come up";
      return false;
    }
    return true;
  }
  ~PrivateBus() {
    m_daemon.kill();
    m_daemon.waitForFinished(2000);
  }
  QString address() const { return m_address; }

 private:
  QTemporaryDir m_dir;
  QProcess m_daemon;
  QString m_address;
};

// An ordinary desktop user may not put a thread in real time: the sound thread asks the
// desktop's service over the system bus, which puts it there.
TEST(RealtimeService, TheDesktopsServicePutsTheSoundThreadInRealTime) {
  PrivateBus bus;
  QString why;
  ASSERT_TRUE(bus.start(&why)) << why.toStdString();
  RealtimeServiceDouble service;
  {
    QDBusConnection connection = QDBusConnection::connectToBus(bus.address(), "realtime-service");
    ASSERT_TRUE(connection.isConnected()) << connection.lastError().message().toStdString();
    ASSERT_TRUE(connection.registerObject("/org/freedesktop/RealtimeKit1", &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(connection.registerService("org.freedesktop.RealtimeKit1"));
  }
  QTemporaryDir dir;
  qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server")).toLocal8Bit());
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toLocal8Bit());
  // The sound service starts from a thread without the right; this one keeps it, so that the
  // service double can grant what it is asked for where the system lets this process.
  std::unique_ptr<plat::SoundBackend> sound;
  std::thread([&] {
    soundcheck::giveUpRealtimeRight();
    sound = plat::makeSystemSound();
  }).join();
  const pid_t thread = soundThread();
  ASSERT_NE(thread, 0);
  QElapsedTimer t;
  t.start();
  while (service.askedThread == 0 && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(service.askedThread, qulonglong(thread));
  EXPECT_EQ(service.askedPriority, uint(plat::kRealtimePriority));
  if (service.granted) {
    EXPECT_EQ(soundcheck::schedulingPolicyOf(thread), SCHED_RR);
  }
  sound.reset();
  QDBusConnection::disconnectFromBus("realtime-service");
  qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

}  // namespace

#include "test_realtime.moc"
