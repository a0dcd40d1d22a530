#!/usr/bin/env bash
# Runs a Windows program of the game under Wine: the emulator CTest puts in
# front of every cross-built test. The prefix is the test run's own (made by
# its first test, removed by its last); a manual run gets one in /tmp.
set -euo pipefail
export WINEPREFIX=${SONARCH_WINEPREFIX:-${TMPDIR:-/tmp}/sonarch-wine-$(id -u)}
export WINEDEBUG=-all
# The test run's own X server, when it has one.
if [ -f "$WINEPREFIX/.display" ]; then
    export DISPLAY
    DISPLAY=$(cat "$WINEPREFIX/.display")
    unset XAUTHORITY
fi
# No .NET and no HTML engine: the game needs neither, and Wine would stop to
# offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
