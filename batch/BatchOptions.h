// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/BalancedDraw.h"
#include "matrix/MatrixShape.h"
#include "print/PrintoutContent.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// What a batch run of the program is asked to do, read from the command line.
// Every number is checked here against the range of its field, so a value
// that cannot be used stops the run before the roster is read.
struct BatchOptions {
    bool help = false;
    bool version = false;

    QString importPath;
    int rounds = kDefaultRounds;
    int heats = kDefaultHeats;
    int pilotsPerHeat = kDefaultPilotsPerHeat;
    std::optional<unsigned> seed;
    bool balanced = false;
    std::optional<int> balanceEffort;  // only with balanced

    QString exportPilotsPath;
    QString exportMatrixPath;
    QString exportHeatsPath;
    QString exportStatisticsPath;

    QString printMatrixPath;
    QString printHeatsPath;
    int fontSize = kDefaultBaseFontSize;
    bool newColumnPerRound = true;
};

// Why the command line cannot be used, in one sentence for the organiser.
struct BatchArgumentError {
    QString reason;
    bool showUsage = true;  // a value out of its range needs its message, not the list of options
};

// The most characters an option's value may have: what an edit field of the
// window holds. A longer value is refused rather than cut to a number.
constexpr int kOptionValueChars = 32767;

// Reads a number the one way every option's number is read: decimal digits
// with blanks around them allowed, no sign. Nothing when the value is no such
// number or is longer than kOptionValueChars; a number too large for the type
// stops at its largest value.
std::optional<unsigned long long> ParseOptionNumber(const QString& value);

// Reads the arguments after the program's name.
std::variant<BatchOptions, BatchArgumentError> ParseBatchArguments(const QStringList& arguments);

// The usage text: how to call the program, then one line per option.
QString BatchUsage();
