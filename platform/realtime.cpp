#include "platform/realtime.h"

#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <system_error>
#include <thread>

// The request to the real-time service is one method call on the system bus, made with the
// bus client of the system's own library, sd-bus (libsystemd, which the sound library loads
// already). Of the bus's client libraries it is the one that fits a request nobody may wait
// for: it connects without blocking, starts no thread of its own and holds no lock shared by
// the process, so the connection is this thread's alone, and everything it does can be driven
// from a poll loop here, to one deadline over every step: the connection, the bus's
// authentication, its greeting (Hello, which sd-bus sends first), the service's limit and the
// call. A bus that floods messages, or never lets its socket empty, is still left at the
// deadline, as the loop looks at the time before each message it lets sd-bus take.
//
// Two of sd-bus's own conveniences would wait past that deadline and are not used: its
// blocking call (sd_bus_call) keeps to its timeout only once the authentication has ended,
// and a close that flushes what is unsent (sd_bus_flush_close_unref) waits for the bus to
// take it. The connection is closed without flushing. The bus's address is handed to sd-bus
// as it stands, read by the caller beforehand, and so is the calls' own time limit (which
// sd-bus would look up in the environment), so nothing on this thread reads the environment
// while the windows' thread may change it; and only local sockets are used, as a
// system bus is one and other kinds of address could resolve names or start programs, which
// no deadline here could cut short.

namespace plat {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kSystemBusSocket = "unix:path=/run/dbus/system_bus_socket";
constexpr const char* kService = "org.freedesktop.RealtimeKit1";
constexpr const char* kServiceObject = "/org/freedesktop/RealtimeKit1";

// Sets the process's real-time run limit, before a thread of it takes real time. The soft
// limit, at which the system stops a thread that has run that long without blocking, becomes
// kRealtimeRunMicroseconds; the hard limit, at which it is killed, and above which the soft
// limit can never be raised again, is lowered only to `hardAtMost`. Neither is ever raised.
// False when the limit cannot be set.
bool limitRealtimeRuns(rlim_t hardAtMost) {
  rlimit now{};
  if (getrlimit(RLIMIT_RTTIME, &now) != 0) return false;
  rlimit wanted = now;
  wanted.rlim_max = std::min(now.rlim_max, hardAtMost);  // RLIM_INFINITY is the largest of all
  wanted.rlim_cur = std::min({now.rlim_cur, kRealtimeRunMicroseconds, wanted.rlim_max});
  if (wanted.rlim_cur == now.rlim_cur && wanted.rlim_max == now.rlim_max) return true;
  return setrlimit(RLIMIT_RTTIME, &wanted) == 0;
}

// Only the local sockets of a bus address list ("unix:...;unix:...").
std::string localAlternatives(const std::string& addresses) {
  std::string kept;
  for (size_t begin = 0; begin <= addresses.size();) {
    size_t end = addresses.find(';', begin);
    if (end == std::string::npos) end = addresses.size();
    const std::string one = addresses.substr(begin, end - begin);
    if (one.rfind("unix:", 0) == 0) kept += (kept.empty() ? "" : ";") + one;
    begin = end + 1;
  }
  return kept;
}

struct BusCloser {
  void operator()(sd_bus* bus) const { sd_bus_close_unref(bus); }
};

// The exchange with the service: first what hard limit it allows, then the request.
struct Exchange {
  enum Stage { AskingLimit, AskingRealtime, Granted, Refused };
  sd_bus* bus;
  pid_t thread;
  int priority;
  Stage stage = AskingLimit;
};

int realtimeAnswered(sd_bus_message* reply, void* exchange, sd_bus_error*) {
  auto& x = *static_cast<Exchange*>(exchange);
  x.stage = sd_bus_message_is_method_error(reply, nullptr) ? Exchange::Refused : Exchange::Granted;
  return 0;
}

// The service grants real time only to a process whose hard limit is at most its own
// (RTTimeUSecMax): only then can no thread of it lift its own soft limit. The hard limit is
// lowered to that, and not below, only once a service has said so; a process that comes
// here could not take real time itself, so it has no real-time thread but those the service
// grants, and a hard limit above the service's would bound nothing it could run.
int limitAnswered(sd_bus_message* reply, void* exchange, sd_bus_error*) {
  auto& x = *static_cast<Exchange*>(exchange);
  int64_t serviceMost = 0;
  if (sd_bus_message_is_method_error(reply, nullptr) || sd_bus_message_read(reply, "v", "x", &serviceMost) < 0 ||
      serviceMost <= 0 || !limitRealtimeRuns(rlim_t(serviceMost))) {
    x.stage = Exchange::Refused;
    return 0;
  }
  x.stage = sd_bus_call_method_async(x.bus, nullptr, kService, kServiceObject, kService, "MakeThreadRealtime",
                                     realtimeAnswered, &x, "tu", uint64_t(x.thread), uint32_t(x.priority)) < 0
                ? Exchange::Refused
                : Exchange::AskingRealtime;
  return 0;
}

}  // namespace

