#!/bin/sh
# Times the gallery's loading of a folder against the anchors in the same
# run, taking turns:
#   500 JPEGs of 4000 x 3000 into a 4 x 6 grid of 320 x 240 cells
#   vs  vipsthumbnail to the same size on two cores (xargs -P2)
#   vs  djpeg -scale 1/8 on two cores, the decoder's floor
# Every side is timed as whole processes, the median of RUNDER runs is
# printed with the ratios, and our peak memory is held against
# 40 MB + 1.1 x the thumbnails' pixels + 8 MB per decoding thread.
# The pictures are made from a fixed seed in BENCH_DIR (about 1.6 GB) and
# removed afterwards unless BEHOLD is set, so a later run can reuse them.
#
#   bench/run-gallery-bench.sh          build dir: $MARVIKEL_BUILD_DIR or ./build
#   BENCH_DIR=/path RUNDER=5 BILLEDER=500 BEHOLD=1 bench/run-gallery-bench.sh
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
BENCH_DIR="${BENCH_DIR:-${TMPDIR:-/var/tmp}/marvikel-galleri-bench}"
RUNDER="${RUNDER:-5}"
BILLEDER="${BILLEDER:-500}"
V=4
L=6
FELT=320x240
# The drawn size of a 4000 x 3000 picture in a 320 x 240 cell: the cell's
# inside less frame and margins is 312 x 232.
MAAL=309x232
TRAADE=2

# The anchors, for this benchmark only.
mangler=""
command -v vipsthumbnail >/dev/null 2>&1 || mangler="$mangler libvips-tools"
command -v djpeg >/dev/null 2>&1 || mangler="$mangler libjpeg-turbo-progs"
if [ -n "$mangler" ]; then
    echo "Installerer ankrene:$mangler"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $mangler >/dev/null
fi

. bench/byg.sh
byg_bench bench_galleri

BILLEDMAPPE="$BENCH_DIR/billeder-$BILLEDER"
UD="$BENCH_DIR/ud"
if [ "$(ls "$BILLEDMAPPE" 2>/dev/null | wc -l)" -ne "$BILLEDER" ]; then
    echo "Laver $BILLEDER billeder på 4000 x 3000 i $BILLEDMAPPE ..."
    rm -rf "$BILLEDMAPPE"
    "$BENCH" lav "$BILLEDMAPPE" "$BILLEDER"
fi
echo "Billedmappen fylder $(du -sh "$BILLEDMAPPE" | cut -f1)."

# Wall time of one command in microseconds.
tid() {
    s=$(date +%s%N)
    "$@" >/dev/null 2>"$BENCH_DIR/stderr"
    e=$(date +%s%N)
    echo $(( (e - s) / 1000 ))
}

vips() {
    rm -rf "$UD" && mkdir -p "$UD"
    ls "$BILLEDMAPPE"/*.jpg | xargs -P2 -n 25 vipsthumbnail --size "$MAAL" -o "$UD/%s.v"
}

floor() {
    ls "$BILLEDMAPPE"/*.jpg | xargs -P2 -n 25 sh -c 'for f; do djpeg -scale 1/8 -outfile /dev/null "$f"; done' sh
}

vores() {
    "$BENCH" "$BILLEDMAPPE" $V $L $FELT --stille --traade $TRAADE
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1000 }'
}

# A first pass reads the pictures into the page cache for all three.
floor >/dev/null 2>&1
: >"$BENCH_DIR/tider.txt"
: >"$BENCH_DIR/hukommelse.txt"
i=0
while [ "$i" -lt "$RUNDER" ]; do
    echo "vips $(tid vips)" >>"$BENCH_DIR/tider.txt"
    echo "floor $(tid floor)" >>"$BENCH_DIR/tider.txt"
    echo "vores $(tid vores)" >>"$BENCH_DIR/tider.txt"
    cat "$BENCH_DIR/stderr" >>"$BENCH_DIR/hukommelse.txt"
    i=$((i + 1))
done

a=$(awk '$1 == "vips" { print $2 }' "$BENCH_DIR/tider.txt" | median)
f=$(awk '$1 == "floor" { print $2 }' "$BENCH_DIR/tider.txt" | median)
v=$(awk '$1 == "vores" { print $2 }' "$BENCH_DIR/tider.txt" | median)
echo "Median af $RUNDER kørsler, hele processer, $BILLEDER billeder, $V x $L felter på $FELT, $TRAADE tråde:"
printf '%-34s %9s ms\n' "vipsthumbnail (xargs -P2)" "$a"
printf '%-34s %9s ms\n' "djpeg -scale 1/8 (xargs -P2)" "$f"
printf '%-34s %9s ms  %5sx vips (mål <= 0.7)  %5sx djpeg (mål <= 1.1)\n' "Marvikel" "$v" \
    "$(awk -v a="$v" -v b="$a" 'BEGIN { printf "%.2f", a / b }')" \
    "$(awk -v a="$v" -v b="$f" 'BEGIN { printf "%.2f", a / b }')"
# Peak memory against the budget for the thumbnails actually made.
tail -n 1 "$BENCH_DIR/hukommelse.txt" | awk -v t="$TRAADE" '{
    for (i = 1; i <= NF; ++i) { if ($i == "miniaturepixels") p = $(i + 1); if ($i == "VmHWM") h = $(i + 1) }
    budget = 40 * 1024 + 1.1 * p * 4 / 1024 + 8 * 1024 * t
    printf "Hukommelse: top %.1f MB, budget %.1f MB (40 MB + 1,1 x %.1f MB miniaturer + %d x 8 MB)\n",
           h / 1024, budget / 1024, p * 4 / 1048576, t }'
rm -rf "$UD"
[ -n "${BEHOLD:-}" ] || rm -rf "$BENCH_DIR"
