#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, but
# only those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
    # build
    cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
    # run
    fonts-liberation2
    # tests, benchmarks, fuzzing
    libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
    xvfb xauth x11-utils xdotool
    # package checks
    desktop-file-utils appstream dpkg-dev
)

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
