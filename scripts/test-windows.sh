#!/usr/bin/env bash
# The Windows program: installs the cross compiler and Wine, builds the Linux
# program (the Windows one must say what it says), cross-builds the Windows
# one into build-windows/, runs its tests under Wine and makes the release zip.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/install-deps.sh scripts/packages-windows.txt
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target sonarch
cmake -S . -B build-windows --toolchain cmake/windows.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSONARCH_LINUX_PROGRAM="$PWD/build/sonarch" >/dev/null
cmake --build build-windows -j"$(nproc)"
(cd build-windows && ctest --output-on-failure -j"$(nproc)")
cd build-windows && cpack >/dev/null && echo "release: build-windows/sonarch-windows.zip"
