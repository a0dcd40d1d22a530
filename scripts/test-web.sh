#!/usr/bin/env bash
# The page in a real browser: builds it and the desktop program (whose
# headless mode the browser's sentences and saves are compared with), then
# runs the browser tests in Debian's Chromium, headless, on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/install-web-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target sonarch
scripts/build-web.sh
node --test --test-concurrency=1 tests/web/
