// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roster/PilotRecord.h"
#include "roster/RosterLine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

// The roster file: one roster line per pilot, in roster order, each ended by
// "\n" (the text file writes CR LF).
QString RosterFileText(std::span<const PilotRecord> pilots);

// A line of a roster file that cannot become a pilot.
struct BadRosterLine {
    int number = 0;  // counted from 1, as an editor shows it
    QString text;
    RosterLineFault fault = RosterLineFault::None;
};

// What a roster file holds. Every line is checked before any pilot is taken:
// a file that is no text, or that has a line which is no pilot, is refused
// whole. Empty lines and lines of only blanks are skipped. Of the good lines
// the first kRosterCapacity become pilots; the rest are counted so the
// organiser can be told.
struct RosterFileReading {
    bool isText = true;
    std::optional<BadRosterLine> firstBadLine;
    int badLineCount = 0;
    QStringList pilotLines;
    int leftOut = 0;

    bool IsRefused() const { return !isText || badLineCount > 0; }
};

RosterFileReading ReadRosterFile(const QByteArray& bytes);

// Why the file was refused, naming the file and its first bad line.
QString RefusedRosterFileMessage(const QString& path, const RosterFileReading& reading);

// What the organiser is told when a file held more pilots than the roster.
QString LeftOutLinesMessage(const QString& path, int imported, int leftOut);
