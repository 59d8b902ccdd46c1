#!/bin/sh
# Times the tree engine against the anchor `find DIR -maxdepth 1 -printf '%y %p\n'`
# (an entry and its type: what the file tree needs), the listing with details
# (the shown rows' sizes, dates and types) against the same anchor, the
# listings sorted by size and by date (every entry's size and date read)
# against `find DIR -maxdepth 1 -printf '%s %T@ %p\n'`, and the properties
# window's folder total against `du -sb` and `du -sl`, on the same fixtures in
# the same run, and prints the times, their ratio and our peak memory.
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
        find "$1" -maxdepth 1 $2 -printf "${3:-%y %p\n}" >/dev/null
        e=$(date +%s%N)
        echo $(( (e - s) / 1000 ))
        i=$((i + 1))
    done | sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", v[int((NR + 1) / 2)] / 1000 }'
}

maal() {
    # $1 workload, $2 folder, $3 find filter, $4 find format (default '%y %p\n')
    find "$2" -maxdepth 1 >/dev/null   # warm the cache for both
    ud=$(/usr/bin/time -v "$BENCH" "$1" "$2" "$RUNDER" 2>"$BENCH_DIR/time.txt")
    vores=$(echo "$ud" | awk '/^median_ms/ { print $2 }')
    antal=$(echo "$ud" | awk '/^antal/ { print $2 }')
    mb=$(echo "$ud" | awk '/^hukommelse_mb/ { print $2 }')
    rss=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); printf "%.1f", $2 / 1024 }' "$BENCH_DIR/time.txt")
    ankertid=$(anker "$2" "$3" "${4:-}")
    forhold=$(awk -v a="$vores" -v b="$ankertid" 'BEGIN { printf "%.2f", a / b }')
    printf '%-18s %7s poster  vores %8s ms  anker %8s ms  forhold %5sx  top-RSS %6s MB  listning +%s MB\n' \
        "$1" "$antal" "$vores" "$ankertid" "$forhold" "$rss" "${mb:--}"
}

echo "Median af $RUNDER kørsler (varm cache):"
maal filtrae "$BENCH_DIR/filtrae" ""
maal filtrae-detaljer "$BENCH_DIR/filtrae" ""
maal filtrae-stoerrelse "$BENCH_DIR/filtrae" "" '%s %T@ %p\n'
maal filtrae-dato "$BENCH_DIR/filtrae" "" '%s %T@ %p\n'
maal mappetrae "$BENCH_DIR/mappetrae" "-mindepth 1 -type d"

# The folder total of the properties window against `du -sb` (apparent size,
# hard links once, like ours) and `du -sl` (hard links every time), on a tree
# of TOTAL_FILER files in TOTAL_MAPPER folders. The three take turns within
# each round, each timed as a whole process; the medians and our peak memory
# are printed.
TOTAL_FILER=100000
TOTAL_MAPPER=2000
TMARK="$BENCH_DIR/.lavet-total-$TOTAL_FILER-$TOTAL_MAPPER-$SEED"
if [ ! -e "$TMARK" ]; then
    rm -rf "$BENCH_DIR/total"
    echo "Laver mappetotal-træ i $BENCH_DIR/total ..."
    "$BENCH" lavtotal "$BENCH_DIR" "$TOTAL_FILER" "$TOTAL_MAPPER" "$SEED"
    touch "$TMARK"
fi

ms() { echo $(( ($2 - $1) / 1000 )); }
median_af() { sort -n "$1" | awk '{ v[NR] = $1 } END { printf "%.2f", v[int((NR + 1) / 2)] / 1000 }'; }

T="$BENCH_DIR/total"
du -sb "$T" >/dev/null   # warm the cache for all three
: >"$BENCH_DIR/vores.txt"; : >"$BENCH_DIR/dusb.txt"; : >"$BENCH_DIR/dusl.txt"
i=0
while [ "$i" -lt "$RUNDER" ]; do
    s=$(date +%s%N); "$BENCH" total "$T" >/dev/null; e=$(date +%s%N); ms "$s" "$e" >>"$BENCH_DIR/vores.txt"
    s=$(date +%s%N); du -sb "$T" >/dev/null; e=$(date +%s%N); ms "$s" "$e" >>"$BENCH_DIR/dusb.txt"
    s=$(date +%s%N); du -sl "$T" >/dev/null; e=$(date +%s%N); ms "$s" "$e" >>"$BENCH_DIR/dusl.txt"
    i=$((i + 1))
