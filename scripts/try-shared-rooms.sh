#!/usr/bin/env bash
# Several game servers sharing their rooms, on this machine, to try out: a
# Redis that keeps every write on disk before it answers, three servers
# sharing it, and a small TCP balancer in front of them on one address
# (port 7878, or SONARCH_PORT). Kill any one server (its pid is printed) and
# its rooms go on in the others. Ctrl+C stops everything; the rooms stay in
# the folder given (a new temporary one unless SONARCH_SHARED_DIR is set).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target sonarch sonarch_balance
port=${SONARCH_PORT:-7878}
redisPort=${SONARCH_REDIS_PORT:-6390}
folder=${SONARCH_SHARED_DIR:-$(mktemp -d)}
mkdir -p "$folder/redis"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; echo "stopped; the rooms stay in $folder/redis"' EXIT
redis-server --port "$redisPort" --bind 127.0.0.1 --dir "$folder/redis" --appendonly yes \
    --appendfsync always --save '' >"$folder/redis.log" 2>&1 &
pids+=("$!")
until [ "$(redis-cli -p "$redisPort" ping 2>/dev/null)" = PONG ]; do sleep 0.2; done
backends=()
for n in 1 2 3; do
    serverPort=$((port + n))
    build/sonarch --serve --port "$serverPort" --redis "redis://127.0.0.1:$redisPort" \
        --allow-origin "http://127.0.0.1:$port" 2>"$folder/server$n.log" >/dev/null &
    pids+=("$!")
    echo "server $n: pid $!, port $serverPort, log $folder/server$n.log"
    backends+=("127.0.0.1:$serverPort")
done
build/bench/sonarch_balance --listen "$port" "${backends[@]}" &
pids+=("$!")
echo "Play at http://127.0.0.1:$port/ (Ctrl+C stops)"
wait
