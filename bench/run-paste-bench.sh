#!/bin/sh
# Times the paste engine against its anchors on the same fixtures in the same
# run and prints both times, their ratio and the peak memory of each side:
#   - 20,000 small files in 400 folders copied, against `cp -a`
#   - 8 files of 256 MiB copied, against `cp -a` (and `dd` for the disk's own
#     copy speed)
#   - the small tree moved to another volume (a tmpfs mounted here when run as
#     root), against `mv`
#   - the small tree moved to another volume on the disk (an ext4 image
#     mounted here when run as root), against `mv` followed by `sync -f` on
#     the target: a move deletes no source before its copy is on the disk,
#     which on a tmpfs costs nothing and here costs what the disk takes
# Our side is also timed inside the process, from the paste's call to its
# return, and that median printed beneath.
# Each time is the median of RUNDER runs, ours and the anchor's taking turns;
# the target is removed between runs (untimed). The page cache is warm for
# both sides alike. The machine may be shared: the turns keep a burst of load
# from elsewhere from falling on one side only.
#
#   bench/run-paste-bench.sh          build dir: $MARVIKEL_BUILD_DIR or ./build
#   BENCH_DIR=/path RUNDER=3 STORE_MIB=256 bench/run-paste-bench.sh
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
BENCH_DIR="${BENCH_DIR:-/var/tmp/marvikel-paste-bench}"
RUNDER="${RUNDER:-5}"
SMAA_FILER=20000
SMAA_MAPPER=400
STORE_ANTAL="${STORE_ANTAL:-8}"
STORE_MIB="${STORE_MIB:-256}"
SEED=4242

. bench/byg.sh
byg_bench bench_paste

mkdir -p "$BENCH_DIR"
echo "Fri plads:"
df -h "$BENCH_DIR" | tail -1
behov=$(( STORE_ANTAL * STORE_MIB * 2 + 400 ))
fri=$(df -Pm "$BENCH_DIR" | awk 'NR == 2 { print $4 }')
if [ "$fri" -lt "$behov" ]; then
    STORE_MIB=$(( (fri - 400) / (STORE_ANTAL * 2) ))
    echo "For lidt plads til de store filer: skalerer ned til $STORE_ANTAL x $STORE_MIB MiB"
fi

# Fixtures are made once and reused; their content depends only on the seed.
MARK="$BENCH_DIR/.lavet-$SMAA_FILER-$SMAA_MAPPER-$STORE_ANTAL-$STORE_MIB-$SEED"
if [ ! -e "$MARK" ]; then
    rm -rf "$BENCH_DIR/smaa" "$BENCH_DIR/store" "$BENCH_DIR"/.lavet-*
    echo "Laver testmapper i $BENCH_DIR ..."
    "$BENCH" lav-smaa "$BENCH_DIR" "$SMAA_FILER" "$SMAA_MAPPER" "$SEED"
    "$BENCH" lav-store "$BENCH_DIR" "$STORE_ANTAL" "$STORE_MIB" "$SEED"
    touch "$MARK"
