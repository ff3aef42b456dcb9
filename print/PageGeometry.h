// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the printed page, in logical units: 2.83 to the
// millimetre, about a typographic point each.

// Whole logical units across a printable length; the fraction is dropped.
constexpr int LogicalUnitsFromMm(int millimetres) { return millimetres * 283 / 100; }

// A further column fits only when it ends strictly inside the page width.
constexpr bool NextColumnFits(int columnLeft, int columnWidth, int pageWidth)
{
    return columnLeft + 2 * columnWidth < pageWidth;
}

// Whether something of the given height, begun at y below the top margin,
// would end below the page.
constexpr bool EndsBelowPage(int topMargin, int y, int height, int pageHeight)
{
    return topMargin + y + height > pageHeight;
}
