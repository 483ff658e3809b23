#!/bin/bash
# Installs the Debian packages the program, its tests and its tools need.
# Idempotent: asks apt only for what is not installed yet.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libfluidsynth-dev libsdl2-dev libasound2-dev libfontconfig-dev libcups2-dev
  timgm6mb-soundfont
  fonts-aoyagi-kouzan-t fonts-ipaexfont-mincho fonts-ipaexfont-gothic
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool xclip poppler-utils
             cups printer-driver-cups-pdf)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
