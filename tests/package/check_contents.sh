#!/bin/bash
# Checks what the package holds: the programs, their data, the desktop entry,
# icon and AppStream entry that match one another, manual pages and licence.
#   tests/package/check_contents.sh DEB
set -euo pipefail
deb="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "package contents: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$work/root"
id=jp.gieicho.gieicho
modules="usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/gieicho"
expected=(
    usr/bin/gieicho usr/bin/gieicho-words "$modules/sound_engine.so" "$modules/card_printing.so"
    usr/share/gieicho/WORD5.TXT usr/share/gieicho/WORD7.TXT usr/share/gieicho/WORD12.TXT
    usr/share/gieicho/ge_open.mid usr/share/gieicho/ge_bg1.mid usr/share/gieicho/ge_bg2.mid
    usr/share/gieicho/ge_bg3.mid usr/share/gieicho/ge_bg4.mid usr/share/gieicho/tobibrnd.wav
    "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
    usr/share/man/man6/gieicho.6.gz usr/share/man/man1/gieicho-words.1.gz
    usr/share/man/ja/man6/gieicho.6.gz usr/share/man/ja/man1/gieicho-words.1.gz
    usr/share/doc/gieicho/copyright usr/share/doc/gieicho/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
    [ -f "$work/root/$f" ] || fail "/$f is missing"
done
for size in 16 24 32 48 64 128 256; do
    shape="$(file -b "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")"
    [[ "$shape" == "PNG image data, $size x $size,"* ]] || fail "the ${size}px icon is $shape"
done

# Every manual page renders without a word from man or groff. man takes a
# page's language from its folder, so the Japanese pages are set with groff's
# Japanese line breaking and must come out as Japanese, not as mojibake.
pages=("$work"/root/usr/share/man/man*/*.gz "$work"/root/usr/share/man/ja/man*/*.gz)
for page in "${pages[@]}"; do
    shown="${page#"$work/root"}"
    text="$(env -u MANPATH LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"$work/man.err")" ||
        fail "man cannot show $shown"
    [ ! -s "$work/man.err" ] || fail "man warns on $shown: $(cat "$work/man.err")"
    heading=NAME
    [[ "$shown" == /usr/share/man/ja/* ]] && heading=名前
    grep -qx "$heading" <<<"$text" || fail "$shown does not open with its $heading section"
done

# The desktop entry, the icon and the AppStream entry found together, as a
# software centre finds them.
appstreamcli validate-tree --no-net "$work/root" || fail "appstreamcli validate-tree failed"

control="$(dpkg-deb -f "$deb" Depends Recommends)"
for wanted in "timgm6mb-soundfont | fluid-soundfont-gm" fonts-ipaexfont-mincho fonts-aoyagi-kouzan-t \
              qt6-translations-l10n "Recommends: qt6-wayland" libqt6widgets6 libfluidsynth3; do
    grep -qF -- "$wanted" <<<"$control" || fail "the control fields lack $wanted: $control"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$work/root/usr/share/doc/gieicho/copyright" || fail "the copyright file is not machine-readable"
echo "package contents: ${#expected[@]} files in place, ${#pages[@]} manual pages shown without warnings, control fields and AppStream tree in order"
