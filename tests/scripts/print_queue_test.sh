#!/usr/bin/env bash
# Printing through a real print service: a private cupsd (own configuration,
# spool and socket) with one queue, which the test program's
# RealPrintQueue tests make refuse, stop, vanish, hang and die.
# Usage: print_queue_test.sh <quorv_tests>. Exit 77 (skipped) without CUPS.
set -uo pipefail
tests="$1"
for tool in cupsd lpadmin lpstat cupsreject cupsaccept cupsdisable cupsenable; do
  command -v "$tool" >/dev/null 2>&1 || [ -x "/usr/sbin/$tool" ] || { echo "SKIP: $tool is not installed"; exit 77; }
done
export PATH="$PATH:/usr/sbin"
tmp="$(mktemp -d)"
chmod 755 "$tmp"
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill -CONT "$pid" 2>/dev/null; kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi
  rm -rf "$tmp"
}
trap cleanup EXIT

mkdir -p "$tmp"/{conf,spool,cache,state,log,tmp}
chmod 1777 "$tmp/tmp"
cat >"$tmp/conf/cupsd.conf" <<EOF
Listen $tmp/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
EOF
user="$(id -un)"
[ "$(id -u)" -eq 0 ] && user=lp
cat >"$tmp/conf/cups-files.conf" <<EOF
ServerRoot $tmp/conf
RequestRoot $tmp/spool
CacheDir $tmp/cache
StateDir $tmp/state
TempDir $tmp/tmp
ErrorLog $tmp/log/error_log
AccessLog $tmp/log/access_log
PageLog $tmp/log/page_log
FileDevice Yes
User $user
SystemGroup $(id -gn)
EOF

cupsd -f -c "$tmp/conf/cupsd.conf" -s "$tmp/conf/cups-files.conf" >"$tmp/log/cupsd.out" 2>&1 &
pid=$!
export CUPS_SERVER="$tmp/cups.sock"
for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
if ! lpstat -r >/dev/null 2>&1; then
  echo "SKIP: the private print service did not start: $(cat "$tmp/log/cupsd.out" "$tmp/log/error_log" 2>/dev/null)"
  exit 77
fi
export QUORV_TEST_CUPS_QUEUE=Zeugnisse QUORV_TEST_CUPSD_PID="$pid"
lpadmin -p "$QUORV_TEST_CUPS_QUEUE" -E -v file:///dev/null 2>/dev/null || { echo "FAIL: no queue"; exit 1; }

# A window that waits on the service hangs here, and fails.
timeout 90 "$tests" --gtest_filter='RealPrintQueue.*' 2>&1 | tee "$tmp/out"
status=${PIPESTATUS[0]}
grep -q '\[  PASSED  \] 1 test' "$tmp/out" || status=1
exit "$status"
