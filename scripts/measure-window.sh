#!/usr/bin/env bash
# Measures the program from outside under Xvfb, against its floor: a bare Qt 6
# window of the same size and caption that draws one line in the same font.
# The two start in turn on the same server; for each the script prints the
# median time from process start until the window is mapped and the median
# resident memory once it is up, and the program's ratio to the floor. Then
# the time from a click on "Изчисли" to the painted transcript.
#
#   scripts/measure-window.sh [runs]      (default 11 runs of each)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-11}
build=build/default
caption="https://velmora.example Velmora"

for tool in Xvfb xev xprop xwininfo stdbuf; do
    command -v "$tool" >/dev/null || { echo "measure-window: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target velmora window_start_floor window_clickbench >/dev/null

. scripts/xvfb.sh
start_xvfb
runtime=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$runtime"' EXIT
export QT_QPA_PLATFORM=xcb
# On a busy machine the new server may refuse the first connections.
for _ in $(seq 50); do
    xprop -root >/dev/null 2>&1 && break
    sleep 0.1
done
export XDG_RUNTIME_DIR="$runtime"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Starts $1 once; prints milliseconds to the mapped window and resident KiB.
start_once() {
    # With no window manager the server reports the map to root's listeners,
    # so xev sees it the moment it happens. Its lines come through a FIFO:
    # bash's coproc can lose a new coprocess's pipe while reaping the last.
    local fifo="$runtime/events" events xev t0 mapped="" line app kib listening=""
    rm -f "$fifo"
    mkfifo "$fifo"
    stdbuf -oL xev -root -event substructure -event property >"$fifo" &
    xev=$!
    exec {events}<"$fifo"
    # xev listens once it reports a change on the root window; on a busy
    # machine that takes a while, and a map before it would go unseen.
    for _ in $(seq 50); do
        xprop -root -f _VELMORA_MEASURE 32c -set _VELMORA_MEASURE 1 || true
        while IFS= read -r -t 0.2 line <&"$events"; do
            case $line in
            PropertyNotify*) listening=1; break ;;
            esac
        done
        [ -z "$listening" ] || break
    done
    if [ -z "$listening" ]; then
        echo "measure-window: xev does not report the server's events" >&2
        return 1
    fi

    t0=$(date +%s%N)
    "$1" >/dev/null &
    app=$!
    while IFS= read -r -t 10 line <&"$events"; do
        case $line in
        MapNotify*) mapped=$(date +%s%N); break ;;
        esac
    done
    kill "$xev" 2>/dev/null || true
    wait "$xev" 2>/dev/null || true
    exec {events}<&-
    if [ -z "$mapped" ] || ! xwininfo -name "$caption" >/dev/null 2>&1; then
        echo "measure-window: $1: the window did not appear" >&2
        kill "$app" 2>/dev/null || true
        return 1
    fi
    sleep 1 # let start-up settle before reading memory
    kib=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status")
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "$(((mapped - t0) / 1000000)) $kib"
}

program=() program_rss=() floor=() floor_rss=()
for _ in $(seq "$runs"); do
    start_once "$build/app/velmora" >"$runtime/run"
    read -r ms kib <"$runtime/run"
    program+=("$ms") program_rss+=("$kib")
    start_once "$build/tests/window_start_floor" >"$runtime/run"
    read -r ms kib <"$runtime/run"
    floor+=("$ms") floor_rss+=("$kib")
done

m() { printf '%s\n' "$@" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
p_start=$(m "${program[@]}") f_start=$(m "${floor[@]}")
p_rss=$(m "${program_rss[@]}") f_rss=$(m "${floor_rss[@]}")

echo "runs: $runs of each, in turn"
echo "start to window mapped: velmora median $p_start ms, floor $f_start ms, ratio $(ratio "$p_start" "$f_start")x"
echo "    velmora: ${program[*]}"
echo "    floor:   ${floor[*]}"
echo "resident memory after start: velmora median $(mb "$p_rss") MB, floor $(mb "$f_rss") MB, ratio $(ratio "$p_rss" "$f_rss")x"
echo "click to painted transcript:"
"$build/tests/window_clickbench"
