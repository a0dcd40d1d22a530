#!/usr/bin/env bash
# Builds each layer probe on its own (see CMakeLists.txt) and checks the
# outcome: "fail" probes must stop at their include, not found; "pass" probes
# must build.
# Usage: layerProbes.sh BUILD_DIR PROBE_LIST
set -uo pipefail
build=$1
list=$2
status=0
while read -r target expected header; do
    output=$(cmake --build "$build" --target "$target" 2>&1)
    built=$?
    name=${header#<}
    name=${name%>}
    if [ "$expected" = pass ]; then
        if [ $built -ne 0 ]; then
            printf '%s: %s should build and does not:\n%s\n' "$target" "$header" "$output"
            status=1
        fi
    elif [ $built -eq 0 ]; then
        printf '%s: %s builds, though the layer may not include it\n' "$target" "$header"
        status=1
    elif ! grep -qF -e "$name: No such file" -e "'$name' file not found" <<<"$output"; then
        printf '%s: %s fails for another reason than a missing header:\n%s\n' "$target" "$header" "$output"
        status=1
    fi
done <"$list"
[ $status -eq 0 ] && echo "every layer probe gave what it should"
exit $status
