#pragma once
// The threads of this process as the system lists them (ps -L, top, a task manager), and a way
// to take from a thread the right to real-time scheduling, as an ordinary desktop user has it.

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <map>

namespace soundcheck {

// Each thread's name by its id; the process's own name is its first thread's.
inline std::map<pid_t, QString> threadNames() {
  std::map<pid_t, QString> names;
  for (const QString& task : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile comm("/proc/self/task/" + task + "/comm");
    if (comm.open(QIODevice::ReadOnly)) names[pid_t(task.toInt())] = QString::fromUtf8(comm.readAll()).trimmed();
  }
  return names;
}

inline int threadsNamed(const QString& name) {
  int n = 0;
  for (const auto& [id, named] : threadNames()) n += named == name ? 1 : 0;
  return n;
}

// The scheduling policy of a thread of this process (0 ordinary, 2 round-robin real time).
inline int schedulingPolicyOf(pid_t thread) {
  QFile stat(QString("/proc/self/task/%1/stat").arg(thread));
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray line = stat.readAll();
  // The fields after the command's closing parenthesis; the policy is the 41st of the line.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  return fields.size() > 38 ? fields[38].toInt() : -1;
}

// The calling thread, and every thread it starts from now on, may not put itself in real time:
// no real-time priority allowed by the limits, and no right to raise priorities above them.
inline void giveUpRealtimeRight() {
  rlimit limit{};
  getrlimit(RLIMIT_RTPRIO, &limit);
  limit.rlim_cur = 0;
  setrlimit(RLIMIT_RTPRIO, &limit);
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2] = {};
  if (syscall(SYS_capget, &header, data) != 0) return;
  const auto nice = ~(uint32_t(1) << CAP_SYS_NICE);
  data[0].effective &= nice;
  data[0].permitted &= nice;
  data[0].inheritable &= nice;
  syscall(SYS_capset, &header, data);
}

}  // namespace soundcheck
