#!/bin/bash
# Runs one GoogleTest program as a native Wayland client of Debian's weston on
# its headless backend: weston gets its own runtime folder and socket in a
# temporary folder and is stopped again afterwards.
#   tests/wayland/run_under_weston.sh TEST_PROGRAM [GTEST_ARGUMENT...]
set -euo pipefail
work="$(mktemp -d)"
cleanup() {
    [ -n "${tests:-}" ] && kill -KILL "$tests" 2>/dev/null || true
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
# The headless backend has no seat. Qt 6.4's Wayland text input then crashes on
# the first key event, so the tests type without an input method.
export QT_IM_MODULE=none
results="$work/results.xml"
"$@" --gtest_output="xml:$results" &
tests=$!

# Qt 6.4's Wayland client now and then hangs while closing its display, after
# every test has run. The results are written by then; a program that has not
# ended 10 s later is stopped and judged by them.
hung=""
while kill -0 "$tests" 2>/dev/null; do
    if [ -s "$results" ]; then
        for _ in $(seq 100); do kill -0 "$tests" 2>/dev/null || break; sleep 0.1; done
        if kill -0 "$tests" 2>/dev/null; then
            kill -KILL "$tests"
            hung=yes
        fi
        break
    fi
    sleep 0.2
done
status=0
wait "$tests" || status=$?
tests=""
if [ -n "$hung" ]; then
    grep -q '<testsuites [^>]*failures="0" [^>]*errors="0"' "$results" || fail "tests failed: $(cat "$results")"
    echo "wayland: every test passed; the program then hung in Qt's Wayland teardown and was stopped"
    exit 0
fi
exit "$status"
