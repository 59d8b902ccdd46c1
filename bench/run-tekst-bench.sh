#!/bin/sh
# Times the text search engine against the anchors in the same run, taking
# turns on the same fixture (2,000 text files, about 200 MB, the searched
# word about 10,000 times, every tenth file in Windows-1252):
#   grep -n -i -F -o WORD *.txt | wc -l
#   rg -n -i -F -o WORD -g '*.txt' | wc -l
# Both go through a pipe so neither stops early. Our side is one search of
# the whole folder, case ignored, with every row's position and wrapped line
# computed, timed as a whole process (start-up included) like the anchors;
# the engine's own time is printed beside it. Medians of RUNDER runs with a
# warm cache, and the ratios. ripgrep is installed when missing.
#
#   bench/run-tekst-bench.sh            build dir: $MARVIKEL_BUILD_DIR or ./build
#   BENCH_DIR=/path RUNDER=7 bench/run-tekst-bench.sh
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
BENCH_DIR="${BENCH_DIR:-${TMPDIR:-/tmp}/marvikel-tekst-bench}"
RUNDER="${RUNDER:-7}"
SEED=4242
ORD=sommerfugl
# The anchors and the fixture's words are UTF-8; case folding follows it.
export LC_ALL=C.UTF-8

if ! command -v rg >/dev/null 2>&1; then
    echo "ripgrep mangler; installerer det ..."
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get install -y ripgrep >/dev/null
fi

. bench/byg.sh
byg_bench bench_tekst

MARK="$BENCH_DIR/.lavet-$SEED"
if [ ! -e "$MARK" ]; then
    rm -rf "$BENCH_DIR"
    mkdir -p "$BENCH_DIR/filer"
    echo "Laver testfiler i $BENCH_DIR ..."
    "$BENCH" lav "$BENCH_DIR/filer" "$SEED"
    touch "$MARK"
fi
MAPPE="$BENCH_DIR/filer"
echo "$(ls "$MAPPE" | wc -l) filer, $(du -sm "$MAPPE" | cut -f1) MB"

# Wall time of one command line in microseconds; its output in $BENCH_DIR/ud.
tid() {
    s=$(date +%s%N)
    sh -c "$1" >"$BENCH_DIR/ud" 2>/dev/null
    e=$(date +%s%N)
    echo $(( (e - s) / 1000 ))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1000 }'
}

cd "$MAPPE"
cat ./*.txt >/dev/null   # warm the cache for all three
: >"$BENCH_DIR/vores" ; : >"$BENCH_DIR/motor" ; : >"$BENCH_DIR/grep" ; : >"$BENCH_DIR/rg"
i=0
while [ "$i" -lt "$RUNDER" ]; do
    tid "'$BENCH' tael . '*.txt' $ORD" >>"$BENCH_DIR/vores"
    awk '/^ms/ { print $2 * 1000 }' "$BENCH_DIR/ud" >>"$BENCH_DIR/motor"
    vores_antal=$(awk '/^antal/ { print $2 }' "$BENCH_DIR/ud")
    tid "grep -n -i -F -o $ORD *.txt | wc -l" >>"$BENCH_DIR/grep"
    grep_antal=$(cat "$BENCH_DIR/ud")
    tid "rg -n -i -F -o $ORD -g '*.txt' | wc -l" >>"$BENCH_DIR/rg"
    rg_antal=$(cat "$BENCH_DIR/ud")
    i=$((i + 1))
done

vores=$(median <"$BENCH_DIR/vores")
motor=$(median <"$BENCH_DIR/motor")
grept=$(median <"$BENCH_DIR/grep")
rgt=$(median <"$BENCH_DIR/rg")
echo "Median af $RUNDER kørsler (varm cache), søgning efter \"$ORD\" uden forskel på store og små:"
printf '  vores     %8s ms  (motoren selv %s ms)  %s fund\n' "$vores" "$motor" "$vores_antal"
printf '  grep      %8s ms  %s linjer\n' "$grept" "$grep_antal"
printf '  ripgrep   %8s ms  %s linjer\n' "$rgt" "$rg_antal"
awk -v v="$vores" -v g="$grept" -v r="$rgt" 'BEGIN {
    printf "  vores/grep    %.2fx  (mål: højst 0,5x)\n", v / g
    printf "  vores/ripgrep %.2fx  (mål: højst 2x)\n", v / r }'
