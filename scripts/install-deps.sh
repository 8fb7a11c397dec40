#!/usr/bin/env bash
# Installs the Debian packages that are missing, so a second run costs nothing.
#   install-deps.sh run   what building and opening the program needs
#   install-deps.sh       that, and what the tests, benchmarks and checks need
set -euo pipefail

packages=(
    cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
    fonts-liberation2 qt6-translations-l10n
)
if [ "${1:-all}" != run ]; then
    packages+=(
        libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
        xvfb xauth x11-utils xdotool imagemagick
        desktop-file-utils appstream dpkg-dev
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
