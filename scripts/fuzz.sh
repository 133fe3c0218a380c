#!/usr/bin/env bash
# Builds the fuzz targets into build-fuzz/ (clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs them in parallel; non-zero when any
# target reports a finding.
#
# Usage: scripts/fuzz.sh [-t seconds | -r runs] [target...]
#   -t  run each target for this many seconds (default 15)
#   -r  run each target for this many inputs instead
#   targets: names from build-fuzz/fuzz/targets.txt (default: all)
# The corpus of a target grows in build-fuzz/fuzz/corpus/<target>/, seeded
# from build-fuzz/fuzz/seeds/<target>/; a finding is saved as
# build-fuzz/fuzz/findings/<target>-crash-..., its log in build-fuzz/fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."

limit="-max_total_time=15"
while getopts "t:r:" opt; do
  case "$opt" in
    t) limit="-max_total_time=$OPTARG" ;;
    r) limit="-runs=$OPTARG" ;;
    *) sed -n 6,9p "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

build=build-fuzz
fuzz="$build/fuzz"
mkdir -p "$fuzz"
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORV_BUILD_FUZZ=ON \
    -DQUORV_BUILD_TESTS=OFF -DQUORV_BUILD_BENCH=OFF >"$fuzz/build.log" 2>&1 || { cat "$fuzz/build.log"; exit 1; }
fi
cmake --build "$build" -j"$(nproc)" --target quorv_fuzzers >"$fuzz/build.log" 2>&1 || { cat "$fuzz/build.log"; exit 1; }

targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets <"$fuzz/targets.txt"
mkdir -p "$fuzz/findings" "$fuzz/logs"
# The targets write their input files many times a second: keep them in memory.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

declare -A pids
for t in "${targets[@]}"; do
  [ -x "$fuzz/fuzz_$t" ] || { echo "unknown fuzz target: $t" >&2; exit 2; }
  mkdir -p "$fuzz/corpus/$t"
  "$fuzz/fuzz_$t" "$limit" -print_final_stats=1 -artifact_prefix="$fuzz/findings/$t-" \
    "$fuzz/corpus/$t" "$fuzz/seeds/$t" >"$fuzz/logs/$t.log" 2>&1 &
  pids[$t]=$!
done

failed=0
for t in "${targets[@]}"; do
  rc=0
  wait "${pids[$t]}" || rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$fuzz/logs/$t.log" | tail -1)
  if [ "$rc" -eq 0 ]; then
    printf '%-16s %10s inputs, no finding\n' "$t" "${runs:-?}"
  else
    failed=1
    printf '%-16s %10s inputs, FINDING (exit %s), see %s\n' "$t" "${runs:-?}" "$rc" "$fuzz/logs/$t.log"
    grep -E 'ERROR|broken rule|runtime error' "$fuzz/logs/$t.log" | head -3 | sed 's/^/    /'
  fi
done
exit "$failed"
