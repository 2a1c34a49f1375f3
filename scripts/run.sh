#!/bin/sh
# Starts the program from a build folder, with the feed files given.
#
#   scripts/run.sh [BUILD_DIR [FEED.xml...]]
set -eu
BUILD_DIR=${1:-build}
[ $# -gt 0 ] && shift
PROGRAM="$BUILD_DIR/src/shell/tidrel"
if [ ! -x "$PROGRAM" ]; then
    echo "No program at $PROGRAM; build it first (make build)." >&2
    exit 1
fi
# Chromium inside QtWebEngine refuses to start as root with its sandbox on.
SANDBOX=""
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
    SANDBOX="QTWEBENGINE_DISABLE_SANDBOX=1 "
fi
# Nothing to show the window on: say how to run it here, and leave it at
# that. This is not a failure of the build.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display here, so Tidrel cannot show its window."
    echo "Run it on a virtual X display:"
    echo "    ${SANDBOX}xvfb-run -a $PROGRAM [FEED.xml...]"
    echo "or save a picture of the window without any display:"
    echo "    tools/screenshot.sh --build $BUILD_DIR window.png [FEED.xml [POST]]"
    exit 0
fi
exec "$PROGRAM" "$@"
