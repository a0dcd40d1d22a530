#!/usr/bin/env bash
# Installs what the page's browser tests need: Debian's emscripten and
# Chromium, npm when the machine's Node.js lacks it, and the npm packages
# pinned in package.json for tests/web (puppeteer-core, which is told not to fetch a browser
# of its own, and axe-core).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/install-deps.sh" "$here/web-packages.txt"
"$here/install-deps.sh" "$here/browser-test-packages.txt"
if ! command -v npm >/dev/null; then
    printf 'npm\n' >"${TMPDIR:-/tmp}/sonarch-npm.txt"
    "$here/install-deps.sh" "${TMPDIR:-/tmp}/sonarch-npm.txt"
fi
top=$here/..
# npm ci starts afresh each time; skip it while the installed tree matches the lock.
if ! cmp -s "$top/package-lock.json" "$top/node_modules/.sonarch-lock" 2>/dev/null; then
    (cd "$top" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
    cp "$top/package-lock.json" "$top/node_modules/.sonarch-lock"
fi
