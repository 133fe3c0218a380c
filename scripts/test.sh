#!/usr/bin/env bash
# Sets up, builds and runs every test without a display; non-zero on any failure.
# The suite runs twice: a normal build, then one with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any finding fails the test. Last, every fuzz
# target of the file readers runs for a short, bounded time (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

log="$(mktemp)"
trap 'rm -f "$log"' EXIT

# A print service of its own for the printing test.
export QUORV_EXTRA_PACKAGES="cups-daemon cups-client"
bash scripts/setup.sh build
ctest --test-dir build --output-on-failure -j"$jobs" | tee "$log"

san_flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
bash scripts/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORV_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$san_flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
# Without intercept_tls_get_addr: Debian's sanitizer runtime takes a heap block
# that happens to start 16 bytes into a page for a dynamic TLS block and crashes
# the leak check at exit (fixed in later runtimes).
export ASAN_OPTIONS="abort_on_error=0:halt_on_error=1:detect_leaks=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j"$jobs" | tee -a "$log"

# Each fuzz target for 15 seconds, all at once; any finding fails.
bash scripts/fuzz.sh -t 15

# One closing line over both test runs (a failure has already stopped the script).
bash scripts/test-summary.sh "$log"
