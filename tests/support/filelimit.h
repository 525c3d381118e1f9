#pragma once
// Real write failures for tests: the code under test runs in a child process whose files may
// not grow past a few bytes (RLIMIT_FSIZE). A write beyond the limit then fails in the
// kernel with EFBIG, as a write to a full disk fails, and the signal that would end the
// process is ignored, so the program meets the failure exactly where a full disk would show
// it. The child reports what it saw as text through a pipe; the parent looks at the disk.
//
// Nothing of the parent is changed by the child. The child ends with _exit, skipping the
// destructors and leak checks that belong to the parent.

#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// Runs body in a child whose files may hold at most `limit` bytes; returns what body
// returned, or a line starting with "child failed" when it did not finish.
inline std::string inChildWithFileLimit(rlim_t limit, const std::function<std::string()>& body) {
  int fds[2];
  if (::pipe(fds) != 0) return "child failed: no pipe";
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return "child failed: no fork";
  if (pid == 0) {
    ::close(fds[0]);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit rl{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &rl) != 0) ::_exit(2);
    const std::string out = body();
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t w = ::write(fds[1], out.data() + done, out.size() - done);
      if (w <= 0) ::_exit(3);
      done += std::size_t(w);
    }
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string got;
  char buf[4096];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    got.append(buf, std::size_t(n));
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return "child failed: status " + std::to_string(status) + "\n" + got;
  return got;
}

}  // namespace testsupport
