// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"
#include "print/PageHeading.h"
#include "print/PrintOutcome.h"
#include "print/StatusLine.h"
#include "roster/PilotRecord.h"

#include <optional>
#include <span>

class CPrintLayout;

// Prints the registration desk's list: every pilot in name order with the
// channel, the team where any pilot is in one, and a box to tick; the
// column titles at the top of every column, and the count of pilots under
// the last row. The size is lowered until the table fits the page's width.
// Then lets the printer go, leaving the size note on the status line when
// it printed smaller than chosen.
PrintOutcome PrintPilotList(CPrintLayout& layout, SharedPrinter printer, int baseFontSize,
                            std::span<const PilotRecord> pilots, const StatusLine& showStatus,
                            const std::optional<PageHeading>& heading = std::nullopt);
