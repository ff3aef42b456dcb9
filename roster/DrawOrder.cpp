// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/DrawOrder.h"

#include "roster/RosterLine.h"

#include <QList>
#include <algorithm>
#include <numeric>

std::vector<int> DrawOrder(std::span<const PilotRecord> roster)
{
    // Compared as code points, not as UTF-16 units: a name with a letter
    // beyond the basic plane sorts where its code point puts it.
    std::vector<QList<uint>> lines;
    lines.reserve(roster.size());
    for (const PilotRecord& pilot : roster)
        lines.push_back(FormatRosterLine(pilot).toUcs4());
    std::vector<int> order(roster.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::stable_sort(order, [&lines](int left, int right) { return lines[left] < lines[right]; });
    return order;
}
