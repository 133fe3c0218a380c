#!/usr/bin/env bash
# Installs what the build needs (Debian packages) and builds into build/.
# Usage: scripts/setup.sh [build-dir] [extra cmake arguments...]
# Builds every target, or only those named in $QUORV_BUILD_TARGETS (e.g. "quorv").
# $QUORV_EXTRA_PACKAGES names packages that only the tests need.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev
          libbenchmark-dev fonts-liberation poppler-utils clang-14 libclang-rt-14-dev
          qt6-translations-l10n libcups2-dev)
read -ra extra <<<"${QUORV_EXTRA_PACKAGES:-}"
packages+=("${extra[@]}")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build="${1:-build}"
shift || true
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
targets=()
[ -z "${QUORV_BUILD_TARGETS:-}" ] || read -ra targets <<<"--target $QUORV_BUILD_TARGETS"
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
