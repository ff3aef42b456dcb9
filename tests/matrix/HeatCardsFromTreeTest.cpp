#include "matrix/HeatCardsFromTree.h"

#include "matrix/CalculationResult.h"
#include "platform/CTreeCtrl.h"
#include "support/QtPrinters.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// A result tree built by hand as a calculation builds it: pilot nodes and
// their heat nodes, each inserted in alphabetical order.
class HeatCardsFromTree : public testing::Test {
protected:
    void SetUp() override { m_tree.Attach(&m_widget); }

    HTREEITEM Insert(HTREEITEM parent, const QString& text)
    {
        TVINSERTSTRUCT insert;
        insert.hParent = parent;
        insert.hInsertAfter = TVI_SORT;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = text;
        return m_tree.InsertItem(insert);
    }

    void AddPilot(const QString& lastName, const QString& firstName, int frequency, const QStringList& heats)
    {
        PilotRecord pilot;
        pilot.lastName = lastName;
        pilot.firstName = firstName;
        pilot.frequency = frequency;
        pilot.index = int(m_result.pilots.size());
        pilot.treeItem = Insert(nullptr, QStringLiteral("%1, %2 (%3)").arg(lastName, firstName).arg(frequency));
        for (const QString& heat : heats)
            Insert(pilot.treeItem, heat);
        m_result.pilots.push_back(pilot);
    }

    QTreeWidget m_widget;
    CTreeCtrl m_tree;
    CalculationResult m_result;
};

TEST_F(HeatCardsFromTree, CardsFollowTheCalculationsRosterNotTheTreeOrder)
{
    AddPilot("Zeman", "Jan", 40, {"Round 02, Heat 01", "Round 01, Heat 03"});
    AddPilot("Adam", "Eva", 35, {"Round 01, Heat 01"});
    AddPilot("Kral", "Petr", 21, {});
    const std::vector<HeatCard> cards = CollectHeatCards(m_result, m_tree);
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0].pilotText, QStringLiteral("Zeman, Jan (40)"));
    EXPECT_EQ(cards[0].heatTexts, (QStringList{"Round 01, Heat 03", "Round 02, Heat 01"}));
    EXPECT_EQ(cards[1].pilotText, QStringLiteral("Adam, Eva (35)"));
    EXPECT_EQ(cards[1].heatTexts, QStringList{"Round 01, Heat 01"});
    EXPECT_EQ(cards[2].pilotText, QStringLiteral("Kral, Petr (21)"));
    EXPECT_TRUE(cards[2].heatTexts.isEmpty());
}

TEST_F(HeatCardsFromTree, ShowsTheTreeTextsNotTheRecordsFields)
{
    AddPilot("Novak", "Jan", 35, {"Round 01, Heat 02"});
    m_result.pilots[0].lastName = QStringLiteral("Renamed");
    m_result.pilots[0].frequency = 77;
    const std::vector<HeatCard> cards = CollectHeatCards(m_result, m_tree);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].pilotText, QStringLiteral("Novak, Jan (35)"));
}

TEST_F(HeatCardsFromTree, NoPilotsGiveNoCards)
{
    Insert(nullptr, QStringLiteral("Novak, Jan (35)"));
    EXPECT_TRUE(CollectHeatCards(m_result, m_tree).empty());
}

} // namespace
