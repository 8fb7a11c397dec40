#!/usr/bin/env bash
# Installs what is missing, builds Velmora (Release) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run this from a desktop session." >&2
    exit 1
fi

scripts/install-deps.sh run
cmake --preset release
cmake --build --preset release -j "$(nproc)" --target velmora
exec build/release/app/velmora
