#!/usr/bin/env bash
# The Windows program, headless under Wine, against the Linux program: every
# golden case and whole seeded games on every bundled map must give the same
# transcript and the same saved files and made maps, byte for byte.
set -u
linux=$1 windows=$2 source=$3
wine=$source/scripts/wine-run.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# Plays a script on both programs: name, script file, data setup function, options...
playBoth() {
    local name=$1 script=$2 setup=$3
    shift 3
    local side
    for side in linux windows; do
        rm -rf "$work/$side"
        mkdir -p "$work/$side/Maps" "$work/$side/Saves"
        "$setup" "$work/$side"
    done
    "$linux" --headless --data-dir "$work/linux" "$@" <"$script" >"$work/linux.out" 2>/dev/null
    local linuxStatus=$?
    "$wine" "$windows" --headless --data-dir "$work/windows" "$@" <"$script" >"$work/windows.out" 2>/dev/null
    local windowsStatus=$?
    [ "$linuxStatus" = "$windowsStatus" ] || fail "$name: status $linuxStatus on Linux, $windowsStatus on Windows"
    cmp -s "$work/linux.out" "$work/windows.out" ||
        { fail "$name: the transcripts differ"; diff "$work/linux.out" "$work/windows.out" | head -5; }
    diff -r "$work/linux/Saves" "$work/windows/Saves" >/dev/null || fail "$name: the saved files differ"
    # Maps made with G: the same seed makes the same file on both.
    diff -r "$work/linux/Maps" "$work/windows/Maps" >/dev/null || fail "$name: the maps differ"
}

# --- The golden cases, each also against its expected transcript.
caseMaps() {
    local line map
    line=$(sed -n 's/^maps://p' "$case")
    IFS=';' read -ra maps <<<"$line"
    for map in "${maps[@]}"; do
        map=$(echo "$map" | sed 's/^ *//; s/ *$//')
        [ -n "$map" ] || continue
        if [ -f "$source/tests/maps/$map" ]; then cp "$source/tests/maps/$map" "$1/Maps/"; else cp "$source/Maps/$map" "$1/Maps/"; fi
    done
    line=$(sed -n 's/^saves://p' "$case")
    IFS=';' read -ra saves <<<"$line"
    for map in "${saves[@]}"; do
        map=$(echo "$map" | sed 's/^ *//; s/ *$//')
        [ -n "$map" ] && cp "$source/tests/saves/$map" "$1/Saves/"
    done
}
for case in "$source"/tests/transcripts/*.case; do
    name=$(basename "$case" .case)
    sed -n '/^--- script$/,/^--- /p' "$case" | sed '1d;$d' >"$work/script"
    sed -n '/^--- expect$/,$p' "$case" | sed '1d' >"$work/expect"
    sed -n 's/^random://p' "$case" | tr ' ' '\n' | sed '/^$/d' >"$work/random"
    read -ra args <<<"$(sed -n 's/^args://p' "$case")"
    [ -s "$work/random" ] && args+=(--random "$work/random")
    playBoth "$name" "$work/script" caseMaps "${args[@]}"
    cmp -s "$work/windows.out" "$work/expect" || fail "$name: the Windows transcript is not the golden one"
done

# --- Whole games: the human presses a seeded stream of play keys against one
# computer player until one side has won, then the game is saved.
bundledMaps() { cp "$source"/Maps/*.map "$1/Maps/"; }
gameScript() {  # map position, seed
    printf 'Down\nEnter\n'
    for _ in $(seq "$1"); do echo Down; done
    printf 'Enter\n1\n'
    awk -v seed="$2" 'BEGIN {
        srand(seed)
        n = split("Space Space Space Space Shift+Enter Shift+Enter Q W E R Tab Enter Down Up Z X Period Ctrl", keys, " ")
        for (i = 0; i < 1500; i++) print keys[int(rand() * n) + 1]
    }'
    printf 'Escape\nDown\nDown\nEnter\ntype whole game\n'
}
ended=0
position=0
for map in "$source"/Maps/*.map; do
    position=$((position + 1))
    for seed in 1 2; do
        gameScript "$position" "$seed" >"$work/game"
        playBoth "$(basename "$map") seed $seed" "$work/game" bundledMaps --seed "$seed"
        grep -qE "you have won|You have been defeated" "$work/windows.out" && ended=$((ended + 1))
    done
done
[ "$ended" -gt 0 ] || fail "no whole game reached its end"
echo "$ended whole games played to their end on both systems"

[ "$failures" -eq 0 ] && echo "the Windows program says and saves what the Linux one does"
exit "$failures"
