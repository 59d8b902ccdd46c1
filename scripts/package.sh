#!/bin/sh
# Builds the Debian package of Marvikel into ./build-pakke and checks it:
# the desktop entry, the software-centre metadata and lintian's errors.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The tools that compute the package's dependencies and check it.
TOOLS="dpkg-dev file lintian appstream desktop-file-utils"
missing=""
for p in $TOOLS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

BUILD_DIR="${MARVIKEL_PAKKE_DIR:-build-pakke}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$BUILD_DIR" --target marvikel pakkedokumenter
(cd "$BUILD_DIR" && cpack -G DEB)
PAKKE="$(ls -t "$BUILD_DIR"/marvikel_*.deb | head -n 1)"

desktop-file-validate packaging/marvikel.desktop
appstreamcli validate --no-net packaging/dk.marvikel.Marvikel.metainfo.xml
# Errors fail the script; warnings are shown.
lintian --fail-on error "$PAKKE"
echo "Pakken: $PAKKE"
