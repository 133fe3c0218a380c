#!/usr/bin/env bash
# The closing line of the test command over saved ctest logs: passed, failed
# and skipped counted apart. Usage: test_summary_test.sh <scripts/test-summary.sh>
set -uo pipefail
summary="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# A ctest log: total, failed, then the numbers of the skipped tests. The
# progress lines name a skipped test too, and failures are listed apart.
log() {
  local total="$1" failed="$2"
  shift 2
  echo "    Start 1: A.First"
  echo "1/$total Test #1: A.First ..........   Passed    0.01 sec"
  echo "2/$total Test #43: PreViewFormTest.Screenshot .......***Skipped   0.05 sec"
  echo "$(((total - failed) * 100 / total))% tests passed, $failed tests failed out of $total"
  echo "Total Test time (real) =   0.67 sec"
  if [ $# -gt 0 ]; then
    echo "The following tests did not run:"
    for n in "$@"; do printf '\t %s - Suite.Skipped%s (Skipped)\n' "$n" "$n"; done
  fi
  if [ "$failed" -gt 0 ]; then
    echo "The following tests FAILED:"
    printf '\t 12 - A.Broken (Failed)\n\t 13 - A.Crashed (SEGFAULT)\n'
  fi
}

log 8 0 43 >"$tmp/one-skip.log"
log 684 0 43 >"$tmp/normal.log"
log 684 0 43 >"$tmp/asan.log"
log 5 0 >"$tmp/no-skip.log"
log 100 2 43 >"$tmp/failed.log"
log 10 0 3 4 >"$tmp/two-skips.log"

failures=0
# log files | expected closing line ("-": the first log from standard input)
while IFS='|' read -r logs expected; do
  if [ "$logs" = "-" ]; then
    got="$(bash "$summary" <"$tmp/one-skip.log")"
  else
    # shellcheck disable=SC2086
    got="$(cd "$tmp" && bash "$summary" $logs)"
  fi
  if [ "$got" != "$expected" ]; then
    echo "FAIL: $logs: got '$got', expected '$expected'"
    failures=$((failures + 1))
  fi
done <<'CASES'
one-skip.log|tests: 7 passed, 0 failed, 1 skipped
normal.log asan.log|tests: 1366 passed, 0 failed, 2 skipped
no-skip.log|tests: 5 passed, 0 failed, 0 skipped
failed.log|tests: 97 passed, 2 failed, 1 skipped
two-skips.log|tests: 8 passed, 0 failed, 2 skipped
-|tests: 7 passed, 0 failed, 1 skipped
CASES

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
