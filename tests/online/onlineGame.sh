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
#
# Anna's room is public, with a turn limit: the watcher hears it in the
# menu's list of rooms first. Anna mutes Ben before the game and hears him
# again in her second turn: the line he says in his first turn is never
# told to her, the one in his third is, each after the sentence being said.
# Ben's program is killed at his third turn and started again with the
# same code: it takes his seat back with the token its settings kept.
set -u
program=$1
source "$(dirname "$0")/common.sh"
mkdir -p "$work/server" "$work/anna/Maps" "$work/ben/Maps" "$work/watch/Maps"

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

{
    printf 'wait Ben joined\nC\ntype /mute Ben\nG\nwait Choose your starting zone\nSpace\nShift+Enter\n'
    printf 'wait It is your turn\nC\ntype /unmute Ben\nH\nShift+Enter\nShift+Enter\n'
    passTurns 1
    printf 'wait Anna has been defeated\n'
} >"$work/anna.script"
{
    printf 'wait Choose your starting zone\nC\ntype quiet line\nQ\nQ\nSpace\nShift+Enter\n'
    passTurns 1
    # Killed here, in the third turn.
    printf 'wait It is your turn\nwait never said\n'
} >"$work/ben.script"
{
    printf 'wait It is your turn\nC\ntype heard line\nShift+Enter\nShift+Enter\n'
    passTurns 1
    printf 'wait Game over\n'
} >"$work/ben2.script"

timeout 120 "$program" --headless --data-dir "$work/anna" --server "$url" --create "Simple World Map" \
    --people 2 --computers 1 --name Anna --public --turn-seconds 300 --voice-log \
    <"$work/anna.script" >"$work/anna.out" 2>"$work/anna.err" &
anna=$!
pids+=("$anna")
waitFor "$work/anna.out" "Room code"
code=$(sed -n 's/^say: Room code.*#\([A-Z]*\)$/\1/p' "$work/anna.out")
# The room is made public, with the turn limit asked for (the room is
# removed once everyone has left, so it is read now).
[ "$(sqlite3 "$work/server/rooms.sqlite" "SELECT public, turn_limit FROM rooms WHERE code = '$code'")" = "1|300" ] ||
    fail "Anna's room is not public with 300 seconds a turn"
# The watcher comes in through the main menu's online questions, after a
# look at the public rooms.
printf 'O\ntype %s\ntype list\nwait room on Simple World Map\nEscape\nO\ntype %s\ntype watch %s\nwait Game over\n' \
    "$url" "$url" "$code" >"$work/watch.script"
timeout 120 "$program" --headless --data-dir "$work/watch" <"$work/watch.script" >"$work/watch.out" \
    2>"$work/watch.err" &
watcher=$!
pids+=("$watcher")
waitFor "$work/watch.out" "You are watching"
# The code is typed as heard, in small letters.
# Not under timeout: the kill below must reach the program itself (its
# last line gives up by itself after 60 seconds).
"$program" --headless --data-dir "$work/ben" --server "$url" --join "${code,,}" --name Ben \
    --settings "$work/ben/settings.txt" <"$work/ben.script" >"$work/ben.out" 2>"$work/ben.err" &
ben=$!
pids+=("$ben")

# Halfway: Ben's second turn has begun. The server dies at once, and
# starts again on its folder and port.
waitFor "$work/ben.out" "It is your turn." 2
kill -9 "$server"
wait "$server" 2>/dev/null
startServer "$port"

# Ben's program dies in his third turn; started again on the same room, it
# takes the seat back (a new join is refused once the game has begun).
waitFor "$work/ben.out" "It is your turn." 3
kill -9 "$ben"
wait "$ben" 2>/dev/null
grep -q "^seats = $url $code [0-9a-f]\{32\}$" "$work/ben/settings.txt" ||
    fail "Ben's settings kept no seat: $(cat "$work/ben/settings.txt")"
