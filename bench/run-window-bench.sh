#!/bin/sh
# The explorer window on folders of 20,000 and 100,000 entries (one in twenty
# a folder), in turns with the anchors on the same folder in the same run:
# `ls -f` (the floor for listing) and `find DIR -type f -printf '%p\n'` (the
# anchor for Ctrl+C). Prints the medians of RUNDER alternating rounds.
#
#   bench/run-window-bench.sh          build dir: $MARVIKEL_BUILD_DIR or ./build
#   BENCH_DIR=/path RUNDER=5 QT_QPA_PLATFORM=xcb bench/run-window-bench.sh
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
BENCH_DIR="${BENCH_DIR:-${TMPDIR:-/tmp}/marvikel-vindue-bench}"
RUNDER="${RUNDER:-3}"
SEED=4242

. bench/byg.sh
byg_bench bench_trae
LAV="$BENCH"
byg_bench bench_vindue

ms() {
    s=$(date +%s%N)
    "$@" >/dev/null 2>&1
    e=$(date +%s%N)
    awk -v d=$((e - s)) 'BEGIN { printf "%.1f", d / 1e6 }'
}

med() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for N in 20000 100000; do
    D="$BENCH_DIR/$N"
    if [ ! -e "$D/.lavet-$SEED" ]; then
        rm -rf "$D"
        mkdir -p "$D"
        "$LAV" lav "$D" "$N" 0 "$SEED"
        touch "$D/.lavet-$SEED"
    fi
    DIR="$D/filtrae"
    ls -f "$DIR" >/dev/null   # warm the cache
    : >"$D/ls" ; : >"$D/find" ; : >"$D/vores"
    i=0
    while [ "$i" -lt "$RUNDER" ]; do
        ms ls -f "$DIR" >>"$D/ls"; echo >>"$D/ls"
        ms find "$DIR" -type f -printf '%p\n' >>"$D/find"; echo >>"$D/find"
        "$BENCH" "$DIR" 1 >>"$D/vores" 2>/dev/null
        i=$((i + 1))
    done
    felt() { awk -v k="$1" '$1 == k { print $2 }' "$D/vores" | med; }
    ls_ms=$(med <"$D/ls"); find_ms=$(med <"$D/find")
    foerste=$(felt liste_foerste_ms); gab=$(felt liste_gab_ms); kopi=$(felt kopier_ms)
    rul=$(felt rul_median_ms); ankerrul=$(felt anker_rul_median_ms)
    maling=$(felt rul_maling_median_ms); ankermaling=$(felt anker_rul_maling_median_ms)
    printf '%6s poster (%s kopieret)\n' "$(felt antal)" "$(felt kopieret)"
    printf '  liste: første rækker %8s ms  ls -f %7s ms  forhold %5sx  længste gab %7s ms\n' \
        "$foerste" "$ls_ms" "$(awk -v a="$foerste" -v b="$ls_ms" 'BEGIN { printf "%.2f", a / b }')" "$gab"
    printf '  Ctrl+A Ctrl+C:       %8s ms  find  %7s ms  forhold %5sx\n' \
        "$kopi" "$find_ms" "$(awk -v a="$kopi" -v b="$find_ms" 'BEGIN { printf "%.2f", a / b }')"
    printf '  Page Down, median:   %8s ms  QTreeView %5s ms  forhold %5sx\n' \
        "$rul" "$ankerrul" "$(awk -v a="$rul" -v b="$ankerrul" 'BEGIN { printf "%.2f", a / b }')"
    printf '  rullepanel, median:  %8s ms  QTreeView %5s ms  forhold %5sx\n' \
        "$maling" "$ankermaling" "$(awk -v a="$maling" -v b="$ankermaling" 'BEGIN { printf "%.2f", a / b }')"
done
