#!/bin/bash
# Lists the product functions longer than a limit (default 60 lines, braces, blanks and
# comments included), longest first, and ends with the longest length found. Needs a
# configured build for its compile commands (default build/test) and clang-tidy.
# Usage: scripts/function-lengths.sh [LIMIT] [FOLDER...]
set -euo pipefail
cd "$(dirname "$0")/.."
limit=${1:-60}
shift || true
build=${BUILD:-build/test}
folders=("$@")
if [ ${#folders[@]} -eq 0 ]; then
  folders=(runtime platform shell app resources levers pendulum wheel lander weather circuits robotics trajectories rocketry probability)
fi
# Every length above 0 is reported, so the longest function shows even within the limit.
git ls-files "${folders[@]/%//*.cpp}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --checks='-*,readability-function-size' \
    --config="{CheckOptions: [{key: readability-function-size.LineThreshold, value: 0}]}" 2>/dev/null |
  awk -v limit="$limit" '
    /warning: function .* exceeds/ { match($0, /function \x27[^\x27]*\x27/); name = substr($0, RSTART + 10, RLENGTH - 11); split($0, a, ":"); where = a[1] ":" a[2] }
    /note: [0-9]+ lines including/ { n = $3 + 0; if (n > max) max = n; if (n > limit) printf "%5d  %s  %s\n", n, where, name }
    END { printf "longest: %d lines\n", max }' | sed "s|$PWD/||" | sort -rn
