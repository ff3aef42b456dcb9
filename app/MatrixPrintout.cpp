#include "app/MatrixPrintout.h"

#include "app/CPrintLayout.h"
#include "matrix/CalculationResult.h"
#include "print/PageGeometry.h"
#include "print/PrintoutContent.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Room above the first heat of every column for punching or pinning the
// sheet to the board.
constexpr int kTopMargin = 32;
constexpr int kPilotLineIndent = 16;

void PrintHeat(CPrintLayout& layout, int& y, const HeatBlock& block)
{
    layout.AdvanceIfItWouldNotFit(y, layout.BlockHeight(block.heading, block.pilotLines), kTopMargin);
    const int blockStart = y;
    layout.DrawHeading(y, block.heading);
    layout.DrawLines(y, block.pilotLines, kPilotLineIndent);
    // A column closes once a further block as tall as this one would not fit.
    const int blockHeight = y - blockStart;
    if (EndsBelowPage(layout.m_topMargin, y, blockHeight, layout.m_pageHeight))
        layout.AdvanceColumn(y, kTopMargin);
}

} // namespace

PrintOutcome PrintMatrix(CPrintLayout& layout, SharedPrinter printer, const MatrixPrintOptions& options,
                         const CalculationResult& result, const StatusLine& showStatus)
{
    layout.PreparePrintout(std::move(printer), kTopMargin, options.baseFontSize);
    layout.m_columnWidth = layout.MeasureColumnWidth();
    PrintOutcome outcome = PrintOutcome::NotStarted;
    if (layout.StartFirstPage()) {
        int y = 0;
        const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
        const int heats = std::clamp(result.heats, 0, kMaxHeats);
        for (int round = 0; round < rounds; ++round) {
            if (options.newColumnPerRound && round > 0)
                layout.AdvanceColumn(y, kTopMargin);
            for (int heat = 0; heat < heats; ++heat) {
                const HeatBlock block = MatrixHeatBlock(result, round, heat);
                showStatus(QCoreApplication::translate("Printout", "Printing %1").arg(block.heading));
                PrintHeat(layout, y, block);
            }
        }
        outcome = layout.FinishDocument();
    }
    layout.ClosePrintout();
    showStatus(QString());
    return outcome;
}
