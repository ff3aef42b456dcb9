// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ResultTree.h"

#include "matrix/HeatCardFormat.h"
#include "platform/ListAndTree.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

// The tree speaks the window's language; the heat-card file keeps its
// English text. Two digits, so that the sorted heats stand in round order.
QString HeatNodeText(int round, int heat)
{
    return QCoreApplication::translate("ResultTree", "Round %1, Heat %2")
        .arg(round, 2, 10, QChar('0'))
        .arg(heat, 2, 10, QChar('0'));
}

// "Round 01, Heat 02 – timed by Novák Jan" where the schedule has timekeepers.
QString HeatText(const CalculationResult& result, int round, int heat, int slot)
{
    const QString text = HeatNodeText(round + 1, heat + 1);
    const int keeper = result.timekeepers.At(round, heat, slot);
    if (keeper < 0 || keeper >= int(result.pilots.size()))
        return text;
    const PilotRecord& timekeeper = result.pilots[size_t(keeper)];
    return QCoreApplication::translate("ResultTree", "%1 – timed by %2 %3")
        .arg(text, timekeeper.lastName, timekeeper.firstName);
}

} // namespace

// A draw that did not complete shows nothing: a part of a schedule must not
// pass for one.
void ShowResult(CTreeCtrl& tree, const CalculationResult& result)
{
    tree.DeleteAllItems();
    if (!result.completed)
        return;
    std::vector<QTreeWidgetItem*> pilotNodes;
    for (const PilotRecord& pilot : result.pilots)
        pilotNodes.push_back(tree.InsertSorted(nullptr, {PilotCardText(pilot), kPilotImage, kSelectedImage, 0}));
    // The result never covers more than the matrix holds.
    const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    for (int round = 0; round < rounds; ++round)
        for (int heat = 0; heat < heats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                if (const int position = result.matrix.At(round, heat, slot); position != kEmptySlot)
                    tree.InsertSorted(pilotNodes.at(size_t(position)),
                                      {HeatText(result, round, heat, slot), kHeatImage, kSelectedImage, round + 1});
}
