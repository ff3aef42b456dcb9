// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roster/PilotRecord.h"

#include <QString>
#include <optional>

// The roster line, the one text form of a pilot: last name, comma, first
// name, comma, channel and, for a pilot of a team, comma and team. The pilot
// list shows it, the roster file holds it, the duplicate check compares it.
// A pilot without a team is written in three fields, as before teams, so a
// roster file of three fields comes back byte for byte.
//
// Reading keeps every field in its place, empty or not: field 1 is the text
// before the first comma, field 2 the text up to the second, field 3 the text
// up to a third comma or the end, field 4 (the team) up to a fourth comma or
// the end; later fields are ignored. A field the line does not reach is
// absent, and leaves its target as it was. So every line the program writes
// reads back as the record it came from. The team is taken without the
// blanks around it: "Orlík" and "Orlík " are one team on the field.
struct RosterLineFields {
    std::optional<QString> lastName;
    std::optional<QString> firstName;
    std::optional<int> frequency;
    std::optional<QString> team;
};

RosterLineFields ReadRosterLine(const QString& line);
QString FormatRosterLine(const QString& lastName, const QString& firstName, int frequency,
                         const QString& team = {});
QString FormatRosterLine(const PilotRecord& pilot);

// Why a roster file line cannot become a pilot. A line becomes one when it
// has at least three comma-separated fields and its third is a channel of
// kLowestChannel to kHighestChannel: digits with an optional sign and blanks
// around them. Names are taken as they are.
enum class RosterLineFault {
    None,
    TooFewFields,
    SeparatedBySemicolons,  // a spreadsheet's export in a locale whose list separator is ';'
    ChannelMissing,
    ChannelNotANumber,
    ChannelOutOfRange,
};

RosterLineFault CheckRosterLine(const QString& line);

// Fills the record's fields that the line has, names cut to their capacities.
void ApplyRosterLine(const RosterLineFields& fields, PilotRecord& pilot);

// Reads a channel the forgiving way: leading blanks, an optional sign, the
// digits up to the first other character; 0 without digits. A number too
// large for an int stops at the int's limit.
int ConvertLikeAtoi(const QString& text);
