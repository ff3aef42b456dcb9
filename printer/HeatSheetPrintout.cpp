// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/HeatSheetPrintout.h"

#include "matrix/CalculationResult.h"
#include "printer/CPrintLayout.h"
#include "printer/PrintTable.h"
#include "print/HeatSheetContent.h"
#include "print/PageGeometry.h"
#include "print/PrintoutContent.h"

#include <QCoreApplication>
#include <QPen>
#include <algorithm>

namespace {

constexpr int kTopMargin = 0;

struct SheetLayout {
    PrintTable table;
    int headingHeight = 0;
    int lineHeight = 0;

    // Heading, the table's title row and a row per pilot, then the
    // signature line half a row below; the gap to the next sheet is not
    // part of it, so a sheet may end at the very foot of the page.
    int Height(const HeatSheet& sheet) const
    {
        return headingHeight + table.padding + int(sheet.rows.size() + 1) * table.rowHeight + table.rowHeight / 2
               + lineHeight;
    }
    int GapAfter() const { return table.rowHeight; }
};

std::vector<bool> BlankColumns(const std::vector<SheetColumn>& columns)
{
    std::vector<bool> blank;
    for (const SheetColumn& column : columns)
        blank.push_back(column.IsBlank());
    return blank;
}

SheetLayout MeasureSheets(CPrintLayout& layout, const std::vector<SheetColumn>& columns,
                          const std::vector<HeatSheet>& sheets)
{
    std::vector<QStringList> rows;
    for (const HeatSheet& sheet : sheets)
        rows.insert(rows.end(), sheet.rows.begin(), sheet.rows.end());
    SheetLayout measured;
    layout.SwitchToFont(layout.m_headingFont);
    measured.headingHeight = layout.MeasureText(HeatSheetHeading(1, 1)).height();
    layout.SwitchBack();
    layout.SwitchToFont(layout.m_lineFont);
    measured.table = MeasureTable(layout, ColumnTitles(columns), rows, BlankColumns(columns));
    measured.lineHeight = layout.MeasureText(TimekeeperSignatureText()).height();
    layout.SwitchBack();
    return measured;
}

int TallestSheet(const SheetLayout& measured, const std::vector<HeatSheet>& sheets)
{
    int tallest = 0;
    for (const HeatSheet& sheet : sheets)
        tallest = std::max(tallest, measured.Height(sheet));
    return tallest;
}

// The largest size at or below the chosen one at which the table fits the
// width of the page and the tallest sheet its height.
SheetLayout FitSheetSize(CPrintLayout& layout, int chosenSize, const std::vector<SheetColumn>& columns,
                         const std::vector<HeatSheet>& sheets, int& printedSize)
{
    layout.ApplyPageMapping();
    const int bodyHeight = layout.m_pageHeight - layout.m_topMargin;
    for (int size = chosenSize;; --size) {
        layout.CreatePrintFonts(size);
        const SheetLayout measured = MeasureSheets(layout, columns, sheets);
        const bool fits = measured.table.Width() <= layout.m_pageWidth && TallestSheet(measured, sheets) <= bodyHeight;
        if (fits || size <= kSmallestBaseFontSize) {
            printedSize = size;
            // The gap between columns never pushes a lone column past the edge.
            layout.m_columnWidth = std::min(measured.table.Width() + measured.GapAfter(),
                                            std::max(layout.m_pageWidth, measured.table.Width()));
            return measured;
        }
    }
}

void PrintSheet(CPrintLayout& layout, int& y, const SheetLayout& measured, const std::vector<SheetColumn>& columns,
                const HeatSheet& sheet)
{
    layout.AdvanceIfItWouldNotFit(y, measured.Height(sheet), kTopMargin);
    layout.DrawHeading(y, sheet.heading);
    y += measured.table.padding;
    layout.SwitchToFont(layout.m_lineFont);
    DrawTableRow(layout, measured.table, y, ColumnTitles(columns), true);
    for (const QStringList& row : sheet.rows)
        DrawTableRow(layout, measured.table, y, row, false);
    y += measured.table.rowHeight / 2;
    const QString signature = TimekeeperSignatureText();
    const int textWidth = layout.MeasureText(signature).width();
    const int top = layout.m_topMargin + y;
    const int left = layout.m_columnLeft;
    layout.m_printerDC.DrawText(signature, {left, top, left + textWidth, top + measured.lineHeight});
    const int lineStart = left + textWidth + measured.table.padding;
    const int lineEnd = std::max(lineStart, left + measured.table.Width());
    layout.m_printerDC.DrawLine(QPoint(lineStart, top + measured.lineHeight), QPoint(lineEnd, top + measured.lineHeight),
                                QPen(Qt::black, 0));
    layout.SwitchBack();
    y += measured.lineHeight + measured.GapAfter();
}

} // namespace

PrintOutcome PrintHeatSheets(CPrintLayout& layout, SharedPrinter printer, int baseFontSize,
                             const CalculationResult& result, const StatusLine& showStatus,
                             const std::optional<PageHeading>& heading)
{
    const QString title = QCoreApplication::translate("Printout", "Heat Sheets");
    layout.PreparePrintout(std::move(printer), kTopMargin, baseFontSize, QStringLiteral("Heat Sheets"));
    if (heading)
        layout.HeadPages(PageHeaderText(*heading, title));
    const std::vector<SheetColumn> columns = HeatSheetColumns(result);
    const std::vector<HeatSheet> sheets = HeatSheetsOf(result, columns);
    int printedSize = baseFontSize;
    const SheetLayout measured = FitSheetSize(layout, baseFontSize, columns, sheets, printedSize);
    const PrintOutcome outcome = layout.PrintBody([&](int& y) {
        for (const HeatSheet& sheet : sheets) {
            if (!layout.IsCountingPages())
                showStatus(QCoreApplication::translate("Printout", "Printing %1").arg(sheet.heading));
            PrintSheet(layout, y, measured, columns, sheet);
        }
    });
    layout.ClosePrintout();
    showStatus(PrintSizeNote(title, printedSize, baseFontSize));
    return outcome;
}
