#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary root, as a package build does, and
# checks that a desktop finds the program, its entry and its icons there;
# that software centres find its AppStream entry; that the manual page,
# the copyright and the changelog are where Debian looks for them and agree
# with the program; and, where lintian is installed, that the Debian package
# passes it without an error or a warning.
#   InstallTest.sh <build folder> "<icon sizes>" <desktop id> <hardened ON|OFF> <source folder>
set -euo pipefail

build=$1
sizes=$2
app_id=$3
hardened=$4
source=$5
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root/tree" cmake --install "$build" --prefix /usr >/dev/null
tree="$root/tree"

fail() { echo "FAILED: $*" >&2; exit 1; }
skip() { echo "SKIPPED: $*"; }

program="$tree/usr/bin/kvorax"
[ -x "$program" ] || fail "no program at /usr/bin/kvorax"
mapfile -t version_lines < <("$program" --version)
version=${version_lines[0]#Kvorax v}
[ "${version_lines[0]}" = "Kvorax v$version" ] && [ -n "$version" ] || fail "the installed program does not tell its version"
[ "${version_lines[1]:-}" = "License: GPL-3.0-or-later" ] || fail "--version does not name the licence"

check_desktop_entry() {
    local entry="$tree/usr/share/applications/$app_id.desktop"
    [ -f "$entry" ] || fail "no desktop entry at /usr/share/applications/$app_id.desktop"
    desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
    grep -qx "Icon=$app_id" "$entry" || fail "the entry does not name the icon $app_id"
    grep -qx "Name=Kvorax" "$entry" || fail "the entry is not named Kvorax"
    grep -q "^Comment=" "$entry" || fail "the entry has no English comment"
    grep -q "^Comment\[cs\]=" "$entry" || fail "the entry has no Czech comment"
    grep -Eq "^Categories=(.*;)?(Office|Utility);" "$entry" || fail "the entry is in neither the office nor the utility menu"
}

check_icons() {
    local size icon header width height
    for size in $sizes; do
        icon="$tree/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
        [ -f "$icon" ] || fail "no ${size} pixel icon at $icon"
        # A PNG file's header chunk holds its width and height as 32-bit big-endian numbers.
        read -r -a header <<<"$(od -An -tu1 -j12 -N12 "$icon")"
        width=$(( header[6] * 256 + header[7] )) height=$(( header[10] * 256 + header[11] ))
        [ "${header[*]:0:4}" = "73 72 68 82" ] && [ "$width" = "$size" ] && [ "$height" = "$size" ] \
            || fail "$icon is not a $size x $size PNG"
    done
}

# The licence's full text in the tree, the copyright in Debian's
# machine-readable form pointing at the licence Debian ships.
check_licence_and_copyright() {
    local copyright="$tree/usr/share/doc/kvorax/copyright"
    if [ -f /usr/share/common-licenses/GPL-3 ]; then
        cmp -s "$source/LICENSE" /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the GPL version 3"
    else
        grep -q "GNU GENERAL PUBLIC LICENSE" "$source/LICENSE" || fail "LICENSE is not the GPL"
    fi
    [ -f "$copyright" ] || fail "no copyright file at /usr/share/doc/kvorax/copyright"
    head -n1 "$copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
        || fail "the copyright file is not in Debian's machine-readable format"
    grep -qx "License: GPL-3.0+" "$copyright" && grep -q "/usr/share/common-licenses/GPL-3" "$copyright" \
        || fail "the copyright file does not give the GPL version 3 or later"
    [ -f "$tree/usr/share/doc/kvorax/README.md" ] || fail "no README in /usr/share/doc/kvorax"
}

# Debian's changelog of the package is the tree's CHANGELOG, and its newest
# entry is the version the program tells.
check_changelog() {
    local changelog="$tree/usr/share/doc/kvorax/changelog.gz"
    [ -f "$changelog" ] || fail "no changelog at /usr/share/doc/kvorax/changelog.gz"
    gzip -dc "$changelog" | cmp -s - "$source/CHANGELOG" || fail "changelog.gz is not the tree's CHANGELOG"
    head -n1 "$source/CHANGELOG" | grep -q "^kvorax ($version) " \
        || fail "the changelog's newest entry is not version $version, which the program tells"
}

# Every option the usage names is in the manual page as shown, and groff
# finds nothing wrong with it.
check_man_page() {
    local page="$tree/usr/share/man/man1/kvorax.1.gz" shown warnings option
    [ -f "$page" ] || fail "no manual page at /usr/share/man/man1/kvorax.1.gz"
    gzip -t "$page" || fail "the manual page is not gzipped"
    if ! command -v man >/dev/null; then
        skip "man (man-db) is not installed: the manual page's rendering and options are not checked"
        return
    fi
    shown="$root/kvorax.1.txt"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$shown") || fail "man cannot show the page"
    [ -z "$warnings" ] || fail "man --warnings reports: $warnings"
    grep -q "EXIT STATUS" "$shown" && grep -q "ROSTER FILE" "$shown" || fail "the manual page lacks its sections"
    local options=()
    mapfile -t options < <("$program" --help | sed -n 's/^  \(-[^ ]*\)\(, \(--[^ ]*\)\)\{0,1\} .*/\1 \3/p' | tr ' ' '\n' | sed '/^$/d')
    [ ${#options[@]} -ge 10 ] || fail "the usage names only ${#options[@]} options: ${options[*]}"
    for option in "${options[@]}"; do
        grep -Eq -- "(^|[^-[:alnum:]])$option([^-[:alnum:]]|$)" "$shown" || fail "the manual page does not show $option"
    done
}

# The window's translations, compiled, where the installed program looks for
# them: a .qm file starts with Qt's magic number.
check_translations() {
    local language qm
    for language in cs en; do
        qm="$tree/usr/share/kvorax/translations/kvorax_$language.qm"
        [ -f "$qm" ] || fail "no translation at /usr/share/kvorax/translations/kvorax_$language.qm"
        [ "$(od -An -tx1 -N8 "$qm" | tr -d ' ')" = "3cb86418caef9c95" ] || fail "$qm is not a compiled translation"
    done
}

# The AppStream entry is valid, names the desktop entry and the icon, and
# lists every release of the changelog with its date.
check_metainfo() {
    local metainfo="$tree/usr/share/metainfo/$app_id.metainfo.xml" release day_month_year date
    [ -f "$metainfo" ] || fail "no AppStream entry at /usr/share/metainfo/$app_id.metainfo.xml"
    grep -q "<id>$app_id</id>" "$metainfo" && grep -q ">$app_id.desktop</launchable>" "$metainfo" \
        && grep -q ">$app_id</icon>" "$metainfo" || fail "the AppStream entry names another id, desktop entry or icon"
    grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || fail "the AppStream entry does not give the licence"
    while read -r release day_month_year; do
        date=$(date -u -d "$day_month_year" +%F)
        grep -q "<release version=\"$release\" date=\"$date\">" "$metainfo" \
            || fail "the AppStream entry does not list release $release of $date"
    done < <(sed -n -e 's/^kvorax (\([^)]*\)).*/\1/p' -e 's/^ -- .*  [A-Z][a-z][a-z], \([0-9]* [A-Z][a-z][a-z] [0-9]*\) .*/\1/p' \
             "$source/CHANGELOG" | paste -d' ' - -)
    if ! command -v appstreamcli >/dev/null; then
        skip "appstreamcli (appstream) is not installed: the AppStream entry is not validated"
        return
    fi
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses the AppStream entry"
}

# The contest file's type as a file manager finds it: the installed
# shared-mime-info package built into the temporary root's database, then
# asked for the type of a contest file without its extension's help too.
check_mime_type() {
    local package="$tree/usr/share/mime/packages/$app_id.xml"
    [ -f "$package" ] || fail "no MIME type package at /usr/share/mime/packages/$app_id.xml"
    grep -q "MimeType=application/x-kvorax-contest;" "$tree/usr/share/applications/$app_id.desktop" \
        || fail "the desktop entry does not take contest files"
    grep -q "<mediatype>application/x-kvorax-contest</mediatype>" "$tree/usr/share/metainfo/$app_id.metainfo.xml" \
        || fail "the AppStream entry does not list the contest file's type"
    if ! command -v update-mime-database >/dev/null || ! command -v gio >/dev/null; then
        skip "update-mime-database (shared-mime-info) or gio (libglib2.0-bin) is missing: the contest file's type is not checked"
        return
    fi
    update-mime-database "$tree/usr/share/mime" >/dev/null 2>&1 || fail "update-mime-database refuses the MIME type package"
    local sample="$root/Jarní pohár.kvorax" type
    printf '{\n    "format": "kvorax-contest",\n    "version": 1\n}\n' > "$sample"
    type=$(XDG_DATA_HOME="$root/none" XDG_DATA_DIRS="$tree/usr/share" gio info -a standard::content-type "$sample" \
           | sed -n 's/^ *standard::content-type: //p')
    [ "$type" = application/x-kvorax-contest ] || fail "a .kvorax file is of type '$type', not application/x-kvorax-contest"
}

# The package as the README builds it, with every tag lintian gives shown.
check_package() {
    if ! command -v lintian >/dev/null; then
        skip "lintian is not installed: the Debian package is not checked (bash scripts/setup.sh test installs it)"
        return
    fi
    if [ "$hardened" != ON ]; then
        skip "this build has no hardening flags (a Debug or sanitizer build): lintian would only report that"
        return
    fi
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$root/package" >/dev/null || fail "cpack cannot build the package"
    local deb
    deb=$(ls "$root"/package/kvorax_*.deb)
    lintian --info --display-level ">=info" --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
}

check_desktop_entry
check_icons
check_licence_and_copyright
check_changelog
check_man_page
check_translations
check_metainfo
check_mime_type
check_package
echo "installed program, desktop entry, $(wc -w <<<"$sizes") icons, copyright, changelog, manual page, translations and AppStream entry"
