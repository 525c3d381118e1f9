#pragma once
// Real-time scheduling for the thread that feeds the sound server. A thread of ordinary
// priority on a busy computer can wake late and let the speaker run dry; one in real time
// wakes when it is due.
//
// The system grants it directly where the program may have it (a real-time limit above 0, or
// the right to raise priorities). An ordinary desktop user may not, and asks the desktop's
// real-time service over the system bus instead. That bus is another program, which may be
// slow, stuck, or gone: the request is made by a thread of its own to one deadline over every
// step, and nothing of the program waits for its answer, neither a sound nor the program's end.
//
// Either way, a thread in real time that never blocks would hold a processor for good: before
// real time is taken, the process's real-time run limit (RLIMIT_RTTIME) is set, so that the
// system stops such a thread. Where it cannot be set, real time is not taken.

#include <sys/resource.h>
#include <sys/types.h>

#include <chrono>
#include <string>

namespace plat {

// The real-time priority asked for: low, below the sound server's own.
constexpr int kRealtimePriority = 3;
// The longest a real-time thread of the program runs without blocking before the system stops
// it; also the most the real-time service allows as the process's hard limit.
constexpr rlim_t kRealtimeRunMicroseconds = 200000;

// The system bus's address as the environment gives it (DBUS_SYSTEM_BUS_ADDRESS), or empty.
// Read where nothing changes the environment meanwhile: on the windows' thread.
std::string systemBusAddress();

// Puts the calling thread in real time (round robin, at kRealtimePriority) if the system
// lets it, else asks the desktop's real-time service on the bus `systemBus` (as
// systemBusAddress() gives it) from a thread of its own, called "realtime ask", and returns
// at once; that thread ends when the service answers, or within `patience`.
void makeThisThreadRealtime(const std::string& systemBus,
                            std::chrono::milliseconds patience = std::chrono::milliseconds(2000));

// Asks the real-time service on the bus at `busAddress` (a bus address, its alternatives
// separated by ';'; empty: the system's usual socket) to run the thread `thread` of this
// process in real time at `priority`. Gives up when the whole exchange (connection,
// authentication, greeting and call) has not ended within `patience`. True only when the
// service answered that it granted it.
bool askRealtimeService(pid_t thread, int priority, std::chrono::milliseconds patience, const std::string& busAddress);

}  // namespace plat
