#!/bin/bash
# Installs the Debian packages the program, its tests and its tools need.
# --tests adds what the tests need, --package what tools/package.sh needs.
# Idempotent: asks apt only for what is not installed yet.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libfluidsynth-dev libsdl2-dev libasound2-dev libfontconfig-dev libxcb1-dev libharfbuzz-dev
  libcups2-dev timgm6mb-soundfont qt6-translations-l10n
  fonts-aoyagi-kouzan-t fonts-ipaexfont-mincho fonts-ipaexfont-gothic
)
# The Debian package: dpkg-shlibdeps works out its library dependencies.
package_tools=(dpkg-dev file)
if [ "${1:-}" = "--package" ]; then
  packages+=("${package_tools[@]}")
fi
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool xclip poppler-utils pango1.0-tools
             "${package_tools[@]}" desktop-file-utils appstream lintian openbox x11-utils weston qt6-wayland
             cups printer-driver-cups-pdf clang-format clang-tidy
             dbus at-spi2-core python3-pyatspi)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends "${missing[@]}"
