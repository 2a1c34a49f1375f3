#!/bin/sh
# An open feed left alone makes no file-system calls. The program runs on a
# feed in a private home; once it has settled, strace watches all its
# threads for five seconds. A program that polls never has a quiet five
# seconds, so a few tries are allowed for a slow start.
#
#   idle_file_calls.sh PROGRAM
set -eu
PROGRAM=$1
command -v strace >/dev/null || { echo "strace is missing (scripts/install-deps.sh installs it)"; exit 77; }

WORK=$(mktemp -d)
PID=""
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share" \
    XDG_CACHE_HOME="$WORK/home/.cache"
# On the desktop's session bus the program would hand its file to a Tidrel
# already running there; here it runs on its own.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-session-bus"
mkdir -p "$HOME" "$WORK/feeds"
cat >"$WORK/feeds/feed.xml" <<'FEED'
<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Feed</title><link>http://example.org/</link>
<description>A feed</description>
<item><title>One</title><description>First text</description><link>http://example.org/1</link></item>
<item><title>Two</title><description>Second text</description><link>http://example.org/2</link></item>
</channel></rss>
FEED

"$PROGRAM" "$WORK/feeds/feed.xml" >"$WORK/program.log" 2>&1 &
PID=$!
sleep 5
for try in 1 2 3 4; do
    kill -0 "$PID" 2>/dev/null || { echo "the program ended:"; cat "$WORK/program.log"; exit 1; }
    rc=0
    timeout 5 strace -f -e trace=%file -p "$PID" -o "$WORK/calls.log" 2>"$WORK/strace.err" || rc=$?
    # strace that watched the whole time is stopped by timeout (124); any
    # other end means it could not watch, and silence would prove nothing.
    if [ "$rc" -ne 124 ]; then
        echo "strace could not watch the program:"; cat "$WORK/strace.err"
        exit 77
    fi
    # Only the calls: not the lines strace writes about signals and exits.
    if ! grep -Eq '^[0-9]+ +[<a-z]' "$WORK/calls.log"; then
        echo "no file-system calls in 5 s (try $try)"
        exit 0
    fi
    echo "try $try, file-system calls while idle:"
    grep -E '^[0-9]+ +[<a-z]' "$WORK/calls.log" | cut -c1-200 | sort -k2 | uniq -c -f1 | head -20
done
exit 1
