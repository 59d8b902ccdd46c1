#!/bin/sh
# Installs what is missing, builds Marvikel and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export XDG_RUNTIME_DIR
export QT_QPA_PLATFORM=offscreen
dbus-run-session -- ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