fi
MAAL="$BENCH_DIR/maal"

ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Median of the numbers on stdin.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# Times two commands (functions) in alternating turns, so a burst of load
# from elsewhere on the machine falls on both alike. Before each turn the
# function $3 lays out a fresh target (untimed). Sets $vores and $anker to
# the medians in ms; the engine's output of its last run is kept in
# $BENCH_DIR/sidste.txt.
par() {
    : >"$BENCH_DIR/vores.txt"
    : >"$BENCH_DIR/anker.txt"
    : >"$BENCH_DIR/vores-rss.txt"
    : >"$BENCH_DIR/anker-rss.txt"
    : >"$BENCH_DIR/vores-motor.txt"
    i=0
    while [ "$i" -lt "$RUNDER" ]; do
        # Who goes first alternates: on this shared disk the first turn of a
        # round was often the slower one, whichever side took it.
        if [ $((i % 2)) -eq 0 ]; then orden="vores anker"; else orden="anker vores"; fi
        for hvem in $orden; do
            "$3"
            sync
            s=$(ms)
            if [ "$hvem" = vores ]; then "$1" >"$BENCH_DIR/sidste.txt"; else "$2"; fi
            e=$(ms)
            echo $(( e - s )) >>"$BENCH_DIR/$hvem.txt"
            if [ "$hvem" = vores ]; then
                awk '/^tid_ms/ { print $2 }' "$BENCH_DIR/sidste.txt" >>"$BENCH_DIR/vores-motor.txt"
            fi
            tail -1 "$BENCH_DIR/rss.txt" >>"$BENCH_DIR/$hvem-rss.txt"
        done
        i=$((i + 1))
    done
    vores=$(median <"$BENCH_DIR/vores.txt")
    anker=$(median <"$BENCH_DIR/anker.txt")
    motor=$(median <"$BENCH_DIR/vores-motor.txt")
    voresKb=$(median <"$BENCH_DIR/vores-rss.txt")
    ankerKb=$(median <"$BENCH_DIR/anker-rss.txt")
    # The ratio of each turn, and their median: steadier than the ratio of
    # the medians when the disk is shared.
    runder=$(paste "$BENCH_DIR/vores.txt" "$BENCH_DIR/anker.txt" |
        awk '{ printf "%s%d/%d", (NR > 1 ? "  " : ""), $1, $2 }')
    rundeforhold=$(paste "$BENCH_DIR/vores.txt" "$BENCH_DIR/anker.txt" | awk '{ printf "%.3f\n", $1 / $2 }' | median)
}

# Runs a command of a turn under /usr/bin/time, which keeps its peak
# resident memory (kB) for par; both sides pay its small cost alike.
maalt() {
    /usr/bin/time -f %M -o "$BENCH_DIR/rss.txt" "$@"
}

tomtMaal() {
    rm -rf "$MAAL"
    mkdir -p "$MAAL"
}

linje() {
    # $1 workload, $2 ours (ms), $3 anchor (ms), $4 anchor name, $5 target
    awk -v n="$1" -v a="$2" -v b="$3" -v anker="$4" -v maal="$5" -v r="$rundeforhold" \
        -v am="$voresKb" -v bm="$ankerKb" 'BEGIN {
        printf "%-22s vores %8d ms %5.1f MB   %-6s %8d ms %5.1f MB   forhold %5.2fx, pr. runde %5.2fx (mål <= %s)\n",
            n, a, am / 1024, anker, b, bm / 1024, a / b, r, maal }'
    awk -v m="$motor" -v b="$3" 'BEGIN {
        printf "%-22s heraf motoren alene %d ms (uden processens start): %.2fx\n", "", m, m / b }'
    echo "                       runder (vores/anker ms): $runder"
}

fremdrift() {
    awk '/^tid_ms/ { t = $2 } /^fremdrift_runder/ { r = $2 } /^stoerste_pause_ms/ { p = $2 }
         END { if (t > 0) printf "%-22s fremdriften opdateret %.1f gange i sekundet, længste pause %d ms\n", "", r * 1000 / t, p }' \
        "$BENCH_DIR/sidste.txt"
}

echo
echo "Kopiering af $SMAA_FILER små filer i $SMAA_MAPPER mapper"
cp -a "$BENCH_DIR/smaa" "$MAAL.varm" && rm -rf "$MAAL.varm"   # warm the cache for both
vores_smaa() { maalt "$BENCH" paste "$BENCH_DIR/smaa" "$MAAL"; }
anker_smaa() { maalt cp -a "$BENCH_DIR/smaa" "$MAAL"; }
par vores_smaa anker_smaa tomtMaal
grep -E '^(resultat|filer)' "$BENCH_DIR/sidste.txt" | sed 's/^/    /'
fremdrift
linje "små filer" "$vores" "$anker" "cp -a" 1.0

