// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/PrintTable.h"

#include "printer/CPrintLayout.h"

#include <QPen>
#include <algorithm>
#include <numeric>

namespace {

// Space above and below the text of a row, in parts of its cell height.
constexpr int kRowSpacingDivisor = 3;

QPen Hairline()
{
    return QPen(Qt::black, 0, Qt::SolidLine, Qt::FlatCap);
}

} // namespace

int PrintTable::Width() const
{
    return std::accumulate(columnWidths.begin(), columnWidths.end(), 0);
}

PrintTable MeasureTable(CPrintLayout& layout, const QStringList& titles, const std::vector<QStringList>& rows,
                        const std::vector<bool>& blank)
{
    PrintTable table;
    const int cellHeight = layout.MeasureText(QStringLiteral("Xg")).height();
    table.padding = std::max(1, cellHeight / kRowSpacingDivisor);
    table.rowHeight = cellHeight + 2 * table.padding;
    for (qsizetype column = 0; column < titles.size(); ++column) {
        int widest = layout.MeasureText(titles[column]).width();
        for (const QStringList& row : rows)
            if (column < row.size())
                widest = std::max(widest, layout.MeasureText(row[column]).width());
        if (size_t(column) < blank.size() && blank[size_t(column)])
            widest = std::max(widest, 3 * table.rowHeight);
        table.columnWidths.push_back(widest + 2 * table.padding);
    }
    return table;
}

void DrawTableRow(CPrintLayout& layout, const PrintTable& table, int& y, const QStringList& cells, bool ruleAbove)
{
    CDC& dc = layout.m_printerDC;
    const int top = layout.m_topMargin + y;
    const int bottom = top + table.rowHeight;
    const int left = layout.m_columnLeft;
    if (ruleAbove)
        dc.DrawLine(QPoint(left, top), QPoint(left + table.Width(), top), Hairline());
    int x = left;
    dc.DrawLine(QPoint(x, top), QPoint(x, bottom), Hairline());
    for (size_t column = 0; column < table.columnWidths.size(); ++column) {
        const int width = table.columnWidths[column];
        if (qsizetype(column) < cells.size() && !cells[qsizetype(column)].isEmpty())
            dc.DrawText(cells[qsizetype(column)], {x + table.padding, top + table.padding, x + width - table.padding,
                                                   bottom - table.padding});
        x += width;
        dc.DrawLine(QPoint(x, top), QPoint(x, bottom), Hairline());
    }
    dc.DrawLine(QPoint(left, bottom), QPoint(x, bottom), Hairline());
    layout.m_pageHasText = true;
    y += table.rowHeight;
}

void DrawTickBox(CPrintLayout& layout, const PrintTable& table, int y, int column)
{
    const int size = table.rowHeight - 2 * table.padding;
    int x = layout.m_columnLeft;
    for (int before = 0; before < column; ++before)
        x += table.columnWidths[size_t(before)];
    x += (table.columnWidths[size_t(column)] - size) / 2;
    const int top = layout.m_topMargin + y + table.padding;
    CDC& dc = layout.m_printerDC;
    const QPen pen(Qt::black, 0);
    dc.DrawLine(QPoint(x, top), QPoint(x + size, top), pen);
    dc.DrawLine(QPoint(x + size, top), QPoint(x + size, top + size), pen);
    dc.DrawLine(QPoint(x + size, top + size), QPoint(x, top + size), pen);
    dc.DrawLine(QPoint(x, top + size), QPoint(x, top), pen);
}
