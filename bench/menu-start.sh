#!/usr/bin/env bash
# How soon the menu shows after the program starts, beside a bare window linking the same
# libraries, started alternately RUNS times (default 9) on a private X server with a private
# sound server running (scripts/xrun.sh). Prints each median in milliseconds and their ratio.
#   bench/menu-start.sh [RUNS]        (after make bench, or a release build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
for program in build/release/vantrel build/release/bench/barewindow; do
  [ -x "$program" ] || { echo "$program is missing: run 'make bench' first." >&2; exit 1; }
done
SOUND=1 exec scripts/xrun.sh python3 - "$runs" <<'PY'
import statistics, subprocess, sys, time
runs = int(sys.argv[1])
def mapped(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
def once(cmd, title):
    began = time.monotonic()
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not mapped(title):
        time.sleep(0.002)
        if time.monotonic() - began > 20: raise SystemExit(f"{cmd[0]} showed no window")
    took = time.monotonic() - began
    p.kill(); p.wait(); time.sleep(0.3)
    return took * 1000
menu, bare = [], []
for _ in range(runs):
    menu.append(once(["build/release/vantrel"], "^Vantrel, Version"))
    bare.append(once(["build/release/bench/barewindow"], "^Bare window$"))
m, b = statistics.median(menu), statistics.median(bare)
print(f"menu {m:.0f} ms, bare window {b:.0f} ms (medians of {runs}), ratio {m / b:.2f}")
PY
