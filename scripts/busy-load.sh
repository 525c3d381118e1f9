#!/usr/bin/env bash
# A busy computer, for the sound checks and the sound bench: what a desktop goes through while
# a class tries the program on one machine. Two CPU workers per core, X servers whose screens
# are grabbed every few milliseconds, a stream of short-lived processes, memory taken and given
# back in large blocks and nearly all of it held, files written and synced, and the heaviest of
# a developer's work: a build with sanitizers (its compilers coming and going, one per two
# cores) and fuzzers with sanitizers (one per four cores), which churn memory at a great rate.
# Of all these, the held memory is what makes a sound thread of ordinary priority wake too late:
# without it the rest leaves a player that holds 50 ms ahead of the speaker whole.
#
# Each part runs as a session of its own, as the programs of a desktop do: the system shares
# the processor between sessions before it shares it between their processes.
#
#   scripts/busy-load.sh start [CPU_WORKERS_PER_CORE]   starts it in the background
#   scripts/busy-load.sh stop                           ends it
#   scripts/busy-load.sh run CMD...                     runs CMD under it, then ends it
#
# What it starts is recorded in $XDG_RUNTIME_DIR (or /tmp), so stop ends all of it.
set -uo pipefail

state=${XDG_RUNTIME_DIR:-/tmp}/vantrel-busy-load
work=$state/work

# Runs the shell command in a session of its own, and notes it for stop.
session() {
  setsid bash -c "$1" </dev/null >/dev/null 2>&1 &
  echo $! >>"$state/sessions"
}

start() {
  local perCore=$1 cores
  cores=$(nproc)
  mkdir -p "$work"
  # CPU workers.
  for _ in $(seq $((perCore * cores))); do
    session 'while :; do :; done'
  done
  # X servers, their screens grabbed as a recorder or a test rig grabs them.
  if command -v Xvfb >/dev/null && command -v import >/dev/null; then
    for i in 1 2 3 4; do
      local display=$((180 + i))
      session "Xvfb :$display -screen 0 1024x768x24 -nolisten tcp"
      session "sleep 1; while :; do DISPLAY=:$display import -window root '$work/grab$i.png'; sleep 0.005; done"
    done
  fi
  # Short-lived processes, as a build's tools come and go.
  for _ in 1 2; do
    session 'while :; do for _ in $(seq 50); do /bin/true; done; ls /usr/lib >/dev/null; done'
  done
  # Memory taken, touched and given back in large blocks.
  session "while :; do python3 -c 'b = bytearray(512 << 20); b[::4096] = b\"x\" * len(b[::4096])'; done"
  # Memory held: all but 1 GB of what is free, touched again and again, as fuzzers and
  # sanitizer builds fill a machine's memory, so the system keeps making room for what every
  # other program asks. Should a program need more, the system ends the holder, which takes
  # hold again a little later.
  cat >"$work/hold.py" <<'PY'
import time
free = int([l for l in open('/proc/meminfo') if l.startswith('MemAvailable')][0].split()[1]) >> 10
size = max(0, free - 1024) << 20
held = bytearray(size)
while True:
    for i in range(0, size, 1 << 18):
        held[i] = 1
    time.sleep(0.2)
PY
  session "while :; do python3 '$work/hold.py'; sleep 5; done"
  # Files written and synced.
  session "while :; do dd if=/dev/zero of='$work/disk' bs=1M count=64 conv=fsync status=none; done"
  # A build with sanitizers: compilers of a heavy source, coming and going.
  if command -v g++ >/dev/null; then
    printf '%s\n' '#include <regex>' '#include <map>' '#include <string>' \
      'std::map<std::string, int> count(const std::string& s) { std::map<std::string, int> m;' \
      '  std::regex word("[a-z]+"); for (auto i = std::sregex_iterator(s.begin(), s.end(), word);' \
      '  i != std::sregex_iterator(); ++i) ++m[i->str()]; return m; }' >"$work/heavy.cpp"
    for _ in $(seq $(((cores + 1) / 2))); do
      session "while :; do g++ -std=c++20 -O1 -fsanitize=address,undefined -c '$work/heavy.cpp' -o /dev/null; done"
    done
  fi
  # Fuzzers with sanitizers: inputs of every size, memory taken and given back without pause.
  if command -v clang++ >/dev/null; then
    printf '%s\n' '#include <cstdint>' '#include <cstddef>' '#include <vector>' \
      'extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {' \
      '  std::vector<std::vector<uint8_t>> v; for (size_t i = 0; i < n; ++i) v.emplace_back(d[i] * 64u + n, d[i]);' \
      '  return 0; }' >"$work/churn.cpp"
    if clang++ -O1 -fsanitize=fuzzer,address "$work/churn.cpp" -o "$work/churn" 2>/dev/null; then
      for i in $(seq $(((cores + 3) / 4))); do
        mkdir -p "$work/corpus$i"
        session "while :; do '$work/churn' -max_len=65536 -rss_limit_mb=2048 -max_total_time=600 '$work/corpus$i'; done"
      done
    fi
  fi
}

stop() {
  if [ -f "$state/sessions" ]; then
    while read -r leader; do kill -- -"$leader" 2>/dev/null; done <"$state/sessions"
    rm -f "$state/sessions"
  fi
  rm -rf "$work"
}

case ${1:-} in
  start)
    stop
    mkdir -p "$state"
    start "${2:-2}"
    ;;
  stop) stop ;;
  run)
    shift
    stop
    mkdir -p "$state"
    trap stop EXIT
    trap 'exit 130' INT TERM
    start 2
    "$@"
    ;;
  *)
    echo "usage: $0 start [CPU_WORKERS_PER_CORE] | stop | run CMD..." >&2
    exit 2
    ;;
esac
