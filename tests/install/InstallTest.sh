#!/usr/bin/env bash
# Installs the build into a temporary root, as a package build does, and
# checks that a desktop finds the program, its entry and its icons there.
#   InstallTest.sh <build folder> "<icon sizes>"
set -euo pipefail

build=$1
sizes=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "FAILED: $*" >&2; exit 1; }

[ -x "$root/usr/bin/kvorax" ] || fail "no program at /usr/bin/kvorax"
"$root/usr/bin/kvorax" --version | grep -qx "Kvorax v1.06" || fail "the installed program does not tell its version"

entry="$root/usr/share/applications/kvorax.desktop"
[ -f "$entry" ] || fail "no desktop entry at /usr/share/applications/kvorax.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
grep -qx "Icon=kvorax" "$entry" || fail "the entry does not name the icon kvorax"
grep -qx "Name=Kvorax" "$entry" || fail "the entry is not named Kvorax"
grep -q "^Comment=" "$entry" || fail "the entry has no English comment"
grep -q "^Comment\[cs\]=" "$entry" || fail "the entry has no Czech comment"
grep -Eq "^Categories=(.*;)?(Office|Utility);" "$entry" || fail "the entry is in neither the office nor the utility menu"

for size in $sizes; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/kvorax.png"
    [ -f "$icon" ] || fail "no ${size} pixel icon at $icon"
    # A PNG file's header chunk holds its width and height as 32-bit big-endian numbers.
    read -r -a header <<<"$(od -An -tu1 -j12 -N12 "$icon")"
    width=$(( header[6] * 256 + header[7] )) height=$(( header[10] * 256 + header[11] ))
    [ "${header[*]:0:4}" = "73 72 68 82" ] && [ "$width" = "$size" ] && [ "$height" = "$size" ] \
        || fail "$icon is not a $size x $size PNG"
done
echo "installed program, desktop entry and $(wc -w <<<"$sizes") icons"
