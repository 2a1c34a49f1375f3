#!/bin/sh
# Installs the Debian packages that building, running and testing Tidrel need,
# but only those that are missing. Safe to run again and again. clang and its
# runtime libraries (libFuzzer, the sanitizers) build the fuzz targets.
# pyftpdlib and OpenSSH's server are the publishing tests' FTP and SFTP
# servers. Xlib reads the lock keys' state; xdotool presses them in the tests
# under Xvfb. The desktop and AppStream validators, rsvg-convert (icons from
# the SVG), dpkg-dev, file and man build and check the Debian package. dbus
# gives the hand-over test a session bus of its own (dbus-run-session);
# python3-dbus and python3-gi stand in for the desktop's settings portal on
# it in the colour scheme test. ffmpeg makes the MP3 and M4A files of the
# episode-from-audio tests. xmllint (libxml2-utils) is the floor that
# bench_check measures `tidrel --check` against.
# at-spi2-core (the accessibility bus and registry) and python3-pyatspi let
# the accessibility test read and drive the window as a screen reader does.
# lupdate and lrelease (qt6-l10n-tools, found by CMake through
# qt6-tools-dev) build the translations; Qt's own
# translations (qt6-translations-l10n) name the standard dialogs' buttons.
# Apache (apache2, its mod_dav and digest authentication) is the publishing
# tests' WebDAV server. Their S3 server comes from npm, as Debian has none:
# @20minutes/s3rver, the s3rver that checks Signature Version 4. It goes
# into .test-servers/, which the build and git ignore, with the npm that
# comes with Node.js.
set -eu

PACKAGES="
cmake make g++ pkg-config
qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools qt6-webchannel-dev
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
libqt6opengl6-dev libgl-dev
libexpat1-dev libzstd-dev libxxhash-dev libtinyxml-dev libicu-dev libcurl4-openssl-dev libtag1-dev qtkeychain-qt6-dev
libx11-dev
python3 xvfb xauth xdotool python3-pyftpdlib python3-openssl openssl openssh-server apache2
strace dbus ffmpeg python3-dbus python3-gi libxml2-utils
at-spi2-core python3-pyatspi
desktop-file-utils appstream librsvg2-bin dpkg-dev file man-db
clang libclang-rt-14-dev
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
fi

SERVERS="$(dirname "$0")/../.test-servers"
if [ ! -f "$SERVERS/node_modules/@20minutes/s3rver/package.json" ] && command -v npm >/dev/null; then
    echo "Installing @20minutes/s3rver into .test-servers"
    npm install --prefix "$SERVERS" --no-save --no-audit --no-fund @20minutes/s3rver@5.0.0
fi
