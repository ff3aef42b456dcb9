#include "app/ResultTree.h"

#include "platform/CTreeCtrl.h"

#include <algorithm>

namespace {

HTREEITEM InsertNode(CTreeCtrl& tree, TVINSERTSTRUCT& insert, HTREEITEM parent, const QString& text, int image,
                     long long data)
{
    insert.hParent = parent;
    insert.item.pszText = text;
    insert.item.iImage = image;
    insert.item.lParam = data;
    return tree.InsertItem(insert);
}

}  // namespace

QString PilotNodeText(const PilotRecord& pilot)
{
    return QStringLiteral("%1, %2 (%3)").arg(pilot.lastName, pilot.firstName, QString::number(pilot.frequency));
}

QString HeatNodeText(int round, int heat)
{
    return QString::asprintf("Round %02d, Heat %02d", round, heat);
}

void AddPilotNodes(CTreeCtrl& tree, TVINSERTSTRUCT& insert, std::vector<PilotRecord>& pilots)
{
    for (PilotRecord& pilot : pilots)
        pilot.treeItem = InsertNode(tree, insert, TVI_ROOT, PilotNodeText(pilot), kPilotImage, 0);
}

void AddHeatNodes(CTreeCtrl& tree, TVINSERTSTRUCT& insert, const CalculationResult& result)
{
    // The result never covers more than the matrix holds.
    const int rounds = std::min(result.rounds, kMaxRounds);
    const int heats = std::min(result.heats, kMaxHeats);
    for (int round = 0; round < rounds; ++round)
        for (int heat = 0; heat < heats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                if (const int position = result.matrix.At(round, heat, slot); position != kEmptySlot)
                    InsertNode(tree, insert, result.pilots.at(position).treeItem, HeatNodeText(round + 1, heat + 1),
                               kHeatImage, round + 1);
}
