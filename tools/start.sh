#!/bin/bash
# Installs what is missing, builds a release and starts the program in data/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
"$root/tools/configure.sh" "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$root/build/release" --target gieicho
cd "$root/data" && exec "$root/build/release/gieicho"
