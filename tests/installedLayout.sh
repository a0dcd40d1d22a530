#!/usr/bin/env bash
# The program as installed by `cmake --install`: bundled maps listed with the
# player's own, games saved and maps made in the player's data folder and
# nothing written where it is installed; the portable layout and --data-dir as before.
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $1"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$work/usr" >/dev/null || { echo "FAIL install"; exit 1; }
program=$work/usr/games/sonarch
home=$work/home
own=$home/.local/share/sonarch
mkdir -p "$own/Maps"
printf 'Mine\n4\nA,1,1\nB,2,0,2\nC,2,1,3\nD,1,2\n' >"$own/Maps/Four Corners.map"
cp "$own/Maps/Four Corners.map" "$own/Maps/Zeta.map"
run() { env -i HOME="$home" "$@"; }

folders() { run "$@" "$program" --help | sed -n '/^This run/,/saves:/p' | tr -s ' ' | tr '\n' '|'; }
bundled="$work/usr/share/sonarch/Maps"
[ "$(folders)" = "This run (installed):| maps: $bundled| $own/Maps| saves: $own/Saves|" ] || fail "home: $(folders)"
[ "$(folders XDG_DATA_HOME=/x)" = "This run (installed):| maps: $bundled| /x/sonarch/Maps| saves: /x/sonarch/Saves|" ] ||
    fail "XDG_DATA_HOME: $(folders XDG_DATA_HOME=/x)"
[ "$(folders XDG_DATA_HOME=rel)" = "$(folders)" ] || fail "a relative XDG_DATA_HOME is not ignored"
# HOME set but empty is no home: the account's own is used, not the folder the game starts in.
account=$(getent passwd "$(id -u)" | cut -d: -f6)/.local/share/sonarch
[ "$(folders HOME=)" = "This run (installed):| maps: $bundled| $account/Maps| saves: $account/Saves|" ] ||
    fail "an empty HOME: $(folders HOME=)"
settings() { run "$@" "$program" --help | sed -n 's/^  settings: //p'; }
[ "$(settings)" = "$home/.config/sonarch/settings.txt" ] || fail "settings: $(settings)"
[ "$(settings XDG_CONFIG_HOME=/c)" = "/c/sonarch/settings.txt" ] || fail "XDG_CONFIG_HOME: $(settings XDG_CONFIG_HOME=/c)"
[ "$(settings XDG_CONFIG_HOME=)" = "$(settings)" ] || fail "an empty XDG_CONFIG_HOME is not ignored"

# Every map in order, back to Four Corners (the player's own), a game begun
# on it and saved.
touch "$work/stamp"
keys=(Enter Enter Down Down Down Down Down Down Down Up Up Up Up Up Enter 1 Space Escape Down Enter)
got=$(printf '%s\n' "${keys[@]}" 'type first' | run "$program" --headless --seed 3 |
    grep -E '\.map$|now in|Saved' | sed 's/^say: //' | tr '\n' '|')
expected="Broad World.map|Four Corners.map|Hundred Holds.map|Old Towns.map|Simple World.map|\
Tumbling Waters.map|Zeta.map|Tumbling Waters.map|Simple World.map|Old Towns.map|Hundred Holds.map|\
Four Corners.map|Four Corners.map|msg: Choose your starting zone and press Spacebar. You are now in A.|\
Game Saved!|"
[ "$got" = "$expected" ] || { fail "installed game"; echo "$got"; }
[ -f "$own/Saves/first.snr" ] || fail "the save is not in the player's folder"
# G in the map list saves the new map among the player's own, in a folder made for it.
made=$(printf 'Enter\nEnter\nG\n' | run XDG_DATA_HOME="$work/fresh" "$program" --headless --seed 3 |
    sed -n 's/^say: Made the map .*, saved as \(.*\.map\)\. Press Enter.*/\1/p')
[ -n "$made" ] && [ -f "$work/fresh/sonarch/Maps/$made" ] || fail "the made map '$made' is not in the player's folder"
[ -z "$(find "$work/usr" -newer "$work/stamp")" ] || fail "the game wrote where it is installed"

mkdir "$work/portable"
cp -r "$program" "$bundled" "$work/portable/"
portable=$(run "$work/portable/sonarch" --help | grep -A2 '^This run' | tr -s ' ' | tr '\n' '|')
[ "$portable" = "This run (portable):| maps: $work/portable/Maps| saves: $work/portable/Saves|" ] ||
    fail "portable: $portable"
[ "$(run "$work/portable/sonarch" --help | sed -n 's/^  settings: //p')" = "$work/portable/settings.txt" ] ||
    fail "portable settings"
given=$(run "$program" --data-dir "$work/d/" --help | grep -A2 '^This run' | tr -s ' ' | tr '\n' '|')
[ "$given" = "This run (given with --data-dir):| maps: $work/d/Maps| saves: $work/d/Saves|" ] || fail "given: $given"

run "$program" --no-such-option >/dev/null 2>"$work/err"
[ $? -eq 2 ] && grep -q '^  --version' "$work/err" || fail "an unknown option is not answered with the help"
run "$program" --version | grep -qx 'sonarch [0-9.]*' || fail "version"

[ "$failures" -eq 0 ] && echo "all installed layout checks passed"
exit "$failures"
