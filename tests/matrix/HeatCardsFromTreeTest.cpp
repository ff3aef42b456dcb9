#include "matrix/HeatCardsFromTree.h"

#include "matrix/CalculationResult.h"
#include "platform/CTreeCtrl.h"
#include "support/QtPrinters.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

HTREEITEM InsertSorted(CTreeCtrl& tree, HTREEITEM parent, const QString& text)
{
    TVINSERTSTRUCT insert;
    insert.hParent = parent;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = text;
    return tree.InsertItem(insert);
}

// The tree lists pilots alphabetically; the cards keep the calculation's
// roster order and take every text from the tree, whatever the records say.
TEST(HeatCardsFromTree, CardsFollowTheCalculationsRosterWithTheTreesTexts)
{
    QTreeWidget widget;
    CTreeCtrl tree;
    tree.Attach(&widget);
    CalculationResult result;
    const struct {
        const char* node;
        QStringList heats;
    } pilots[] = {{"Zeman, Jan (40)", {"Round 02, Heat 01", "Round 01, Heat 03"}},
                  {"Adam, Eva (35)", {"Round 01, Heat 01"}},
                  {"Kral, Petr (21)", {}}};
    for (const auto& pilot : pilots) {
        PilotRecord record;
        record.lastName = QStringLiteral("edited since");
        record.treeItem = InsertSorted(tree, nullptr, QString::fromUtf8(pilot.node));
        for (const QString& heat : pilot.heats)
            InsertSorted(tree, record.treeItem, heat);
        result.pilots.push_back(record);
    }

    const std::vector<HeatCard> cards = CollectHeatCards(result, tree);
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0].pilotText, QStringLiteral("Zeman, Jan (40)"));
    EXPECT_EQ(cards[0].heatTexts, (QStringList{"Round 01, Heat 03", "Round 02, Heat 01"}));
    EXPECT_EQ(cards[1].pilotText, QStringLiteral("Adam, Eva (35)"));
    EXPECT_EQ(cards[1].heatTexts, QStringList{"Round 01, Heat 01"});
    EXPECT_EQ(cards[2].pilotText, QStringLiteral("Kral, Petr (21)"));
    EXPECT_TRUE(cards[2].heatTexts.isEmpty());
}

} // namespace
