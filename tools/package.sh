#!/bin/bash
# Builds the Debian package gieicho_<version>_amd64.deb into the current folder
# (or the folder given), from a release build in build/package.
#   tools/package.sh [OUT_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "${1:-.}" && cd "${1:-.}" && pwd)"
"$root/tools/install-deps.sh" --package
build="$root/build/package"

# Debian's hardening and optimisation flags, as a Debian build would use them;
# dpkg-buildflags maps the folder it runs in out of the debug paths, so it runs
# in the source folder.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cd "$root"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
"$root/tools/configure.sh" "$build" -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS="OWNER_READ;OWNER_WRITE;OWNER_EXECUTE;GROUP_READ;GROUP_EXECUTE;WORLD_READ;WORLD_EXECUTE"
cmake --build "$build" -j "${GIEICHO_JOBS:-2}"
(cd "$build" && cpack -G DEB -B "$build/cpack" >/dev/null)
deb="$(ls "$build"/cpack/gieicho_*_amd64.deb)"
mv "$deb" "$out/"
echo "$out/$(basename "$deb")"
