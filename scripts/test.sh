#!/usr/bin/env bash
# Builds everything and runs every test: unit and window tests, the browser
# page's tests in Chromium, Firefox ESR and WebKitGTK with the WebAssembly
# engine against the native one,
# the solver's tests under AddressSanitizer and UndefinedBehaviorSanitizer, a
# bounded fuzz run, a short benchmark pass, and the Debian package: built
# hardened, checked as Debian's review tools check it, and built twice more to
# prove it reproducible.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
stages=0

echo "== build and test (Release)"
cmake --preset default
cmake --build --preset default -j "$jobs"
# The window tests want a real X server; offscreen only where none can start.
. scripts/xvfb.sh
if command -v Xvfb >/dev/null && start_xvfb; then
    trap stop_xvfb EXIT
    QT_QPA_PLATFORM=xcb ctest --preset default -LE page
    stop_xvfb
else
    QT_QPA_PLATFORM=offscreen ctest --preset default -LE page
fi
stages=$((stages + 1))

echo "== browser page: the WebAssembly engine against the native one, the page in three engines"
# CTest runs them (label page; page-chromium, page-firefox and page-webkit
# one by one), from the build above, after `npm ci` in tests/web.
# WebKitGTK's MiniBrowser wants an X display, headless or not.
start_xvfb
trap stop_xvfb EXIT
# Two test files at a time at least: much of a browser's start is waiting.
export VELMORA_PAGE_CONCURRENCY=$((jobs > 2 ? jobs - 1 : 2))
ctest --preset default -L page --output-on-failure
stop_xvfb
stages=$((stages + 1))

echo "== solver tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan
stages=$((stages + 1))

if command -v clang++ >/dev/null; then
    echo "== fuzzing (bounded)"
    cmake --preset fuzz
    cmake --build --preset fuzz -j "$jobs"
    scripts/run-fuzz.sh build/fuzz 60
    stages=$((stages + 1))
fi

echo "== benchmarks (one short pass, so they keep building and agreeing)"
cmake --preset bench
cmake --build --preset bench -j "$jobs"
build/bench/bench/solve_bench --benchmark_min_time=0.01
build/bench/bench/bounds_bench --benchmark_min_time=0.01
# The largest worksheet, 40 variants of 40 equations with the key, as PDF.
build/default/worksheet_bench 1
node bench/page_bench.mjs --quick
node bench/page_load.mjs --quick
stages=$((stages + 1))

echo "== install tree and Debian package"
scripts/build-package.sh
scripts/check-package.sh build/package
stages=$((stages + 1))

# Any failure above has ended the script already (set -e).
echo "stages: $stages passed, 0 failed"
