#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 30):
# the map and saved-game readers, the map check, the headless script reader,
# key streams played on the whole game, and the page's table of the browser's
# key names, the online game's messages from a client and from a server, and
# the room records servers share through Redis.
# A finding fails the script; the input that caused it is kept in
# build-fuzz/findings/ and the fuzzer's log in build-fuzz/TARGET.log.
set -euo pipefail
seconds=${1:-30}
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-fuzz -DSONARCH_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
mkdir -p build-fuzz/findings
# Seeds: the bundled maps for the map reader and the map check, a saved game
# for the other; key streams start from nothing.
declare -A seeds=([map_reader]=Maps [map_check]=Maps [save_reader]=fuzz/seeds/saves [key_stream]=
    [browser_keys]= [script_reader]=fuzz/seeds/scripts [client_messages]=fuzz/seeds/clientMessages
    [server_messages]=fuzz/seeds/serverMessages [room_records]=fuzz/seeds/roomRecords)
# Key streams are long from the start (1024 bytes, some five hundred
# presses), since a game needs many presses before it gets anywhere.
declare -A options=([map_reader]="-max_len=16384" [map_check]="-max_len=16384" [save_reader]="-max_len=16384"
    [key_stream]="-max_len=1024 -len_control=0" [browser_keys]="-max_len=64" [script_reader]="-max_len=4096"
    [client_messages]="-max_len=4200" [server_messages]="-max_len=16384" [room_records]="-max_len=8192")
passed=0 failed=0
targets=${FUZZ_TARGETS:-map_reader map_check save_reader script_reader key_stream browser_keys client_messages server_messages room_records}
for target in $targets; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    log=build-fuzz/$target.log
    if build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" ${options[$target]} \
        -artifact_prefix="build-fuzz/findings/$target-" "$corpus" ${seeds[$target]} >"$log" 2>&1; then
        echo "fuzz: ${target/_/ } ran clean: $(grep -E '^Done ' "$log" | tail -1)"
        passed=$((passed + 1))
    else
        echo "fuzz: ${target/_/ } FAILED; the end of $log:"
        tail -40 "$log"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
