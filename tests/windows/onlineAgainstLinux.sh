#!/usr/bin/env bash
# The Windows program, under Wine, in a room on the Linux program's server on
# this machine: Anna's Linux program makes a room for two and waits; the
# Windows program joins it by its code, hears that it is in, and claims its
# starting zone, which Anna hears. Headless from the command line, then
# headless through the online menu, then in its window, keys pressed with
# xdotool and the sentences read from the title.
#   onlineAgainstLinux.sh LINUX-PROGRAM WINDOWS-PROGRAM SOURCE-FOLDER
set -u
linux=$1 windows=$2 source=$3
wine=$source/scripts/wine-run.sh
# Waits last up to 60 s: Wine starts slowly.
WAIT_TENTHS=600
source "$source/tests/online/common.sh"

mkdir -p "$work/server"
"$linux" --serve --port 0 --data-dir "$work/server" --seed 4 >"$work/server.out" 2>"$work/server.err" &
pids+=($!)
waitFor "$work/server.out" "Sonarch server at" || exit 1
url=$(sed -n '1s/^Sonarch server at //p' "$work/server.out")
case $url in http://127.0.0.1:*) ;; *) fail "the server is not on the loopback: $url"; exit 1 ;; esac

# Anna makes a room for two, starts it once the other seat is taken, claims
# her start, ends her placing and waits for the other player's claim, and
# then for what else is given. Sets anna and code.
annaMakesRoom() {  # RUN [LINE]...
    local run=$1
    shift
    mkdir -p "$work/$run-anna/Maps"
    { printf 'wait joined the room\nG\nwait Choose your starting zone\nSpace\nShift+Enter\nwait has taken control of\n'
      [ $# -eq 0 ] || printf '%s\n' "$@"; } >"$work/$run-anna.script"
    timeout 150 "$linux" --headless --data-dir "$work/$run-anna" --server "$url" --create "Simple World Map" \
        --people 2 --name Anna <"$work/$run-anna.script" >"$work/$run-anna.out" 2>"$work/$run-anna.err" &
    anna=$!
    pids+=("$anna")
    waitFor "$work/$run-anna.out" "Room code" || return 1
    code=$(sed -n 's/.*#\([A-Z]*\)$/\1/p' "$work/$run-anna.out")
}

# Anna heard the Windows program's claim of the zone it heard it took.
annaHeardClaim() {  # RUN NAME ZONE
    wait "$anna"
    local status=$?
    [ "$status" = 0 ] || fail "$1: Anna's program ended with $status: $(cat "$work/$1-anna.err")"
    [ -n "$3" ] && grep -q -F "msg: $2 has taken control of $3." "$work/$1-anna.out" ||
        fail "$1: Anna did not hear $2 take '$3'"
}

# --- Headless: a script joins by the code, typed as heard, in small letters.
annaMakesRoom headless || exit 1
mkdir -p "$work/ben/Maps"
printf 'wait You are Ben\nwait Choose your starting zone\nQ\nQ\nSpace\n' >"$work/ben.script"
timeout 150 "$wine" "$windows" --headless --data-dir "$work/ben" --server "$url" --join "${code,,}" --name Ben \
    <"$work/ben.script" >"$work/ben.out" 2>"$work/ben.err"
status=$?
[ "$status" = 0 ] || fail "the Windows program ended with $status: $(cat "$work/ben.err")"
grep -q -F "You are Ben, seat 2 of 2." "$work/ben.out" || fail "the Windows program did not hear it joined"
zone=$(sed -n 's/^msg: \(.*\) is now under your control\..*/\1/p' "$work/ben.out")
[ -n "$zone" ] || fail "the Windows program heard no claim of its own"
annaHeardClaim headless Ben "$zone"

# An encrypted address is refused with a reason: this program has no TLS.
"$wine" "$windows" --headless --server wss://127.0.0.1:1/ --join ABCD </dev/null >/dev/null 2>"$work/wss.err"
[ "$?" = 2 ] && grep -q "without encryption" "$work/wss.err" || fail "a wss:// address was not refused: $(cat "$work/wss.err")"

# --- The online menu (O), headless: an encrypted address is refused with a
# spoken reason, then the room is joined; the seat has the default name.
annaMakesRoom menu || exit 1
mkdir -p "$work/menu/Maps"
printf 'O\ntype wss://127.0.0.1:1/\ntype ABCD\nwait without encryption\nO\ntype %s\ntype %s\n' "$url" "$code" \
    >"$work/menu.script"
printf 'wait You are Player\nwait Choose your starting zone\nQ\nQ\nSpace\n' >>"$work/menu.script"
timeout 150 "$wine" "$windows" --headless --data-dir "$work/menu" <"$work/menu.script" >"$work/menu.out" 2>"$work/menu.err"
status=$?
[ "$status" = 0 ] || fail "the Windows program's online menu ended with $status: $(cat "$work/menu.err")"
zone=$(sed -n 's/^msg: \(.*\) is now under your control\..*/\1/p' "$work/menu.out")
annaHeardClaim menu Player "$zone"

# --- In the window: the sentences are read from its title, the keys typed
# with xdotool; the server's messages wake the window's loop, which waits
# without using the processor.
export DISPLAY
DISPLAY=$(cat "$SONARCH_WINEPREFIX/.display") || exit 1
unset XAUTHORITY
title() { xdotool getwindowname "$window" 2>/dev/null; }
titleHolds() {  # TEXT: waits up to 60 seconds for the title to hold it
    for _ in $(seq 600); do
        title | grep -q -F -- "$1" && return 0
        sleep 0.1
    done
    fail "the window's title is '$(title)', waited for '$1'"
    return 1
}
cpuTicks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Anna stays until the window is closed, so that the last sentence stays in its title.
annaMakesRoom window "wait Ben lost the connection" || exit 1
mkdir -p "$work/window/Maps"
"$wine" "$windows" --data-dir "$work/window" --speech none --server "$url" --join "$code" --name Ben \
    </dev/null >/dev/null 2>"$work/window.err" &
ben=$!
pids+=("$ben")
window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$ben" 2>/dev/null | head -1)
if [ -z "$window" ]; then
    fail "the Windows program showed no window: $(cat "$work/window.err")"
else
    xdotool windowfocus --sync "$window"
    if titleHolds "Choose your starting zone"; then
        ticks=$(cpuTicks "$ben")
        sleep 2
        used=$(($(cpuTicks "$ben") - ticks))
        # A loop that spun would use 200 ticks in these 2 seconds.
        [ "$used" -le 20 ] || fail "the window waiting online used $used ticks of processor in 2 seconds"
        xdotool key q q space
        if titleHolds "is now under your control"; then
            zone=$(title | sed -n 's/^\(.*\) is now under your control\..*/\1/p')
            xdotool key --window "$window" alt+F4
            annaHeardClaim window Ben "$zone"
        fi
    fi
fi

if [ "$failures" -ne 0 ]; then
    for file in headless-anna ben menu-anna menu window-anna; do echo "--- $file"; cat "$work/$file.out"; done
    echo "--- server"; cat "$work/server.err"
fi
[ "$failures" -eq 0 ] && echo "the Windows program joined a room on the Linux server and claimed a zone"
exit "$failures"
