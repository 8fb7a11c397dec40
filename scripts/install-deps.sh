#!/usr/bin/env bash
# Installs the Debian packages that are missing, so a second run costs nothing.
#   install-deps.sh run   what building and opening the program needs
#   install-deps.sh       that, and what the tests, benchmarks and checks need
set -euo pipefail

packages=(
    cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev nlohmann-json3-dev
    fonts-liberation2 qt6-translations-l10n
    # The catalogues are written from po/ by a Python script; the desktop
    # entry, metainfo and manual pages are translated by gettext and po4a.
    python3 gettext po4a
)
if [ "${1:-all}" != run ]; then
    packages+=(
        libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
        xvfb xauth x11-utils xdotool imagemagick
        desktop-file-utils appstream dpkg-dev locales
        clang-22 lld-22 llvm-22 zopfli wasi-libc libc++-22-dev-wasm32 libc++abi-22-dev-wasm32
        libclang-rt-22-dev-wasm32 chromium firefox-esr webkit2gtk-driver adwaita-qt6
        git lintian devscripts librsvg2-bin man-db poppler-utils
    )
    # The page's tests run on Node.js; a machine that has none gets Debian's.
    command -v node >/dev/null || packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The window tests run a second time in Bulgarian, for its decimal comma.
if [ "${1:-all}" != run ] && ! locale -a 2>/dev/null | grep -qx 'bg_BG\.utf8'; then
    echo "Generating the locale bg_BG.UTF-8"
    $sudo localedef -i bg_BG -f UTF-8 bg_BG.UTF-8
fi
