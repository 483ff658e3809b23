#!/bin/bash
# Runs the real program as a user would, under Xvfb with the openbox window
# manager, from a copy of data/ in a folder named "café 〜", with the music
# written to a file by SDL's disk audio driver.
#
# First run: the title screen closed with Alt+F4 ends the program.
# Second run: clicks the title, closes the settings window with Alt+F4 (the
# defaults stay), checks where openbox placed the windows and what it lets the
# user do with them, copies the poem through the pop-up menu until the copy
# holds the poet name (the reveal is over), checks the clipboard and the music,
# and closes the card with Alt+F4, which must end the program.
# Every wait is for what the step needs, with a deadline; none is for a time.
# With --measure it also reports start-up time, memory and idle CPU.
#   tests/e2e/run_e2e.sh PROGRAM DATA_DIR [--measure]
# An empty DATA_DIR starts the program in a folder without phrase files, as an
# installed program is started from a desktop menu.
set -euo pipefail
program="$1"
data="$2"
measure="${3:-}"

work="$(mktemp -d)"
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "end-to-end: $*" >&2; exit 1; }

folder="$work/café 〜"
mkdir "$folder"
[ -z "$data" ] || cp "$data"/* "$folder"/

# shellcheck source=desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
start_desktop

export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$work/music.raw"

# Runs the command "$2..." until it succeeds, for at most $1 seconds.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# Clicks the window at x y (pixels in the window), once the pointer is there.
click_in() {
    xdotool mousemove --window "$1" --sync "$2" "$3" click "${4:-1}"
}

# Waits up to $1 seconds for the program to end; its status in $status.
ended_within() {
    within "$1" eval '! kill -0 "$app" 2>/dev/null' || return 1
    status=0
    wait "$app" || status=$?
    app=""
}

start_program() {
    rm -f "$SDL_DISKAUDIOFILE"
    (cd "$folder" && exec "$program") 2>"$work/stderr.txt" &
    app=$!
}

# The outer frame of a window as openbox drew it: left top width height; it
# fails while openbox has not framed the window yet.
outer_frame() {
    local left top width height extents
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {print "top=" $4}
                                       /^  Width/ {print "width=" $2} /^  Height/ {print "height=" $2}')"
    extents=($(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //; s/,//gp'))  # left right top bottom
    [ "${#extents[@]}" -eq 4 ] || return 1
    echo $((left - extents[0])) $((top - extents[2])) $((width + extents[0] + extents[1])) \
         $((height + extents[2] + extents[3]))
}

is_centred() {
    local frame
    frame=($(outer_frame "$1")) || return 1
    local dx=$(( 2 * frame[0] + frame[2] - 1280 )) dy=$(( 2 * frame[1] + frame[3] - 1024 ))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# Openbox frames and places a window a moment after it is mapped.
expect_centred() {
    within 10 is_centred "$1" ||
        fail "$2 is not centred on the screen: its frame is $(outer_frame "$1" || echo "not drawn") (left top width height)"
}

# Whether a pop-up menu of the program is on the screen beside its one window.
menu_open() {
    [ "$(xdotool search --onlyvisible --classname gieicho 2>/dev/null | wc -l)" -gt 1 ]
}

# Copies the poem shown on card $1 through its pop-up menu into $work/copied.txt.
copy_poem() {
    click_in "$1" 300 200 3
    within 10 menu_open || fail "the pop-up menu did not open"
    xdotool key c
    within 10 eval '! menu_open' || fail "the pop-up menu did not close after its access key"
    within 10 eval 'xclip -o -selection clipboard >"$work/copied.txt" 2>/dev/null' ||
        fail "nothing came from the clipboard"
}

# Whether the last copy holds the poet name, which is written once the reveal is over.
copy_is_whole() {
    copy_poem "$1"
    [ "$(sed -n 5p "$work/copied.txt" | tr -d '\r')" = "歌野　詠" ]
}

# The bytes SDL's disk driver has written so far.
music_bytes() {
    stat -c %s "$SDL_DISKAUDIOFILE" 2>/dev/null || echo 0
}

# What openbox lets the user do with window $1 ($2 names it): it must allow
# $3 and nothing that matches $4.
expect_actions() {
    local actions
    actions="$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)"
    echo "$actions" | grep -q "_NET_WM_ACTION_$3" || fail "$2 does not allow $3: $actions"
    if echo "$actions" | grep -q -E "$4"; then
        fail "$2 allows what it must not ($4): $actions"
    fi
}

# --- First run: Alt+F4 on the title screen ends the program.
start_program
title="$(window_named "戯詠帖" 60)" || fail "the title screen did not appear: $(cat "$work/stderr.txt")"
close_with_alt_f4 "$title" || fail "Alt+F4 did not close the title screen"
ended_within 10 || fail "the program did not end when its title screen was closed"
[ "$status" -eq 0 ] || fail "the program ended with status $status after the title was closed"
echo "end-to-end: closing the title screen ended the program"

# --- Second run: through the settings window to the first poem.
start_ns=$(date +%s%N)
start_program
until xdotool search --onlyvisible --classname gieicho >/dev/null 2>&1; do
    kill -0 "$app" 2>/dev/null || fail "the program ended before its splash: $(cat "$work/stderr.txt")"
    sleep 0.01
done
splash_ms=$(( ($(date +%s%N) - start_ns) / 1000000 ))

title="$(window_named "戯詠帖" 60)" || fail "the title screen did not appear"
expect_centred "$title" "the title screen"
click_in "$title" 150 150
settings="$(window_named "戯詠帖／歌種指定" 30)" || fail "the settings window did not appear"
expect_centred "$settings" "the settings window"
expect_actions "$settings" "the settings window" CLOSE 'MINIMIZE|MAXIMIZE'
close_with_alt_f4 "$settings" || fail "Alt+F4 did not close the settings window"

card="$(window_named "戯詠帖" 30)" || fail "the card window did not appear after the settings window was closed"
[ "$card" != "$title" ] || fail "the title screen did not go"
expect_centred "$card" "the card window"
expect_actions "$card" "the card window" MINIMIZE 'MAXIMIZE|RESIZE'

# The reveal takes about three seconds; a copy made during it takes what is
# shown, so the poem is copied until the copy holds the poet name.
within 60 copy_is_whole "$card" ||
    fail "the copied poem never held the poet name: $(od -An -c "$work/copied.txt" | tr -s ' \n' ' ')"
shown="$(od -An -c "$work/copied.txt" | tr -s ' \n' ' ')"
crlf_count=$(grep -c $'\r$' "$work/copied.txt" || true)
[ "$crlf_count" -eq 5 ] || fail "the copied poem has $crlf_count CR LF lines, not 5: $shown"
[ "$(tail -c 2 "$work/copied.txt" | od -An -tx1 | tr -d ' \n')" = "0d0a" ] || fail "the copy text does not end in CR LF"
line() { sed -n "$1p" "$work/copied.txt" | tr -d '\r'; }
[ "$(line 5)" = "歌野　詠" ] || fail "the poet name line is '$(line 5)'"
for n in 1 2 3 4; do
    [ -n "$(line $n)" ] || fail "line $n of the poem is empty"
done
line 4 | grep -q '  ' || fail "line 4 lacks the two spaces between its phrases"
echo "end-to-end: copied poem: $(head -n 4 "$work/copied.txt" | tr -d '\r' | tr '\n' '/')"

# The opening piece, from a folder whose name code page 932 cannot hold, must
# sound: SDL writes 16-bit stereo at 44.1 kHz in real time, and its first 10 s
# are judged once they are written.
within 60 eval '[ "$(music_bytes)" -ge $((44100 * 4 * 10)) ]' ||
    fail "only $(music_bytes) bytes of music were written to $SDL_DISKAUDIOFILE: $(cat "$work/stderr.txt")"
sounding=$(/usr/bin/python3 - "$SDL_DISKAUDIOFILE" <<'EOF'
import array, math, sys
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read(44100 * 4 * 10))
window = 44100 * 2 // 20  # 50 ms of both channels
loud = 0
for start in range(0, len(samples) - window + 1, window):
    chunk = samples[start:start + window]
    if math.sqrt(sum(s * s for s in chunk) / window) > 32768 * 10 ** (-50 / 20):
        loud += 1
print(f"{loud / 20:.1f}")
EOF
) || fail "no music was written to $SDL_DISKAUDIOFILE: $(cat "$work/stderr.txt")"
/usr/bin/python3 -c "import sys; sys.exit(0 if float('$sounding') > 4 else 1)" ||
    fail "only ${sounding} s of the first 10 s of music sound in '$folder': $(cat "$work/stderr.txt")"
echo "end-to-end: ${sounding} s of the first 10 s of the opening piece sound"

if [ "$measure" = "--measure" ]; then
    rss_kb=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
    ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
    before=$(ticks); sleep 10; after=$(ticks)
    hz=$(getconf CLK_TCK)
    tenths=$(( (after - before) * 100 / hz ))  # tenths of a percent of one core over 10 s
    echo "first splash frame after ${splash_ms} ms; RSS after the first poem $((rss_kb / 1024)) MB;" \
         "CPU over 10 s idle: $((tenths / 10)).$((tenths % 10))% of a core"
fi

close_with_alt_f4 "$card" || fail "Alt+F4 did not close the card window"
ended_within 10 || fail "the program did not end when its card window was closed"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
# SDL's disk driver announces itself; nothing else may reach the terminal.
printed="$(grep -v -e 'SDL disk i/o audio driver' -e 'Writing to file' "$work/stderr.txt" || true)"
[ -z "$printed" ] || fail "the program printed: $printed"
echo "end-to-end: splash, title, settings, first poem, copy, music and close all worked under openbox"
