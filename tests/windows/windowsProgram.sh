#!/usr/bin/env bash
# The real Windows program under Wine on an X server without a screen
# (Xvfb): keys pressed with xdotool, the title read back, the picture checked
# at the zone centres, the save dialog used by keys, a pause that costs no
# processor, and closing the window inside a pause. Wine's voice cannot
# speak and no screen reader runs, so the voice falls back to the title
# with its reason.
set -u
program=$1 source=$2
wine=$source/scripts/wine-run.sh
# The X server of the test run's Wine prefix (tests/windows/winePrefix.sh).
export DISPLAY
DISPLAY=$(cat "$SONARCH_WINEPREFIX/.display") || exit 1
unset XAUTHORITY
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

newData() {  # folder
    mkdir -p "$1/Maps" "$1/Saves"
    cp "$source/Maps/Simple World.map" "$1/Maps/"
}

# Starts the program in the background; sets pid and window.
start() {
    "$wine" "$program" "$@" </dev/null >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -1)
    if [ -z "$window" ]; then
        fail "no window appeared for: $*"; cat "$work/stderr"
        return 1
    fi
    xdotool windowfocus --sync "$window"
}

title() { xdotool getwindowname "$window" 2>/dev/null; }

# Waits until the title is the text given, up to 15 seconds.
titleBecomes() {
    for _ in $(seq 300); do
        [ "$(title)" = "$1" ] && return 0
        sleep 0.05
    done
    fail "title is '$(title)', expected '$1'"
    return 1
}

# Waits up to the seconds given for the program to end.
endsWithin() {
    for _ in $(seq $(($1 * 20))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the program did not end within $1 seconds of closing its window"
        kill -KILL "$pid"
    fi
    wait "$pid"
    local status=$?
    pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

closeWindow() {  # seconds allowed
    xdotool key --window "$window" alt+F4
    endsWithin "$1"
}

cpuTicks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }

# --- The voice falls back to the title with its reason; F12 still works;
# waiting costs nothing.
data=$work/data
newData "$data"
if start --data-dir "$data" --speech auto; then
    titleBecomes "Welcome to Sonarch Alpha 1.4 by Korvel. Speech is unavailable (no screen reader is running and the Windows voice refuses to speak), so sentences are shown as text only."
    xdotool key F12
    titleBecomes "Sapi is now Off."
    xdotool key F3
    titleBecomes "Computer players: strong."
    ticks=$(cpuTicks)
    sleep 2
    used=$(($(cpuTicks) - ticks))
    # A waiting loop would use 200 ticks in these 2 seconds.
    [ "$used" -le 20 ] || fail "the waiting window used $used ticks of processor in 2 seconds"
    closeWindow 10
fi

# --- A game on "Simple World Map" started by keys, the picture after the
# starting claim, the pauses cut short by Ctrl, then the game saved
# through the dialog. The same keys played headless give the title to wait
# for after each step and the picture the window must show.
steps=(Down Enter Enter Enter 1 Space @picture "@ctrl Space" Escape Down Down Enter "type my game")
scriptOf() {  # the headless script of the first n steps
    local step
    for step in "${steps[@]:0:$1}"; do
        case "$step" in
        @picture) ;;
        "@ctrl "*) echo "${step#@ctrl }" ;;
        *) echo "$step" ;;
        esac
    done
}
headless() {  # steps, then the options of the run
    local count=$1
    shift
    rm -rf "$work/headless" && newData "$work/headless"
    scriptOf "$count" | "$wine" "$program" --headless --data-dir "$work/headless" --seed 5 "$@"
}
for i in "${!steps[@]}"; do [ "${steps[$i]}" = @picture ] && break; done
headless "$i" --draw-log |
    awk '/^draw: clear/{n=0; delete c} /^draw: colour/{colour=$3" "$4" "$5} /^draw: circle/ && $5 == 35 {c[++n]=$3" "$4" "colour} END{for(i=1;i<=n;i++) print c[i]}' \
        >"$work/zones"
grep -q " 200 255 255$" "$work/zones" || fail "the headless game shows no zone of the player"
game=$work/game
newData "$game"
if start --data-dir "$game" --seed 5 --speech none; then
    for i in "${!steps[@]}"; do
        step=${steps[$i]}
        if [ "$step" = @picture ]; then
            import -window "$window" "$work/shot.png"
            while read -r x y red green blue; do
                want=$(printf '#%02X%02X%02X' "$red" "$green" "$blue")
                got=$(convert "$work/shot.png" -crop "1x1+$x+$y" +repage -depth 8 txt:- |
                    grep -o '#[0-9A-F]\{6\}' | head -1)
                [ "$got" = "$want" ] || fail "the zone at $x,$y is $got in the window, $want headless"
            done <"$work/zones"
            continue
        fi
        headless $((i + 1)) >"$work/prefix.txt" 2>/dev/null
        last=$(grep -E '^(say|msg|caption|caption-msg): ' "$work/prefix.txt" | tail -1 | sed -E 's/^[a-z-]+: //')
        pauses=$(awk '/^(say|msg|caption|caption-msg): /{total=0} /^pause: /{total+=$2} END{print total+0}' "$work/prefix.txt")
        case "$step" in
        "@ctrl "*)
            # X repeats no held modifier for Wine, so Ctrl is pressed as
            # Windows' own key repeat would send it while held.
            xdotool key space
            xdotool key --repeat 30 --delay 50 ctrl
            continue ;;
        "type "*)
            dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "^Save Game$" | head -1)
            [ -n "$dialog" ] || { fail "no save dialog appeared"; break; }
            xdotool windowfocus --sync "$dialog"
            xdotool type --delay 30 "${step#type }"
            xdotool key Return
            last="Game Saved!" ;;
        Enter) xdotool key Return ;;
        Space) xdotool key space ;;
        *) xdotool key "$step" ;;
        esac
        titleBecomes "$last" || break
        sleep "$(awk -v p="$pauses" 'BEGIN{print p + 0.3}')"
    done
    cmp -s "$work/headless/Saves/my game.snr" "$game/Saves/my game.snr" ||
        fail "the game saved through the dialog differs from the one saved headless"
    closeWindow 10
fi

# --- Closing the window inside the pause after the last point placed ends
# the program at once, not after the seven seconds of pauses that follow (Wine takes
# a moment to end a process).
steps=(Down Enter Enter Enter 1 Space Space)
placed=$(headless 7 | grep -E '^msg: ' | grep -m1 "points remaining" | sed 's/^msg: //')
newData "$work/closed"
if start --data-dir "$work/closed" --seed 5 --speech none; then
    xdotool key --delay 150 Down Return Return Return 1 space space
    titleBecomes "$placed"
    closeWindow 4
fi

[ "$failures" -eq 0 ] && echo "all Windows window checks passed"
exit "$failures"
