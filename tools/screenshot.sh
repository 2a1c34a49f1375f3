#!/bin/sh
# Saves a PNG of the Tidrel main window with a feed open and a post shown,
# without a screen (offscreen) or under Xvfb.
#
#   tools/screenshot.sh [--xvfb] [--build DIR] [--filter TEXT] [--rename] [--dark] [--check]
#                       [--tile OTHER.xml] [--close] [--screen WxH] [--scale N] [--focus OBJECT-NAME]
#                       [--lang LANG]
#                       [--show create-feed|menu-tip|help|post-details[-GROUP]|chapters|feed-properties[-PAGE[/PAGE]]|
#                               publish-settings[-s3|-webdav]|publish-progress|open-location|move-feed|preferences|hyperlink]
#                       OUT.png [FEED.xml [POST [WxH]]]
#
# FEED.xml may be "new" for a new feed as File New makes it. --tile opens
# OTHER.xml first and shows both feeds side by side; --dark uses the
# program's dark colours, as Preferences does when Dark is chosen; --check checks the feed (F7), so the Problems pane shows. --close
# closes the feed again: the start page lists it among the recent feeds.
# --show pictures the Create RSS Feed page, the File menu with a menu tip,
# the user guide, the window with the Post Details pane (scrolled to the
# group whose title starts with GROUP, as in post-details-transcripts), the
# chapters editor of the post's chapters file (podcast:chapters), the
# Feed Properties window (at the page whose name starts with PAGE, as in
# feed-properties-podcast, or feed-properties-podcast/index for a page of
# the Podcast page), the Publish Settings dialog (for SFTP, S3 or WebDAV),
# a publishing's progress in the status bar, Open Location's progress, the
# Move Feed, the Preferences or the Insert Hyperlink dialog. --screen
# sets the size of the screen the windows are placed on (1920x1200 by
# default), as a small laptop's; --scale 2 draws everything twice as large
# (QT_SCALE_FACTOR), so that a 2048x1400 screen holds what a 1024x700 one
# does, and the picture is drawn at twice the pixels.
# --lang runs the program in that language (LANGUAGE=LANG: de, ar...).
# The picture maker is built with the tests (target tidrel_screenshot); it
# is built here when missing.
set -eu
BUILD_DIR=build
USE_XVFB=0
FILTER=""
RENAME=0
DARK=0
TILE=""
CLOSE=0
CHECK=0
SHOW=""
FOCUS=""
SCREEN=1920x1200
SCALE=1
while [ $# -gt 0 ]; do
    case "$1" in
        --xvfb) USE_XVFB=1; shift ;;
        --build) BUILD_DIR=$2; shift 2 ;;
        --filter) FILTER=$2; shift 2 ;;
        --rename) RENAME=1; shift ;;
        --dark) DARK=1; shift ;;
        --tile) TILE=$2; shift 2 ;;
        --close) CLOSE=1; shift ;;
        --check) CHECK=1; shift ;;
        --show) SHOW=$2; shift 2 ;;
        --focus) FOCUS=$2; shift 2 ;;
        --screen) SCREEN=$2; shift 2 ;;
        --lang) export LANGUAGE=$2; shift 2 ;;
        --scale) SCALE=$2; shift 2 ;;
        -h|--help) sed -n '2,28p' "$0"; exit 0 ;;
        *) break ;;
    esac
done
if [ $# -lt 1 ]; then
    sed -n '2,28p' "$0"
    exit 2
fi
OUT=$1
FEED=${2:-}
POST=${3:-0}
SIZE=${4:-1280x800}

HARNESS="$BUILD_DIR/tests/shell/tidrel_screenshot"
if [ ! -x "$HARNESS" ]; then
    cmake -S "$(dirname "$0")/.." -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD_DIR" --target tidrel_screenshot -j "$(nproc)"
fi

set -- --out "$OUT" --post "$POST" --size "$SIZE"
[ -n "$TILE" ] && set -- "$@" --feed "$TILE" --tile
case "$FEED" in
    "") ;;
    new) set -- "$@" --new ;;
    *) set -- "$@" --feed "$FEED" ;;
esac
[ -n "$FILTER" ] && set -- "$@" --filter "$FILTER"
[ "$RENAME" = 1 ] && set -- "$@" --rename
[ "$DARK" = 1 ] && set -- "$@" --dark
[ "$CLOSE" = 1 ] && set -- "$@" --close
[ "$CHECK" = 1 ] && set -- "$@" --check
[ -n "$SHOW" ] && set -- "$@" --show "$SHOW"
[ -n "$FOCUS" ] && set -- "$@" --focus "$FOCUS"

export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
[ "$SCALE" != 1 ] && export QT_SCALE_FACTOR="$SCALE"
if [ "$USE_XVFB" = 1 ]; then
    QT_QPA_PLATFORM=xcb exec xvfb-run -a -s "-screen 0 ${SCREEN}x24" "$HARNESS" "$@"
else
    SCREEN_FILE=$(mktemp --suffix=.json)
    trap 'rm -f "$SCREEN_FILE"' EXIT
    printf '{"screens": [{"name": "Screen", "x": 0, "y": 0, "width": %s, "height": %s, "logicalDpi": 96}]}\n' \
        "${SCREEN%x*}" "${SCREEN#*x}" >"$SCREEN_FILE"
    QT_QPA_PLATFORM="offscreen:configfile=$SCREEN_FILE" "$HARNESS" "$@"
fi
