# Sourced by the end-to-end scripts: a desktop of their own under Xvfb with
# the openbox window manager, in the temporary folder $work, and the helpers
# that find and handle the program's windows. The caller sets $work, defines
# fail() and stops $xvfb and $wm at its end.

start_desktop() {
    # Xvfb picks a free display itself and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"

    openbox --sm-disable >"$work/openbox.txt" 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start: $(cat "$work/openbox.txt")"
}

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

is_visible() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Closes the window through the window manager with Alt+F4. Openbox now and
# then drops a key that comes right after a window is activated, so the key
# is sent again until the window has gone.
close_with_alt_f4() {
    local tries
    for tries in $(seq 20); do
        xdotool windowactivate --sync "$1" 2>/dev/null || true
        xdotool key alt+F4
        for _ in $(seq 10); do is_visible "$1" || return 0; sleep 0.05; done
    done
    return 1
}
