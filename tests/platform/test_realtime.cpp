// The real-time request as the system and the desktop's service meet it: what the service
// grants and refuses, reported as it answered; the real-time run limit set before real time is
// taken either way, without lowering the hard limit more than the service requires; and buses
// that misbehave, each left within the request's deadline.

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QProcess>
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/realtime.h"
#include "tests/sound/threads.h"
#include "tests/support/buses.h"

namespace {

using namespace std::chrono_literals;

double secondsOf(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

rlimit runLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_RTTIME, &limit);
  return limit;
}

// The process's real-time run limit, set for a check and put back after it. (Raising a hard
// limit back takes a right ordinary users lack; each check runs in a process of its own.)
class RunLimitKept {
 public:
  RunLimitKept() : m_saved(runLimit()) {}
  ~RunLimitKept() { setrlimit(RLIMIT_RTTIME, &m_saved); }
  static bool set(rlim_t soft, rlim_t hard) {
    const rlimit limit{soft, hard};
    return setrlimit(RLIMIT_RTTIME, &limit) == 0;
  }

 private:
  rlimit m_saved;
};

// A thread of this process that waits until the check ends, to be put in real time.
class WaitingThread {
 public:
  WaitingThread()
      : m_thread([this] {
          m_id = gettid();
          while (!m_done) std::this_thread::sleep_for(5ms);
        }) {
    while (m_id == 0) std::this_thread::sleep_for(1ms);
  }
  ~WaitingThread() {
    m_done = true;
    m_thread.join();
  }
  pid_t id() const { return m_id; }

 private:
  std::atomic<pid_t> m_id{0};
  std::atomic<bool> m_done{false};
  std::thread m_thread;
};

class RealtimeService : public ::testing::Test {
 protected:
  void SetUp() override {
    QString why;
    ASSERT_TRUE(bus.start(&why)) << why.toStdString();
    ASSERT_TRUE(service.serve(bus.address(), &why)) << why.toStdString();
  }
  bool ask(pid_t thread, int priority) {
    const std::string address = bus.address().toStdString();
    return testbus::whileServing<bool>(
        [=] { return plat::askRealtimeService(thread, priority, std::chrono::milliseconds(10000), address); });
  }

  RunLimitKept kept;
  testbus::PrivateBus bus;
  testbus::RealtimeServiceStandIn service;
  WaitingThread thread;
};

// The service asks what its limit allows; the program lowers its hard limit to that, not
// below, and its soft limit to its own 0.2 s, and the service grants the request.
TEST_F(RealtimeService, GrantsAThreadOfTheCallerOnceTheHardLimitIsWithinItsOwn) {
  ASSERT_TRUE(RunLimitKept::set(RLIM_INFINITY, RLIM_INFINITY));
  service.m_runLimit = 300000;
  EXPECT_TRUE(ask(thread.id(), plat::kRealtimePriority));
  EXPECT_EQ(service.requests, 1);
  EXPECT_EQ(service.refusal.toStdString(), "");
  EXPECT_EQ(service.askedThread, qulonglong(thread.id()));
  EXPECT_EQ(service.askedPriority, uint(plat::kRealtimePriority));
  EXPECT_EQ(runLimit().rlim_max, rlim_t(300000));
  EXPECT_EQ(runLimit().rlim_cur, plat::kRealtimeRunMicroseconds);
  if (service.applied) {
    EXPECT_EQ(sched_getscheduler(thread.id()), SCHED_RR | SCHED_RESET_ON_FORK);
  }
}

// A service whose limit is below the program's own soft limit: both come down to it.
TEST_F(RealtimeService, AServiceLimitBelowTheProgramsOwnBringsBothLimitsDownToIt) {
  ASSERT_TRUE(RunLimitKept::set(RLIM_INFINITY, RLIM_INFINITY));
  service.m_runLimit = 50000;
  EXPECT_TRUE(ask(thread.id(), plat::kRealtimePriority));
  EXPECT_EQ(runLimit().rlim_max, rlim_t(50000));
  EXPECT_EQ(runLimit().rlim_cur, rlim_t(50000));
}

