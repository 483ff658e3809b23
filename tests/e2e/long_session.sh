#!/bin/bash
# A long session of the real program under Xvfb and openbox: POEMS poems asked
# for by clicks on the card, nearly all of them while the poem before is still
# being revealed, with the pop-up menu opened and closed, the music switched
# off and on and the typeface changed in between. The program must take it
# all, show a whole poem at the end and end cleanly, printing nothing. With
# --memory the memory it holds itself (its resident anonymous pages: heap,
# stacks, pixmaps) after the last poem must lie within 2 MB of what it held
# after the first 100. The whole resident memory is printed beside it; that
# also holds the pages of the mapped font files, which are the files' own,
# shared and clean, and grow only as characters not drawn before come up.
#   tests/e2e/long_session.sh PROGRAM DATA_DIR POEMS [--memory]
set -euo pipefail
program="$(realpath "$1")"
data="$(realpath "$2")"
poems="$3"
memory="${4:-}"

work="$(mktemp -d)"
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
asked=0
fail() { echo "long session: after $asked poems: $*" >&2; exit 1; }
# shellcheck source=desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
start_desktop
export SDL_AUDIODRIVER=dummy

mkdir "$work/data"
cp "$data"/* "$work/data"/
(cd "$work/data" && exec "$program") 2>"$work/stderr.txt" &
app=$!
started=$SECONDS

alive() {
    kill -0 "$app" 2>/dev/null || fail "the program ended: $(cat "$work/stderr.txt")"
}

# Waits up to $2 seconds until the command $3... succeeds; fails with $1.
wait_until() {
    local why="$1" deadline=$((SECONDS + $2))
    shift 2
    until "$@"; do
        alive
        [ $SECONDS -lt $deadline ] || fail "$why"
        sleep 0.02
    done
}

title="$(window_named "戯詠帖" 60)" || fail "the title screen did not appear: $(cat "$work/stderr.txt")"
xdotool mousemove --window "$title" 150 150 click 1
settings="$(window_named "戯詠帖／歌種指定" 30)" || fail "the settings window did not appear"
close_with_alt_f4 "$settings" || fail "Alt+F4 did not close the settings window"
card="$(window_named "戯詠帖" 30)" || fail "the card window did not appear"
[ "$card" != "$title" ] || fail "the title screen did not go"

# The program's windows on the screen: the card, and a menu or dialog over it.
open_windows() { xdotool search --onlyvisible --classname gieicho 2>/dev/null | wc -l; }
only_the_card() { [ "$(open_windows)" -eq 1 ]; }
more_than_the_card() { [ "$(open_windows)" -gt 1 ]; }
is_gone() { ! is_visible "$1"; }

# The menu opens on the right button's press on the card. Two presses on one
# spot within the double-click time make a double-click, whose second press
# opens no menu, so the spot moves from one menu to the next.
menus=0
menu_command() {
    wait_until "a window stayed over the card" 10 only_the_card
    # The button is let go only once the menu shows. The press waits behind
    # the clicks still queued for the program.
    xdotool mousemove --window "$card" $((200 + 40 * (menus % 2))) 320 sleep 0.1 mousedown 3
    menus=$((menus + 1))
    wait_until "the pop-up menu did not open" 60 more_than_the_card
    xdotool mouseup 3 key "$1"
}

open_and_close_menu() {
    menu_command Escape
    wait_until "Escape did not close the menu" 10 only_the_card
}

switch_music() {
    menu_command b
    wait_until "the menu stayed open after BGM ON/OFF" 10 only_the_card
}

# Double-clicks the first or second typeface of the list, by turns.
typefaces_changed=0
change_typeface() {
    local dialog
    menu_command f
    dialog="$(window_named "戯詠帖／書体選択" 20)" || fail "the typeface dialog did not open"
    xdotool mousemove --window "$dialog" 60 $((18 + 18 * (typefaces_changed % 2))) click --repeat 2 --delay 60 1
    wait_until "a double-click did not close the typeface dialog" 10 is_gone "$dialog"
    typefaces_changed=$((typefaces_changed + 1))
}

# Asks for $1 poems with clicks on the card, each on another spot than the
# one before, so no two make a double-click. Press and release are sent
# apart: xdotool's click takes three times as long.
ask_for_poems() {
    local commands=() i
    for ((i = 0; i < $1; i++)); do
        commands+=(mousemove --window "$card" $((240 + 40 * (i % 2))) 200 mousedown 1 mouseup 1)
    done
    xdotool "${commands[@]}"
    asked=$((asked + $1))
    alive
}

# Copies the poem through the menu until the poet name has come, that is
# until the reveal is over.
copied_whole_poem() {
    menu_command c
    wait_until "the menu stayed open after コピー" 10 only_the_card
    xclip -o -selection clipboard >"$work/copied.txt" 2>/dev/null || return 1
    [ "$(grep -c $'\r$' "$work/copied.txt")" -eq 5 ] && [ -n "$(sed -n '5p' "$work/copied.txt" | tr -d '\r')" ]
}

resident_kb() { awk -v field="$1:" '$1 == field {print $2}' "/proc/$app/status"; }

while [ $asked -lt "$poems" ]; do
    ask_for_poems 50
    open_and_close_menu
    if [ $((asked % 100)) -eq 0 ]; then switch_music; fi
    # Both typefaces are in use once before the memory after 100 poems is taken.
    if [ $((asked % 250)) -eq 0 ] || [ $asked -le 100 ]; then change_typeface; fi
    if [ $asked -eq 100 ]; then
        wait_until "the 100th poem was not revealed whole" 30 copied_whole_poem
        rss_after_100=$(resident_kb VmRSS)
        own_after_100=$(resident_kb RssAnon)
    fi
done
wait_until "the last poem was not revealed whole" 30 copied_whole_poem
rss_at_end=$(resident_kb VmRSS)
own_at_end=$(resident_kb RssAnon)
for n in 1 2 3 4; do
    [ -n "$(sed -n "${n}p" "$work/copied.txt" | tr -d '\r')" ] || fail "line $n of the last poem is empty"
done

close_with_alt_f4 "$card" || fail "Alt+F4 did not close the card window"
status=0
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end within 30 s of its card window closing"
wait "$app" || status=$?
app=""
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/stderr.txt")"
[ ! -s "$work/stderr.txt" ] || fail "the program printed: $(cat "$work/stderr.txt")"

echo "long session: $asked poems, $typefaces_changed typeface changes, $menus menus," \
     "$((asked / 100)) music switches in $((SECONDS - started)) s; resident after 100 poems ${rss_after_100} kB" \
     "(its own ${own_after_100} kB), after $asked ${rss_at_end} kB (its own ${own_at_end} kB)"
if [ "$memory" = "--memory" ]; then
    growth=$((own_at_end - own_after_100))
    [ "$growth" -le 2048 ] || fail "the program's own memory grew by $growth kB between the 100th and the last poem"
fi
