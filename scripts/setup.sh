#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine for Kvorax and then either starts the
# program (run) or runs the whole test suite (test).
#   bash scripts/setup.sh run
#   bash scripts/setup.sh test
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KVORAX_BUILD_DIR:-$root/build}

# dpkg-dev gives the hardening flags and the package's library dependencies;
# Qt's Linguist tools (lupdate, lrelease and their CMake package) compile the
# window's translations, and Qt's own Czech texts translate its dialogs;
# pkg-config finds libxcb, with which start-up tries a display before Qt does.
# CMake stops when any of them is missing.
packages=(g++ cmake ninja-build pkg-config libxcb1-dev qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools qt6-translations-l10n libgtest-dev libbenchmark-dev dpkg-dev
          fonts-liberation fonts-dejavu-core)
# What the tests read the program's output and the installation with: PDF
# files, the desktop entry, the AppStream entry, the contest file's MIME type
# (shared-mime-info's database and gio, which asks it), the manual page, the
# package; chromium, which opens the schedule's web page headless; clang with
# its libFuzzer runtime for the fuzz targets; and the locales the tests draw a
# schedule in, to see that a seed gives the same schedule in each of them.
test_packages=(poppler-utils desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db groff-base
               lintian chromium clang libclang-rt-14-dev locales)
test_locales=(cs_CZ.UTF-8 en_US.UTF-8)
[ "$mode" = test ] && packages+=("${test_packages[@]}")

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "setup.sh must run $1: run it as root, or install sudo." >&2
        exit 1
    fi
}

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# A locale is named cs_CZ.UTF-8 in /etc/locale.gen and listed as cs_CZ.utf8.
generate_test_locales() {
    local wanted=() name
    for name in "${test_locales[@]}"; do
        locale -a 2>/dev/null | grep -qix "${name%.UTF-8}.utf8" || wanted+=("$name")
    done
    [ ${#wanted[@]} -eq 0 ] && return
    echo "Generating locales: ${wanted[*]}"
    for name in "${wanted[@]}"; do
        grep -qx "$name UTF-8" /etc/locale.gen 2>/dev/null || echo "$name UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    done
    as_root locale-gen >/dev/null
}

build_all() {
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$build"
}

install_missing
[ "$mode" = test ] && generate_test_locales
case "$mode" in
run)
    build_all
    exec "$build/kvorax"
    ;;
test)
    build_all
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
    ;;
*)
    echo "usage: bash scripts/setup.sh run|test" >&2
    exit 2
    ;;
esac
