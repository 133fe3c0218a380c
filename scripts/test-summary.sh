#!/usr/bin/env bash
# Prints the closing line over one or more ctest logs (files, or stdin):
#   tests: <passed> passed, <failed> failed, <skipped> skipped
# ctest counts a skipped test among the passed ones in its own summary; here
# the skipped ones (listed as "(Skipped)" under "did not run") are taken out.
set -euo pipefail
cat "$@" | awk '
  /tests failed out of [0-9]+/ {
    for (i = 1; i <= NF; i++) if ($i == "out" && $(i + 1) == "of") total += $(i + 2)
    for (i = 1; i <= NF; i++) if ($i == "tests" && $(i + 1) == "failed") failed += $(i - 1)
  }
  /^[ \t]*[0-9]+ - .* \(Skipped\)[ \t]*$/ { skipped++ }
  END { printf "tests: %d passed, %d failed, %d skipped\n", total - failed - skipped, failed, skipped }'
