// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/HeatCardFormat.h"
#include "platform/DrawingTypes.h"
#include "print/PageHeading.h"
#include "print/PrintOutcome.h"
#include "print/StatusLine.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class CPrintLayout;

// Prints the cards in the order given, in columns on the printer, each with
// a rule under it, then lets the printer go and clears the status line, or
// leaves the size note there when it printed smaller than chosen. With a
// heading, every page carries the contest's header and its page number.
PrintOutcome PrintHeatCards(CPrintLayout& layout, SharedPrinter printer, int baseFontSize,
                            const std::vector<HeatCard>& cards, const StatusLine& showStatus,
                            const std::optional<PageHeading>& heading = std::nullopt);
