#!/usr/bin/env bash
# Figures for rooms shared through Redis, on this machine (127.0.0.1 only):
#  1. the load tester's rooms over three server processes sharing one Redis
#     (appendfsync always) behind the round-robin balancer, every second
#     bot of a room joining through another process than its maker's;
#  2. the same load on one process with SQLite, in the same run;
#  3. a takeover: rooms over three processes, one killed outright, and how
#     long until its rooms accept moves again, and the told moves lost.
# Usage: bench/sharedRooms.sh [BUILD] [ROOMS] [SECONDS] [TAKEOVER_ROOMS]
set -euo pipefail
build=${1:-build}
rooms=${2:-1000}
seconds=${3:-30}
takeoverRooms=${4:-300}
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
redisPort=$((20000 + RANDOM % 40000))
portOf() { sed -n '1s/.*:\([0-9]*\)\/\{0,1\}$/\1/p' "$1"; }
waitLine() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done; return 1; }

startShared() {  # NAME: Redis, three servers and the balancer, new and empty
    mkdir -p "$work/$1/redis"
    redis-server --port "$redisPort" --bind 127.0.0.1 --dir "$work/$1/redis" --save '' --appendonly yes \
        --appendfsync always >"$work/$1/redis.log" 2>&1 &
    pids+=("$!")
    until [ "$(redis-cli -p "$redisPort" ping 2>/dev/null)" = PONG ]; do sleep 0.1; done
    servers=()
    backends=()
    for n in 1 2 3; do
        "$build/sonarch" --serve --port 0 --redis "redis://127.0.0.1:$redisPort" --max-per-address 20000 \
            >"$work/$1/server$n.out" 2>"$work/$1/server$n.err" &
        servers+=("$!")
        pids+=("$!")
        waitLine "$work/$1/server$n.out"
        backends+=("127.0.0.1:$(portOf "$work/$1/server$n.out")")
    done
    "$build/bench/sonarch_balance" --listen 0 "${backends[@]}" >"$work/$1/balance.out" &
    pids+=("$!")
    waitLine "$work/$1/balance.out"
    balancer=$(portOf "$work/$1/balance.out")
}
stopShared() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    pids=()
    sleep 1
}

echo "== $rooms rooms over three processes and one Redis, each bot moving once a second"
startShared shared
"$build/bench/sonarch_load" --port "$balancer" --server-pid "${servers[0]}" --rooms "$rooms" \
    --move-every 1 --seconds "$seconds"
echo "Redis: $(redis-cli -p "$redisPort" info memory | grep '^used_memory_human' | tr -d '\r')"
stopShared

echo "== the same on one process with SQLite"
"$build/bench/sonarch_load" --server "$build/sonarch" --server-arg --max-per-address --server-arg 20000 \
    --rooms "$rooms" --move-every 1 --seconds "$seconds"

echo "== takeover: $takeoverRooms rooms over three processes, the first killed 10 s in"
startShared takeover
"$build/bench/sonarch_load" --port "$balancer" --rooms "$takeoverRooms" --move-every 1 --seconds 40 \
    --kill-pid "${servers[0]}" --kill-after 10
for n in 2 3; do
    echo "server $n: $(grep -c 'taken over' "$work/takeover/server$n.err") rooms taken over"
done
stopShared