echo
echo "Kopiering af $STORE_ANTAL filer på $STORE_MIB MiB"
# Whoever read the sources first would read them from the disk.
cat "$BENCH_DIR"/store/* >/dev/null   # warm the cache for both
vores_store() { maalt "$BENCH" paste "$BENCH_DIR/store" "$MAAL"; }
anker_store() { maalt cp -a "$BENCH_DIR/store" "$MAAL"; }
par vores_store anker_store tomtMaal
grep -E '^(resultat|filer)' "$BENCH_DIR/sidste.txt" | sed 's/^/    /'
fremdrift
linje "store filer" "$vores" "$anker" "cp -a" 1.05
tomtMaal
s=$(ms)
dd if="$BENCH_DIR/store/stor 0.bin" of="$MAAL/dd.bin" bs=4M status=none
raa=$(( $(ms) - s ))
awk -v t="$raa" -v mib="$STORE_MIB" 'BEGIN {
    printf "%-22s diskens egen kopifart (dd bs=4M, én fil): %d ms = %.0f MiB/s\n", "", t, mib * 1000 / t }'

echo
echo "Flytning af de små filer til et andet drev"
TMPFS="$BENCH_DIR/andet-drev"
mkdir -p "$TMPFS"
monteret=0
if [ "$(id -u)" -eq 0 ] && mount -t tmpfs -o size=2g marvikel-bench "$TMPFS" 2>/dev/null; then
    monteret=1
    echo "    (et tmpfs er monteret på $TMPFS)"
else
    echo "    Kan ikke montere et tmpfs (kræver root): flytningen måles ikke."
fi
if [ "$monteret" -eq 1 ]; then
    nyKilde() {
        rm -rf "$BENCH_DIR/flyt-kilde" "$TMPFS/flyt-kilde"
        cp -a "$BENCH_DIR/smaa" "$BENCH_DIR/flyt-kilde"
    }
    vores_flyt() { maalt "$BENCH" paste --flyt "$BENCH_DIR/flyt-kilde" "$TMPFS"; }
    anker_flyt() { maalt mv "$BENCH_DIR/flyt-kilde" "$TMPFS/"; }
    par vores_flyt anker_flyt nyKilde
    grep -E '^(resultat|filer)' "$BENCH_DIR/sidste.txt" | sed 's/^/    /'
    fremdrift
    linje "flyt til andet drev" "$vores" "$anker" "mv" 1.1
    rm -rf "$TMPFS/flyt-kilde" "$BENCH_DIR/flyt-kilde"
    umount "$TMPFS"
fi

echo
echo "Flytning af de små filer til et andet drev på disken, gjort varig"
EXT4="$BENCH_DIR/ext4-drev"
BILLEDE="$BENCH_DIR/ext4.img"
mkdir -p "$EXT4"
ext4=0
if [ "$(id -u)" -eq 0 ] && rm -f "$BILLEDE" && truncate -s 1G "$BILLEDE" && mkfs.ext4 -q -F "$BILLEDE" \
    && mount -o loop "$BILLEDE" "$EXT4" 2>/dev/null; then
    ext4=1
    echo "    (et ext4-drev på 1 GiB er monteret på $EXT4)"
else
    echo "    Kan ikke montere et ext4-billede (kræver root): flytningen måles ikke."
fi
if [ "$ext4" -eq 1 ]; then
    nyKildeExt4() {
        rm -rf "$BENCH_DIR/flyt-kilde" "$EXT4/flyt-kilde"
        cp -a "$BENCH_DIR/smaa" "$BENCH_DIR/flyt-kilde"
    }
    vores_varig() { maalt "$BENCH" paste --flyt "$BENCH_DIR/flyt-kilde" "$EXT4"; }
    anker_varig() { maalt mv "$BENCH_DIR/flyt-kilde" "$EXT4/" && sync -f "$EXT4"; }
    par vores_varig anker_varig nyKildeExt4
    grep -E '^(resultat|filer)' "$BENCH_DIR/sidste.txt" | sed 's/^/    /'
    fremdrift
    linje "flyt til disk, varigt" "$vores" "$anker" "mv+sync" 1.1
    rm -rf "$EXT4/flyt-kilde" "$BENCH_DIR/flyt-kilde"
    umount "$EXT4"
fi
rm -f "$BILLEDE"
rm -rf "$MAAL"
