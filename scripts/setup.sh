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
# window's translations, and Qt's own Czech texts translate its dialogs.
packages=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
          qt6-translations-l10n libgtest-dev libbenchmark-dev dpkg-dev fonts-liberation fonts-dejavu-core)
# What the tests read the program's output and the installation with: PDF
# files, the desktop entry, the AppStream entry, the contest file's MIME type
# (shared-mime-info's database and gio, which asks it), the manual page, the
# package; chromium, which opens the schedule's web page headless; and clang
# with its libFuzzer runtime for the fuzz targets.
test_packages=(poppler-utils desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db groff-base
               lintian chromium clang libclang-rt-14-dev)
[ "$mode" = test ] && packages+=("${test_packages[@]}")

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "setup.sh must install ${missing[*]}: run it as root, or install sudo." >&2
            exit 1
        fi
        sudo=sudo
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_all() {
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$build"
}

install_missing
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
