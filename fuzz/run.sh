#!/usr/bin/env bash
# Builds the fuzz targets of the map and saved-game readers with clang and
# runs each for SECONDS (default 30). A finding fails the script; the input
# that caused it is kept in build-fuzz/findings/ and the fuzzer's log in
# build-fuzz/READER.log.
set -euo pipefail
seconds=${1:-30}
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-fuzz -DSONARCH_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
mkdir -p build-fuzz/findings
# Seeds: the bundled maps for the map reader, a saved game for the other.
declare -A seeds=([map]=Maps [save]=fuzz/seeds/saves)
passed=0 failed=0
for reader in map save; do
    corpus=build-fuzz/corpus/$reader
    mkdir -p "$corpus"
    log=build-fuzz/$reader.log
    if build-fuzz/fuzz/fuzz_${reader}_reader -max_total_time="$seconds" -max_len=16384 \
        -artifact_prefix="build-fuzz/findings/$reader-" "$corpus" "${seeds[$reader]}" >"$log" 2>&1; then
        echo "fuzz: $reader reader ran clean: $(grep -E '^Done ' "$log" | tail -1)"
        passed=$((passed + 1))
    else
        echo "fuzz: $reader reader FAILED; the end of $log:"
        tail -40 "$log"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
