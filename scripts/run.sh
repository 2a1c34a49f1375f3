#!/bin/sh
# Starts the program from a build folder.
set -eu
BUILD_DIR=${1:-build}
if [ ! -x "$BUILD_DIR/src/shell/tidrel" ]; then
    echo "The window arrives with the feed window work; for now 'make test' builds and checks the feed core."
    exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here. Use tools/screenshot.sh to see the window offscreen or under Xvfb."
    exit 1
fi
exec "$BUILD_DIR/src/shell/tidrel"
