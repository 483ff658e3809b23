#!/bin/bash
# Runs one program as a native Wayland client of Debian's weston on its
# headless backend: weston gets its own runtime folder and socket in a
# temporary folder and is stopped again afterwards.
#   tests/wayland/run_under_weston.sh PROGRAM [ARGUMENT...]
set -euo pipefail
work="$(mktemp -d)"
cleanup() {
    [ -n "${weston:-}" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "wayland: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY="gieicho-test"
weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --no-config \
       --socket="$WAYLAND_DISPLAY" --idle-time=0 --log="$work/weston.log" >/dev/null 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start: $(cat "$work/weston.log")"

unset DISPLAY
export QT_QPA_PLATFORM=wayland
"$@"
