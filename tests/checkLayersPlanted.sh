#!/usr/bin/env bash
# scripts/checkLayers.sh refuses each kind of wrong include, the ones the
# build cannot see first among them, and lets the allowed ones by. Each case
# is a tree of one planted file; the project's own tree must pass whole.
# Usage: checkLayersPlanted.sh SOURCE_DIR
set -uo pipefail
source=$1
check=$source/scripts/checkLayers.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

plant() {  # expected path line : a tree holding one file with one line
    local expected=$1 path=$2 line=$3
    rm -rf "$work/tree"
    mkdir -p "$work/tree/$(dirname "$path")"
    printf '%s\n' "$line" >"$work/tree/$path"
    local output
    output=$(bash "$check" "$work/tree" 2>&1)
    local result=$?
    if [ "$expected" = refused ] && { [ $result -eq 0 ] || ! grep -qF "$path" <<<"$output"; }; then
        printf 'not refused: %s in %s\n' "$line" "$path"
        status=1
    elif [ "$expected" = allowed ] && [ $result -ne 0 ]; then
        printf 'refused, though allowed: %s in %s:\n%s\n' "$line" "$path" "$output"
        status=1
    fi
}

# Relative paths, which resolve beside the including file and never reach the include roots.
plant refused src/rules/a.cpp '#include "rules/../host/KeyQueue.h"'
plant refused src/rules/a.cpp '#include "../game/Form1.h"'
plant refused src/game/a.cpp '#include "./Form1.h"'
plant refused src/host/a.cpp '#include "posix/PosixPlatform.h"'
plant refused src/host/headless/a.cpp '#include "HeadlessHost.h"'
# Project headers in angle brackets.
plant refused src/game/a.cpp '#include <host/KeyQueue.h>'
plant refused src/host/window/a.cpp '#include <game/Form1.h>'
# The system's own headers, which every compiler finds.
plant refused src/game/a.cpp '#include <sys/socket.h>'
plant refused src/input/a.cpp '#include <signal.h>'
plant refused src/output/a.cpp '#include <csignal>'
plant refused src/game/a.cpp '#include <thread>'
plant refused src/files/a.cpp '#include <fstream>'
plant refused src/rules/a.cpp '#include <unistd.h>'
plant refused src/wording/a.cpp '#include <iostream>'
plant refused src/table/a.cpp '#include <chrono>'
plant refused src/host/a.cpp '#include <unistd.h>'
plant refused src/host/headless/a.cpp '#include <SDL.h>'
plant refused src/host/tools/a.cpp '#include <windows.h>'
plant refused src/host/a.h '#include <csignal>'
# A layer above, named plainly (the build refuses these too).
plant refused src/rules/a.h '#include "files/mapFormat.h"'
plant refused src/files/a.cpp '#include "game/GameSession.h"'
plant refused src/wording/a.cpp '#include "files/mapFormat.h"'
plant refused src/table/a.cpp '#include "wording/Wording.h"'
plant refused src/table/a.cpp '#include "game/GameSession.h"'
plant refused src/game/a.cpp '#include "host/KeyQueue.h"'
plant refused src/host/a.cpp '#include "host/posix/PosixPlatform.h"'
plant refused src/host/tools/a.cpp '#include "host/window/WindowHost.h"'
plant refused src/host/window/a.cpp '#include "host/windows/WindowsHost.h"'
plant refused src/host/windows/a.cpp '#include "host/posix/PosixPlatform.h"'
plant refused src/host/window/a.cpp '#include "host/online/OnlineClient.h"'
plant refused src/host/web/a.cpp '#include "host/server/Lobby.h"'
plant refused src/host/windows/a.cpp '#include "host/server/serve.h"'
plant refused src/host/windows/a.cpp '#include "net/protocol.h"'
# The session's object is the session's alone.
plant refused src/host/headless/a.cpp '#include "game/Form1.h"'
plant refused src/host/terminal/a.cpp '#include "game/Form1.h"'
plant refused src/host/program/a.cpp '#include "game/Form1.h"'
# Includes that name no header, and files in no layer.
plant refused src/rules/a.cpp '#include RULES_HEADER'
plant refused src/rules/a.cpp '#include_next <vector>'
plant refused src/server/a.cpp '#include <string>'
# The net layer: the table and the rules below it, Boost.JSON and no more.
plant refused src/net/a.cpp '#include "game/GameSession.h"'
plant refused src/net/a.cpp '#include "files/mapFormat.h"'
plant refused src/net/a.cpp '#include <boost/asio.hpp>'
plant refused src/net/a.cpp '#include <thread>'
plant refused src/table/a.cpp '#include "net/protocol.h"'
plant refused src/game/a.cpp '#include "net/protocol.h"'
plant refused src/game/a.cpp '#include <boost/json.hpp>'

# What each layer may do.
plant allowed src/rules/a.cpp '#include <vector>'
plant allowed src/files/a.cpp '#include "game/Platform.h"'
plant allowed src/table/a.cpp '#include "rules/Board.h"'
plant allowed src/game/a.cpp '  #  include "table/Table.h"'
plant allowed src/host/tools/a.cpp '#include <thread>'
plant allowed src/host/a.cpp '#include "game/GameSession.h"'
plant allowed src/host/window/a.cpp '#include "host/speech/voiceFactory.h"'
plant allowed src/host/terminal/a.cpp '#include <termios.h>'
plant allowed src/host/program/a.cpp '#include "host/posix/PosixPlatform.h"'
plant allowed src/host/windows/a.cpp '#include "host/online/startOnline.h"'
plant allowed src/net/a.cpp '#include "table/Table.h"'
plant allowed src/net/a.cpp '#include <boost/json/parse.hpp>'
plant allowed src/host/a.cpp '#include "net/protocol.h"'
plant allowed src/host/program/a.cpp '#include "net/protocol.h"'
plant allowed src/host/web/a.cpp '#include "host/online/OnlineClient.h"'
plant allowed src/host/web/a.cpp '#include "net/protocol.h"'

if ! output=$(bash "$check" "$source" 2>&1); then
    printf 'the project itself is refused:\n%s\n' "$output"
    status=1
fi
[ $status -eq 0 ] && echo "the layer check refuses every planted include and allows the rest"
exit $status
