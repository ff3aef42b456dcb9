#include "matrix/HeatCardsFromTree.h"

#include "matrix/CalculationResult.h"
#include "platform/CTreeCtrl.h"

std::vector<HeatCard> CollectHeatCards(const CalculationResult& result, const CTreeCtrl& tree)
{
    std::vector<HeatCard> cards;
    for (const PilotRecord& pilot : result.pilots) {
        if (!pilot.treeItem)
            continue;
        HeatCard card{tree.GetItemText(pilot.treeItem), {}};
        for (HTREEITEM heat = tree.GetChildItem(pilot.treeItem); heat; heat = tree.GetNextSiblingItem(heat))
            card.heatTexts << tree.GetItemText(heat);
        cards.push_back(card);
    }
    return cards;
}
