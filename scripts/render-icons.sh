#!/usr/bin/env bash
# Renders the hicolor PNG icons from packaging/icons/velmora.svg. They are kept
# in the repository, so building needs no SVG renderer; run this after any
# change to the SVG (the package check compares them with a fresh rendering).
#
# Usage: scripts/render-icons.sh [OUT_DIR]   (default packaging/icons)
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-packaging/icons}
mkdir -p "$out"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$out/velmora-$size.png" packaging/icons/velmora.svg
done
