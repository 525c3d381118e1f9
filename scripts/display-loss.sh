#!/usr/bin/env bash
# Ends the program the hard way, as a session that ends with it open does: its X server goes
# away while the pendulum plays its sound. Run inside scripts/xrun.sh with its sound server (a
# private X server, session bus and sound server); the controls are pressed through the
# accessibility bus (scripts/press.py). Prints the program's exit status and whether it
# aborted, and fails when it aborted or a step could not be taken.
#   SOUND=1 scripts/xrun.sh scripts/display-loss.sh build/release/vantrel
set -u
cd "$(dirname "$0")/.."
program=${1:-build/release/vantrel}
[ -x "$program" ] || { echo "$program is missing: build the release configuration first (make run)." >&2; exit 2; }
[ -n "${XSERVER_PID:-}" ] || { echo "No private X server: run inside scripts/xrun.sh." >&2; exit 2; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$program" >"$log" 2>&1 &
pid=$!
scripts/press.py Pendulum 10 || { kill $pid; wait $pid; exit 2; }
scripts/press.py Start 10 || { kill $pid; wait $pid; exit 2; }
# The press is carried out a moment later, as a click is; the ding that starts a run lasts 0.4 s.
sleep 0.3
kill "$XSERVER_PID"
wait $pid
rc=$?
aborted=no
grep -q "Assertion\|Aborted\|terminate called" "$log" && aborted=yes
[ $rc -ge 128 ] && aborted=yes
echo "status $rc aborted $aborted"
[ $aborted = yes ] && { cat "$log" >&2; exit 1; }
exit 0
