# What the online tests' scripts share, sourced by each: a folder of their
# own removed at the end with every process they started, the failures
# counted, and waits that give up. WAIT_TENTHS sets how long a wait lasts
# (300 tenths of a second unless set).
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# waitFor FILE TEXT [COUNT]: until FILE holds TEXT COUNT times.
waitFor() {
    local count=${3:-1}
    for _ in $(seq "${WAIT_TENTHS:-300}"); do
        [ "$(grep -c -F -- "$2" "$1" 2>/dev/null)" -ge "$count" ] && return 0
        sleep 0.1
    done
    fail "waited in vain for '$2' in $(basename "$1")"
    return 1
}

# expectLine WHO TEXT: WHO's transcript ($work/WHO.out) holds TEXT exactly once.
expectLine() {
    local found
    found=$(grep -c -F -- "$2" "$work/$1.out")
    [ "$found" = 1 ] || fail "$1 heard '$2' $found times"
}

# passTurns N: script lines that wait for the turn, then end the attacks and the placing.
passTurns() {
    for _ in $(seq "$1"); do printf 'wait It is your turn\nShift+Enter\nShift+Enter\n'; done
}
