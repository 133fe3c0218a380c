#!/usr/bin/env bash
# Printing through a real print service: a private cupsd (own configuration,
# spool and socket) with one queue, which the RealPrintQueue test of
# <quorv_tests> makes refuse, stop, hang and die. Exit 77 (skipped) without CUPS.
set -uo pipefail
export PATH="$PATH:/usr/sbin"
for tool in cupsd lpadmin lpstat cupsreject cupsdisable; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
tmp="$(mktemp -d)" && chmod 755 "$tmp" && mkdir -p "$tmp"/{spool,cache,state,log} && mkdir -m 1777 "$tmp/tmp"
pid=""
trap '[ -n "$pid" ] && { kill -CONT $pid; kill $pid; wait $pid; } 2>/dev/null; rm -rf "$tmp"' EXIT
printf '%s\n' "Listen $tmp/cups.sock" "Browsing No" "WebInterface No" "DefaultAuthType None" \
  "<Policy default>" "<Limit All>" "Order allow,deny" "Allow all" "</Limit>" "</Policy>" >"$tmp/cupsd.conf"
user="$(id -un)" && [ "$(id -u)" -eq 0 ] && user=lp
printf '%s\n' "ServerRoot $tmp" "RequestRoot $tmp/spool" "CacheDir $tmp/cache" "StateDir $tmp/state" \
  "TempDir $tmp/tmp" "ErrorLog $tmp/log/error_log" "FileDevice Yes" "User $user" \
  "SystemGroup $(id -gn)" >"$tmp/cups-files.conf"
cupsd -f -c "$tmp/cupsd.conf" -s "$tmp/cups-files.conf" >"$tmp/log/out" 2>&1 &
pid=$!
export CUPS_SERVER="$tmp/cups.sock" QUORV_TEST_CUPS_QUEUE=Zeugnisse QUORV_TEST_CUPSD_PID="$pid"
# The service is waited for until it answers, 30 s at most, then the queue
# until the service names it: lpstat -r exits 0 also without a scheduler, so
# its (untranslated) words count.
answers() { [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
has_queue() { lpstat -p "$QUORV_TEST_CUPS_QUEUE" >/dev/null 2>&1; }
deadline=$((SECONDS + 30))
until answers || [ "$SECONDS" -ge "$deadline" ] || ! kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
answers || { echo "SKIP: the private print service does not answer: $(cat "$tmp"/log/*)"; exit 77; }
deadline=$((SECONDS + 30))
until { lpadmin -p "$QUORV_TEST_CUPS_QUEUE" -E -v file:///dev/null 2>"$tmp/lpadmin" && has_queue; } ||
  [ "$SECONDS" -ge "$deadline" ]; do sleep 0.1; done
has_queue || { echo "FAIL: no queue: $(cat "$tmp/lpadmin" "$tmp"/log/*)"; exit 1; }
# The queue takes PDF as it is and offers two-sided printing and colour.
printf '%s\n' '*PPD-Adobe: "4.3"' '*FormatVersion: "4.3"' '*FileVersion: "1.0"' '*LanguageVersion: English' \
  '*LanguageEncoding: ISOLatin1' '*PCFileName: "ZEUGNIS.PPD"' '*Manufacturer: "Test"' '*Product: "(Zeugnisse)"' \
  '*ModelName: "Zeugnisse"' '*ShortNickName: "Zeugnisse"' '*NickName: "Zeugnisse"' '*PSVersion: "(3010.000) 0"' \
  '*ColorDevice: True' '*DefaultColorSpace: RGB' '*cupsFilter: "application/pdf 0 -"' \
  '*OpenUI *PageSize: PickOne' '*DefaultPageSize: A4' '*PageSize A4: ""' '*CloseUI: *PageSize' \
  '*DefaultImageableArea: A4' '*ImageableArea A4: "0 0 595 842"' '*DefaultPaperDimension: A4' \
  '*PaperDimension A4: "595 842"' '*OpenUI *Duplex: PickOne' '*DefaultDuplex: None' '*Duplex None: ""' \
  '*Duplex DuplexNoTumble: ""' '*Duplex DuplexTumble: ""' '*CloseUI: *Duplex' '*OpenUI *ColorModel: PickOne' \
  '*DefaultColorModel: RGB' '*ColorModel Gray: ""' '*ColorModel RGB: ""' '*CloseUI: *ColorModel' >"$tmp/queue.ppd"
lpadmin -p "$QUORV_TEST_CUPS_QUEUE" -P "$tmp/queue.ppd" 2>/dev/null || { echo "FAIL: no PPD file for the queue"; exit 1; }
# The queue is the system's default printer, as on a machine nobody set up further.
lpadmin -d "$QUORV_TEST_CUPS_QUEUE" 2>/dev/null || { echo "FAIL: the queue is not the default"; exit 1; }
# libcups loses a few bytes when Qt reads a queue's PPD file (told by the whole
# stack, which libcups gives only to the slow unwinder).
printf '%s\n' 'leak:_ppdCacheCreateWithPPD' >"$tmp/lsan.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$tmp/lsan.supp"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
# A window that waits on the hung service does not get through in time.
timeout 240 "$1" --gtest_filter="${QUORV_GTEST_FILTER:-RealPrintQueue.*}" >"$tmp/out" 2>&1
status=$?
cat "$tmp/out"
grep -q '\[  PASSED  \]' "$tmp/out" && ! grep -q '\[  SKIPPED \]' "$tmp/out" || status=1
exit "$status"
