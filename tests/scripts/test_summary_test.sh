#!/usr/bin/env bash
# The closing line of the test command over saved ctest logs: passed, failed
# and skipped counted apart. Usage: test_summary_test.sh <scripts/test-summary.sh>
set -uo pipefail
summary="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

run_ok() {  # n, total, skipped test numbers...
  local total="$1"; shift
  echo "    Start 1: A.First"
  echo "1/$total Test #1: A.First ..........   Passed    0.01 sec"
  echo "2/$total Test #43: PreViewFormTest.Screenshot .......***Skipped   0.05 sec"
  echo
  echo "100% tests passed, 0 tests failed out of $total"
  echo
  echo "Total Test time (real) =   0.67 sec"
  if [ $# -gt 0 ]; then
    echo
    echo "The following tests did not run:"
    for n in "$@"; do printf '\t %s - Suite.Skipped%s (Skipped)\n' "$n" "$n"; done
  fi
}
run_failed() {
  echo "98% tests passed, 2 tests failed out of 100"
  echo
  echo "The following tests did not run:"
  printf '\t 43 - PreViewFormTest.Screenshot (Skipped)\n'
  echo
  echo "The following tests FAILED:"
  printf '\t 12 - A.Broken (Failed)\n\t 13 - A.Crashed (SEGFAULT)\n'
}

run_ok 8 43 >"$tmp/one-skip.log"
run_ok 684 43 >"$tmp/normal.log"
run_ok 684 43 >"$tmp/asan.log"
run_ok 5 >"$tmp/no-skip.log"
run_failed >"$tmp/failed.log"
run_ok 10 3 4 >"$tmp/two-skips.log"

failures=0
# log files | expected closing line
while IFS='|' read -r logs expected; do
  # shellcheck disable=SC2086
  got="$(cd "$tmp" && bash "$summary" $logs)"
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
CASES

# The same line from standard input.
got="$(bash "$summary" <"$tmp/one-skip.log")"
[ "$got" = "tests: 7 passed, 0 failed, 1 skipped" ] || { echo "FAIL: stdin: got '$got'"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
