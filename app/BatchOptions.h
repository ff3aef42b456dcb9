#pragma once

#include "matrix/BalancedDraw.h"
#include "matrix/MatrixShape.h"
#include "print/PrintoutContent.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// What a batch run of the program is asked to do, read from the command line.
// The three schedule fields stay text: the run types them into the window's
// fields, so the window's own checks and messages judge them.
struct BatchOptions {
    bool help = false;
    bool version = false;

    QString importPath;
    QString rounds = QString::number(kDefaultRounds);
    QString heats = QString::number(kDefaultHeats);
    QString pilotsPerHeat = QString::number(kDefaultPilotsPerHeat);
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
};

// Reads the arguments after the program's name.
std::variant<BatchOptions, BatchArgumentError> ParseBatchArguments(const QStringList& arguments);

// The usage text: how to call the program, then one line per option.
QString BatchUsage();
