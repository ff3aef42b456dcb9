// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/MatrixPrintout.h"

#include "matrix/CalculationResult.h"
#include "printer/CPrintLayout.h"
#include "print/PageGeometry.h"
#include "print/PrintoutContent.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace {

// Room above the first heat of every column for punching or pinning the
// sheet to the board.
constexpr int kTopMargin = 32;
constexpr int kPilotLineIndent = 16;

void PrintHeat(CPrintLayout& layout, int& y, const HeatBlock& block)
{
    const int blockStart = layout.DrawBlock(y, block.heading, block.pilotLines, kPilotLineIndent, 0, kTopMargin).top;
    // A column closes once a further block as tall as this one would not fit.
    const int blockHeight = y - blockStart;
    if (EndsBelowPage(layout.m_topMargin, y, blockHeight, layout.m_pageHeight))
        layout.CloseColumn();
}

std::vector<HeatBlock> HeatBlocksInPrintOrder(const CalculationResult& result)
{
    std::vector<HeatBlock> blocks;
    const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    for (int round = 0; round < rounds; ++round)
        for (int heat = 0; heat < heats; ++heat)
            blocks.push_back(MatrixHeatBlock(result, round, heat));
    return blocks;
}

int FitMatrixSize(CPrintLayout& layout, int chosenSize, const std::vector<HeatBlock>& blocks)
{
    QStringList headings;
    QStringList lines;
    for (const HeatBlock& block : blocks) {
        headings << block.heading;
        lines << block.pilotLines;
    }
    lines.removeDuplicates();
    return layout.FitPrintSize(chosenSize, headings, lines, kPilotLineIndent);
}

} // namespace

PrintOutcome PrintMatrix(CPrintLayout& layout, SharedPrinter printer, const MatrixPrintOptions& options,
                         const CalculationResult& result, const StatusLine& showStatus,
                         const std::optional<PageHeading>& heading)
{
    const QString title = QCoreApplication::translate("Printout", "Matrix");
    layout.PreparePrintout(std::move(printer), kTopMargin, options.baseFontSize, QStringLiteral("Matrix"));
    if (heading)
        layout.HeadPages(PageHeaderText(*heading, title));
    const std::vector<HeatBlock> blocks = HeatBlocksInPrintOrder(result);
    const int printedSize = FitMatrixSize(layout, options.baseFontSize, blocks);
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    const PrintOutcome outcome = layout.PrintBody([&](int& y) {
        for (size_t index = 0; index < blocks.size(); ++index) {
            if (options.newColumnPerRound && index > 0 && index % size_t(heats) == 0)
                layout.AdvanceColumn(y, kTopMargin);
            if (!layout.IsCountingPages())
                showStatus(QCoreApplication::translate("Printout", "Printing %1").arg(blocks[index].heading));
            PrintHeat(layout, y, blocks[index]);
        }
    });
    layout.ClosePrintout();
    showStatus(PrintSizeNote(title, printedSize, options.baseFontSize));
    return outcome;
}
