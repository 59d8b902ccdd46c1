#!/bin/sh
# Configures and builds Marvikel into ./build (or $MARVIKEL_BUILD_DIR).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Sources are found by globbing; make moc look again so a header added since
# the last build is never missed (it only re-runs moc on changed files).
find "$BUILD_DIR" -maxdepth 2 -path '*_autogen/timestamp' -delete 2>/dev/null || true
cmake --build "$BUILD_DIR" "$@"
