#!/usr/bin/env bash
# Makes docs/screenshot.png and docs/screenshot-en.png from the real program:
# starts it under Xvfb in Bulgarian and in English, presses "Изчисли"
# ("Calculate") on its random coefficients and captures the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# The default preset's tree, which the tests build too; its page target
# writes design.json, where the window's geometry and caption are read.
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target velmora page >/dev/null
design=build/default/web/design.json
mkdir -p docs
# The centre of a control, in the window's own pixels, given how far the
# client area lies below the window's top.
centre() {
    node -e 'const d = JSON.parse(require("fs").readFileSync(process.argv[1], "utf8"));
        const c = d.controls.find((c) => c.id === process.argv[2]);
        const px = (t) => Math.round(t / d.twipsPerPixel);
        console.log(px(c.left + c.width / 2), px(c.top + c.height / 2) + Number(process.argv[3]));' \
        "$design" "$1" "$2"
}
# The client area's height in pixels: the menu bar above it takes the rest.
clientHeight=$(node -e 'const d = JSON.parse(require("fs").readFileSync(process.argv[1], "utf8"));
    console.log(Math.round(d.clientHeight / d.twipsPerPixel));' "$design")
caption=$(node -e 'console.log(JSON.parse(require("fs").readFileSync(process.argv[1], "utf8")).caption)' "$design")

. scripts/xvfb.sh
start_xvfb
runtime=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$runtime"' EXIT
# The window in Bulgarian, then in English.
for shot in bg:docs/screenshot.png en:docs/screenshot-en.png; do
    LANGUAGE=${shot%%:*} XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb build/default/app/velmora &
    app=$!
    window=$(xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # shellcheck disable=SC2046 # two numbers, x and y
    xdotool mousemove --window "$window" $(centre Buton0 $((HEIGHT - clientHeight))) click 1
    xdotool mousemove --window "$window" 460 10
    sleep 0.5
    import -window "$window" "${shot#*:}"
    kill "$app"
    wait "$app" || true
    echo "wrote ${shot#*:}"
done
