#!/usr/bin/env bash
# Figures of the real program in its window (run under xvfb-run): processor
# time used during the pauses of a computer player's turn against the wall
# time, and the peak memory of the running program.
#   xvfb-run -a bench/realProgram.sh build/sonarch
set -eu
program=$1
source=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/Maps" "$work/Saves"
cp "$source/Maps/Four Corners.map" "$work/Maps/"

hz=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
run() {  # speech choice
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null "$program" --data-dir "$work" --seed 4 --speech "$1" \
        </dev/null >/dev/null 2>&1 &
    pid=$!
    window=$(timeout 15 xdotool search --sync --onlyvisible --pid "$pid" | head -1)
    xdotool windowfocus --sync "$window"
    # A new game on the one map with one computer player; claim a zone and
    # place the point, which ends the turn: a 2-second pause, then the
    # computer player's claim and its 5-second pause.
    for key in Return Return Return Return 1 space; do xdotool key "$key"; sleep 0.3; done
    sleep 1
    local before start used wall
    before=$(ticks)
    start=$(date +%s.%N)
    xdotool key space
    sleep 7.5
    used=$(($(ticks) - before))
    wall=$(echo "$(date +%s.%N) - $start" | bc)
    echo "speech $1: the pauses of a turn used $(echo "scale=2; $used * 100 / $hz / $wall" | bc) percent of one processor ($used ticks of 1/$hz s in $wall s)"
    echo "speech $1: peak resident memory with the window open: $(awk '/VmHWM/ {print $2, $3}' "/proc/$pid/status")"
    echo "speech $1: window title at the end: $(xdotool getwindowname "$window")"
    kill "$pid"; wait "$pid" 2>/dev/null || true
}
run none
run espeak
