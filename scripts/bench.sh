#!/usr/bin/env bash
# Builds the benchmarks and prints their figures: the median of nine
# repetitions per case, then the slowest inputs and the speed-up over the
# literal search. Extra arguments go to the benchmark (e.g. --benchmark_filter=).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset bench
cmake --build --preset bench -j "$(nproc)"
build/bench/bench/solve_bench \
    --benchmark_repetitions=9 \
    --benchmark_min_time=0.2 \
    --benchmark_report_aggregates_only=true \
    "$@"
