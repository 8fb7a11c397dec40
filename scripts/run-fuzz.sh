#!/usr/bin/env bash
# Runs the solver's fuzz target for a bounded time, starting from the seeds in
# fuzz/corpus. New inputs go to a temporary directory that is removed
# afterwards; a crashing, hanging or leaking input is kept in
# BUILD_DIR/fuzz-artifacts and the script fails.
#
# usage: scripts/run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
seconds=$2
fuzzer="$build/fuzz/solve_fuzz"
if [ ! -x "$fuzzer" ]; then
    echo "no fuzz target at $fuzzer (configure with the fuzz preset)" >&2
    exit 2
fi

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

# The first directory receives new inputs; the committed seeds are only read.
# libFuzzer's progress lines go to a log; the end of it is shown below.
log="$build/fuzz.log"
status=0
"$fuzzer" "$corpus" "$root/fuzz/corpus" \
    -dict="$root/fuzz/solve.dict" \
    -max_total_time="$seconds" \
    -timeout=2 \
    -rss_limit_mb=2048 \
    -max_len=256 \
    -print_final_stats=1 \
    -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?

if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "fuzzing failed (exit $status); reproducers in $artifacts:" >&2
    ls -1 "$artifacts" >&2
    exit 1
fi
grep -E '^(Done|stat::)' "$log" || true
echo "fuzzing: no crash, hang or leak in $seconds s"
