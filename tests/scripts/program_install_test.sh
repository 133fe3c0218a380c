#!/usr/bin/env bash
# Installing into a program folder: shipped files replace only what the last
# install wrote, a form file the school changed is kept and named, settings
# and class files are never touched.
# Usage: program_install_test.sh <cmake> <cmake/InstallProgramFolder.cmake> [<build folder>]
set -uo pipefail
cmake="$1"
script="$2"
build="${3:-}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
shipped="$tmp/shipped"
folder="$tmp/Quorv"
mkdir -p "$shipped"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

install() {
  "$cmake" -DQUORV_SHIPPED_DIR="$shipped" -DCMAKE_INSTALL_PREFIX="$folder" -P "$script" >"$tmp/out" 2>&1 ||
    fail "install failed: $(cat "$tmp/out")"
}
kept_names() { sed -n 's/^-- quorv: \([^ ]*\) wurde.*/\1/p' "$tmp/out" | tr '\n' ' '; }

# First install into an empty folder.
printf 'A1' >"$shipped/Anl015.FST"
printf 'B1' >"$shipped/Anl016.FST"
printf 'P1' >"$shipped/13F.BMP"
printf 'S0' >"$shipped/SCHEINST.DAT"  # never shipped into the program folder
install
for f in Anl015.FST:A1 Anl016.FST:B1 13F.BMP:P1; do
  [ "$(cat "$folder/${f%%:*}" 2>/dev/null)" = "${f#*:}" ] || fail "first install: ${f%%:*}"
done
[ -e "$folder/SCHEINST.DAT" ] && fail "a settings file was installed"
[ -s "$folder/.quorv-install" ] || fail "no manifest"

# The school works: a form file edited, settings and a class file written.
printf 'A1-school' >"$folder/Anl015.FST"
printf 'settings' >"$folder/SCHEINST.DAT"
printf 'extra form' >"$folder/Anl099.FST"
mkdir -p "$folder/Daten" && printf 'class' >"$folder/Daten/7a.QVR"
printf 'C1' >"$folder/Anl017.FST"  # the school's own file where a new one is shipped

# A new version ships every file again.
printf 'A2' >"$shipped/Anl015.FST"
printf 'B2' >"$shipped/Anl016.FST"
printf 'P2' >"$shipped/13F.BMP"
printf 'C2' >"$shipped/Anl017.FST"
printf 'D2' >"$shipped/Anl018.FST"
printf 'S2' >"$shipped/SCHEINST.DAT"
install
# file | content after the second install
while IFS='|' read -r name content; do
  [ "$(cat "$folder/$name" 2>/dev/null)" = "$content" ] || fail "second install: $name is '$(cat "$folder/$name" 2>/dev/null)', expected '$content'"
done <<'CASES'
Anl015.FST|A1-school
Anl016.FST|B2
13F.BMP|P2
Anl017.FST|C1
Anl018.FST|D2
SCHEINST.DAT|settings
Anl099.FST|extra form
Daten/7a.QVR|class
CASES
[ "$(kept_names)" = "Anl015.FST Anl017.FST " ] || fail "kept files named: '$(kept_names)'"

# Still changed at the next install: still kept and named.
install
[ "$(cat "$folder/Anl015.FST")" = "A1-school" ] || fail "third install replaced the school's file"
[ "$(kept_names)" = "Anl015.FST Anl017.FST " ] || fail "third install named: '$(kept_names)'"

# The school's file put back to what the last install wrote: replaced again.
printf 'A1' >"$folder/Anl015.FST"
install
[ "$(cat "$folder/Anl015.FST")" = "A2" ] || fail "a file put back was not replaced"
[ "$(kept_names)" = "Anl017.FST " ] || fail "fourth install named: '$(kept_names)'"

# The real install of the build: the program and the shipped files.
if [ -n "$build" ]; then
  real="$tmp/real"
  "$cmake" --install "$build" --prefix "$real" >"$tmp/out" 2>&1 || fail "cmake --install: $(cat "$tmp/out")"
  [ -x "$real/quorv" ] || fail "no program in the program folder"
  for f in Anl043.FST 13F.BMP 13S.BMP .quorv-install; do [ -f "$real/$f" ] || fail "missing $f"; done
fi

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
