#!/usr/bin/env bash
# The real program in a real window on an X server without a screen (Xvfb):
# keys pressed with xdotool, the title read back, the sound it plays caught
# by SDL's disk audio driver, and the picture checked pixel by pixel.
set -u
program=$1
source=$2
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
    "$@" </dev/null >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    window=$(timeout 15 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -1)
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

# Ends the program as closing the window does (SDL turns the signal into
# the same quit event; without a window manager nothing else can close it).
closeWindow() {
    kill -TERM "$pid"
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the program did not end when its window was closed"
        kill -KILL "$pid"
    fi
    wait "$pid"
    local status=$?
    pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status when closed"
}

# Bytes of sound that are not silence.
soundBytes() { tr -d '\000' <"$1" 2>/dev/null | wc -c; }

cpuTicks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }

# --- The welcome is heard at once, F12 shows speech off in the title, waiting costs nothing.
data=$work/data
newData "$data"
export SPEECHD_ADDRESS=unix_socket:$work/no-speech-dispatcher.sock
if SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/sound.raw start "$program" --data-dir "$data" --speech auto; then
    titleBecomes ""
    for _ in $(seq 100); do
        [ "$(soundBytes "$work/sound.raw")" -gt 20000 ] && break
        sleep 0.05
    done
    [ "$(soundBytes "$work/sound.raw")" -gt 20000 ] || fail "the welcome was not heard"
    xdotool key F12
    titleBecomes "Sapi is now Off."
    before=$(soundBytes "$work/sound.raw")
    xdotool key F12
    sleep 1
    [ "$(title)" = "Sapi is now Off." ] || fail "speaking changed the title to '$(title)'"
    [ "$(soundBytes "$work/sound.raw")" -gt $((before + 10000)) ] || fail "\"Sapi is now On.\" was not heard"
    ticks=$(cpuTicks)
    sleep 2
    used=$(($(cpuTicks) - ticks))
    # A waiting loop would use 200 ticks in these 2 seconds.
    [ "$used" -le 20 ] || fail "the waiting window used $used ticks of processor in 2 seconds"
    closeWindow
fi

# --- Without any sound the welcome says why there is no voice and no cues,
# in the title, and the sound system's errors are not printed on standard error.
if SDL_AUDIODRIVER=no-such-sound start "$program" --data-dir "$data" --speech auto; then
    titleBecomes "Welcome to Sonarch Alpha 1.4 by Korvel. Speech is unavailable (Speech Dispatcher is not running and the built-in voice found no sound output), so sentences are shown as text only. Sound cues are unavailable (no sound output), so events are told in words only."
    closeWindow
    grep -i "audio\|sound" "$work/stderr" && fail "without sound, standard error holds the sound system's errors"
fi

# --- Without a display there is no window, and the program says so.
env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$program" --data-dir "$data" </dev/null >/dev/null 2>"$work/nodisplay"
grep -q "no window could be opened" "$work/nodisplay" || fail "no display: $(cat "$work/nodisplay")"

