#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Keine Anzeige verfügbar: DISPLAY ist nicht gesetzt. Quorv braucht eine grafische Oberfläche." >&2
  echo "(Ohne Bildschirm z. B.: xvfb-run bash scripts/run.sh)" >&2
  exit 2
fi
exec build/src/quorv
