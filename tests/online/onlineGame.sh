#!/usr/bin/env bash
# A whole game online on this machine, as players play it: a server, two
# players' programs in headless mode, one making a room and one joining it
# by its code, a third watching from the main menu's online questions,
# each hearing the game from its own seat. The server is killed outright
# halfway and started again on its folder; the players' programs come back
# by themselves and the game ends with every move told once.
#
# Anna and Ben hold back (they end every turn at once), and the one computer
# player, which claims its start in its first turn, puts Anna out in its
# third and Ben in its fourth: the game is over. Anna stops listening once
# she is out.
set -u
program=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/server" "$work/anna/Maps" "$work/ben/Maps" "$work/watch/Maps"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# waitFor FILE TEXT [COUNT]: until FILE holds TEXT COUNT times (at most 30 s).
waitFor() {
    local count=${3:-1}
    for _ in $(seq 300); do
        [ "$(grep -c -F -- "$2" "$1" 2>/dev/null)" -ge "$count" ] && return 0
        sleep 0.1
    done
    fail "waited in vain for '$2' in $(basename "$1")"
    return 1
}

startServer() {  # PORT
    "$program" --serve --port "$1" --data-dir "$work/server" --seed 3 >"$work/server.out" 2>>"$work/server.err" &
    server=$!
    pids+=("$server")
    waitFor "$work/server.out" "Sonarch server at"
}

startServer 0
url=$(sed -n 's/^Sonarch server at //p' "$work/server.out")
port=${url##*:}
port=${port%/}

passTurns() {  # N: wait for the turn, then end the attacks and the placing
    for _ in $(seq "$1"); do printf 'wait It is your turn\nShift+Enter\nShift+Enter\n'; done
}
{
    printf 'wait Ben joined\nG\nwait Choose your starting zone\nSpace\nShift+Enter\n'
    passTurns 2
    printf 'wait Anna has been defeated\n'
} >"$work/anna.script"
{
    printf 'wait Choose your starting zone\nQ\nQ\nSpace\nShift+Enter\n'
    passTurns 3
    printf 'wait Game over\n'
} >"$work/ben.script"

timeout 120 "$program" --headless --data-dir "$work/anna" --server "$url" --create "Simple World Map" \
    --people 2 --computers 1 --name Anna <"$work/anna.script" >"$work/anna.out" 2>"$work/anna.err" &
anna=$!
pids+=("$anna")
waitFor "$work/anna.out" "Room code"
code=$(sed -n 's/.*#\([A-Z]*\)$/\1/p' "$work/anna.out")
# The watcher comes in through the main menu's online questions.
printf 'O\ntype %s\ntype watch %s\nwait Game over\n' "$url" "$code" >"$work/watch.script"
timeout 120 "$program" --headless --data-dir "$work/watch" <"$work/watch.script" >"$work/watch.out" \
    2>"$work/watch.err" &
watcher=$!
pids+=("$watcher")
waitFor "$work/watch.out" "You are watching"
# The code is typed as heard, in small letters.
timeout 120 "$program" --headless --data-dir "$work/ben" --server "$url" --join "${code,,}" --name Ben \
    <"$work/ben.script" >"$work/ben.out" 2>"$work/ben.err" &
ben=$!
pids+=("$ben")

# Halfway: Ben's second turn has begun. The server dies at once, and
# starts again on its folder and port.
waitFor "$work/ben.out" "It is your turn." 2
kill -9 "$server"
wait "$server" 2>/dev/null
startServer "$port"

wait "$anna"; annaStatus=$?
wait "$ben"; benStatus=$?
wait "$watcher"; watchStatus=$?
[ "$annaStatus" = 0 ] || fail "Anna's program ended with $annaStatus: $(cat "$work/anna.err")"
[ "$benStatus" = 0 ] || fail "Ben's program ended with $benStatus: $(cat "$work/ben.err")"
[ "$watchStatus" = 0 ] || fail "the watcher ended with $watchStatus: $(cat "$work/watch.err")"

expectLine() {  # WHO TEXT: the transcript holds TEXT exactly once
    local found
    found=$(grep -c -F -- "$2" "$work/$1.out")
    [ "$found" = 1 ] || fail "$1 heard '$2' $found times"
}
# Each hears the claims from their own seat, and the other's by name.
expectLine anna "msg: Northwest Peaks is now under your control."
expectLine anna "msg: Ben has taken control of Southwest Marshes."
expectLine ben "msg: Anna has taken control of Northwest Peaks."
expectLine ben "msg: Southwest Marshes is now under your control."
expectLine ben "msg: You have been defeated! Game over."
# The watcher names every seat and is never told it is their turn.
expectLine watch "msg: Anna has taken control of Northwest Peaks."
expectLine watch "msg: Ben has taken control of Southwest Marshes."
expectLine watch "msg: Ben has been defeated! Game over."
grep -q "your turn" "$work/watch.out" && fail "the watcher was told it was their turn"
# The kill cost nobody a move: each computer turn, and each of Ben's, is
# told once to everyone, as many times as it was played.
computer=$(sed -n 's/^msg: \([A-Za-z]*\)'"'"'s turn\.$/\1/p' "$work/watch.out" | grep -v -e Anna -e Ben | sort -u)
[ "$(printf '%s\n' "$computer" | wc -l)" = 1 ] || fail "not one computer player: $computer"
for who in anna:3 ben:4 watch:4; do
    expected=${who#*:}
    who=${who%:*}
    turns=$(grep -c -F "msg: $computer's turn." "$work/$who.out")
    [ "$turns" = "$expected" ] || fail "$who heard $computer's turn $turns times, not $expected"
    grep -q "Connection lost" "$work/$who.out" || fail "$who never heard the connection was lost"
    grep -q "Back in the game" "$work/$who.out" || fail "$who never came back"
done
[ "$(grep -c -F "msg: It is your turn." "$work/ben.out")" = 4 ] || fail "Ben's turns were not told 4 times"

if [ "$failures" -ne 0 ]; then
    for who in anna ben watch; do echo "--- $who"; cat "$work/$who.out"; done
    echo "--- server"; cat "$work/server.err"
fi
[ "$failures" -eq 0 ] && echo "the online game was played to its end through a restart"
exit "$failures"
