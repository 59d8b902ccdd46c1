#!/bin/sh
# Configures and builds Marvikel into ./build (or $MARVIKEL_BUILD_DIR).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${MARVIKEL_BUILD_DIR:-build}"
# ccache, where installed, lets several checkouts of the tree share objects;
# the base folder and leaving the build folder out of the hash make its keys
# independent of where a checkout lies.
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd .. && pwd)}"
  CCACHE_NOHASHDIR=1
  export CCACHE_BASEDIR CCACHE_NOHASHDIR
fi
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $LAUNCHER >/dev/null
cmake --build "$BUILD_DIR" "$@"
