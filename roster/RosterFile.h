#pragma once

#include "roster/PilotRecord.h"

#include <QString>
#include <QStringList>
#include <span>

// The roster file: one roster line per pilot, in roster order, each ended by
// "\n" (the text file writes CR LF).
QString RosterFileText(std::span<const PilotRecord> pilots);

// The lines of a roster file that become pilots: the non-empty ones, up to
// the roster's capacity. The rest are counted so the organiser can be told.
struct RosterFileLines {
    QStringList pilotLines;
    int leftOut = 0;
};

RosterFileLines SelectPilotLines(const QStringList& fileLines);

// What the organiser is told when a file held more pilots than the roster.
QString LeftOutLinesMessage(const QString& path, int imported, int leftOut);
