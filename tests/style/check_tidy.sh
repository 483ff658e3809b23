#!/bin/bash
# Runs clang-tidy with the project's .clang-tidy over every source file the
# build compiles; any finding fails.
#   tests/style/check_tidy.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cd "$1"
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^tests/fuzz/')
run-clang-tidy -p "$2" -quiet -j "$(nproc)" "${sources[@]}" >"$2/clang-tidy.log" 2>&1 || {
    sed 's/\x1b\[[0-9;]*m//g' "$2/clang-tidy.log" | grep -E 'warning:|error:' | sort -u >&2
    exit 1
}
echo "clang-tidy found nothing in ${#sources[@]} files"
