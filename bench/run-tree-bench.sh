#!/bin/sh
# Times the tree engine against the anchor `find DIR -maxdepth 1 -printf '%y %p\n'`
# (an entry and its type: what the file tree needs) on the same fixtures in the
# same run, and prints both times, their ratio and our peak memory.
#
#   bench/run-tree-bench.sh            build dir: $MARVIKEL_BUILD_DIR or ./build
#   BENCH_DIR=/path RUNDER=7 bench/run-tree-bench.sh
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
BENCH_DIR="${BENCH_DIR:-${TMPDIR:-/tmp}/marvikel-trae-bench}"
RUNDER="${RUNDER:-7}"
FILER=100000
MAPPER=10000
SEED=4242

. bench/byg.sh
byg_bench bench_trae

# Fixtures are made once and reused; their content depends only on the seed.
MARK="$BENCH_DIR/.lavet-$FILER-$MAPPER-$SEED"
if [ ! -e "$MARK" ]; then
    rm -rf "$BENCH_DIR"
    mkdir -p "$BENCH_DIR"
    echo "Laver testmapper i $BENCH_DIR ..."
    "$BENCH" lav "$BENCH_DIR" "$FILER" "$MAPPER" "$SEED"
    touch "$MARK"
fi

# Median wall time in ms of RUNDER runs of the anchor (process start included).
anker() {
    i=0
    while [ "$i" -lt "$RUNDER" ]; do
        s=$(date +%s%N)
        find "$1" -maxdepth 1 $2 -printf '%y %p\n' >/dev/null
        e=$(date +%s%N)
        echo $(( (e - s) / 1000 ))
        i=$((i + 1))
    done | sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", v[int((NR + 1) / 2)] / 1000 }'
}

maal() {
    # $1 workload, $2 folder, $3 find filter
    find "$2" -maxdepth 1 >/dev/null   # warm the cache for both
    ud=$(/usr/bin/time -v "$BENCH" "$1" "$2" "$RUNDER" 2>"$BENCH_DIR/time.txt")
    vores=$(echo "$ud" | awk '/^median_ms/ { print $2 }')
    antal=$(echo "$ud" | awk '/^antal/ { print $2 }')
    mb=$(echo "$ud" | awk '/^hukommelse_mb/ { print $2 }')
    rss=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); printf "%.1f", $2 / 1024 }' "$BENCH_DIR/time.txt")
    ankertid=$(anker "$2" "$3")
    forhold=$(awk -v a="$vores" -v b="$ankertid" 'BEGIN { printf "%.2f", a / b }')
    printf '%-10s %7s poster  vores %8s ms  anker %8s ms  forhold %5sx  top-RSS %6s MB  listning +%s MB\n' \
        "$1" "$antal" "$vores" "$ankertid" "$forhold" "$rss" "${mb:--}"
}

echo "Median af $RUNDER kørsler (varm cache):"
maal filtrae "$BENCH_DIR/filtrae" ""
maal mappetrae "$BENCH_DIR/mappetrae" "-mindepth 1 -type d"
