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

# write <folder> name=content...
write() {
  local into="$1"; shift
  for pair in "$@"; do
    mkdir -p "$(dirname "$into/${pair%%=*}")" && printf '%s' "${pair#*=}" >"$into/${pair%%=*}"
  done
}
# install <when> <names of the kept files> name=content...: installs, then checks the folder.
install() {
  local when="$1" kept="$2"; shift 2
  "$cmake" -DQUORV_SHIPPED_DIR="$shipped" -DCMAKE_INSTALL_PREFIX="$folder" -P "$script" >"$tmp/out" 2>&1 ||
    fail "$when: install failed: $(cat "$tmp/out")"
  local named
  named="$(sed -n 's/^-- quorv: \([^ ]*\) wurde.*/\1/p' "$tmp/out" | tr '\n' ' ')"
  [ "$named" = "$kept" ] || fail "$when: kept files named: '$named', expected '$kept'"
  for pair in "$@"; do
    local got
    got="$(cat "$folder/${pair%%=*}" 2>/dev/null)"
    [ "$got" = "${pair#*=}" ] || fail "$when: ${pair%%=*} is '$got', expected '${pair#*=}'"
  done
}

# First install into an empty folder; a settings file is never shipped into it.
write "$shipped" Anl015.FST=A1 Anl016.FST=B1 13F.BMP=P1 SCHEINST.DAT=S0
install first "" Anl015.FST=A1 Anl016.FST=B1 13F.BMP=P1 SCHEINST.DAT=
[ -s "$folder/.quorv-install" ] || fail "no manifest"

# The school works: a form file edited, its own file where a new one is
# shipped later, settings and a class file written.
write "$folder" Anl015.FST=A1-school SCHEINST.DAT=settings "Anl099.FST=extra form" Daten/7a.QVR=class Anl017.FST=C1

# A new version ships every file again.
write "$shipped" Anl015.FST=A2 Anl016.FST=B2 13F.BMP=P2 Anl017.FST=C2 Anl018.FST=D2 SCHEINST.DAT=S2
install second "Anl015.FST Anl017.FST " Anl015.FST=A1-school Anl016.FST=B2 13F.BMP=P2 Anl017.FST=C1 Anl018.FST=D2 \
  SCHEINST.DAT=settings "Anl099.FST=extra form" Daten/7a.QVR=class
# Still changed at the next install: still kept and named.
install third "Anl015.FST Anl017.FST " Anl015.FST=A1-school
# The school's file put back to what the last install wrote: replaced again.
write "$folder" Anl015.FST=A1
install fourth "Anl017.FST " Anl015.FST=A2

# The real install of the build: the program and the shipped files.
if [ -n "$build" ]; then
  real="$tmp/real"
  "$cmake" --install "$build" --prefix "$real" >"$tmp/out" 2>&1 || fail "cmake --install: $(cat "$tmp/out")"
  [ -x "$real/quorv" ] || fail "no program in the program folder"
  for f in Anl043.FST 13F.BMP 13S.BMP .quorv-install; do [ -f "$real/$f" ] || fail "missing $f"; done
fi

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
