#!/usr/bin/env bash
# Ends the program the hard way, as a session that ends with it open does: its X server goes
# away while the pendulum plays its sound. Run inside ../shared/tools/xsession (a private X
# server and sound server). Prints the program's exit status and whether it aborted.
#   ../shared/tools/xsession scripts/display-loss.sh build/release/vantrel
set -u
program=${1:-build/release/vantrel}
tools=$(dirname "$0")/../../shared/tools
log=$(mktemp)
"$program" >"$log" 2>&1 &
pid=$!
sleep 1.5
"$tools/ui.py" press Pendulum >/dev/null 2>&1
sleep 0.8
"$tools/ui.py" press Start >/dev/null 2>&1
sleep 0.1
pkill -f "Xvfb $DISPLAY " 
wait $pid
rc=$?
aborted=no
grep -q "Assertion\|Aborted\|terminate called" "$log" && aborted=yes
[ $rc -ge 128 ] && aborted=yes
echo "status $rc aborted $aborted"
[ $aborted = yes ] && cat "$log" >&2
rm -f "$log"
