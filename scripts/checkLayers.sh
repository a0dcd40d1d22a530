#!/usr/bin/env bash
# The layers of the code, as ARCHITECTURE.md draws them, as an allow-list:
# every file under src belongs to one layer, and each of its includes must be
# one the layer is allowed. The build refuses most wrong includes by itself
# (each layer compiles with only the headers below it); this check also sees
# what the build cannot: a path relative to the including file ("../host/x.h",
# "posix/x.h" from src/host), a project header in angle brackets, and the
# system's own headers, which every compiler finds.
#
#   layer      folders                       may include (quoted, from src)
#   rules      src/rules                     rules
#   files      src/files                     rules, files, game/Platform.h and game/DataFolders.h
#   wording    src/wording                   rules, wording
#   table      src/table                     rules, table
#   net        src/net                       rules, table, net
#   session    src/game, src/input,          rules, files, wording, table, the session
#              src/output
#   host       src/host (its own files),     the session but game/Form1.h, host's own files,
#              src/host/headless, tools      headless, tools, net
#   platforms  src/host/posix, speech,       the same, their own folder and the platforms
#              window, terminal, web,        they build on (window, terminal, web: posix and
#              windows, online               speech; windows: speech and online; online: net;
#                                            web: the online client and net too)
#   server     src/host/server               the session but game/Form1.h, the shared host code,
#                                            posix, its own folder and the messages (net)
#   program    src/host/program              anything but game/Form1.h (net too)
#
# Angle brackets: the rules, files, wording, table and session include the
# standard library only, and not the parts of it that wait, signal, or reach
# the disk, the clock or the streams (the game reaches them through Platform
# and FrontEnd); the net layer takes the same part of the standard library
# and Boost.JSON (boost/json.hpp, boost/json/...); the shared host code
# includes the standard library but signals; the platforms and the program include what they need. A quoted
# include always starts at src, with no "." or ".." in it.
#
# Usage: scripts/checkLayers.sh [FOLDER]  (FOLDER holds src; the project by default)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

standard='algorithm|any|array|atomic|barrier|bit|bitset|cassert|cctype|cerrno|cfenv|cfloat|charconv|chrono|cinttypes|climits|clocale|cmath|codecvt|compare|complex|concepts|condition_variable|coroutine|csetjmp|csignal|cstdarg|cstddef|cstdint|cstdio|cstdlib|cstring|ctime|cuchar|cwchar|cwctype|deque|exception|execution|expected|filesystem|format|forward_list|fstream|functional|future|initializer_list|iomanip|ios|iosfwd|iostream|istream|iterator|latch|limits|list|locale|map|memory|memory_resource|mutex|new|numbers|numeric|optional|ostream|queue|random|ranges|ratio|regex|scoped_allocator|semaphore|set|shared_mutex|source_location|span|sstream|stack|stdexcept|stop_token|streambuf|string|string_view|syncstream|system_error|thread|tuple|type_traits|typeindex|typeinfo|unordered_map|unordered_set|utility|valarray|variant|vector|version'
# What the game itself never does: wait, signal, or reach the system past its Platform and FrontEnd.
systemReaching='atomic|barrier|chrono|condition_variable|csetjmp|csignal|cstdio|ctime|filesystem|fstream|future|iostream|latch|mutex|semaphore|shared_mutex|stop_token|thread'
signals='csetjmp|csignal'
project='rules|files|wording|table|net|game|input|output|host'
below='rules/|files/|wording/|table/|game/|input/|output/'
shared='host/[^/]+$|host/headless/|host/tools/'

