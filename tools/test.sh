#!/bin/bash
# Installs what is missing, builds everything and runs every test headless,
# as many at once as there are cores (tests that need the machine to
# themselves are marked RUN_SERIAL); the long soak runs only when asked for.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh" --tests
"$root/tools/configure.sh" "$root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$root/build/test"
export QT_QPA_PLATFORM=offscreen
cd "$root/build/test" && ctest --output-on-failure --timeout 300 -j "$(nproc)" -LE soak
