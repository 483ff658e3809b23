#!/bin/bash
# lintian on the built package: no errors allowed; its full report is printed.
#   tests/package/run_lintian.sh DEB
set -euo pipefail
lintian --fail-on error --display-info --tag-display-limit 0 "$1"
echo "lintian: no errors"