done
/usr/bin/time -v "$BENCH" total "$T" >"$BENCH_DIR/total.txt" 2>"$BENCH_DIR/time.txt"
rss=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); printf "%.1f", $2 / 1024 }' "$BENCH_DIR/time.txt")
vores=$(median_af "$BENCH_DIR/vores.txt")
dusb=$(median_af "$BENCH_DIR/dusb.txt")
dusl=$(median_af "$BENCH_DIR/dusl.txt")
printf 'mappetotal %s filer, %s mapper, %s bytes (du -sb: %s)\n' \
    "$(awk '/^filer/ { print $2 }' "$BENCH_DIR/total.txt")" "$(awk '/^mapper/ { print $2 }' "$BENCH_DIR/total.txt")" \
    "$(awk '/^bytes/ { print $2 }' "$BENCH_DIR/total.txt")" "$(du -sb "$T" | cut -f1)"
printf '           vores %8s ms  du -sb %8s ms  du -sl %8s ms  forhold %5sx (du -sb)  top-RSS %6s MB\n' \
    "$vores" "$dusb" "$dusl" "$(awk -v a="$vores" -v b="$dusb" 'BEGIN { printf "%.2f", a / b }')" "$rss"
# Find by name: both passes of our walk (engine only, no limit on results)
# against `find DIR -iname '*qz*'`, taking turns run by run on a warm cache.
SOEG="$BENCH_DIR/soegtrae"
SOEGMARK="$BENCH_DIR/.soeg-100000-$SEED"
if [ ! -e "$SOEGMARK" ]; then
    rm -rf "$SOEG"
    echo "Laver søgetræ i $SOEG ..."
    "$BENCH" lavsoeg "$BENCH_DIR" 100000 "$SEED"
    touch "$SOEGMARK"
fi
find "$SOEG" >/dev/null
i=0
: >"$BENCH_DIR/soeg-vores.txt"
: >"$BENCH_DIR/soeg-anker.txt"
while [ "$i" -lt "$RUNDER" ]; do
    "$BENCH" soeg "$SOEG" qz 1 >"$BENCH_DIR/soeg-ud.txt"
    awk '/^median_ms/ { print $2 }' "$BENCH_DIR/soeg-ud.txt" >>"$BENCH_DIR/soeg-vores.txt"
    s=$(date +%s%N)
    find "$SOEG" -iname '*qz*' >/dev/null
    e=$(date +%s%N)
    echo $(( (e - s) / 1000 )) | awk '{ printf "%.2f\n", $1 / 1000 }' >>"$BENCH_DIR/soeg-anker.txt"
    i=$((i + 1))
done
med() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
vores=$(med "$BENCH_DIR/soeg-vores.txt")
ankertid=$(med "$BENCH_DIR/soeg-anker.txt")
antal=$(awk '/^antal/ { print $2 }' "$BENCH_DIR/soeg-ud.txt")
ekstra=$(awk '/^ekstra_mb/ { print $2 }' "$BENCH_DIR/soeg-ud.txt")
forhold=$(awk -v a="$vores" -v b="$ankertid" 'BEGIN { printf "%.2f", a / b }')
printf '%-10s %7s fundne  vores %8s ms  anker %8s ms  forhold %5sx  ekstra hukommelse %5s MB\n' \
    soeg "$antal" "$vores" "$ankertid" "$forhold" "$ekstra"

# The same search from the find page on the screen (needs a display, e.g.
# xvfb-run): the longest time the window went without handling events.
if [ -n "${DISPLAY:-}" ]; then
    "$BENCH" soegvindue "$SOEG" qz | awk '/^laengste_hul_ms|^ms/ { printf "soegvindue %s %s\n", $1, $2 }'
fi
