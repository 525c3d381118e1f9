#!/bin/bash
# Keeps the program's names in one voice (see the README's section on the code's layout).
# clang-tidy's readability-identifier-naming and llvm-namespace-comment, configured in
# .clang-tidy, read every translation unit of the program from the compile commands of the
# `names` preset; scripts/names-shape.py then says what they cannot: each file's namespace,
# one-letter fields and the one spelling of read-out. Prints each fault as FILE:LINE and the
# name, and fails; silent otherwise.
set -u
shopt -s lastpipe  # report runs in this shell, so its status counts
cd "$(dirname "$0")/.."
root=$(pwd)

projects="levers pendulum wheel lander weather circuits robotics trajectories rocketry probability"
folders="runtime platform shell app $projects"

# The records whose public fields keep the settings file's keys or the equations' symbols
# (PendUnits, ArrowAngle, Velocity): PascalCase is their spelling, and only there.
records="shell/settings.h circuits/circuit.h circuits/circuitdraw.h lander/landergame.h levers/lesson.cpp
  levers/lever.h levers/levergeometry.h levers/leverscreen.h pendulum/pendparams.h pendulum/pendphysics.h
  robotics/armkinematics.h robotics/robotarm.h rocketry/flight.h trajectories/printarrow.h trajectories/shot.h
  wheel/wheelmodel.h"

status=0
report() {  # report TITLE: prints the lines read on standard input under TITLE, if any
  local found
  found=$(cat)
  if [ -n "$found" ]; then
    echo "$1"
    echo "$found" | sed 's/^/  /'
    status=1
  fi
}

# The compile commands, configured once; ninja configures again when a CMakeLists.txt changed.
# No file of the program includes a generated header, so nothing needs building first.
if [ -f build/names/build.ninja ]; then
  ninja -C build/names build.ninja >/dev/null || exit 1
else
  cmake --preset names >/dev/null || exit 1
fi

for tool in run-clang-tidy clang-tidy python3; do
  command -v $tool >/dev/null || { echo "$tool is missing: run 'make deps'." >&2; exit 1; }
done

jobs=${JOBS:-$(nproc)}
root_re=$(printf '%s' "$root" | sed 's/[].*^$()+?{}|[\\]/\\&/g')
pattern="^$root_re/($(echo $folders | tr ' ' '|'))/[^/]+\.cpp\$"
records_pattern="^($(echo $records | tr ' ' '|' | sed 's/\./\\./g')):[0-9]+:[0-9]+: error: invalid case style for public member '[A-Z][A-Za-z0-9]*'"
# run-clang-tidy prints each header's findings once for every file that includes it, in colour:
# one is kept, in plain text.
# Its status is no guide (clang-tidy 14 reports a nameless template parameter of the standard
# library's concepts as a name against the rules, with no place, in every file), so what it
# says besides its findings is read instead: a file it could not check, or a crash, fails the
# check rather than passing unseen.
said=$(mktemp)
trap 'rm -f "$said"' EXIT
run-clang-tidy -p build/names -j "$jobs" -quiet -extra-arg=-Wno-unknown-warning-option "$pattern" 2>"$said" |
  sed 's/\x1b\[[0-9;]*m//g' | grep -E "^$root_re/[^:]+:[0-9]+:[0-9]+: (warning|error): " | sed "s|^$root/||; s/,-warnings-as-errors\]/]/" |
  grep -vE "$records_pattern" | sort -t: -k1,1 -k2,2n -u | report "Names clang-tidy finds against the rules:"

grep -vE '^[0-9]+ warnings? generated\.$|^$' "$said" | cut -c1-200 | report "clang-tidy could not check every file:"

git ls-files $(for d in $folders; do echo "$d/*.h $d/*.cpp"; done) | xargs python3 scripts/names-shape.py |
  report "Names the rules of the README do not allow:"

# One spelling of read-out in every name of the repository, tests' included.
git grep -nE 'ReadOut|\breadOut' -- '*.h' '*.cpp' | cut -c1-160 | report "Read-out spelt ReadOut (write Readout):"

exit $status
