// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"
#include "print/PageHeading.h"
#include "print/PrintOutcome.h"
#include "print/StatusLine.h"

#include <optional>

class CPrintLayout;
struct CalculationResult;

// Prints a sheet per heat for the timekeepers and scorers: its heading, a
// ruled table of its pilots with blank columns to write the flight time,
// the landing and the points in, and a line for the timekeeper's signature.
// A sheet is never split across a column or a page; as many as fit share a
// page, and the size is lowered until the tallest sheet fits a page and the
// table its width. Then lets the printer go, leaving the size note on the
// status line when it printed smaller than chosen.
PrintOutcome PrintHeatSheets(CPrintLayout& layout, SharedPrinter printer, int baseFontSize,
                             const CalculationResult& result, const StatusLine& showStatus,
                             const std::optional<PageHeading>& heading = std::nullopt);
