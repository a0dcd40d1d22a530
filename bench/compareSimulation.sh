#!/usr/bin/env bash
# An earlier program against this one, timed one after the other in the same
# run: `--simulate GAMES --players 8` on Hundred Holds, by the wall clock on
# every core and in processor seconds, each program three times, the best of
# each kept (the machine may be shared). Both must print the same report.
#
#   bench/compareSimulation.sh EARLIER_PROGRAM NEW_PROGRAM [GAMES]
#
# Build the earlier program from its revision the same way, for example:
#   git worktree add /tmp/earlier REV && cmake -S /tmp/earlier -B /tmp/earlier-build \
#     -DCMAKE_BUILD_TYPE=Release -DSONARCH_TESTS=OFF && cmake --build /tmp/earlier-build --target sonarch
set -euo pipefail
earlier=$1 new=$2 games=${3:-1000}
map="$(dirname "$0")/../Maps/Hundred Holds.map"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

best() {  # program name: prints "wall cpu" of the best of three runs
    local program=$1 name=$2 bestWall="" bestCpu=""
    for _ in 1 2 3; do
        /usr/bin/time -f "%e %U %S" -o "$work/time" "$program" --simulate "$games" --players 8 --seed 11 "$map" \
            > "$work/$name.report"
        read -r wall user system < "$work/time"
        cpu=$(echo "$user + $system" | bc)
        if [ -z "$bestWall" ] || [ "$(echo "$wall < $bestWall" | bc)" = 1 ]; then bestWall=$wall; fi
        if [ -z "$bestCpu" ] || [ "$(echo "$cpu < $bestCpu" | bc)" = 1 ]; then bestCpu=$cpu; fi
    done
    echo "$bestWall $bestCpu"
}

read -r earlierWall earlierCpu < <(best "$earlier" earlier)
read -r newWall newCpu < <(best "$new" new)
cmp -s "$work/earlier.report" "$work/new.report" || { echo "the two reports differ" >&2; exit 1; }
printf 'earlier: %6.0f games a second by the wall clock, %6.0f a processor second\n' \
    "$(echo "$games / $earlierWall" | bc -l)" "$(echo "$games / $earlierCpu" | bc -l)"
printf 'new:     %6.0f games a second by the wall clock, %6.0f a processor second\n' \
    "$(echo "$games / $newWall" | bc -l)" "$(echo "$games / $newCpu" | bc -l)"
printf 'new against earlier: %.2f times by the wall clock, %.2f times by processor time\n' \
    "$(echo "$earlierWall / $newWall" | bc -l)" "$(echo "$earlierCpu / $newCpu" | bc -l)"
