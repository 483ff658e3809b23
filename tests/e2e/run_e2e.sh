#!/bin/bash
# Runs the real program under Xvfb from a clean copy of data/, as a user would:
# waits out the splash, clicks the title and "よろし", waits for the first poem,
# copies it through the pop-up menu, checks the clipboard text and closes the
# card window. With --measure it also reports start-up time, memory and idle CPU.
#   tests/e2e/run_e2e.sh PROGRAM DATA_DIR [--measure]
# An empty DATA_DIR starts the program in a folder without phrase files, as an
# installed program is started from a desktop menu.
set -euo pipefail
program="$1"
data="$2"
measure="${3:-}"
here="$(cd "$(dirname "$0")" && pwd)"

work="$(mktemp -d)"
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "end-to-end: $*" >&2; exit 1; }
[ -z "$data" ] || cp "$data"/* "$work"/

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"


# Finds the visible window whose name is exactly $1, waiting up to $2 seconds.
window_named() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Clicks the window at x y (pixels in the window).
click_in() {
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click "${4:-1}"
}

start_ns=$(date +%s%N)
(cd "$work" && exec "$program") 2>"$work/stderr.txt" &
app=$!

until xdotool search --onlyvisible --classname gieicho >/dev/null 2>&1; do
    kill -0 "$app" 2>/dev/null || fail "the program ended before its splash: $(cat "$work/stderr.txt")"
    sleep 0.01
done
splash_ms=$(( ($(date +%s%N) - start_ns) / 1000000 ))

title="$(window_named "戯詠帖" 20)" || fail "the title screen did not appear"
click_in "$title" 150 150
settings="$(window_named "戯詠帖／歌種指定" 10)" || fail "the settings window did not appear"
# "よろし" stands at 1920, 3720 twips, 1095 x 375: its middle is at 164, 260 pixels.
click_in "$settings" 164 260
card="$(window_named "戯詠帖" 10)" || fail "the card window did not appear"
[ "$card" != "$title" ] || fail "the title screen did not go"

# The reveal takes about three seconds; wait until the poet name is written.
sleep 6
click_in "$card" 300 200 3
sleep 0.5
xdotool key c
sleep 0.5
xclip -o -selection clipboard > "$work/copied.txt"
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

if [ "$measure" = "--measure" ]; then
    rss_kb=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
    ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
    before=$(ticks); sleep 10; after=$(ticks)
    hz=$(getconf CLK_TCK)
    tenths=$(( (after - before) * 100 / hz ))  # tenths of a percent of one core over 10 s
    echo "first splash frame after ${splash_ms} ms; RSS after the first poem $((rss_kb / 1024)) MB;" \
         "CPU over 10 s idle: $((tenths / 10)).$((tenths % 10))% of a core"
fi

/usr/bin/python3 "$here/close_window.py" "$card"
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end when its card window was closed"
wait "$app" || fail "the program ended with status $?"
app=""
[ "$(wc -l < "$work/stderr.txt")" -le 2 ] || fail "the program printed: $(cat "$work/stderr.txt")"
echo "end-to-end: splash, title, settings, first poem, copy and close all worked"
