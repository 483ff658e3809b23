#!/bin/bash
# Runs clang-tidy with the project's .clang-tidy over every source file the
# build compiles; any finding fails, and so does a source the build's compile
# database does not hold, since clang-tidy would pass over it without a word.
#   tests/style/check_tidy.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cd "$1"
database="$2/compile_commands.json"
# The fuzzer is built only by its own clang build.
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^tests/fuzz/')
mapfile -t unknown < <(python3 - "$database" "$PWD" "${sources[@]}" <<'PY'
import json, os, sys
database, root, sources = sys.argv[1], sys.argv[2], sys.argv[3:]
with open(database) as f:
    compiled = {os.path.realpath(os.path.join(e["directory"], e["file"])) for e in json.load(f)}
for source in sources:
    if os.path.realpath(os.path.join(root, source)) not in compiled:
        print(source)
PY
)
if [ ${#unknown[@]} -ne 0 ]; then
  printf "check_tidy.sh: %s is not in $database, so clang-tidy cannot check it\n" "${unknown[@]}" >&2
  exit 1
fi
# One clang-tidy a file, as many at once as there are cores; each file's
# findings go to its own log, so the count below is of files really checked.
logs="$2/clang-tidy"
rm -rf "$logs" && mkdir -p "$logs"
export logs database
check() { clang-tidy -p "$(dirname "$database")" --quiet "$1" >"$logs/${1//\//_}.log" 2>&1 || echo "$1"; }
export -f check
mapfile -t failed < <(printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} bash -c 'check "$1"' _ {})
checked=$(find "$logs" -name '*.log' | wc -l)
if [ ${#failed[@]} -ne 0 ]; then
  for f in "${failed[@]}"; do sed 's/\x1b\[[0-9;]*m//g' "$logs/${f//\//_}.log" | grep -E 'warning:|error:'; done | sort -u >&2
  echo "clang-tidy: findings in ${#failed[@]} of $checked files" >&2
  exit 1
fi
echo "clang-tidy found nothing in $checked files"
