#!/bin/bash
# Installs the package with dpkg, starts the installed program from an empty
# folder as a user would (first poem, copy), removes the package again and
# checks that nothing of it is left.
#   tests/package/install_and_remove.sh DEB
set -euo pipefail
deb="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
fail() { echo "package install: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "installing a package needs root"
if dpkg-query -W -f='${Status}' gieicho 2>/dev/null | grep -q "ok installed"; then
    fail "gieicho is installed already; this check installs and removes its own"
fi
installed=""
cleanup() { [ -n "$installed" ] && dpkg -r gieicho >/dev/null 2>&1 || true; }
trap cleanup EXIT

# Every file and folder of the package, as installed paths.
mapfile -t paths < <(dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' | sed 's|/$||' | grep -v '^$')
own_folders=(/usr/share/gieicho /usr/share/doc/gieicho "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/gieicho")

dpkg -i "$deb" >/dev/null || fail "dpkg -i failed"
installed=yes
for p in "${paths[@]}"; do
    [ -e "$p" ] || fail "$p is not there after dpkg -i"
done
/usr/bin/gieicho-words check /usr/share/gieicho >/dev/null || fail "gieicho-words check failed on the installed phrase files"

# man finds the Japanese pages for a Japanese reader and the English ones otherwise.
for wanted in "ja gieicho /usr/share/man/ja/man6/gieicho.6.gz" \
              "ja gieicho-words /usr/share/man/ja/man1/gieicho-words.1.gz" \
              "en gieicho /usr/share/man/man6/gieicho.6.gz" \
              "en gieicho-words /usr/share/man/man1/gieicho-words.1.gz"; do
    read -r language name page <<<"$wanted"
    found="$(env -u MANPATH LC_ALL=C.UTF-8 man -L "$language" -w "$name" 2>&1)" || true
    [ "$found" = "$page" ] || fail "man -L $language $name finds \"$found\", not $page"
done

# An empty folder to start from: the program must move to its installed data.
"$here/../e2e/run_e2e.sh" /usr/bin/gieicho "" || fail "the installed program did not reach its first poem"

dpkg -r gieicho >/dev/null || fail "dpkg -r failed"
installed=""
left=()
for p in "${paths[@]}" "${own_folders[@]}"; do
    # Shared folders such as /usr/share/man stay; files and our own folders must not.
    if [ -f "$p" ] || [ -L "$p" ] || { [ -e "$p" ] && [[ " ${own_folders[*]} " == *" $p "* ]]; }; then
        left+=("$p")
    fi
done
[ ${#left[@]} -eq 0 ] || fail "left after dpkg -r: ${left[*]}"
status="$(dpkg-query -W -f='${Status}' gieicho 2>/dev/null || true)"
[ -z "$status" ] || [ "$status" = "unknown ok not-installed" ] || fail "dpkg still knows the package: $status"
echo "package install: installed ${#paths[@]} paths, first poem copied, removed without a trace"
