#!/usr/bin/env bash
# Makes docs/window-euclid.png, docs/window-practice*.png,
# docs/window-picture*.png, docs/window-bounds*.png, docs/window-pace*.png
# and docs/window-zoom-200.png from the built program, driven by keyboard
# under Xvfb: Euclid's way for 91x + 35y = 14, "Your answer" with a wrong pair
# and then the corrected one, the picture of 3x + 5y = 47, its natural
# solutions after Euclid's way, 91x + 35y = 14 paced to its third step, and
# Euclid's way zoomed to 200 % on a 1920 × 1080 screen.
# Usage: scripts/window-screenshots.sh [path/to/velmora]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/app/velmora}
caption="https://velmora.example Velmora"

. scripts/xvfb.sh
start_xvfb
runtime=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$runtime"' EXIT

start() {
    LANGUAGE=$1 XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb "$program" &
    app=$!
    window=$(xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1)
    sleep 0.5
    # With no window manager the keyboard follows the pointer: keep it on
    # the client area's bare corner, where it marks nothing.
    xdotool mousemove --window "$window" 3 60
    xdotool windowfocus --sync "$window"
}
keys() { xdotool key --delay 60 "$@"; }
type_in() { printf %s "$1" | xdotool type --delay 40 --file -; }
# The coefficient fields, reached from the introduction, which has the focus.
coefficients() {
    keys Tab ctrl+a; type_in "$1"
    keys Tab ctrl+a; type_in "$2"
    keys Tab ctrl+a; type_in "$3"
}
answer() {
    keys ctrl+a; type_in "$1"
    keys Tab ctrl+a; type_in "$2"
    keys Tab ctrl+a; type_in "$3"
    keys Tab ctrl+a; type_in "$4"
    keys Return
}
shoot() {
    sleep 0.5
    import -window "$window" "$1"
    echo "wrote $1"
}
stop() {
    kill "$app"
    wait "$app" || true
}

mkdir -p docs
for language in bg en; do
    suffix=""
    [ "$language" = bg ] || suffix="-$language"
    start "$language"
    coefficients 91 35 14
    keys Return F2
    shoot "docs/window-euclid$suffix.png"
    stop

    # Before Calculate, as a pupil practises: the sign of y0 wrong, then right.
    start "$language"
    coefficients 91 35 14
    keys F3
    answer 4 10 5 -13
    shoot "docs/window-practice$suffix.png"
    keys shift+Tab shift+Tab shift+Tab
    answer 4 -10 5 -13
    shoot "docs/window-practice-right$suffix.png"
    stop

    start "$language"
    coefficients 3 5 47
    keys Return F4
    shoot "docs/window-picture$suffix.png"
    stop

    # From Euclid's way, Tab reaches Previous and Next, then "natural
    # numbers" (Show all is off while the lesson shows whole).
    start "$language"
    coefficients 3 5 47
    keys Return F2 Tab Tab Tab space
    shoot "docs/window-bounds$suffix.png"
    stop

    # The lesson paced to its third step by Alt+Page Down.
    start "$language"
    coefficients 91 35 14
    keys Return F2 alt+Next alt+Next alt+Next
    shoot "docs/window-pace$suffix.png"
    stop
done

# Zoomed to 200 % by four presses of Ctrl++ on a screen of its own, as large
# as a classroom's projector.
stop_xvfb
start_xvfb 1920x1080
start bg
coefficients 91 35 14
keys Return F2 ctrl+plus ctrl+plus ctrl+plus ctrl+plus
shoot docs/window-zoom-200.png
stop
