#!/bin/sh
# Times the delete engine against the anchors in the same run:
#   permanent deletion of 20,000 files in 400 folders   vs  rm -rf
#   moving 2,000 files to the trash                     vs  gio trash
# Both sides are timed as whole processes (start-up included), each run on a
# freshly made fixture, and the median of RUNDER runs is printed with the
# ratio and the peak resident memory of each side; the engine's own time,
# from its call to its return, is printed beneath. HOME points into the
# bench folder, so the user's own trash is never touched and the home trash
# lies on the same volume as the files.
#
#   bench/run-delete-bench.sh          build dir: $MARVIKEL_BUILD_DIR or ./build
#   BENCH_DIR=/path RUNDER=5 bench/run-delete-bench.sh
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
BENCH_DIR="${BENCH_DIR:-${TMPDIR:-/tmp}/marvikel-slet-bench}"
RUNDER="${RUNDER:-5}"
FILER=20000
MAPPER=400
KURVFILER=2000

if ! command -v gio >/dev/null 2>&1; then
    echo "gio mangler; installerer libglib2.0-bin ..."
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get install -y libglib2.0-bin >/dev/null
fi

. bench/byg.sh
byg_bench bench_slet

rm -rf "$BENCH_DIR"
mkdir -p "$BENCH_DIR/hjem"
export HOME="$BENCH_DIR/hjem"
export XDG_DATA_HOME="$HOME/.local/share"
TRASH="$XDG_DATA_HOME/Trash"

# Wall time of one command in microseconds and its peak resident memory in
# kB: "<us> <kB>". Both sides run under the same /usr/bin/time, so its own
# small cost falls on both alike.
tid() {
    s=$(date +%s%N)
    /usr/bin/time -f %M -o "$BENCH_DIR/rss.txt" "$@" >"$BENCH_DIR/ud.txt"
    e=$(date +%s%N)
    echo "$(( (e - s) / 1000 )) $(tail -1 "$BENCH_DIR/rss.txt")"
}

# Median of the numbers on stdin, divided by 1000 (us to ms, kB to MB).
median() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1000 }'
}

toem_kurv() {
    rm -rf "$TRASH/files" "$TRASH/info" "$TRASH/directorysizes"
}

# The anchor and our program take turns on fresh fixtures, so a disk that
# is busy with other work slows both alike; the fixtures are not synced to
# disk first, so the figures compare the work of the two programs rather
# than the disk's write-back.
#   $1 workload (permanent or papirkurv); writes "anker <us>" and "vores <us>" lines.
koer() {
    i=0
    while [ "$i" -lt "$RUNDER" ]; do
        for hvem in anker vores; do
            if [ "$1" = permanent ]; then
                "$BENCH" lav "$BENCH_DIR/trae" "$FILER" "$MAPPER"
                if [ "$hvem" = anker ]; then
                    t=$(tid rm -rf "$BENCH_DIR/trae")
                else
                    t=$(tid "$BENCH" permanent "$BENCH_DIR/trae")
                fi
                [ ! -e "$BENCH_DIR/trae" ] || { echo "trae blev ikke slettet" >&2; exit 1; }
            else
                toem_kurv
                "$BENCH" lavfiler "$BENCH_DIR/filer" "$KURVFILER"
                if [ "$hvem" = anker ]; then
                    t=$(tid gio trash "$BENCH_DIR"/filer/*)
                else
                    t=$(tid "$BENCH" papirkurv "$BENCH_DIR"/filer/*)
                fi
                n=$(ls "$TRASH/files" | wc -l)
                [ "$n" -eq "$KURVFILER" ] || { echo "kun $n filer i papirkurven" >&2; exit 1; }
                rmdir "$BENCH_DIR/filer"
            fi
            # Our line also carries the engine's own time, without the
            # start of the process.
            echo "$hvem $t $(awk '/^motor_us/ { print $2 }' "$BENCH_DIR/ud.txt")"
        done
        i=$((i + 1))
    done
}

# $1 workload, $2 file of "anker|vores <us> <kB>" lines, $3 target.
linje() {
    a=$(awk '$1 == "anker" { print $2 }' "$2" | median)
    v=$(awk '$1 == "vores" { print $2 }' "$2" | median)
    am=$(awk '$1 == "anker" { print $3 }' "$2" | median)
    vm=$(awk '$1 == "vores" { print $3 }' "$2" | median)
    vmotor=$(awk '$1 == "vores" { print $4 }' "$2" | median)
    forhold=$(awk -v a="$v" -v b="$a" 'BEGIN { printf "%.2f", a / b }')
    printf '%-30s anker %8s ms %5s MB  vores %8s ms %5s MB  forhold %5sx  (mål %s)\n' \
        "$1" "$a" "$am" "$v" "$vm" "$forhold" "$3"
    printf '    heraf motoren alene %s ms (uden processens start): %sx\n' \
        "$vmotor" "$(awk -v a="$vmotor" -v b="$a" 'BEGIN { printf "%.2f", a / b }')"
    echo "    runder (anker/vores ms):$(awk '{ printf "%s%.0f", ($1 == "anker" ? "  " : "/"), $2 / 1000 }' "$2")"
}

echo "Median af $RUNDER kørsler, hele processer, i $BENCH_DIR:"
koer permanent >"$BENCH_DIR/permanent.txt"
linje "permanent: $FILER filer i $MAPPER mapper" "$BENCH_DIR/permanent.txt" "<= 1.0x rm -rf"
koer papirkurv >"$BENCH_DIR/papirkurv.txt"
linje "papirkurv: $KURVFILER filer" "$BENCH_DIR/papirkurv.txt" "<= 0.7x gio trash"
toem_kurv
rm -rf "$BENCH_DIR"
