#!/usr/bin/env bash
# Checks the layers of the code, installs what is missing, builds the game
# and runs the whole test suite.
# With --sanitize the build and the tests run under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a folder of their own. With --web the page
# is built and tested in a real browser instead; with --windows the Windows
# program is cross-built and tested under Wine.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--web" ]; then exec scripts/test-web.sh; fi
if [ "${1:-}" = "--windows" ]; then exec scripts/test-windows.sh; fi
scripts/checkLayers.sh
scripts/install-deps.sh
folder=build sanitize=OFF type=RelWithDebInfo
if [ "${1:-}" = "--sanitize" ]; then folder=build-sanitize sanitize=ON type=Debug; fi
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=$type -DSONARCH_SANITIZE=$sanitize >/dev/null
cmake --build "$folder" -j"$(nproc)"
cd "$folder" && ctest --output-on-failure -j"$(nproc)"
