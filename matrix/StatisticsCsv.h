// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/DrawStatistics.h"
#include "roster/PilotRecord.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

// The meeting statistics as a spreadsheet file: one line per allowed pair of
// pilots, in roster order, "last,first,last,first,meetings", no heading line.
// A name holding a comma, a double quote or a line break is enclosed in
// double quotes with each quote inside doubled, and one a spreadsheet would
// take for a formula gets an apostrophe before it (CsvField.h); other names
// go as they are.
QString StatisticsCsv(std::span<const PilotRecord> pilots, const DrawStatistics& statistics);

struct PairMeetings {
    QString lastName;
    QString firstName;
    QString otherLastName;
    QString otherFirstName;
    int meetings = 0;
};

// Reads such a file back; nothing when a line does not hold five fields
// ending in a count.
std::optional<std::vector<PairMeetings>> ReadStatisticsCsv(const QString& text);
