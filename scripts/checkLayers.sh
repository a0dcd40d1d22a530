#!/usr/bin/env bash
# The layers of the code, as ARCHITECTURE.md draws them:
# - the rules (src/rules) include only the standard library and each other;
# - the files (src/files) include the rules, the game's own declarations of
#   what it needs from a platform (game/Platform.h) and each other;
# - the wording (src/wording) includes only the standard library, the rules
#   and itself: it words what it is given and reaches nothing else;
# - the session (src/game, src/input, src/output, src/wording) includes no host;
# - nothing of the game (rules, files, session) includes a platform header,
#   by name or by a relative path;
# - no host includes the session's object itself: hosts reach it through
#   GameSession.
set -euo pipefail
cd "$(dirname "$0")/.."

includes() {  # folder... : every "#include" line, with file and line number
    grep -rnE '^\s*#\s*include\s*[<"]' "$@" || true
}
quoted() { grep -E '#\s*include\s*"' || true; }
without() { grep -vE "$1" || true; }

standard='#\s*include\s*<[a-z_]+>'
rules=$(includes src/rules | without "$standard" | without '#\s*include\s*"rules/')
files=$(includes src/files | quoted | without '#\s*include\s*"(rules|files)/|#\s*include\s*"game/Platform\.h"')
wording=$(includes src/wording | without "$standard" | without '#\s*include\s*"(rules|wording)/')
session=$(includes src/game src/input src/output src/wording | quoted | grep -E '"(\.\./)*host/' || true)
platform='SDL|unistd\.h|windows\.h|mmsystem\.h|winsock|emscripten|sys/|fcntl\.h|poll\.h|termios\.h|pthread\.h|dirent\.h|speech-dispatcher|libspeechd|espeak'
core=$(includes src/rules src/files src/game src/input src/output src/wording |
       grep -iE "[<\"]([^>\"]*/)?($platform)|[<\"](\.\./)+host/" || true)
hosts=$(grep -rnE '^\s*#\s*include\s*"game/Form1\.h"' src/host || true)

status=0
report() {
    [ -z "$2" ] && return 0
    printf '%s\n%s\n' "$1" "$2"
    status=1
}
report "the rules include more than the standard library and the rules:" "$rules"
report "the files include more than the rules, the platform's declarations and the files:" "$files"
report "the wording includes more than the standard library, the rules and the wording:" "$wording"
report "the session includes a host:" "$session"
report "the game includes a platform header:" "$core"
report "a host includes the game object:" "$hosts"
exit $status