std::string systemBusAddress() {
  const char* fromEnvironment = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
  return fromEnvironment ? fromEnvironment : "";
}

bool askRealtimeService(pid_t thread, int priority, std::chrono::milliseconds patience, const std::string& busAddress) {
  const auto deadline = Clock::now() + patience;
  const std::string address = localAlternatives(busAddress.empty() ? kSystemBusSocket : busAddress);
  sd_bus* opened = nullptr;
  if (address.empty() || sd_bus_new(&opened) < 0) return false;
  const std::unique_ptr<sd_bus, BusCloser> bus(opened);
  Exchange exchange{opened, thread, priority};
  // The calls' own time limit is given, which sd-bus would otherwise read from the environment.
  const auto patienceMicroseconds = std::chrono::duration_cast<std::chrono::microseconds>(patience).count();
  if (sd_bus_set_address(opened, address.c_str()) < 0 || sd_bus_set_bus_client(opened, 1) < 0 ||
      sd_bus_negotiate_fds(opened, 0) < 0 ||
      sd_bus_set_method_call_timeout(opened, uint64_t(std::max<int64_t>(patienceMicroseconds, 1))) < 0 ||
      sd_bus_start(opened) < 0 ||
      sd_bus_call_method_async(opened, nullptr, kService, kServiceObject, "org.freedesktop.DBus.Properties", "Get",
                               limitAnswered, &exchange, "ss", kService, "RTTimeUSecMax") < 0)
    return false;
  while (exchange.stage == Exchange::AskingLimit || exchange.stage == Exchange::AskingRealtime) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const int processed = sd_bus_process(opened, nullptr);
    if (processed < 0) return false;
    if (processed > 0) continue;  // more may be waiting: the time is looked at again first
    const int events = sd_bus_get_events(opened);
    pollfd socket{sd_bus_get_fd(opened), short(events), 0};
    if (events < 0 || socket.fd < 0 || (poll(&socket, 1, int(left)) < 0 && errno != EINTR)) return false;
  }
  return exchange.stage == Exchange::Granted;
}

void makeThisThreadRealtime(const std::string& systemBus, std::chrono::milliseconds patience) {
  // Taken directly, the hard limit stays as it is: the soft limit is the guard, and the
  // program keeps the room to lift it for a thread that needs more.
  if (!limitRealtimeRuns(RLIM_INFINITY)) return;
  sched_param param{};
  param.sched_priority = kRealtimePriority;
  if (sched_setscheduler(0, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0) return;
  const pid_t self = gettid();
  try {
    std::thread([self, patience, systemBus] {
      pthread_setname_np(pthread_self(), "realtime ask");
      askRealtimeService(self, kRealtimePriority, patience, systemBus);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the sound thread keeps its ordinary priority.
  }
}

}  // namespace plat
