// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/PilotListPrintout.h"

#include "printer/CPrintLayout.h"
#include "printer/PrintTable.h"
#include "print/PilotListContent.h"
#include "print/PrintoutContent.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int kTopMargin = 0;

// Only the last column, the box to tick, is left to write in.
std::vector<bool> BlankColumns(const QStringList& titles)
{
    std::vector<bool> blank(size_t(titles.size()), false);
    blank.back() = true;
    return blank;
}

PrintTable FitPilotListSize(CPrintLayout& layout, int chosenSize, const QStringList& titles,
                            const std::vector<QStringList>& rows, int& printedSize)
{
    layout.ApplyPageMapping();
    for (int size = chosenSize;; --size) {
        layout.CreatePrintFonts(size);
        layout.SwitchToFont(layout.m_lineFont);
        const PrintTable table = MeasureTable(layout, titles, rows, BlankColumns(titles));
        layout.SwitchBack();
        if (table.Width() <= layout.m_pageWidth || size <= kSmallestBaseFontSize) {
            printedSize = size;
            // The gap between columns never pushes a lone column past the edge.
            layout.m_columnWidth = std::min(table.Width() + table.rowHeight, std::max(layout.m_pageWidth, table.Width()));
            return table;
        }
    }
}

// A row that would end below the page starts the next column, under the
// titles repeated there.
void PrintRow(CPrintLayout& layout, int& y, const PrintTable& table, const QStringList& titles, const QStringList& row)
{
    layout.AdvanceIfItWouldNotFit(y, table.rowHeight, kTopMargin);
    if (y == 0)
        DrawTableRow(layout, table, y, titles, true);
    DrawTickBox(layout, table, y, int(titles.size()) - 1);
    DrawTableRow(layout, table, y, row, false);
}

void PrintCount(CPrintLayout& layout, int& y, const PrintTable& table, int count)
{
    const QString text = PilotCountText(count);
    layout.AdvanceIfItWouldNotFit(y, table.rowHeight, kTopMargin);
    const int top = layout.m_topMargin + y + table.padding;
    layout.m_printerDC.DrawText(text, {layout.m_columnLeft + table.padding, top,
                                       layout.m_columnLeft + table.Width(), top + table.rowHeight - 2 * table.padding});
    layout.m_pageHasText = true;
    y += table.rowHeight;
}

} // namespace

PrintOutcome PrintPilotList(CPrintLayout& layout, SharedPrinter printer, int baseFontSize,
                            std::span<const PilotRecord> pilots, const StatusLine& showStatus,
                            const std::optional<PageHeading>& heading)
{
    const QString title = QCoreApplication::translate("Printout", "Pilot List");
    layout.PreparePrintout(std::move(printer), kTopMargin, baseFontSize, QStringLiteral("Pilot List"));
    if (heading)
        layout.HeadPages(PageHeaderText(*heading, title));
    const QStringList titles = PilotListTitles(pilots);
    const std::vector<QStringList> rows = PilotListRows(pilots);
    int printedSize = baseFontSize;
    const PrintTable table = FitPilotListSize(layout, baseFontSize, titles, rows, printedSize);
    const PrintOutcome outcome = layout.PrintBody([&](int& y) {
        layout.SwitchToFont(layout.m_lineFont);
        for (const QStringList& row : rows)
            PrintRow(layout, y, table, titles, row);
        PrintCount(layout, y, table, int(rows.size()));
        layout.SwitchBack();
    });
    layout.ClosePrintout();
    showStatus(PrintSizeNote(title, printedSize, baseFontSize));
    return outcome;
}
