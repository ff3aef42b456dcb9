// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/DayOptions.h"
#include "matrix/BalancedDraw.h"
#include "matrix/MatrixShape.h"
#include "print/PrintoutContent.h"

#include <QDate>
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
    QString openPath;                  // a contest file instead of a pilot list
    std::optional<QString> contestName;
    std::optional<QDate> contestDate;
    // The fields not given keep the window's: a new contest's defaults after
    // an import, the file's after an open.
    std::optional<int> rounds;
    std::optional<int> heats;
    std::optional<int> pilotsPerHeat;
    std::optional<unsigned> seed;
    bool recalculate = false;
    bool balanced = false;
    std::optional<int> balanceEffort;  // only with balanced
    // Rules added to the draw; an opened contest's own rules stay on.
    bool noBackToBack = false;
    bool timekeepers = false;

    QString exportPilotsPath;
    QString exportMatrixPath;
    QString exportHeatsPath;
    QString exportStatisticsPath;
    QString exportCsvPath;
    QString exportHtmlPath;
    QString exportTimekeepersPath;

    QString printMatrixPath;
    QString printHeatsPath;
    QString printHeatSheetsPath;
    QString printPilotsPath;
    bool landscape = false;
    int fontSize = kDefaultBaseFontSize;
    bool newColumnPerRound = true;

    QString savePath;

    // The contest day's changes (DayOptions.h), run in this order on the
    // opened contest after its draw, before the files are written.
    std::vector<DayStep> daySteps;

    // Whether the run draws a schedule: an opened contest keeps its own
    // unless a draw is asked for; an imported pilot list is drawn unless the
    // run only converts it (into a pilot list or a contest file) and names
    // no seed. With a --redraw-from, --balanced chooses the redraw's kind and
    // draws nothing whole.
    bool Draws() const;
    bool Redraws() const;
    // Whether an output asks for the schedule (not only the pilots).
    bool NeedsSchedule() const;
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
