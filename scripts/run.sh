#!/bin/sh
# Installs what is missing, builds Marvikel and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Marvikel blev bygget, men kan ikke starte, fordi der ikke er nogen skærm (hverken DISPLAY eller WAYLAND_DISPLAY er sat)." >&2
  exit 1
fi
exec "${MARVIKEL_BUILD_DIR:-build}/bin/marvikel"
