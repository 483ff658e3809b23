#!/bin/bash
# Installs the Debian packages that building and running the program need.
#   tools/install-deps.sh [--package | --tests] [-v]
# --package: what tools/package.sh needs to build the .deb (no fonts, sound or
# test tools); --tests: everything the tests need as well. -v shows apt's
# progress; otherwise one line says what is installed. Asks apt only for what
# is not installed yet.
set -euo pipefail

build=(cmake ninja-build g++ pkg-config gzip
       qt6-base-dev libfluidsynth-dev libsdl2-dev libasound2-dev libfontconfig-dev libxcb1-dev libharfbuzz-dev
       libcups2-dev)
# What the program reads at run time: a soundfont, the Japanese faces it names
# and Qt's Japanese texts.
run=(timgm6mb-soundfont qt6-translations-l10n fonts-aoyagi-kouzan-t fonts-ipaexfont-mincho fonts-ipaexfont-gothic)
# The Debian package: dpkg-shlibdeps works out its library dependencies.
package_tools=(dpkg-dev file)
tests=(libgtest-dev libbenchmark-dev xvfb xauth xdotool xclip poppler-utils pango1.0-tools
       desktop-file-utils appstream lintian man-db openbox x11-utils weston qt6-wayland
       cups printer-driver-cups-pdf clang-format clang-tidy
       dbus at-spi2-core python3-pyatspi)

want=run verbose=""
for arg in "$@"; do
  case $arg in
    --package) want=package ;;
    --tests) want=tests ;;
    -v) verbose=1 ;;
    *) echo "install-deps.sh: unknown option $arg (use --package, --tests or -v)" >&2; exit 2 ;;
  esac
done
packages=("${build[@]}")
case $want in
  run) packages+=("${run[@]}") ;;
  package) packages+=("${package_tools[@]}") ;;
  tests) packages+=("${run[@]}" "${package_tools[@]}" "${tests[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

fail() { echo "install-deps.sh: $*" >&2; exit 1; }
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || fail "${#missing[@]} packages are missing (${missing[*]}); run this script as root, or install sudo"
  sudo=(sudo)
fi
echo "install-deps.sh: installing ${missing[*]}"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# sudo clears the environment, so apt's settings go through env.
run_apt() {
  if [ -n "$verbose" ]; then
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "$@" 2>&1 | tee -a "$log"
  else
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "$@" >>"$log" 2>&1
  fi
}
run_apt apt-get update -q || fail "apt-get update failed (no network, or no Debian mirror in reach?): $(grep -E '^(E|W):' "$log" | head -1)"
run_apt apt-get install -y -q -o DPkg::Lock::Timeout=600 --no-install-recommends "${missing[@]}" \
  || fail "apt-get could not install the packages: $(grep -E '^E:' "$log" | head -1)"
