#!/usr/bin/env bash
# Builds the page into build-web/web/: index.html, its scripts, the game's
# WebAssembly and the bundled maps, ready for any static web server.
set -euo pipefail
cd "$(dirname "$0")/.."
# Debian's emcc runs its optimizer on the machine's Node.js, which does not
# look in Debian's own module folder by itself.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web -j"$(nproc)"
