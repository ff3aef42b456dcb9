#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine for Kvorax and then either starts the
# program (run) or runs the whole test suite (test).
#   bash scripts/setup.sh run
#   bash scripts/setup.sh test
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KVORAX_BUILD_DIR:-$root/build}

packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core poppler-utils desktop-file-utils)
# The tests also build the roster reader's fuzz target (fuzz/), which needs
# clang and its libFuzzer runtime.
if [ "$mode" = test ]; then
    packages+=(clang libclang-rt-14-dev)
fi

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
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
