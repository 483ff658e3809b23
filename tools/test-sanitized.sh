#!/bin/bash
# Builds the program and its tests under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer in build/sanitize, runs the
# unit, gui and e2e tests there, then a session of 1000 poems with clicks
# during reveals, menus, typeface changes and music switches. Any report of
# a sanitizer ends the program it is in with an error, so it fails its test.
#   tools/test-sanitized.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/sanitize"
"$root/tools/install-deps.sh" --tests
started=$SECONDS

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
      -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DGIEICHO_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build "$build"
built=$SECONDS

# Leaks inside system libraries are suppressed, each with its reason, in one file.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=0
export LSAN_OPTIONS="suppressions=$root/tests/sanitize/leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
(cd "$build" && ctest -L 'unit|gui|e2e' -j2 --output-on-failure --timeout 600)
tested=$SECONDS

"$root/tests/e2e/long_session.sh" "$build/gieicho" "$root/data" 1000
echo "sanitized: build $((built - started)) s, tests $((tested - built)) s, long session $((SECONDS - tested)) s"
