#!/bin/sh
# Runs every benchmark of a build folder; each prints its own figures.
set -eu
BUILD_DIR=${1:-build}
for b in "$BUILD_DIR"/bench/bench_*; do
    # Only the programs: CMake keeps folders named bench_*_autogen here too.
    [ -f "$b" ] && [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu "$b"
done
