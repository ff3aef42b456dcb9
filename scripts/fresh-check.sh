#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the README's test command on a fresh Debian 12: makes a minimal
# bookworm root with debootstrap from the Debian mirror this machine's apt
# uses, copies the sources in without .git and the build folders, and runs
# `bash scripts/setup.sh test` there as root, as a new user would on a new
# machine. Run by hand before a release (about 11 minutes); needs root and
# debootstrap.
#   sudo bash scripts/fresh-check.sh
# KVORAX_MIRROR names another mirror; KVORAX_KEEP_FRESH_ROOT=1 keeps the root
# for a look after a failure.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-check.sh makes a root with debootstrap and runs in it with chroot: run it as root." >&2
    exit 1
fi
if ! command -v debootstrap >/dev/null; then
    echo "fresh-check.sh needs debootstrap: apt-get install debootstrap" >&2
    exit 1
fi

# The first mirror that serves bookworm itself (not its security updates),
# from the one-line and the deb822 forms of apt's sources.
debian_mirror() {
    local files=()
    [ -f /etc/apt/sources.list ] && files+=(/etc/apt/sources.list)
    for file in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && files+=("$file")
    done
    [ ${#files[@]} -eq 0 ] && return
    awk '
        /^[[:space:]]*deb[[:space:]]/ {
            n = 2; if ($n ~ /^\[/) { while ($n !~ /\]$/) n++; n++ }
            if ($(n + 1) == "bookworm") { print $n; exit }
        }
        /^[[:space:]]*$/ { if (uris != "" && suites ~ /(^| )bookworm( |$)/) { print uris; exit } uris = ""; suites = "" }
        /^URIs:/ { uris = $2 }
        /^Suites:/ { $1 = ""; suites = $0 " " }
        END { if (uris != "" && suites ~ /(^| )bookworm( |$)/) print uris }
    ' "${files[@]}" | head -n 1
}

mirror=${KVORAX_MIRROR:-$(debian_mirror)}
if [ -z "$mirror" ]; then
    echo "fresh-check.sh found no bookworm mirror in /etc/apt/sources.list(.d): set KVORAX_MIRROR." >&2
    exit 1
fi

fresh=$(mktemp -d /var/tmp/kvorax-fresh.XXXXXX)
mounted=()

# Unmounts in the reverse order, and removes the root only when nothing is
# mounted in it any more, so a failed unmount never deletes the machine's
# own /dev or /proc.
clean_up() {
    local index
    for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
        umount "${mounted[index]}" 2>/dev/null || umount -l "${mounted[index]}" || true
    done
    if grep -q " $fresh/" /proc/mounts; then
        echo "fresh-check.sh: $fresh still has mounts; left in place." >&2
    elif [ "${KVORAX_KEEP_FRESH_ROOT:-0}" = 1 ]; then
        echo "fresh-check.sh: the root is kept in $fresh." >&2
    else
        rm -rf --one-file-system "$fresh"
    fi
    rm -f "$fresh.sources.tar" "$fresh.debootstrap.log"
}
trap clean_up EXIT
# Interrupted, the check still unmounts and removes what it made.
trap 'exit 130' INT TERM

mount_in() {
    local target=$fresh/$1
    shift
    mkdir -p "$target"
    mount "$@" "$target"
    mounted+=("$target")
}

SECONDS=0
# The sources as they are now: edits made while debootstrap runs are not
# part of the check.
sources=$fresh.sources.tar
tar -C "$root" --exclude=./.git --exclude='./build*' --exclude=./.cache --exclude=./compile_commands.json \
    -cf "$sources" .

echo "fresh-check: debootstrap --variant=minbase bookworm from $mirror into $fresh"
debootstrap --variant=minbase bookworm "$fresh" "$mirror" >"$fresh.debootstrap.log" 2>&1 || {
    tail -n 20 "$fresh.debootstrap.log" >&2
    exit 1
}
rm -f "$fresh.debootstrap.log"

echo "fresh-check: copying the sources into /root/kvorax"
mkdir -p "$fresh/root/kvorax"
tar -C "$fresh/root/kvorax" -xf "$sources"
cp /etc/resolv.conf "$fresh/etc/resolv.conf"

# What a booted machine has mounted: the processes, the devices with their
# terminals, and the shared memory that Qt and the test runner use.
mount_in proc -t proc proc
mount_in sys -t sysfs sysfs
mount_in dev --bind /dev
# What is mounted below the root's /dev must not reach the machine's own.
mount --make-rslave "$fresh/dev"
mount_in dev/pts -t devpts devpts
mount_in dev/shm -t tmpfs -o mode=1777 shm

echo "fresh-check: bash scripts/setup.sh test"
status=0
chroot "$fresh" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/kvorax && bash scripts/setup.sh test' || status=$?

minutes=$((SECONDS / 60))
seconds=$((SECONDS % 60))
if [ "$status" -eq 0 ]; then
    echo "fresh-check: passed in ${minutes} min ${seconds} s"
else
    echo "fresh-check: failed with status $status after ${minutes} min ${seconds} s" >&2
fi
exit "$status"
