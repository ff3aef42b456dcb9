#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the layers of the program over its #include lines:
#   - the core (text/, roster/, matrix/, print/, contest/, publish/) includes nothing of
#     the window (app/, window/, dialogs/, batch/, printer/, language/, res/),
#     of the dialog framework (platform/), and no header of Qt Widgets or Qt
#     PrintSupport;
#   - platform/ includes nothing of the program but text/; res/ nothing of
#     the window's folders;
#   - no two folders include each other, directly or round a circle.
# Usage: LayeringTest.sh SOURCE_DIR QT_HEADER_DIR...
#        (each QT_HEADER_DIR a folder of headers the core must not include,
#        such as .../qt6/QtWidgets)
#        LayeringTest.sh --self-test QT_HEADER_DIR...
#        (shows that each rule catches a fault planted in a scratch tree)
set -u

CORE="text roster matrix print contest publish"
WINDOW="app window dialogs batch printer language"
FOLDERS="$CORE platform res $WINDOW"

# "file folder included" for every #include "folder/..." line of a folder.
project_includes()
{
    local root=$1 folder=$2
    grep -HoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$root/$folder"/*.h "$root/$folder"/*.cpp 2>/dev/null |
        sed -E 's#^([^:]+):.*"([^"/]+)/$#\1 \2#'
}

# "file header" for every #include <...> line of a folder.
system_includes()
{
    local root=$1 folder=$2
    grep -HoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<[^>]+>' "$root/$folder"/*.h "$root/$folder"/*.cpp 2>/dev/null |
        sed -E 's#^([^:]+):.*<([^>]+)>$#\1 \2#'
}

# Prints one line per broken rule; returns 1 when there is any.
check_tree()
{
    local root=$1; shift
    local faults=0 folder file included header dir forbidden
    for folder in $FOLDERS; do
        case " $CORE " in
        *" $folder "*) forbidden="$WINDOW res platform" ;;
        *) case $folder in
           # text/ sits under both the core and the dialog framework.
           platform) forbidden="$WINDOW res ${CORE/text /}" ;;
           res) forbidden="$WINDOW" ;;
           *) forbidden="" ;;
           esac ;;
        esac
        while read -r file included; do
            [ -n "$file" ] || continue
            if [[ " $forbidden " == *" $included "* ]]; then
                echo "$file: the $folder/ folder must not include $included/"
                faults=1
            fi
        done < <(project_includes "$root" "$folder")
        [[ " $CORE " == *" $folder "* ]] || continue
        while read -r file header; do
            [ -n "$file" ] || continue
            for dir in "$@"; do
                if [ "${header%%/*}" = "$(basename "$dir")" ] || [ -e "$dir/$header" ]; then
                    echo "$file: the core must not include <$header> ($(basename "$dir"))"
                    faults=1
                fi
            done
        done < <(system_includes "$root" "$folder")
    done
    # A circle between folders: tsort names the folders on it.
    local edges
    edges=$(for folder in $FOLDERS; do
        project_includes "$root" "$folder" | awk -v from="$folder" '$2 != from { print from, $2 }'
    done | sort -u)
    if ! echo "$edges" | tsort >/dev/null 2>&1; then
        echo "The folders include each other in a circle:"
        echo "$edges" | tsort 2>&1 >/dev/null | sed 's/^/  /'
        faults=1
    fi
    return $faults
}

self_test()
{
    local scratch failures=0
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' RETURN
    plant()  # plant NAME FILE LINE: a clean tree with one line added to one file
    {
        local tree="$scratch/$1"
        for folder in $FOLDERS; do mkdir -p "$tree/$folder"; done
        echo '#include "text/CharacterCount.h"' > "$tree/roster/RosterLine.cpp"
        echo '#include "roster/PilotRecord.h"' > "$tree/matrix/Matrix.h"
        echo '#include "platform/CDialog.h"' > "$tree/window/CRaceDlg.h"
        echo '#include <QString>' > "$tree/print/PrintoutContent.cpp"
        [ -z "$2" ] || echo "$3" >> "$tree/$2"
    }
    local qtdirs=("${@}")
    check() { local name=$1 want=$2; check_tree "$scratch/$name" "${qtdirs[@]}" >"$scratch/$name.out" 2>&1;
              local got=$?; if [ "$got" != "$want" ]; then echo "self test '$name': expected $want, got $got";
              cat "$scratch/$name.out"; failures=1; fi; }
    plant clean "" ""; check clean 0
    plant widget matrix/Matrix.h '#include <QWidget>'; check widget 1
    plant printer print/PrintoutContent.cpp '#  include <QtPrintSupport/QPrinter>'; check printer 1
    plant window roster/RosterLine.cpp '#include "window/CRaceDlg.h"'; check window 1
    plant templates res/MainTemplates.cpp '#include "dialogs/CAboutDlg.h"'; check templates 1
    plant framework print/PrintoutContent.cpp '#include "platform/CDC.h"'; check framework 1
    plant pilots platform/CDialog.h '#include "roster/PilotRecord.h"'; check pilots 1
    plant circle roster/PilotRecord.h '#include "matrix/Matrix.h"'; check circle 1
    return $failures
}

if [ "${1:-}" = "--self-test" ]; then
    shift
    self_test "$@" && echo "The layering check catches every planted fault."
    exit $?
fi
root=$1; shift
check_tree "$root" "$@" && echo "The layers hold: no core file includes the window, and no folders include each other in a circle."
