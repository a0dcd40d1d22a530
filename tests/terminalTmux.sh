#!/usr/bin/env bash
# The real program in a real terminal: tmux runs `sonarch --text`, keys go in
# with send-keys and the screen is read back with capture-pane.
#   terminalTmux.sh PROGRAM basics|signals|menus|game|suspend|names
# Exits 0 when every check passed and 1 on a failure.
set -u
program=$(realpath "$1")
scenario=$2
work=$(mktemp -d)
socket="sonarch-test-$$"
export TERM=${TERM:-xterm-256color}
[ "$TERM" = dumb ] && export TERM=xterm-256color

mux() { tmux -L "$socket" -f "$work/tmux.conf" "$@"; }
cleanup() {
    local path
    path=$(mux display-message -p '#{socket_path}' 2>/dev/null)
    mux kill-server >/dev/null 2>&1
    [ -n "$path" ] && rm -f "$path"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The terminal hands a lone Escape on at once. With extended keys on, a
# program that asks for them gets Shift+Enter and the like as themselves.
# The server stays up between the scenario's games: one that exited with
# its last session could race the next game's new session on a busy machine.
printf 'set -s escape-time 0\nset -s exit-empty off\nset -g history-limit 5000\n' >"$work/tmux.conf"
mkdir -p "$work/Maps" "$work/Saves"

fail() {
    echo "FAIL ($scenario): $*"
    echo "--- screen"
    screen
    exit 1
}

# The whole pane, wrapped lines joined, blank lines left out.
screen() { mux capture-pane -p -J -S - -t game 2>/dev/null | sed '/^[[:space:]]*$/d'; }

# Starts the game in a fresh pane; the shell around it notes the terminal's
# settings before and after, and the exit status.
start() {
    rm -f "$work/stty-before" "$work/stty-after"
    mux kill-session -t game >/dev/null 2>&1
    mux new-session -d -s game -x 220 -y 50 \
        "cd '$work' && stty -g >stty-before; '$program' --text --speech none --data-dir '$work' $*; echo \"exit status \$?\"; stty -g >stty-after; sleep 60"
}

# Waits up to $2 seconds (default 10) until the screen holds the line $1,
# whole, the number of times $3 (default 1).
waitFor() {
    local text=$1 seconds=${2:-10} times=${3:-1} tries shown
    for ((tries = seconds * 20; tries > 0; tries--)); do
        # One look at the screen for all three questions, so that they agree.
        shown=$(screen)
        [ "$(grep -cxF -- "$text" <<<"$shown")" -ge "$times" ] && return 0
        grep -q "^exit status" <<<"$shown" && fail "the game ended before '$text'"
        sleep 0.05
    done
    fail "waited ${seconds}s for '$text' (${times} times)"
}

keys() { mux send-keys -t game "$@"; }
# Presses a key and waits for the line it must bring.
step() { keys "$1"; waitFor "$2"; }
typeText() { mux send-keys -t game -l "$1"; }
lastLine() { screen | tail -1; }

# The terminal is exactly as it was before the game.
expectRestored() {
    local tries
    for ((tries = 100; tries > 0; tries--)); do
        [ -s "$work/stty-after" ] && break
        sleep 0.05
    done
    [ -s "$work/stty-after" ] || fail "the shell did not get its terminal back"
    cmp -s "$work/stty-before" "$work/stty-after" ||
        fail "terminal settings not restored: $(cat "$work/stty-before") / $(cat "$work/stty-after")"
}

# The game is the one child of the pane's shell.
gamePid() {
    local shell status
    shell=$(mux display-message -p -t game '#{pane_pid}')
    status=$(grep -l "^PPid:[[:space:]]*$shell\$" /proc/[0-9]*/status 2>/dev/null | head -1)
    [ -n "$status" ] || fail "the game's process was not found"
    basename "$(dirname "$status")"
}

basics() {
    start
    waitFor "Welcome to Sonarch Alpha 1.4 by Korvel."
    step F12 "Sapi is now Off."
    step F12 "Sapi is now On."
    step '?' "Terminal keys: Backspace does what Ctrl does, it silences the voice and skips a pause; while you find a zone by name it erases. Equals does what Shift+Enter does, it ends the attack phase or the turn. Question mark repeats this help. Ctrl+C leaves the game at once, without saving. Ctrl+Z suspends it until you bring it back with fg."
    # The stand-in for Ctrl only silences: no line at all.
    keys BSpace
    keys F12
    waitFor "Sapi is now Off." 10 2
    step C-c "exit status 130"
    expectRestored
    local expected
    expected="Press question mark for the terminal keys.
Welcome to Sonarch Alpha 1.4 by Korvel.
Sapi is now Off.
Sapi is now On.
Terminal keys: Backspace does what Ctrl does, it silences the voice and skips a pause; while you find a zone by name it erases. Equals does what Shift+Enter does, it ends the attack phase or the turn. Question mark repeats this help. Ctrl+C leaves the game at once, without saving. Ctrl+Z suspends it until you bring it back with fg.
Sapi is now Off.
exit status 130"
    [ "$(screen)" = "$expected" ] || fail "the screen is not one plain line a sentence"
}

signals() {
    local signal status
    for signal in TERM INT HUP SEGV ABRT; do
        start
        waitFor "Welcome to Sonarch Alpha 1.4 by Korvel."
        status=$((128 + $(kill -l "$signal")))
        kill -s "$signal" "$(gamePid)"
        waitFor "exit status $status"
        expectRestored
    done
}

menus() {
    start
    waitFor "Welcome to Sonarch Alpha 1.4 by Korvel."
    # The first key but Enter and the arrows speaks the last item.
    step Escape "Exit"
    step Enter "Goodbye!"
    waitFor "exit status 0"
    expectRestored
}

# Four zones in a ring: room for one computer player.
writeMap() {
    printf 'Test Ring\r\n4\r\nNorth\r\n2\r\n1\r\n3\r\nEast\r\n2\r\n0\r\n2\r\nSouth\r\n2\r\n1\r\n3\r\nWest\r\n2\r\n2\r\n0\r\n' \
        >"$work/Maps/ring.map"
}

# Skips the pauses of the computer players' turn with the Ctrl stand-in
# until the turn is back with the player for the n-th time.
untilYourTurn() {
    local n=$1 tries
    for ((tries = 200; tries > 0; tries--)); do
        [ "$(screen | grep -cxF "It is your turn.")" -ge "$n" ] && return 0
        keys BSpace
        sleep 0.1
    done
    fail "the computer players' turn did not come back to the player"
}

# Moves through the main menu until the item is spoken.
menuTo() {
    local item=$1 tries
    for ((tries = 6; tries > 0; tries--)); do
        [ "$(lastLine)" = "$item" ] && return 0
        keys Down
        sleep 0.2
    done
    fail "the main menu never reached $item"
}

game() {
    writeMap
    printf 'set -g extended-keys on\n' >>"$work/tmux.conf"
    start --seed 3
    waitFor "Welcome to Sonarch Alpha 1.4 by Korvel."
    step Enter "NewGame"
    step Enter "Select Map"
    step Enter "ring.map"
    step Enter "How many computer players would you like? The max is 1."
    step 1 "Choose your starting zone and press Spacebar. You are now in North."
    step Space "North is now under your control. Choose where to place your points."
    step Space "The army of North was increased to 2. You have 0 points remaining."
    # The last point ends the turn; the computer player's turn follows.
    untilYourTurn 1
    # Shift+Enter arrives as itself where the terminal has extended keys.
    step S-Enter "Choose where to place your points."
    # The stand-in for Shift+Enter ends the turn.
    keys '='
    untilYourTurn 2
    step . "1. It is your turn."
    step Escape "Main Menu"
    keys Down
    menuTo "Save Game"
    step Enter "Name your save and hit enter."
    typeText "ring game"
    step Enter "Game Saved!"
    [ -f "$work/Saves/ring game.snr" ] || fail "no saved game file"
    step Down "Exit"
    step Enter "A game is in progress. Press Enter again to exit without saving, or any other key to stay."
    step Enter "Goodbye!"
    waitFor "exit status 0"
    expectRestored

    start
    waitFor "Welcome to Sonarch Alpha 1.4 by Korvel."
    step Down "NewGame"
    step Down "Load Game"
    step Enter "Select Game to Load"
    step Enter "ring game.snr"
    step Enter "Game Loaded!"
    step z "North controlled by You."
    # In a search Backspace erases instead.
    step f "Find a zone: type the start of its name."
    step x "No zone starts with x."
    keys BSpace
    waitFor "Find a zone: type the start of its name." 10 2
    step Escape "Search ended. You are still at North."
    step C-c "exit status 130"
    expectRestored
}


# The processor time the game has used, in clock ticks, and its state (T: stopped).
cpuTicks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
processState() { awk '{ print $3 }' "/proc/$1/stat"; }

# Waits until the game's process is in the state.
waitForState() {
    local pid=$1 state=$2 tries
    for ((tries = 200; tries > 0; tries--)); do
        [ "$(processState "$pid")" = "$state" ] && return 0
        sleep 0.05
    done
    fail "the game's process is $(processState "$pid"), not $state"
}

# Ctrl+Z and a SIGTSTP from outside stop the game with the terminal as the
# shell had it; fg gives the game its keys back one by one; while stopped it
# uses no processor.
suspend() {
    mux kill-session -t game >/dev/null 2>&1
    mux new-session -d -s game -x 220 -y 50 "cd '$work' && PS1='shell> ' exec bash --norc --noprofile -i"
    local pid ticks rounds=0 tries
    for ((tries = 200; tries > 0; tries--)); do
        screen | grep -q '^shell>' && break
        sleep 0.05
    done
    # The game alone on its command line: a stopped job ends a list of commands.
    typeText "stty -g >stty-before"
    keys Enter
    typeText "'$program' --text --speech none --data-dir '$work'"
    keys Enter
    waitFor "Welcome to Sonarch Alpha 1.4 by Korvel."
    pid=$(gamePid)
    for way in Ctrl+Z SIGTSTP; do
        rounds=$((rounds + 1))
        if [ "$way" = Ctrl+Z ]; then keys C-z; else kill -s TSTP "$pid"; fi
        waitForState "$pid" T
        ticks=$(cpuTicks "$pid")
        sleep 1
        [ "$(cpuTicks "$pid")" = "$ticks" ] || fail "the game ran while stopped by $way"
        typeText "stty -g >stty-during"
        keys Enter
        for ((tries = 100; tries > 0; tries--)); do
            [ -s "$work/stty-during" ] && break
            sleep 0.05
        done
        cmp -s "$work/stty-before" "$work/stty-during" || fail "the terminal was not the shell's while stopped by $way"
        rm -f "$work/stty-during"
        typeText "fg"
        keys Enter
        waitForState "$pid" S
        # One key, no Enter: the game reads keys one by one again.
        keys F12
        waitFor "Sapi is now Off." 10 "$rounds"
        keys F12
        waitFor "Sapi is now On." 10 "$rounds"
        ticks=$(cpuTicks "$pid")
        sleep 1
        [ $(($(cpuTicks "$pid") - ticks)) -le 5 ] || fail "the game spins after $way and fg"
    done
    keys C-c
    typeText 'echo "exit status $?"; stty -g >stty-after'
    keys Enter
    waitFor "exit status 130"
    expectRestored
}

# Names from the files of the folders and from inside a map reach the
# terminal with their control characters shown, never obeyed: neither the
# pane's title nor its screen changes.
names() {
    writeMap
    mv "$work/Maps/ring.map" "$work/Maps/"$'\e]2;owned\a\e[2J'".map"
    start
    waitFor "Welcome to Sonarch Alpha 1.4 by Korvel."
    step Enter "NewGame"
    step Enter "Select Map"
    step Enter "^[]2;owned^G^[[2J.map"
    [ "$(mux display-message -p -t game '#{pane_title}')" != owned ] || fail "a file name retitled the terminal"
    waitFor "Welcome to Sonarch Alpha 1.4 by Korvel."
    step C-c "exit status 130"
    expectRestored
}

case "$scenario" in
basics | signals | menus | game | suspend | names) "$scenario" ;;
*) echo "unknown scenario $scenario"; exit 2 ;;
esac
echo "terminal $scenario: all checks passed"
