#!/usr/bin/env bash
# The one Wine prefix of a test run, with its one X server (Xvfb): Wine's
# desktop belongs to the display its first program sees, so every Windows
# program of the run, headless or in a window, uses this one.
#   winePrefix.sh boot | remove     (the prefix is $SONARCH_WINEPREFIX)
set -u
prefix=$SONARCH_WINEPREFIX
here=$(cd "$(dirname "$0")" && pwd)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
stop() {
    WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null
    [ -f "$prefix/.xvfb-pid" ] && kill "$(cat "$prefix/.xvfb-pid")" 2>/dev/null
    rm -rf "$prefix"
}
stop
[ "$1" = remove ] && exit 0
mkdir -p "$prefix"
for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 640x480x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    echo $! >"$prefix/.xvfb-pid"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if kill -0 "$(cat "$prefix/.xvfb-pid")" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
        echo ":$n" >"$prefix/.display"
        break
    fi
done
[ -f "$prefix/.display" ] || { echo "no X server could be started"; exit 1; }
# The server stays up for the whole run, so each program's start is quick.
WINEPREFIX=$prefix "$wineserver" -p </dev/null >/dev/null 2>&1
"$here/../../scripts/wine-run.sh" wineboot -i </dev/null >/dev/null 2>&1
