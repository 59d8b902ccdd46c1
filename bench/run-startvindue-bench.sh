#!/bin/sh
# Times the program from its start to its main window shown (first paint,
# under Xvfb with a window manager) against an empty Qt window of the same
# size started the same way, the two taking turns, and prints the medians,
# their ratio and the resident memory of each at that moment. A third start
# per round, the empty window with one line of text and one theme picture,
# shows what fonts and the icon theme cost any window before it can paint. Both are
# whole processes timed from the shell, so loading the libraries counts.
# The home folder is a temporary one that keeps its data folder between
# starts (as on a user's machine after the first start).
#
#   bench/run-startvindue-bench.sh     build dir: $MARVIKEL_BUILD_DIR or ./build
#   DISPLAY_NR=44 RUNDER=7 bench/run-startvindue-bench.sh
set -eu
# A desktop has a session bus; without one the program would spend its start
# looking for one.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null 2>&1; then
    exec dbus-run-session -- "$0" "$@"
fi
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
RUNDER="${RUNDER:-7}"
DISPLAY_NR="${DISPLAY_NR:-44}"

. bench/byg.sh
byg_bench bench_startvindue

ARBEJD=$(mktemp -d)
Xvfb ":$DISPLAY_NR" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
trap 'kill "$WM" 2>/dev/null; kill "$XVFB" 2>/dev/null; rm -rf "$ARBEJD"' EXIT
trap 'exit 1' INT TERM HUP
WM=""
export DISPLAY=":$DISPLAY_NR"
i=0
while ! xdpyinfo >/dev/null 2>&1 && [ "$i" -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
openbox >/dev/null 2>&1 &
WM=$!
sleep 1
export QT_QPA_PLATFORM=xcb
export HOME="$ARBEJD/hjem"
export XDG_RUNTIME_DIR="$ARBEJD/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# One start: "<ms to the first paint> <resident kB then> <width> <height>".
start() {
    s=$(date +%s%N)
    ud=$("$BENCH" "$@")
    echo "$ud" | awk -v s="$s" '
        /^vist_ns/ { t = ($2 - s) / 1e6 } /^rss_kb/ { r = $2 } /^stoerrelse/ { w = $2; h = $3 }
        END { printf "%.1f %d %d %d\n", t, r, w, h }'
}

# The first start makes the data folder and tells the window's size.
set -- $(start marvikel)
BREDDE=$3
HOEJDE=$4
: >"$ARBEJD/vores.txt"
: >"$ARBEJD/tom.txt"
: >"$ARBEJD/tekst.txt"
i=0
while [ "$i" -lt "$RUNDER" ]; do
    start marvikel >>"$ARBEJD/vores.txt"
    start tom "$BREDDE" "$HOEJDE" >>"$ARBEJD/tom.txt"
    start tekst "$BREDDE" "$HOEJDE" >>"$ARBEJD/tekst.txt"
    i=$((i + 1))
done

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
vt=$(cut -d' ' -f1 "$ARBEJD/vores.txt" | median)
tt=$(cut -d' ' -f1 "$ARBEJD/tom.txt" | median)
vm=$(cut -d' ' -f2 "$ARBEJD/vores.txt" | median)
tm=$(cut -d' ' -f2 "$ARBEJD/tom.txt" | median)
xt=$(cut -d' ' -f1 "$ARBEJD/tekst.txt" | median)
xm=$(cut -d' ' -f2 "$ARBEJD/tekst.txt" | median)
runder=$(paste -d' ' "$ARBEJD/vores.txt" "$ARBEJD/tom.txt" | awk '{ printf "%s%s/%s", (NR > 1 ? "  " : ""), $1, $5 }')
echo "Start til hovedvinduet er vist, median af $RUNDER starter (vindue ${BREDDE}x${HOEJDE}):"
awk -v v="$vt" -v t="$tt" -v vm="$vm" -v tm="$tm" 'BEGIN {
    printf "vores %8.1f ms  %6.1f MB   tomt Qt-vindue %8.1f ms  %6.1f MB   forhold %5.2fx (mål <= 1.5x, <= 55 MB)\n",
        v, vm / 1024, t, tm / 1024, v / t }'
awk -v v="$vt" -v t="$xt" -v tm="$xm" 'BEGIN {
    printf "    tomt vindue med én tekst og ét temabillede %8.1f ms  %6.1f MB   vores forhold til det %5.2fx\n", t, tm / 1024, v / t }'
echo "    runder (vores/tom ms): $runder"
