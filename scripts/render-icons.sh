#!/usr/bin/env bash
# Renders the PNG icons from packaging/icons/velmora.svg: the hicolor sizes
# for the desktop, and for the hosted web page the manifest's 192 and 512 px
# icons, a maskable 512 px one and the apple-touch-icon. They are kept in the
# repository, so building needs no SVG renderer; run this after any change to
# the SVG (the package check compares the desktop ones with a fresh rendering).
#
# Usage: scripts/render-icons.sh [OUT_DIR]
#   (default: packaging/icons and web/icons; with OUT_DIR, all into it)
set -euo pipefail
cd "$(dirname "$0")/.."

svg=packaging/icons/velmora.svg
out=${1:-packaging/icons}
web=${1:-web/icons}
mkdir -p "$out" "$web"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$out/velmora-$size.png" "$svg"
done

for size in 192 512; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$web/velmora-$size.png" "$svg"
done

# Full-bleed squares in the icon's own blue, the picture inside the middle
# 80 %: a launcher may cut any shape out of a maskable icon within that
# circle, and iOS fills a transparent apple-touch-icon with black.
padded() { # SIZE OUTPUT
    local inner=$(($1 * 4 / 5)) margin=$(($1 / 10))
    rsvg-convert --page-width "$1" --page-height "$1" --left "$margin" --top "$margin" \
        --width "$inner" --height "$inner" --background-color '#8080ff' --format png \
        --output "$2" "$svg"
}
padded 512 "$web/velmora-maskable-512.png"
padded 180 "$web/apple-touch-icon.png"
