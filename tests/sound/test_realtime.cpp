// The sound thread as the system sees it: one thread called "sound", the program keeping its
// own name, and real-time scheduling asked of the desktop's service over the system bus where
// the program may not take it itself, without anything waiting on a bus that does not answer.

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <thread>

#include "platform/realtime.h"
#include "platform/services.h"
#include "tests/sound/threads.h"
#include "tests/support/buses.h"

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

// An ordinary desktop user may not put a thread in real time: the sound thread asks the
// desktop's service over the system bus, which puts it there.
TEST(RealtimeService, TheDesktopsServicePutsTheSoundThreadInRealTime) {
  testbus::PrivateBus bus;
  testbus::RealtimeServiceStandIn service;
  QString why;
  ASSERT_TRUE(bus.start(&why)) << why.toStdString();
  ASSERT_TRUE(service.serve(bus.address(), &why)) << why.toStdString();
  rlimit saved{};
  getrlimit(RLIMIT_RTTIME, &saved);
  const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
  ASSERT_EQ(setrlimit(RLIMIT_RTTIME, &unlimited), 0);
  QTemporaryDir dir;
  qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server")).toLocal8Bit());
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toLocal8Bit());
  // The sound service starts from a thread without the right; this one keeps it, so that the
  // service's stand-in can grant what it is asked for where the system lets this process.
  std::unique_ptr<plat::SoundBackend> sound;
  std::thread([&] {
    soundcheck::giveUpRealtimeRight();
    sound = plat::makeSystemSound();
  }).join();
  // What the sound thread asks with is read as the service starts: a change after it is not.
  qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
  const pid_t thread = soundThread();
  ASSERT_NE(thread, 0);
  QElapsedTimer t;
  t.start();
  while ((service.requests == 0 || soundcheck::threadsNamed("realtime ask") > 0) && t.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(service.requests, 1);
  EXPECT_EQ(service.refusal.toStdString(), "");
  EXPECT_EQ(service.askedThread, qulonglong(thread));
  EXPECT_EQ(service.askedPriority, uint(plat::kRealtimePriority));
  rlimit set{};
  getrlimit(RLIMIT_RTTIME, &set);
  EXPECT_EQ(set.rlim_cur, plat::kRealtimeRunMicroseconds);
  EXPECT_EQ(set.rlim_max, rlim_t(service.m_runLimit));
  if (service.applied) {
    EXPECT_EQ(soundcheck::schedulingPolicyOf(thread), SCHED_RR);
  }
  sound.reset();
  setrlimit(RLIMIT_RTTIME, &saved);
}

}  // namespace
