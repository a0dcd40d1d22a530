#!/usr/bin/env bash
# Installs what is missing, builds the game and runs the whole test suite.
# With --sanitize the build and the tests run under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a folder of their own.
# With --windows the Windows program is cross-built and its tests run under
# Wine (in build-windows/, which then also holds the release zip).
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--windows" ]; then
    scripts/install-deps.sh --windows
    # The Windows program must say what the Linux one says.
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)" --target sonarch
    cmake -S . -B build-windows --toolchain cmake/windows.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSONARCH_LINUX_PROGRAM="$PWD/build/sonarch" >/dev/null
    cmake --build build-windows -j"$(nproc)"
    (cd build-windows && ctest --output-on-failure -j"$(nproc)")
    cd build-windows && cpack >/dev/null && echo "release: build-windows/sonarch-windows.zip"
    exit 0
fi
scripts/install-deps.sh
folder=build sanitize=OFF type=RelWithDebInfo
if [ "${1:-}" = "--sanitize" ]; then folder=build-sanitize sanitize=ON type=Debug; fi
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=$type -DSONARCH_SANITIZE=$sanitize >/dev/null
cmake --build "$folder" -j"$(nproc)"
cd "$folder" && ctest --output-on-failure -j"$(nproc)"
