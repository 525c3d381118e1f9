#!/usr/bin/env bash
# Kills the program's writes at random moments and checks that the file is always either the
# old one or the new one, whole: the settings file as Exit writes it, and a weather log saved
# over an existing one. Each write runs in tests/killwrite/writedriver (the program's own
# settings and weather code); the driver says "ready" just before the write, and this script
# waits a random number of microseconds, spread over the time a write takes, then sends
# SIGKILL.
#
#   scripts/killtest.sh [FOLDER]     KILLS=200 by default, for each of the two writes
#   scripts/killtest.sh --leave FOLDER
#
# FOLDER is where the files are written (default: a fresh folder under /tmp). No root is
# needed; to try a tmpfs instead of the disk, mount one yourself (as root) and pass it.
# A kill that lands between the temporary file's creation and its rename leaves that
# temporary file behind (the process had no chance to remove it); the counts show how many
# kills landed there, which is what this test is for. After each such kill the driver does
# what the program does when it starts, and the test fails unless that removes the
# temporary file and leaves the settings file or log as it was.
#
# With --leave, FOLDER is a program folder holding vtrel5.ini (build/release, say): settings
# writes there are killed until one leaves its temporary file, which stays for the next start
# of the program to remove. The settings file keeps its content throughout.
set -euo pipefail
cd "$(dirname "$0")/.."

KILLS=${KILLS:-200}
scripts/install-deps.sh >/dev/null
cmake --preset test >/dev/null
cmake --build --preset test --target writedriver >/dev/null
DRIVER=$PWD/build/test/tests/killwrite/writedriver
export ASAN_OPTIONS=detect_leaks=0

if [ "${1:-}" = "--leave" ]; then
  [ $# -eq 2 ] && [ -f "$2/vtrel5.ini" ] || { echo "usage: $0 --leave FOLDER (holding vtrel5.ini)" >&2; exit 2; }
  exec python3 - "$DRIVER" "$2" <<'PY'
import os, random, signal, subprocess, sys, time

driver, folder = sys.argv[1], sys.argv[2]
ini = os.path.join(folder, "vtrel5.ini")
old = open(ini, "rb").read()
before = set(os.listdir(folder))
for attempt in range(1, 10001):
    p = subprocess.Popen([driver, "settings", folder], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    if p.stdout.readline() != b"ready\n":
        raise SystemExit("driver did not start")
    end = time.perf_counter() + random.uniform(0, 0.002)
    while time.perf_counter() < end:
        pass
    p.send_signal(signal.SIGKILL)
    p.wait()
    p.stdout.close()
    left = sorted(set(os.listdir(folder)) - before)
    if open(ini, "rb").read() != old:
        with open(ini, "wb") as f:  # the write got through; put the old values back
            f.write(old)
    if left:
        print("kill %d left %s" % (attempt, " ".join(os.path.join(folder, n) for n in left)))
        sys.exit(0)
sys.exit("no kill left a temporary file")
PY
fi

if [ $# -ge 1 ]; then
  WORK=$(mktemp -d "$1/killtest.XXXXXX")
else
  WORK=$(mktemp -d /tmp/killtest.XXXXXX)
fi
trap 'rm -rf "$WORK"' EXIT

python3 - "$DRIVER" "$WORK" "$KILLS" "$PWD/resources/vtrel5.ini" <<'PY'
import os, random, signal, statistics, subprocess, sys, time

driver, work, kills, fresh_ini = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
empty_day = b'"","","","","",""\r\n'
old_log = b'"1/1/2020","10","5","","","old log"\r\n' + empty_day * 59
cases = {
    "settings": ("vtrel5.ini", open(fresh_ini, "rb").read()),
    "weather": ("LOG.wwd", old_log),
}

def prepare(name, old):
    for entry in os.listdir(work):
        os.unlink(os.path.join(work, entry))
    with open(os.path.join(work, name), "wb") as f:
        f.write(old)

def start(kind):
    return subprocess.Popen([driver, kind, work], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

def wait_ready(p):
    line = p.stdout.readline()
    if line != b"ready\n":
        raise SystemExit("driver did not start: %r" % line)

def spin(seconds):
    end = time.perf_counter() + seconds
    while time.perf_counter() < end:
        pass

failed = False
for kind, (name, old) in cases.items():
    # The new content: what an uninterrupted write leaves.
    prepare(name, old)
    p = start(kind)
    wait_ready(p)
    if p.wait() != 0:
        raise SystemExit("%s: the uninterrupted write failed" % kind)
    new = open(os.path.join(work, name), "rb").read()
    assert new != old

    # How long a write takes, from "ready" to "done", on this machine now.
    spans = []
    for _ in range(20):
        prepare(name, old)
        p = start(kind)
        wait_ready(p)
        t0 = time.perf_counter()
        p.stdout.readline()
        spans.append(time.perf_counter() - t0)
        p.wait()
    window = statistics.median(spans) * 2.5

    counts = {"old": 0, "new": 0, "corrupt": 0}
    mid_write = 0   # temporary file left: killed between its creation and the rename
    swept = 0       # of these, the ones the next start tidied up
    finished = 0    # the write was over before the signal came (not counted as a kill)
    while sum(counts.values()) < kills:
        prepare(name, old)
        p = start(kind)
        wait_ready(p)
        spin(random.uniform(0, window))
        p.send_signal(signal.SIGKILL)
        status = p.wait()
        p.stdout.close()
        if status != -signal.SIGKILL:
            finished += 1
            continue
        got = open(os.path.join(work, name), "rb").read() if os.path.exists(os.path.join(work, name)) else None
        if got == old:
            counts["old"] += 1
        elif got == new:
            counts["new"] += 1
        else:
            counts["corrupt"] += 1
        others = [e for e in os.listdir(work) if e != name]
        if others:
            mid_write += 1
            # The next start removes what the kill left, and only that.
            if subprocess.run([driver, "start", work], stdout=subprocess.DEVNULL).returncode != 0:
                raise SystemExit("%s: the start after a kill failed" % kind)
            after = open(os.path.join(work, name), "rb").read() if os.path.exists(os.path.join(work, name)) else None
            if os.listdir(work) == [name] and after == got:
                swept += 1
            else:
                print("%s: after the next start the folder holds %s" % (kind, sorted(os.listdir(work))))
    print("%-8s kills %d: old %d, new %d, corrupt %d; killed mid-write (temporary file left) %d, "
          "removed by the next start %d; finished before the signal %d; write time median %.0f us"
          % (kind, kills, counts["old"], counts["new"], counts["corrupt"], mid_write, swept, finished,
             statistics.median(spans) * 1e6))
    failed |= counts["corrupt"] > 0 or swept != mid_write
sys.exit(1 if failed else 0)
PY
