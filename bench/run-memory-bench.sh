#!/bin/sh
# Opens and closes an explorer window and the help browser in the real main
# window, offscreen, RUNDER times (200 by default), and prints the resident
# memory every 20 rounds and the growth after the first 20 rounds. After the
# warm-up, 200 rounds may add at most 2 MB.
#
#   bench/run-memory-bench.sh              build dir: $MARVIKEL_BUILD_DIR or ./build
#   RUNDER=400 bench/run-memory-bench.sh
#   bench/run-memory-bench.sh --objekter   also counts, by class, the QObjects a round keeps
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
RUNDER="${RUNDER:-200}"

. bench/byg.sh
byg_bench bench_hukommelse

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    export XDG_RUNTIME_DIR
fi
"$BENCH" "$RUNDER" "$@"
