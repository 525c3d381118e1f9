#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds and prints, for each, how many inputs
# it ran and what it found (crashes, leaks, timeouts, out-of-memory). The targets run side by
# side, as many workers as there are cores (FUZZ_JOBS): every target gets one, the slowest get
# the cores left over; the workers of a target share its corpus and their executions add up in
# the table. The corpus grown while fuzzing stays in the build folder (build/fuzz/corpus-work);
# the repository keeps only the seeds (fuzz/corpus). Inputs that broke a target are kept in
# build/fuzz/findings. Exit status 1 when anything was found.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${2:-build/fuzz}
jobs=${FUZZ_JOBS:-$(nproc)}
work=$build/corpus-work
findings=$build/findings
logs=$build/logs

targets=(weatherlog drawmacro helpfile settings numbers weatherfile wave)
# Who gets the cores left over when there are more cores than targets, in turn: the slowest
# first. The help target lays out pages of megabytes in a window; the end-to-end weather target
# spends its time in the file system, so it gets two.
spare_order=(helpfile weatherfile weatherfile wave drawmacro weatherlog settings)
# The help target takes files as long as the help window reads of one: 4 MB. A wave file's
# header and a few thousand samples show every way of reading one.
declare -A maxlen=([settings]=1024 [weatherlog]=3072 [weatherfile]=3072 [helpfile]=4194304 [wave]=8192 [drawmacro]=48 [numbers]=128)
# Seconds an input may take before it counts as a finding (a timeout). The help target lays out
# four pages of up to 4 MB of text in that time, each of which Help must show within a second.
timeout=5

rm -rf "$logs"
mkdir -p "$logs" "$findings"
declare -A workers
for t in "${targets[@]}"; do
  [ -x "$build/fuzz/fuzz_$t" ] || { echo "missing $build/fuzz/fuzz_$t: build the fuzz preset first" >&2; exit 2; }
  mkdir -p "$work/$t" "$findings/$t"
  workers[$t]=1
done
spare=$((jobs - ${#targets[@]}))
while [ "$spare" -gt 0 ]; do
  for t in "${spare_order[@]}"; do
    [ "$spare" -gt 0 ] || break
    workers[$t]=$((workers[$t] + 1))
    spare=$((spare - 1))
  done
done

# One worker: fuzzes until its time is up, starting again after a finding without the input
# that broke the target (a seed that breaks it again ends the worker). Writes a line
# "executions crashes leaks timeouts ooms others" to its summary file.
worker() {
  local t=$1 w=$2 deadline=$3
  local execs=0 crash=0 leak=0 timeout=0 oom=0 other=0 run=0 last=""
  while :; do
    local left=$((deadline - $(date +%s)))
    [ "$left" -gt 0 ] || break
    local log=$logs/$t-$w-$run.log
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    QT_QPA_PLATFORM=offscreen \
      "$build/fuzz/fuzz_$t" -max_total_time="$left" -print_final_stats=1 -timeout="$timeout" \
        -max_len="${maxlen[$t]}" -dict="fuzz/dict/$t.dict" -detect_leaks=1 -report_slow_units=100000 \
        -artifact_prefix="$findings/$t/" "$work/$t" "fuzz/corpus/$t" >"$log" 2>&1
    local rc=$?
    local n
    n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    [ -n "$n" ] || n=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$log" | tail -1)
    execs=$((execs + ${n:-0}))
    if [ "$rc" -ne 0 ]; then
      local artifact
      artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
      case $(basename "${artifact:-none}") in
        crash-*) crash=$((crash + 1)) ;;
        leak-*) leak=$((leak + 1)) ;;
        timeout-*) timeout=$((timeout + 1)) ;;
        oom-*) oom=$((oom + 1)) ;;
        *) other=$((other + 1)) ;;
      esac
      echo "fuzz_$t: finding ${artifact:-(no input kept)}, log $log" >&2
      # The input file names are the hash of their contents, the finding's name ends in it.
      local hash=${artifact##*-}
      [ -n "$artifact" ] && rm -f "$work/$t/$hash"
      [ "${artifact:-none}" != "$last" ] || break
      last=${artifact:-none}
    fi
    run=$((run + 1))
  done
  echo "$execs $crash $leak $timeout $oom $other" >"$logs/$t-$w.summary"
}

start=$(date +%s)
if [ "$jobs" -ge "${#targets[@]}" ]; then
  echo "Fuzzing ${#targets[@]} targets for $seconds s each, $jobs workers side by side"
  for t in "${targets[@]}"; do
    for ((w = 1; w <= workers[$t]; w++)); do worker "$t" "$w" $((start + seconds)) & done
  done
  wait
else
  # Fewer cores than targets: one worker per target, at most $jobs at a time.
  echo "Fuzzing ${#targets[@]} targets for $seconds s each, $jobs at a time"
  for t in "${targets[@]}"; do
    workers[$t]=1
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
    (worker "$t" 1 $(($(date +%s) + seconds))) &
  done
  wait
fi
elapsed=$(($(date +%s) - start))
# A worker of the weather file target that a finding ended had no chance to remove its folder
# of files; every start of that target removes the folders of ended processes.
ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz_weatherfile" -runs=0 >/dev/null 2>&1 || true

printf '\n%-12s %7s %12s %8s %7s %6s %8s %5s %6s\n' target workers executions exec/s crashes leaks timeouts ooms others
found=0
for t in "${targets[@]}"; do
  total=(0 0 0 0 0 0)
  for ((w = 1; w <= workers[$t]; w++)); do
    read -r -a one <"$logs/$t-$w.summary"
    for i in 0 1 2 3 4 5; do total[i]=$((total[i] + one[i])); done
  done
  rate=$((total[0] / (seconds > 0 ? seconds : 1)))
  printf '%-12s %7s %12s %8s %7s %6s %8s %5s %6s\n' "$t" "${workers[$t]}" "${total[0]}" "$rate" \
    "${total[1]}" "${total[2]}" "${total[3]}" "${total[4]}" "${total[5]}"
  found=$((found + total[1] + total[2] + total[3] + total[4] + total[5]))
done
echo "($elapsed s in all; logs in $logs, inputs that broke a target in $findings)"
[ "$found" -eq 0 ]
