// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <vector>

class CPrintLayout;

// A ruled table in the line font of the print layout: each column as wide
// as its widest text with room on both sides, a column to write in at
// least as wide as `blankWidthRows` rows are high, each row ruled below and
// its cells parted by hairlines.
struct PrintTable {
    std::vector<int> columnWidths;
    int rowHeight = 0;
    int padding = 0;

    int Width() const;
};

// Measures in the line font selected now; `blank` marks the columns to
// write in by hand.
PrintTable MeasureTable(CPrintLayout& layout, const QStringList& titles, const std::vector<QStringList>& rows,
                        const std::vector<bool>& blank);

// Draws one row at y in the current column and moves y below it; the top
// rule is drawn for the first row of a table.
void DrawTableRow(CPrintLayout& layout, const PrintTable& table, int& y, const QStringList& cells, bool ruleAbove);

// Draws a box to tick in the cell of the given column of the row at y.
void DrawTickBox(CPrintLayout& layout, const PrintTable& table, int y, int column);
