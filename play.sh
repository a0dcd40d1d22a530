#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on its bundled maps.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSONARCH_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target sonarch
exec build/sonarch "$@"
