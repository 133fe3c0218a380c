#!/usr/bin/env bash
# Sets up and builds the program, installs it into its program folder and
# starts it from there. Only the program is built; scripts/test.sh builds the
# tests and benchmarks.
# Usage: scripts/run.sh [program folder]
# The program folder is the argument, else $QUORV_PROGRAM_DIR, else ~/Quorv.
# It holds the program, the form files, the settings and Daten/ with the class
# files; rebuilding or deleting build/ leaves it alone.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${1:-${QUORV_PROGRAM_DIR:-$HOME/Quorv}}"
QUORV_BUILD_TARGETS=quorv bash scripts/setup.sh build
mkdir -p "$folder"
folder="$(cd "$folder" && pwd)"
# Installing never touches settings or class files; a form file changed in
# the program folder is kept, and said so.
log="$(cmake --install build --prefix "$folder")" || { echo "$log" >&2; exit 1; }
sed -n 's/^-- quorv: //p' <<<"$log"
echo "Programmordner: $folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Keine Anzeige verfügbar: DISPLAY ist nicht gesetzt. Quorv braucht eine grafische Oberfläche." >&2
  echo "(Ohne Bildschirm z. B.: xvfb-run bash scripts/run.sh)" >&2
  exit 2
fi
exec "$folder/quorv"
