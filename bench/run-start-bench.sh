#!/bin/sh
# Times the start of the main window (offscreen) with a program list of
# POSTER records (25,000 by default) against the same start with an empty
# list, as medians of RUNDER starts, and prints both and their difference.
#
#   bench/run-start-bench.sh               build dir: $MARVIKEL_BUILD_DIR or ./build
#   POSTER=50000 RUNDER=7 bench/run-start-bench.sh
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
POSTER="${POSTER:-25000}"
RUNDER="${RUNDER:-5}"

. bench/byg.sh
byg_bench bench_start

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    export XDG_RUNTIME_DIR
fi
"$BENCH" "$POSTER" "$RUNDER"
