#!/usr/bin/env bash
# --make-map through the real program: what it says, the file it writes (the
# same for the same seed, never over another file, one the check finds
# nothing wrong with) and the options it refuses.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

got=$("$program" --make-map --zones 5 --seed 7 "$work/tiny.map")
[ "$got" = "Made the map Balwen Hills, 5 zones, from seed 7, in $work/tiny.map." ] || fail "tiny map: $got"
got=$("$program" --check-map "$work/tiny.map" | sed -n '1p;$p' | tr '\n' '|')
[ "$got" = "The map Balwen Hills has 5 zones.|Nothing stops play; 0 warnings.|" ] || fail "tiny map check: $got"

# Without a seed one is picked and said; the same seed gives the same file.
got=$("$program" --make-map "$work/usual.map")
seed=$(echo "$got" | sed -n 's/^Made the map .*, 30 zones, from seed \([0-9]\{1,6\}\), in .*\.$/\1/p')
[ -n "$seed" ] || fail "picked seed: $got"
"$program" --make-map --seed "$seed" "$work/again.map" >/dev/null
cmp -s "$work/usual.map" "$work/again.map" || fail "seed $seed gave another file"
"$program" --check-map "$work/usual.map" >/dev/null || fail "the check stops a made map: $(cat "$work/usual.map")"

# A file already there is left as it was.
"$program" --make-map --zones 100 --seed 1 "$work/usual.map" >"$work/out" 2>"$work/err"
[ $? -eq 1 ] || fail "over a file: status"
[ "$(cat "$work/err")" = "sonarch: the map cannot be written to $work/usual.map: File exists" ] ||
    fail "over a file: $(cat "$work/err")"
cmp -s "$work/usual.map" "$work/again.map" || fail "the file already there was changed"

for bad in "--zones 3 x.map" "--zones 101 x.map" "--zones" "--seed -1 x.map" "x.map y.map" "--zone 5 x.map" ""; do
    # shellcheck disable=SC2086
    (cd "$work" && "$program" --make-map $bad >/dev/null 2>&1)
    [ $? -eq 2 ] || fail "options '$bad' are not refused"
done
[ ! -e "$work/x.map" ] || fail "refused options wrote a file"

[ "$failures" -eq 0 ] && echo "all map maker checks passed"
exit "$failures"
