#!/usr/bin/env bash
# The headless options, script lines, output lines and exit statuses, checked
# on the real program as outside tests drive it.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Maps" "$work/Saves"
failures=0

expect() {  # name, expected output, actual output
    if [ "$2" != "$3" ]; then
        echo "FAIL $1"; echo "--- expected"; echo "$2"; echo "--- got"; echo "$3"
        failures=$((failures + 1))
    fi
}

got=$(printf 'F12\nF12\n' | "$program" --headless --data-dir "$work")
expect "speech switch" "say: Welcome to Sonarch Alpha 1.4 by Korvel.
caption: Sapi is now Off.
say: Sapi is now On." "$got"

printf 'F12\nNoSuchKey\n' | "$program" --headless --data-dir "$work" >"$work/out" 2>"$work/err"
status=$?
expect "bad line status" 2 "$status"
expect "bad line plays nothing" "" "$(cat "$work/out")"
grep -q "line 2" "$work/err" || { echo "FAIL bad line message: $(cat "$work/err")"; failures=$((failures + 1)); }

printf '0.5\n1.5\n' >"$work/random"
"$program" --headless --data-dir "$work" --random "$work/random" </dev/null >/dev/null 2>&1
expect "bad random file status" 2 "$?"

# A mistyped --data-dir is refused, not made.
"$program" --headless --data-dir "$work/no/such/folder" </dev/null >"$work/out" 2>"$work/err"
expect "missing data folder status" 2 "$?"
expect "missing data folder message" "sonarch: the folder given with --data-dir does not exist: $work/no/such/folder" \
    "$(cat "$work/err")"
[ -e "$work/no" ] && { echo "FAIL a missing data folder was made"; failures=$((failures + 1)); }

"$program" --headless --no-such-option </dev/null >/dev/null 2>&1
expect "unknown option status" 2 "$?"

got=$(printf '# a comment\n\nF12\n' | "$program" --headless --data-dir "$work" --seed 7)
expect "comments and seed" "say: Welcome to Sonarch Alpha 1.4 by Korvel.
caption: Sapi is now Off." "$got"

# wait TEXT goes on once a sentence holding TEXT has been told since the line
# before it; offline, a wait for what was never told stops the script at once.
got=$(printf 'F12\nwait Sapi is now Off\nF12\n' | "$program" --headless --data-dir "$work")
expect "wait met" "say: Welcome to Sonarch Alpha 1.4 by Korvel.
caption: Sapi is now Off.
say: Sapi is now On." "$got"
printf 'F12\nF12\nwait Sapi is now Off\nF12\n' | "$program" --headless --data-dir "$work" >"$work/out" 2>"$work/err"
expect "wait in vain status" 3 "$?"
grep -q "line 3" "$work/err" || { echo "FAIL wait in vain message: $(cat "$work/err")"; failures=$((failures + 1)); }
[ "$(grep -c Sapi "$work/out")" = 2 ] || { echo "FAIL the script went on after a wait in vain"; failures=$((failures + 1)); }

# O in the main menu asks for a server, a capital O (Caps Lock) too.
got=$(printf 'Shift+O\ncancel\n' | "$program" --headless --data-dir "$work" | sed -n 2p)
expect "Shift+O goes online" "say: Online game. Type the server's address, or press Enter for http://127.0.0.1:7878/." "$got"

# A room's options belong to the room made, and a turn limit is one the
# server knows; a wrong one is refused before anything connects.
"$program" --headless --server http://127.0.0.1:1/ --join KQXW --public </dev/null >/dev/null 2>"$work/err"
expect "public without create status" 2 "$?"
expect "public without create message" "sonarch: --public and --turn-seconds go with --create" \
    "$(head -n 1 "$work/err")"
"$program" --headless --server http://127.0.0.1:1/ --create "Broad World" --turn-seconds 45 </dev/null \
    >/dev/null 2>"$work/err"
expect "odd turn limit status" 2 "$?"
expect "odd turn limit message" "sonarch: --turn-seconds takes 0, 60, 120 or 300, not '45'" "$(head -n 1 "$work/err")"

# --voice-log tells how each sentence meets the voice, before its line.
got=$(printf 'F12
' | "$program" --headless --data-dir "$work" --voice-log)
expect "voice log" "voice: Welcome to Sonarch Alpha 1.4 by Korvel.
say: Welcome to Sonarch Alpha 1.4 by Korvel.
caption: Sapi is now Off." "$got"

[ "$failures" -eq 0 ] && echo "all program contract checks passed"
exit "$failures"