// Limits already within the service's and the program's are left as they are: never raised.
TEST_F(RealtimeService, LimitsAlreadyWithinTheServicesAreLeftAsTheyAre) {
  ASSERT_TRUE(RunLimitKept::set(30000, 120000));
  EXPECT_TRUE(ask(thread.id(), plat::kRealtimePriority));
  EXPECT_EQ(runLimit().rlim_cur, rlim_t(30000));
  EXPECT_EQ(runLimit().rlim_max, rlim_t(120000));
}

// The service's refusals are errors, and the request says it was not granted.
TEST_F(RealtimeService, APriorityAboveTheServicesLimitIsRefused) {
  service.m_priorityLimit = 20;
  EXPECT_FALSE(ask(thread.id(), 21));
  EXPECT_EQ(service.requests, 1);
  EXPECT_EQ(service.refusal.toStdString(), "org.freedesktop.DBus.Error.AccessDenied");
  EXPECT_EQ(sched_getscheduler(thread.id()), SCHED_OTHER);
  // The program's own priority is within what the service allows by default.
  EXPECT_TRUE(ask(thread.id(), plat::kRealtimePriority));
}

TEST_F(RealtimeService, AThreadOfAnotherProcessIsRefused) {
  QProcess other;
  other.start("sleep", {"10"});
  ASSERT_TRUE(other.waitForStarted(10000));
  EXPECT_FALSE(ask(pid_t(other.processId()), plat::kRealtimePriority));
  EXPECT_EQ(service.requests, 1);
  EXPECT_EQ(service.refusal.toStdString(), "org.freedesktop.DBus.Error.AccessDenied");
  EXPECT_EQ(sched_getscheduler(pid_t(other.processId())), SCHED_OTHER);
  other.kill();
  other.waitForFinished(2000);
}

// Without the right to real time, the thread asks the service from a thread of its own and
// goes on at once; the service puts it in real time at the program's priority, the limit set.
TEST_F(RealtimeService, WithoutTheRightTheThreadIsPutInRealTimeByTheService) {
  ASSERT_TRUE(RunLimitKept::set(RLIM_INFINITY, RLIM_INFINITY));
  std::atomic<pid_t> asking{0};
  std::atomic<double> returnedAfter{1};
  std::atomic<bool> answered{false};
  std::thread worker([&] {
    soundcheck::giveUpRealtimeRight();
    asking = gettid();
    QElapsedTimer t;
    t.start();
    plat::makeThisThreadRealtime(bus.address().toStdString(), 10000ms);
    returnedAfter = secondsOf(t);
    // The thread lives on until the service has answered, as the sound thread does.
    while (!answered) std::this_thread::sleep_for(5ms);
  });
  QElapsedTimer t;
  t.start();
  while ((service.requests == 0 || soundcheck::threadsNamed("realtime ask") > 0) && secondsOf(t) < 10)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  EXPECT_LT(returnedAfter, 0.1);
  EXPECT_EQ(service.requests, 1);
  EXPECT_EQ(service.refusal.toStdString(), "");
  EXPECT_EQ(service.askedThread, qulonglong(asking.load()));
  EXPECT_EQ(service.askedPriority, uint(plat::kRealtimePriority));
  EXPECT_EQ(runLimit().rlim_max, rlim_t(service.m_runLimit));
  EXPECT_EQ(runLimit().rlim_cur, plat::kRealtimeRunMicroseconds);
  if (service.applied) {
    sched_param param{};
    EXPECT_EQ(sched_getscheduler(asking), SCHED_RR | SCHED_RESET_ON_FORK);
    EXPECT_EQ(sched_getparam(asking, &param), 0);
    EXPECT_EQ(param.sched_priority, plat::kRealtimePriority);
  }
  answered = true;
  worker.join();
}

