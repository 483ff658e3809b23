#!/bin/bash
# Configures a build folder with Ninja, CMake's output kept in a log; when a
# library or tool is missing, says in one line which and how to get it.
#   tools/configure.sh BUILD_DIR [CMAKE_ARGUMENTS...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=$1
shift
mkdir -p "$build"
log="$build/configure.log"
cmake -S "$root" -B "$build" -G Ninja "$@" >"$log" 2>&1 && exit 0
# The first thing CMake did not find: a CMake package, a pkg-config module or a program.
what=$(sed -nE -e 's/.*Could NOT find ([A-Za-z0-9_]+).*/\1/p' -e 's/.*provided by "([^"]+)".*/\1/p' \
               -e "s/.*Package '([^']+)', required by .* not found.*/\\1/p" -e 's/.*Could not find ([A-Z0-9_]+_PROGRAM).*/\1/p' "$log" | head -1)
echo "configure.sh: CMake could not configure $build${what:+: $what is missing}; tools/install-deps.sh --tests installs everything the build uses; CMake's output is in $log" >&2
exit 1
