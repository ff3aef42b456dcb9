// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct BatchArgumentError;
struct BatchOptions;

// One change of the contest day asked for on the command line, run on the
// opened contest in the order given. Rounds count from 1.
struct DayStep {
    enum class Kind { Withdraw, Late, Swap, Move, Redraw };
    Kind kind = Kind::Withdraw;
    QString lastName;        // the pilot (Withdraw, Late, Move) or the first of two (Swap)
    QString firstName;
    QString otherLastName;   // the second pilot of a swap
    QString otherFirstName;
    int channel = 0;         // the late pilot's
    int round = 0;           // from round (Withdraw, Late, Redraw), the round (Swap, Move)
    int heat = 0;            // the heat a pilot moves to (Move)

    bool operator==(const DayStep&) const = default;
};

// The contest day's options, each repeatable:
//   --withdraw "LAST,FIRST" --from-round K
//   --late "LAST,FIRST,CHANNEL" --from-round K
//   --swap "LAST,FIRST" "LAST,FIRST" --round K
//   --move "LAST,FIRST" --round K --heat H
//   --redraw-from K
// --from-round, --round and --heat belong to the option right before them
// and nothing else, so each change reads as one phrase.
bool IsDayOption(const QString& name);

// Reads the day option at arguments[at] with its values and round, leaving
// `at` on the last argument it used.
std::optional<BatchArgumentError> ReadDayOption(const QStringList& arguments, qsizetype& at, BatchOptions& options);

// The options' lines for the usage text.
QString DayOptionsUsage();