// Where the program may take real time itself, it does, after setting its soft limit; the hard
// limit stays where it was, and no service is asked.
TEST(RealtimeDirectly, TheSoftLimitIsSetFirstAndTheHardLimitLeftAsItIs) {
  rlimit priorities{};
  getrlimit(RLIMIT_RTPRIO, &priorities);
  if (geteuid() != 0 && priorities.rlim_cur < rlim_t(plat::kRealtimePriority))
    GTEST_SKIP() << "this user may not run threads in real time";
  RunLimitKept kept;
  ASSERT_TRUE(RunLimitKept::set(RLIM_INFINITY, RLIM_INFINITY));
  testbus::HostileBus bus(testbus::HostileBus::Silent);
  int policy = -1, priority = -1;
  std::thread([&] {
    plat::makeThisThreadRealtime(bus.address(), 300ms);
    sched_param param{};
    policy = sched_getscheduler(0);
    sched_getparam(0, &param);
    priority = param.sched_priority;
  }).join();
  EXPECT_EQ(policy, SCHED_RR | SCHED_RESET_ON_FORK);
  EXPECT_EQ(priority, plat::kRealtimePriority);
  EXPECT_EQ(runLimit().rlim_cur, plat::kRealtimeRunMicroseconds);
  EXPECT_EQ(runLimit().rlim_max, RLIM_INFINITY);
  EXPECT_EQ(soundcheck::threadsNamed("realtime ask"), 0);
}

// Buses that misbehave: each request ends, unanswered, within its deadline (0.3 s, and what a
// busy computer adds to wake the thread), however the bus holds it; those that fail outright
// end at once.
TEST(RealtimeServiceOnHostileBuses, EveryRequestEndsWithinItsDeadline) {
  using testbus::HostileBus;
  struct Row {
    const char* name;
    HostileBus::Manner manner;
    bool heldToTheDeadline;
  };
  const Row rows[] = {
      {"silent", HostileBus::Silent, true},
      {"flooding", HostileBus::Flooding, true},
      {"closing at once", HostileBus::ClosesAtOnce, false},
      {"garbage", HostileBus::Garbage, false},
      {"endless authentication line", HostileBus::EndlessLine, false},
  };
  RunLimitKept kept;
  ASSERT_TRUE(RunLimitKept::set(RLIM_INFINITY, RLIM_INFINITY));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HostileBus bus(row.manner);
    ASSERT_TRUE(bus.listening());
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(plat::askRealtimeService(gettid(), plat::kRealtimePriority, 300ms, bus.address()));
    const double took = secondsOf(t);
    EXPECT_LE(took, 0.3 + 0.15);
    if (row.heldToTheDeadline) {
      EXPECT_GE(took, 0.29);
    }
    // No service answered: the hard limit is not lowered for nothing.
    EXPECT_EQ(runLimit().rlim_max, RLIM_INFINITY);
  }
  // No bus at the address, or an address of another kind than a local socket: at once.
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(plat::askRealtimeService(gettid(), 3, 3000ms, "unix:path=/nonexistent/bus"));
  EXPECT_FALSE(plat::askRealtimeService(gettid(), 3, 3000ms, "tcp:host=localhost,port=1"));
  EXPECT_LT(secondsOf(t), 0.3);
}

// A bus may add header fields of kinds no client knows; a reply that carries one is read all
// the same, and the request is granted at once.
TEST(RealtimeServiceOnHostileBuses, RepliesWithHeaderFieldsOfUnknownKindsAreRead) {
  RunLimitKept kept;
  ASSERT_TRUE(RunLimitKept::set(RLIM_INFINITY, RLIM_INFINITY));
  testbus::HostileBus bus(testbus::HostileBus::UnknownFields);
  ASSERT_TRUE(bus.listening());
  QElapsedTimer t;
  t.start();
  EXPECT_TRUE(plat::askRealtimeService(gettid(), plat::kRealtimePriority, 2000ms, bus.address()));
  EXPECT_LT(secondsOf(t), 1.0);
  EXPECT_EQ(runLimit().rlim_max, rlim_t(testbus::HostileBus::kRunLimit));
}

}  // namespace