# --- A game on "Simple World Map" started by keys, the picture after the
# starting claim, then the game saved under a name typed by ear.
# The same steps are played headless first: its transcript gives the title to
# wait for after each step and the picture the window must show.
# "@ctrl Space": Space, then Ctrl held through the turn of the computer
# player, whose pauses it must cut short: the next key is refused otherwise.
steps=(Down Enter Enter Enter 1 Space @picture "@ctrl Space" Escape Down Down Enter "type my game" Escape)
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
headless=$work/headless
newData "$headless"
scriptOf ${#steps[@]} | "$program" --headless --data-dir "$headless" --seed 5 --draw-log \
    >"$work/full.txt" 2>"$work/full.err"
if [ $? -ne 0 ] || ! grep -q "^draw: circle" "$work/full.txt"; then
    echo "SKIP game in the window: this build cannot yet play these keys headless"
    sed -n 1,3p "$work/full.err"
else
    # The picture when the window's screenshot is taken: each circle's centre and tint.
    for i in "${!steps[@]}"; do [ "${steps[$i]}" = @picture ] && break; done
    scriptOf "$i" | "$program" --headless --data-dir "$headless" --seed 5 --draw-log |
        awk '/^draw: clear/{n=0; delete c} /^draw: colour/{colour=$3" "$4" "$5} /^draw: circle/{c[++n]=$3" "$4" "$5" "colour} END{for(i=1;i<=n;i++) print c[i]}' \
            >"$work/circles"
    awk '$3 == 35 {print $1, $2, $4, $5, $6}' "$work/circles" >"$work/zones"
    awk '$3 != 35 {print $1, $2, $3, $4, $5, $6}' "$work/circles" >"$work/ring"
    [ "$(wc -l <"$work/ring")" -eq 1 ] || fail "the headless picture marks $(wc -l <"$work/ring") zones as the cursor's"
    grep -q " 200 255 255$" "$work/zones" || fail "the headless game shows no zone of the player"
    grep -q " 255 255 255$" "$work/zones" || fail "the headless game shows no unclaimed zone"
    grep -q "^pause: 5" "$work/full.txt" || fail "the headless game has no computer player's pause"
    game=$work/game
    newData "$game"
    if SDL_AUDIODRIVER=no-such-sound start "$program" --data-dir "$game" --seed 5 --speech none; then
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
                # The cursor zone's ring, just outside its disc.
                read -r x y radius red green blue <"$work/ring"
                want=$(printf '#%02X%02X%02X' "$red" "$green" "$blue")
                got=$(convert "$work/shot.png" -crop "1x1+$((x + radius - 2))+$y" +repage -depth 8 txt:- |
                    grep -o '#[0-9A-F]\{6\}' | head -1)
                [ "$got" = "$want" ] || fail "the cursor zone's ring is $got in the window, not $want"
                # Every text stays inside its disc: nothing but the background
                # lies farther from every centre than the ring.
                outside=$(convert "$work/shot.png" -depth 8 txt:- | awk -v zones="$work/zones" '
                    BEGIN { while ((getline line < zones) > 0) { split(line, z, " "); cx[++n] = z[1]; cy[n] = z[2] } }
                    /^#/ { next }
                    { split($1, p, "[,:]"); if (index($0, "#F0F0F0") > 0) next
                      inside = 0
                      for (i = 1; i <= n; i++) if ((p[1] - cx[i])^2 + (p[2] - cy[i])^2 <= 42 * 42) inside = 1
                      if (!inside) count++ }
                    END { print count + 0 }')
                [ "$outside" -eq 0 ] || fail "$outside pixels of the picture lie outside the discs"
                continue
            fi
            # A step that opens the save prompt ends the headless run there,
            # after the prompt's question.
            # Afresh each time: an earlier replay's save would be asked about.
            rm -f "$headless/Saves/my game.snr"
            scriptOf $((i + 1)) | "$program" --headless --data-dir "$headless" --seed 5 \
                >"$work/prefix.txt" 2>/dev/null
            last=$(grep -E '^(say|msg|caption|caption-msg): ' "$work/prefix.txt" | tail -1 | sed -E 's/^[a-z-]+: //')
            # Pauses after the last sentence still run when it shows.
            pauses=$(awk '/^(say|msg|caption|caption-msg): /{total=0} /^pause: /{total+=$2} END{print total+0}' "$work/prefix.txt")
            case "$step" in
            "@ctrl "*)
                xdotool key space keydown ctrl
                sleep 1.5
                xdotool keyup ctrl
                continue ;;
            "type "*)
                xdotool type --delay 30 "${step#type }"
                titleBecomes "Name your save and hit enter. ${step#type }"
                xdotool key Return ;;
            Enter) xdotool key Return ;;
            Space) xdotool key space ;;
            *) xdotool key "$step" ;;
            esac
            titleBecomes "$last" || break
            sleep "$(awk -v p="$pauses" 'BEGIN{print p + 0.3}')"
        done
        cmp -s "$headless/Saves/my game.snr" "$game/Saves/my game.snr" ||
            fail "the game saved in the window differs from the one saved headless"
        closeWindow
    fi

    # Closing the window inside a pause ends the program at once, not after
    # the seven seconds of pauses that follow the last point placed.
    printf '%s\n' Down Enter Enter Enter 1 Space Space |
        "$program" --headless --data-dir "$headless" --seed 5 >"$work/placed.txt"
    placed=$(grep -E '^msg: ' "$work/placed.txt" | grep -m1 "points remaining" | sed 's/^msg: //')
    grep -A1 "points remaining" "$work/placed.txt" | grep -q "^pause: 2" ||
        fail "no pause follows the last point placed"
    newData "$work/closed"
    if SDL_AUDIODRIVER=no-such-sound start "$program" --data-dir "$work/closed" --seed 5 --speech none; then
        xdotool key --delay 150 Down Return Return Return 1 space space
        titleBecomes "$placed"
        closeWindow
    fi
fi

[ "$failures" -eq 0 ] && echo "all window checks passed"
exit "$failures"
