#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on its bundled maps.
# With --web it builds the page and serves it on 127.0.0.1 instead.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--web" ]; then
    scripts/install-deps.sh scripts/web-packages.txt
    scripts/build-web.sh
    port=${SONARCH_PORT:-8013}
    echo "Sonarch is at http://127.0.0.1:$port/ - open it in a web browser. Ctrl+C stops the server."
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/web
fi
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSONARCH_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target sonarch
exec build/sonarch "$@"
