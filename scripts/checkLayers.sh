#!/usr/bin/env bash
# The game (src/game, src/input, src/output, src/files) compiles unchanged on
# every platform: it includes nothing of the hosts and no platform header.
# No host includes the game object itself; hosts reach it through GameSession.
set -euo pipefail
cd "$(dirname "$0")/.."
platform='SDL|unistd\.h|windows\.h|winsock|emscripten|sys/|fcntl\.h|poll\.h|termios\.h|pthread\.h|dirent\.h|speech-dispatcher|libspeechd|espeak'
core=$(grep -nE "^\s*#\s*include\s*[<\"](host/|([^>\"]*/)?($platform))" src/game src/input src/output src/files -r || true)
hosts=$(grep -nE '^\s*#\s*include\s*"game/Form1\.h"' -r src/host || true)
[ -z "$core" ] || echo "the game includes a host or platform header:"$'\n'"$core"
[ -z "$hosts" ] || echo "a host includes the game object:"$'\n'"$hosts"
[ -z "$core$hosts" ]