timeout 120 "$program" --headless --data-dir "$work/ben" --server "$url" --join "$code" --name Ben \
    --settings "$work/ben/settings.txt" <"$work/ben2.script" >"$work/ben2.out" 2>"$work/ben2.err" &
ben=$!
pids+=("$ben")

wait "$anna"; annaStatus=$?
wait "$ben"; benStatus=$?
wait "$watcher"; watchStatus=$?
[ "$annaStatus" = 0 ] || fail "Anna's program ended with $annaStatus: $(cat "$work/anna.err")"
[ "$benStatus" = 0 ] || fail "Ben's program ended with $benStatus: $(cat "$work/ben.err")"
[ "$watchStatus" = 0 ] || fail "the watcher ended with $watchStatus: $(cat "$work/watch.err")"

grep -q "Back in the game" "$work/ben2.out" || fail "Ben's second program did not take his seat back"
grep -q "has started" "$work/ben2.out" && fail "Ben's second program asked for a new seat"
grep -q "^seats = $" "$work/ben/settings.txt" || fail "the seat Ben left for good is still kept"
cat "$work/ben2.out" >>"$work/ben.out"

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
# Ben's third turn is told by both his programs.
[ "$(grep -c -F "msg: It is your turn." "$work/ben.out")" = 5 ] || fail "Ben's turns were not told 4 times and 1"

# The watcher heard it among the public rooms.
grep -q -F "1: Anna's room on Simple World Map, 1 seat open, for 2 people and 1 computer player." \
    "$work/watch.out" || fail "the watcher did not hear Anna's public room in the list"
# Muted, Ben's line is neither told to Anna nor kept for H; heard again, it is.
expectLine anna "say: Ben is muted"
grep -q "quiet line" "$work/anna.out" && fail "Anna heard what Ben said while muted"
grep -q "quiet line" "$work/watch.out" || fail "the watcher did not hear Ben's first line"
expectLine anna "say: Nobody has said anything yet."
expectLine anna "say: Ben says: heard line"
# News, chat and the others' moves wait for the sentence being said; the
# answers to Anna's own keys cut in.
expectLine anna "voice-after: Ben joined the room."
expectLine anna "voice-after: Ben has taken control of Southwest Marshes."
expectLine anna "voice-after: Ben says: heard line"
expectLine anna "voice: Ben is muted"
expectLine anna "voice: Nobody has said anything yet."
grep -q "^voice: Ben \(joined\|says\|has\)" "$work/anna.out" && fail "news cut off a sentence"
# Every board the server sent agreed with the moves that led to it.
grep -l "differ; the server's is used" "$work"/*.out && fail "a program's board differed from the server's"

# One key joins a room heard in the list: Dora's room is the only public
# one waiting, so it is number 1.
mkdir -p "$work/dora/Maps" "$work/lister/Maps"
printf 'wait joined the room\n' >"$work/dora.script"
timeout 60 "$program" --headless --data-dir "$work/dora" --server "$url" --create "Simple World Map" \
    --people 2 --name Dora --public <"$work/dora.script" >"$work/dora.out" 2>"$work/dora.err" &
dora=$!
pids+=("$dora")
waitFor "$work/dora.out" "Room code"
printf "O\ntype %s\ntype list\nwait Dora's room\n1\nwait You are Player, seat 2\n" "$url" >"$work/lister.script"
timeout 60 "$program" --headless --data-dir "$work/lister" <"$work/lister.script" >"$work/lister.out" \
    2>"$work/lister.err" || fail "the list did not join Dora's room: $(cat "$work/lister.err")"
wait "$dora" || fail "Dora never heard anyone join from the list"

if [ "$failures" -ne 0 ]; then
    for who in anna ben watch dora lister; do echo "--- $who"; cat "$work/$who.out"; done
    echo "--- server"; cat "$work/server.err"
fi
[ "$failures" -eq 0 ] && echo "the online game was played to its end through a restart"
exit "$failures"
