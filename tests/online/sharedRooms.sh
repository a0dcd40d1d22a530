#!/usr/bin/env bash
# Rooms shared by two server processes through a real Redis on this machine,
# behind one address (the test's round-robin balancer): Anna makes a room
# through one process, Ben joins it through the other, which passes his
# messages on. Halfway the holder is killed outright; the survivor takes the
# room over from Redis and the players' programs come back to it by
# themselves. Later Redis itself is killed and started again on its
# append-only file. The game ends with every move told once.
#
# The game is the one of the single server's test: Anna and Ben end every
# turn at once, and the one computer player puts Anna out in its third turn
# and Ben in its fourth.
set -u
program=$1
balancer=$2
WAIT_TENTHS=400
source "$(dirname "$0")/common.sh"
mkdir -p "$work/redis" "$work/maps" "$work/anna/Maps" "$work/ben/Maps"

portOf() { sed -n '1s/.*:\([0-9]*\)\/\{0,1\}$/\1/p' "$1"; }  # FILE: the port its first line names

# Redis, on a port nobody uses, keeping every write on disk before it answers.
startRedis() {
    redis-server --port "$redisPort" --bind 127.0.0.1 --dir "$work/redis" --save '' --appendonly yes \
        --appendfsync always --daemonize no >"$work/redis.log" 2>&1 &
    redis=$!
    pids+=("$redis")
    for _ in $(seq 100); do
        [ "$(redis-cli -p "$redisPort" ping 2>/dev/null)" = PONG ] && return 0
        sleep 0.1
    done
    return 1
}
for _ in $(seq 20); do
    redisPort=$((20000 + RANDOM % 40000))
    (echo >"/dev/tcp/127.0.0.1/$redisPort") 2>/dev/null && continue
    startRedis && break
done
[ "$(redis-cli -p "$redisPort" ping 2>/dev/null)" = PONG ] || { echo "FAIL redis-server did not start"; exit 1; }

startServer() {  # NAME
    "$program" --serve --port 0 --data-dir "$work/maps" --seed 3 --redis "redis://127.0.0.1:$redisPort" \
        --lease-seconds 2 >"$work/$1.out" 2>"$work/$1.err" &
    pids+=("$!")
    eval "$1=$!"
    waitFor "$work/$1.out" "Sonarch server at"
}
startServer first
startServer second
firstPort=$(portOf "$work/first.out")
secondPort=$(portOf "$work/second.out")
"$balancer" --listen 0 "127.0.0.1:$firstPort" "127.0.0.1:$secondPort" >"$work/balance.out" 2>&1 &
pids+=("$!")
waitFor "$work/balance.out" "Balancing on"
url="http://127.0.0.1:$(portOf "$work/balance.out")/"

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

# The balancer sends the first connection to the first process, the next
# to the second.
timeout 150 "$program" --headless --data-dir "$work/anna" --server "$url" --create "Simple World Map" \
    --people 2 --computers 1 --name Anna <"$work/anna.script" >"$work/anna.out" 2>"$work/anna.err" &
anna=$!
pids+=("$anna")
waitFor "$work/anna.out" "Room code" || exit 1
code=$(sed -n 's/.*#\([A-Z]*\)$/\1/p' "$work/anna.out")
timeout 150 "$program" --headless --data-dir "$work/ben" --server "$url" --join "$code" --name Ben \
    <"$work/ben.script" >"$work/ben.out" 2>"$work/ben.err" &
ben=$!
pids+=("$ben")
waitFor "$work/anna.out" "Ben joined"
grep -q "room $code: made by Anna" "$work/first.err" || fail "the first process did not make the room"
grep -q "room $code" "$work/second.err" && fail "the second process held the room before the first died"

# Halfway, the holder dies at once; the survivor takes the room over.
waitFor "$work/ben.out" "It is your turn." 2
kill -9 "$first"
waitFor "$work/second.err" "room $code: taken over"
metrics=$(curl -s "http://127.0.0.1:$secondPort/metrics")
grep -q "sonarch_room_held{room=\"$code\"} 1" <<<"$metrics" || fail "the survivor's figures do not name the room"
grep -q "sonarch_rooms_taken_over_total 1" <<<"$metrics" || fail "the survivor's figures do not count the takeover"

# Later Redis dies too, and comes back on its file: the server is unhealthy
# meanwhile, and the game goes on after it.
waitFor "$work/ben.out" "It is your turn." 3
kill -9 "$redis"
wait "$redis" 2>/dev/null
sleep 0.5
health=$(curl -s -o /dev/null -w '%{http_code}' "http://127.0.0.1:$secondPort/healthz")
[ "$health" = 503 ] || fail "the server said it was healthy ($health) without Redis"
printf 'wait make rooms\n' | timeout 20 "$program" --headless --data-dir "$work/ben" \
    --server "http://127.0.0.1:$secondPort/" --create "Simple World Map" --name Cleo >"$work/cleo.out" 2>&1
grep -q "This server cannot make rooms just now" "$work/cleo.out" ||
    fail "a room was asked for without Redis, and the refusal was not heard: $(cat "$work/cleo.out")"
startRedis || fail "redis-server did not start again"

wait "$anna"; annaStatus=$?
wait "$ben"; benStatus=$?
[ "$annaStatus" = 0 ] || fail "Anna's program ended with $annaStatus: $(cat "$work/anna.err")"
[ "$benStatus" = 0 ] || fail "Ben's program ended with $benStatus: $(cat "$work/ben.err")"

expectLine anna "msg: Northwest Peaks is now under your control."
expectLine anna "msg: Ben has taken control of Southwest Marshes."
expectLine ben "msg: Anna has taken control of Northwest Peaks."
expectLine ben "msg: You have been defeated! Game over."
# Nobody lost a move or heard one twice: the computer player's turns and
# Ben's are told as often as they were played.
computer=$(sed -n 's/^msg: \([A-Za-z]*\)'"'"'s turn\.$/\1/p' "$work/ben.out" | grep -v -e Anna -e Ben | sort -u)
[ "$(printf '%s\n' "$computer" | wc -l)" = 1 ] || fail "not one computer player: $computer"
for who in anna:3 ben:4; do
    expected=${who#*:}
    who=${who%:*}
    turns=$(grep -c -F "msg: $computer's turn." "$work/$who.out")
    [ "$turns" = "$expected" ] || fail "$who heard $computer's turn $turns times, not $expected"
    grep -q "Back in the game" "$work/$who.out" || fail "$who never came back"
done
[ "$(grep -c -F "msg: It is your turn." "$work/ben.out")" = 4 ] || fail "Ben's turns were not told 4 times"

if [ "$failures" -ne 0 ]; then
    for who in anna ben; do echo "--- $who"; cat "$work/$who.out"; done
    for who in first second; do echo "--- $who"; cat "$work/$who.err"; done
fi
[ "$failures" -eq 0 ] && echo "the game was played to its end through two processes, a takeover and a Redis restart"
exit "$failures"
