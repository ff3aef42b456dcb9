#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists every source file of the tree (C++ sources and headers, shell
# scripts, CMake files) that does not say its licence in its first lines,
# and fails when there is one. Only the files git keeps are looked at, so
# build folders and editors' leftovers do not count; a tree unpacked from an
# archive has no git history to ask, and the check is skipped (status 77).
#   check-spdx.sh [<source folder>]
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
tag="SPDX-License-Identifier: GPL-3.0-or-later"
head_lines=3

if ! command -v git >/dev/null || ! git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "SKIPPED: $root is not a git checkout, so there is no list of its source files"
    exit 77
fi

lacking=0
while IFS= read -r -d '' file; do
    [ -f "$root/$file" ] || continue  # removed in the worktree, not yet committed
    if ! head -n "$head_lines" "$root/$file" | grep -qF "$tag"; then
        echo "$file"
        lacking=$((lacking + 1))
    fi
done < <(git -C "$root" ls-files -z -- '*.cpp' '*.h' '*.sh' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt')

if [ "$lacking" -gt 0 ]; then
    echo "FAILED: $lacking files lack \"$tag\" in their first $head_lines lines" >&2
    exit 1
fi
echo "every source file names its licence"
