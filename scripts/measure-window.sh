#!/usr/bin/env bash
# Measures the program from outside under Xvfb and prints medians: time from
# process start until its window is mapped, resident memory once it is up,
# and the time from a click on "Изчисли" to the painted transcript.
#
#   scripts/measure-window.sh [runs]      (default 11 runs)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-11}
build=build/measure
caption="https://velmora.example Velmora"

for tool in Xvfb xev xwininfo stdbuf; do
    command -v "$tool" >/dev/null || { echo "measure-window: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target velmora window_clickbench >/dev/null

. scripts/xvfb.sh
start_xvfb
runtime=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$runtime"' EXIT
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$runtime"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

starts=()
rss=()
for i in $(seq "$runs"); do
    # With no window manager the server reports the map to root's listeners,
    # so xev sees it the moment it happens.
    coproc XEV { exec stdbuf -oL xev -root -event substructure; }
    sleep 0.2 # time for xev to select its events

    t0=$(date +%s%N)
    "$build/app/velmora" &
    app=$!
    mapped=""
    while IFS= read -r -t 10 line <&"${XEV[0]}"; do
        case $line in
        MapNotify*) mapped=$(date +%s%N); break ;;
        esac
    done
    kill "$XEV_PID" 2>/dev/null || true
    wait "$XEV_PID" 2>/dev/null || true
    if [ -z "$mapped" ] || ! xwininfo -name "$caption" >/dev/null 2>&1; then
        echo "measure-window: run $i: the window did not appear" >&2
        kill "$app" 2>/dev/null || true
        exit 1
    fi
    starts+=($(((mapped - t0) / 1000000)))

    sleep 1 # let start-up settle before reading memory
    rss+=($(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"))
    kill "$app"
    wait "$app" 2>/dev/null || true
done

echo "runs: $runs"
echo "start to window mapped: median $(printf '%s\n' "${starts[@]}" | median) ms (all: ${starts[*]})"
echo "resident memory after start: median $(printf '%s\n' "${rss[@]}" | median | awk '{ printf "%.1f", $1 / 1024 }') MB"
echo "click to painted transcript:"
"$build/tests/window_clickbench"
