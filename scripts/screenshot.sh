#!/usr/bin/env bash
# Makes docs/screenshot.png from the real program: starts it under Xvfb,
# presses "Изчисли" on its random coefficients and captures the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target velmora >/dev/null
mkdir -p docs

. scripts/xvfb.sh
start_xvfb
runtime=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb build/release/app/velmora &
app=$!
window=$(xdotool search --sync --onlyvisible --name "Velmora$" | head -n 1)
sleep 0.5
# The centre of "Изчисли", in the window's own pixels.
xdotool mousemove --window "$window" 336 180 click 1
xdotool mousemove --window "$window" 460 10
sleep 0.5
import -window "$window" docs/screenshot.png
kill "$app"
echo "wrote docs/screenshot.png"
