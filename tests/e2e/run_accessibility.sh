#!/bin/bash
# Reads the real program through the AT-SPI bus, as a screen reader does. Runs
# inside a session bus of its own (dbus-run-session) that starts nothing on
# demand, starts the AT-SPI bus
# launcher on it, Xvfb and openbox, and the program with accessibility always
# on; tests/e2e/read_card.py then drives title, settings window, card, menu and
# typeface list through AT-SPI. Afterwards the AT-SPI bus is taken away while
# the program runs, and the program must go on composing poems; a last run
# starts with no AT-SPI bus at all. The program may print nothing throughout.
#   tests/e2e/run_accessibility.sh PROGRAM DATA_DIR
set -euo pipefail
if [ -z "${GIEICHO_OWN_SESSION_BUS:-}" ]; then
    GIEICHO_OWN_SESSION_BUS=1 exec dbus-run-session --config-file="$(dirname "$0")/session_bus.conf" -- "$0" "$@"
fi
program="$(readlink -f "$1")"
data="$2"
here="$(cd "$(dirname "$0")" && pwd)"

work="$(mktemp -d)"
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${launcher:-}" ] && kill "$launcher" 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "accessibility: $*" >&2; exit 1; }

folder="$work/data"
mkdir "$folder"
cp "$data"/* "$folder"/

# shellcheck source=desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
start_desktop

# The AT-SPI bus: the launcher starts its own dbus-daemon, which starts the registry.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.txt" 2>&1 &
launcher=$!
a11y_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && echo up
}
for _ in $(seq 100); do [ -n "$(a11y_bus)" ] && break; sleep 0.05; done
[ -n "$(a11y_bus)" ] || fail "the AT-SPI bus did not start: $(cat "$work/launcher.txt")"

export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$work/music.raw"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

start_program() {
    (cd "$folder" && exec "$program") 2>"$work/stderr.txt" &
    app=$!
}

# Whatever the program printed, but SDL's disk driver announcing itself.
expect_silence() {
    local printed
    printed="$(grep -v -e 'SDL disk i/o audio driver' -e 'Writing to file' "$work/stderr.txt" || true)"
    [ -z "$printed" ] || fail "$1, the program printed: $printed"
}

ended_within() {
    for _ in $(seq "$1"); do
        kill -0 "$app" 2>/dev/null || { status=0; wait "$app" || status=$?; app=""; return 0; }
        sleep 0.1
    done
    return 1
}

# Alt+F4 on the window until the program has ended.
end_with_alt_f4() {
    for _ in $(seq 20); do
        xdotool windowactivate --sync "$1" 2>/dev/null || true
        xdotool key alt+F4
        ended_within 10 && return 0
    done
    return 1
}

# --- Read and drive the program through AT-SPI.
start_program
/usr/bin/python3 "$here/read_card.py" "$app" || fail "reading through AT-SPI failed: $(cat "$work/stderr.txt")"
expect_silence "while read through AT-SPI"

# --- The AT-SPI bus goes away; the card goes on giving whole poems.
kill "$launcher"
wait "$launcher" 2>/dev/null || true
launcher=""
for _ in $(seq 100); do [ -z "$(a11y_bus)" ] && break; sleep 0.05; done
card="$(window_named "戯詠帖" 5)" || fail "the card window went with the AT-SPI bus"
xdotool mousemove --window "$card" 200 200 sleep 0.1 click 1
copied=""
for _ in $(seq 100); do
    sleep 0.1
    kill -0 "$app" 2>/dev/null || fail "the program ended when the AT-SPI bus went away"
    xdotool mousemove --window "$card" 200 200 click 3 sleep 0.3 key c 2>/dev/null || true
    copied="$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r' || true)"
    [ "$(echo "$copied" | sed -n 5p)" = "歌野　詠" ] && break
done
[ "$(echo "$copied" | sed -n 5p)" = "歌野　詠" ] || fail "no whole poem after the AT-SPI bus went away: $copied"
echo "accessibility: with the AT-SPI bus gone the card gave: $(echo "$copied" | head -n 4 | tr '\n' '/')"
end_with_alt_f4 "$card" || fail "the card window did not close"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
expect_silence "after the AT-SPI bus went away"

# --- No AT-SPI bus at all: start-up as ever, and silence.
start_program
title="$(window_named "戯詠帖" 20)" || fail "without an AT-SPI bus the title screen did not appear"
end_with_alt_f4 "$title" || fail "without an AT-SPI bus the title screen did not close"
expect_silence "without an AT-SPI bus"
echo "accessibility: title, settings, card, menu and typeface list read and worked through AT-SPI"
