#!/usr/bin/env bash
# A busy computer, for the sound checks and the sound bench: what a desktop goes through while
# a class tries the program on one machine. Two CPU workers per core, X servers whose screens
# are grabbed every few milliseconds, a stream of short-lived processes (as a build spawns its
# compilers), memory taken and given back in large blocks, and files written and synced.
#
#   scripts/busy-load.sh start [CPU_WORKERS_PER_CORE]   starts it in the background
#   scripts/busy-load.sh stop                           ends it
#   scripts/busy-load.sh run CMD...                     runs CMD under it, then ends it
#
# Everything it starts is in one process group, recorded in $XDG_RUNTIME_DIR (or /tmp), so
# stop ends all of it.
set -uo pipefail

state=${XDG_RUNTIME_DIR:-/tmp}/vantrel-busy-load
pidfile=$state/pgid

busy() {
  local perCore=$1 cores
  cores=$(nproc)
  mkdir -p "$state/work"
  # CPU workers.
  for _ in $(seq $((perCore * cores))); do
    (while :; do :; done) &
  done
  # X servers, their screens grabbed as a recorder or a test rig grabs them.
  if command -v Xvfb >/dev/null && command -v import >/dev/null; then
    for i in 1 2 3 4; do
      local display=$((180 + i))
      Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      (sleep 1
       while :; do DISPLAY=":$display" import -window root "$state/work/grab$i.png" >/dev/null 2>&1; sleep 0.005; done) &
    done
  fi
  # Short-lived processes, as a build's compilers and tools come and go.
  for i in 1 2; do
    (while :; do for _ in $(seq 50); do /bin/true; done; sh -c 'ls /usr/lib >/dev/null'; done) &
  done
  # Memory taken, touched and given back in large blocks.
  (while :; do python3 -c 'b = bytearray(512 << 20); b[::4096] = b"x" * len(b[::4096])' ; done) &
  # Files written and synced.
  (while :; do dd if=/dev/zero of="$state/work/disk" bs=1M count=64 conv=fsync status=none; done) &
  wait
}

case ${1:-} in
  start)
    "$0" stop
    mkdir -p "$state"
    setsid "$0" busy "${2:-2}" </dev/null >/dev/null 2>&1 &
    echo $! >"$pidfile"
    ;;
  busy) busy "${2:-2}" ;;
  stop)
    if [ -f "$pidfile" ]; then
      kill -- -"$(cat "$pidfile")" 2>/dev/null
      rm -f "$pidfile"
    fi
    rm -rf "$state/work"
    ;;
  run)
    shift
    "$0" start
    "$@"
    rc=$?
    "$0" stop
    exit $rc
    ;;
  *)
    echo "usage: $0 start [CPU_WORKERS_PER_CORE] | stop | run CMD..." >&2
    exit 2
    ;;
esac