layerOf() {  # path : the layer of a file, or nothing when it is in none
    case $1 in
    src/rules/*) echo rules ;;
    src/files/*) echo files ;;
    src/wording/*) echo wording ;;
    src/table/*) echo table ;;
    src/net/*) echo net ;;
    src/game/* | src/input/* | src/output/*) echo session ;;
    src/host/program/*) echo program ;;
    src/host/server/*) echo server ;;
    src/host/headless/* | src/host/tools/*) echo host ;;
    src/host/posix/* | src/host/speech/* | src/host/window/* | src/host/terminal/* | src/host/web/* | src/host/windows/* | \
        src/host/online/*)
        echo platform ;;
    src/host/*/*) ;;
    src/host/*) echo host ;;
    esac
}

quotedAllowed() {  # layer path header : whether the layer may include the header
    local layer=$1 path=$2 header=$3
    case $layer in
    rules) [[ $header =~ ^rules/ ]] ;;
    files) [[ $header =~ ^(rules|files)/ || $header =~ ^game/(Platform|DataFolders)\.h$ ]] ;;
    wording) [[ $header =~ ^(rules|wording)/ ]] ;;
    table) [[ $header =~ ^(rules|table)/ ]] ;;
    net) [[ $header =~ ^(rules|table|net)/ ]] ;;
    session) [[ $header =~ ^($below) ]] ;;
    host) [[ $header =~ ^($below|$shared|net/) ]] ;;
    platform)
        local own siblings
        own=${path#src/host/}
        own=${own%%/*}
        case $own in
        window | terminal) siblings="|host/posix/|host/speech/" ;;
        web) siblings="|host/posix/|host/speech/|host/online/|net/" ;;
        windows) siblings="|host/speech/|host/online/" ;;
        online) siblings="|net/" ;;
        *) siblings="" ;;
        esac
        [[ $header =~ ^($below|$shared|host/$own/$siblings) ]] ;;
    server) [[ $header =~ ^($below|$shared|net/|host/posix/|host/server/) ]] ;;
    program) [[ $header =~ ^($below|host/|net/) ]] ;;
    esac
}

angleAllowed() {  # layer header
    local layer=$1 header=$2
    [[ $header =~ ^($project)/ ]] && return 1
    case $layer in
    rules | files | wording | table | session)
        [[ $header =~ ^($standard)$ ]] && ! [[ $header =~ ^($systemReaching)$ ]] ;;
    net)
        [[ $header =~ ^boost/json(\.hpp|/[A-Za-z0-9_/]+\.hpp)$ ]] ||
            { [[ $header =~ ^($standard)$ ]] && ! [[ $header =~ ^($systemReaching)$ ]]; } ;;
    host) [[ $header =~ ^($standard)$ ]] && ! [[ $header =~ ^($signals)$ ]] ;;
    platform | server | program) true ;;
    esac
}

status=0
refuse() {
    printf '%s\n' "$1"
    status=1
}

while IFS= read -r path; do
    layer=$(layerOf "$path")
    if [ -z "$layer" ]; then
        refuse "$path: in no layer (scripts/checkLayers.sh and ARCHITECTURE.md name each folder's)"
        continue
    fi
    while IFS= read -r found; do
        number=${found%%:*}
        line=${found#*:}
        where="$path:$number ($layer)"
        if ! [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"\<] ]]; then
            refuse "$where: not a plain #include of a named header: $line"
        elif [[ $line =~ ^[[:space:]]*#[[:space:]]*(include|include_next|import)[[:space:]]*\"([^\"]*)\" ]]; then
            header=${BASH_REMATCH[2]}
            if [[ $header =~ (^|/)\.\.?(/|$) || $header =~ ^/ ]] || ! [[ $header =~ ^($project)/ ]]; then
                refuse "$where: \"$header\" is not a path from src, which the build's include roots would check"
            elif [[ $header == game/Form1.h && $layer != session ]]; then
                refuse "$where: only the session includes its object, game/Form1.h; others go through GameSession"
            elif ! quotedAllowed "$layer" "$path" "$header"; then
                refuse "$where: may not include \"$header\""
            fi
        elif [[ $line =~ ^[[:space:]]*#[[:space:]]*(include|include_next|import)[[:space:]]*\<([^\>]*)\> ]]; then
            header=${BASH_REMATCH[2]}
            if ! angleAllowed "$layer" "$header"; then
                refuse "$where: may not include <$header>"
            fi
        else
            refuse "$where: not a plain #include of a named header: $line"
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*(include|include_next|import)\b' "$path" || true)
done < <(find src -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' -o -name '*.c' \
    -o -name '*.inc' -o -name '*.ipp' \) | sort)

exit $status
