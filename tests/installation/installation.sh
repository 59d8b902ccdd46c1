#!/bin/sh
# The smoke test of the real program: installs the build into a temporary
# root, starts the installed program offscreen with a fresh home and checks
# that it found its shipped folder (the command templates are copied from it
# at first start), that a second start hands its folder to the running
# program (its main window is up and its event loop runs), and that it ends
# cleanly on SIGTERM, saving its settings as a close does. A crash at any
# point fails it.
set -eu
BUILD_DIR="$1"
ROD="$(mktemp -d)"
PID=""
ryd_op() {
  [ -n "$PID" ] && kill -KILL "$PID" 2>/dev/null || true
  rm -rf "$ROD"
}
trap ryd_op EXIT
fejl() { echo "FEJL: $*" >&2; exit 1; }

DESTDIR="$ROD/rod" cmake --install "$BUILD_DIR" --prefix /usr >/dev/null
PROGRAM="$ROD/rod/usr/bin/marvikel"
for f in bin/marvikel share/marvikel/Program share/applications/marvikel.desktop \
         share/metainfo/dk.marvikel.Marvikel.metainfo.xml \
         share/icons/hicolor/scalable/apps/marvikel.svg share/icons/hicolor/48x48/apps/marvikel.png; do
  [ -e "$ROD/rod/usr/$f" ] || fejl "mangler efter installation: $f"
done
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$ROD/rod/usr/share/applications/marvikel.desktop"
fi

mkdir -p "$ROD/hjem" "$ROD/koersel"
chmod 700 "$ROD/koersel"
export HOME="$ROD/hjem" XDG_RUNTIME_DIR="$ROD/koersel" QT_QPA_PLATFORM=offscreen
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
"$PROGRAM" >"$ROD/log" 2>&1 &
PID=$!

vent_paa() {  # command, what
  i=0
  while ! eval "$1"; do
    i=$((i + 1))
    [ $i -lt 300 ] || fejl "$2"
    kill -0 "$PID" 2>/dev/null || { cat "$ROD/log" >&2; fejl "programmet stoppede: $2"; }
    sleep 0.1
  done
}
vent_paa 'ls "$HOME"/Marvikel/*/Dos/"df -h.txt" >/dev/null 2>&1' \
  "skabelonerne blev ikke kopieret fra den installerede programmappe"

# A second start with a folder hands it over and stops at once.
"$PROGRAM" "$HOME" || fejl "anden start overdrog ikke til det kørende program"

# A clean close saves the main window's settings again: taken away now,
# the file must be back, whole, when the program has ended.
EGENSKABER=$(ls -d "$HOME"/Marvikel/*/Egenskaber | head -n 1)
INDSTILLINGER="$EGENSKABER/MainEgenskaber.txt"
rm -f "$INDSTILLINGER"

kill -TERM "$PID"
STATUS=0
wait "$PID" || STATUS=$?
PID=""
[ "$STATUS" -eq 0 ] || { cat "$ROD/log" >&2; fejl "programmet sluttede med $STATUS efter SIGTERM"; }
[ -f "$INDSTILLINGER" ] && [ "$(grep -c '' "$INDSTILLINGER")" -eq 45 ] || fejl "hovedvinduets indstillinger blev ikke gemt ved lukning"
