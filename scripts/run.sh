#!/bin/sh
# Starts the program from a build folder.
set -eu
BUILD_DIR=${1:-build}
PROGRAM="$BUILD_DIR/src/shell/tidrel"
if [ ! -x "$PROGRAM" ]; then
    echo "No program at $PROGRAM; build it first (make build)." >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here, so Tidrel cannot show its window."
    echo "To see the window anyway, save a picture of it offscreen:"
    echo "    tools/screenshot.sh --build $BUILD_DIR window.png [FEED.xml [POST]]"
    echo "or add --xvfb to run it under Xvfb."
    exit 1
fi
# Chromium inside QtWebEngine refuses to start as root with its sandbox on.
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec "$PROGRAM"
