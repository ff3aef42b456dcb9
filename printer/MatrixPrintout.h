// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"
#include "print/PageHeading.h"
#include "print/PrintOutcome.h"
#include "print/PrintoutContent.h"
#include "print/StatusLine.h"

#include <QString>
#include <QStringList>
#include <optional>

class CPrintLayout;
struct CalculationResult;

struct MatrixPrintOptions {
    int baseFontSize = kDefaultBaseFontSize;
    bool newColumnPerRound = true;
};

// Prints every heat of the calculated matrix in columns on the printer,
// round by round, then lets the printer go and clears the status line, or
// leaves the size note there when it printed smaller than chosen. With a
// heading, every page carries the contest's header and its page number.
PrintOutcome PrintMatrix(CPrintLayout& layout, SharedPrinter printer, const MatrixPrintOptions& options,
                         const CalculationResult& result, const StatusLine& showStatus,
                         const std::optional<PageHeading>& heading = std::nullopt);
