#pragma once
// Real-time scheduling for the thread that feeds the sound server. A thread of ordinary
// priority on a busy computer can wake late and let the speaker run dry; one in real time
// wakes when it is due.
//
// The system grants it directly where the program may have it (a real-time limit above 0, or
// the right to raise priorities). An ordinary desktop user may not, and asks the desktop's
// real-time service over the system bus instead. That bus is another program, which may be
// slow, stuck, or gone: the request is made by a thread of its own with a time limit on every
// step, and nothing of the program waits for its answer, neither a sound nor the program's end.

#include <sys/types.h>

#include <chrono>
#include <string>

namespace plat {

// The real-time priority asked for: low, below the sound server's own.
constexpr int kRealtimePriority = 3;

// Puts the calling thread in real time (round robin, at kRealtimePriority) if the system
// lets it, else asks the desktop's real-time service for it from a thread of its own and
// returns at once; the thread ends when the service answers, or within `patience`.
void makeThisThreadRealtime(std::chrono::milliseconds patience = std::chrono::milliseconds(2000));

// Asks the real-time service on the system bus at `busAddress` (the form of
// DBUS_SYSTEM_BUS_ADDRESS; empty: that variable, else the system's usual socket) to run the
// thread `thread` of this process in real time at `priority`. Gives up when the whole
// exchange has not ended within `patience`. True when the service granted it.
bool askRealtimeService(pid_t thread, int priority, std::chrono::milliseconds patience,
                        const std::string& busAddress = std::string());

}  // namespace plat
