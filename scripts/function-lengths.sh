#!/bin/bash
# Lists the product functions longer than a limit (default 60 lines, braces, blanks and
# comments included), longest first, and ends with how many functions it read in how many
# files and the longest length found. clang-tidy reads every translation unit of the folders
# (default: the program's) with the headers of those folders, from the compile commands of the
# `names` preset (configured here when missing: it builds nothing) or of the configured build
# in BUILD. A file clang-tidy cannot read, or that has no compile command, fails the script,
# naming the file: it never gives part of the functions as the whole.
# Usage: scripts/function-lengths.sh [LIMIT] [FOLDER...]      (JOBS, default every core)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
limit=${1:-60}
shift || true
folders=("$@")
if [ ${#folders[@]} -eq 0 ]; then
  folders=(runtime platform shell app resources levers pendulum wheel lander weather circuits robotics trajectories rocketry probability)
fi
for tool in clang-tidy python3; do
  command -v $tool >/dev/null || { echo "$tool is missing: run 'make deps'." >&2; exit 1; }
done

# The compile commands; ninja configures the preset again when a CMakeLists.txt changed.
build=${BUILD:-build/names}
if [ -z "${BUILD:-}" ]; then
  if [ -f build/names/build.ninja ]; then
    ninja -C build/names build.ninja >/dev/null || { echo "Configuring build/names failed." >&2; exit 1; }
  else
    cmake --preset names >/dev/null || { echo "Configuring the names preset (build/names) failed." >&2; exit 1; }
  fi
fi
[ -f "$build/compile_commands.json" ] || {
  echo "$build has no compile commands: configure it with CMAKE_EXPORT_COMPILE_COMMANDS=ON, or leave BUILD unset." >&2
  exit 1
}

mapfile -t files < <(git ls-files "${folders[@]/%//*.cpp}")
[ ${#files[@]} -gt 0 ] || { echo "No C++ files in ${folders[*]}." >&2; exit 1; }

# Every file has its compile command: without one clang-tidy guesses the flags and misreads it.
uncompiled=$(python3 - "$build/compile_commands.json" "$root" "${files[@]}" <<'PY'
import json, os, sys
commands, root, files = sys.argv[1], sys.argv[2], sys.argv[3:]
known = {os.path.normpath(os.path.join(c["directory"], c["file"])) for c in json.load(open(commands))}
print("\n".join(f for f in files if os.path.join(root, f) not in known))
PY
)
if [ -n "$uncompiled" ]; then
  echo "No compile command in $build for:" >&2
  echo "$uncompiled" | sed 's/^/  /' >&2
  exit 1
fi

# Each file's findings, what clang-tidy said besides them, and its status, kept apart.
said=$(mktemp -d)
trap 'rm -rf "$said"' EXIT
header_filter="^$root/($(IFS='|'; echo "${folders[*]}"))/.*\.h\$"
# The compiler's own options clang does not know are let pass (they are the compiler's, not the
# code's). Every length above 0 is reported, so every function is counted and the longest shows even
# within the limit.
config="{Checks: '-*,readability-function-size', HeaderFilterRegex: '$header_filter',
  CheckOptions: [{key: readability-function-size.LineThreshold, value: 0}]}"
printf '%s\0' "${files[@]}" |
  xargs -0 -P "${JOBS:-$(nproc)}" -n 1 bash -c '
    out=$1/$(printf %s "$4" | tr / %)
    clang-tidy -p "$2" --quiet --config="$3" --extra-arg=-Wno-unknown-warning-option "$4" >"$out.found" 2>"$out.said"
    echo $? >"$out.status"' _ "$said" "$build" "$config"

# A file clang-tidy could not read (a missing header, a compiler error, a crash) fails the
# whole: its functions would be missing from the count.
unread=0
for f in "${files[@]}"; do
  out=$said/$(printf %s "$f" | tr / %)
  status=$(cat "$out.status" 2>/dev/null || echo none)
  if [ "$status" != 0 ] || grep -q ': error: ' "$out.found"; then
    [ $unread -eq 0 ] && echo "clang-tidy could not read every file, so no lengths are given:" >&2
    unread=$((unread + 1))
    why=$(grep -h -m1 -E 'error: |Error|Segmentation|Aborted' "$out.found" "$out.said" | head -1 | cut -c1-160)
    echo "  $f: ${why:-clang-tidy ended with status $status}" | sed "s|$root/||g" >&2
  fi
done
[ $unread -eq 0 ] || exit 1

# A function of a header is reported by every file that includes it: counted once.
cat "$said"/*.found | sed 's/\x1b\[[0-9;]*m//g' | awk -v limit="$limit" -v files="${#files[@]}" '
  /warning: function .* exceeds/ {
    match($0, /function \x27[^\x27]*\x27/); name = substr($0, RSTART + 10, RLENGTH - 11)
    split($0, a, ":"); where = a[1] ":" a[2]; fresh = !(where in seen); seen[where] = 1 }
  /note: [0-9]+ lines including/ && fresh {
    fresh = 0; n = $3 + 0; count++; if (n > max) max = n
    if (n > limit) printf "%5d  %s  %s\n", n, where, name }
  END { printf "longest: %d lines (%d functions read in %d files)\n", max, count, files }' |
  sed "s|$root/||" | sort -rn
