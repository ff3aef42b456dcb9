#pragma once

#include "platform/DrawingTypes.h"
#include "print/PrintOutcome.h"
#include "print/StatusLine.h"

#include <QString>
#include <QStringList>

class CPrintLayout;
struct CalculationResult;

// One heat as printed: its heading and a line per pilot placed in it, in
// slot order with the empty slots closed up.
struct HeatBlock {
    QString heading;
    QStringList pilotLines;
};

HeatBlock MatrixHeatBlock(const CalculationResult& result, int round, int heat);

struct MatrixPrintOptions {
    int baseFontSize = 9;
    bool newColumnPerRound = true;
};

// Prints every heat of the calculated matrix in columns on the printer,
// round by round, then lets the printer go and clears the status line, or
// leaves the size note there when it printed smaller than chosen.
PrintOutcome PrintMatrix(CPrintLayout& layout, HDC printer, const MatrixPrintOptions& options,
                         const CalculationResult& result, const StatusLine& showStatus);
