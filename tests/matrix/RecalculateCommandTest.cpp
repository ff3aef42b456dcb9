#include "matrix/CalculationClock.h"
#include "matrix/DrawFailureMessage.h"
#include "matrix/DrawRosters.h"
#include "platform/DataExchange.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <map>

namespace {

struct TreeNode {
    QString text;
    int image = -1;
    int selectedImage = -1;
    long long data = -1;
    std::vector<TreeNode> children;
};

// Every calculation in these tests starts in the same second.
class RecalculateCommand : public MainWindowFixture {
protected:
    RecalculateCommand() { CalculationClock::Install([this] { return m_seconds; }); }
    ~RecalculateCommand() override { CalculationClock::Install({}); }

    void SetFields(int rounds, int heats, int pilotsPerHeat)
    {
        window.SetDlgItemText(IDC_ROUNDS, QString::number(rounds));
        window.SetDlgItemText(IDC_HEATS, QString::number(heats));
        window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QString::number(pilotsPerHeat));
    }

    void ListPilotsOnChannels(const std::vector<int>& channels)
    {
        for (int pilot = 0; pilot < static_cast<int>(channels.size()); ++pilot)
            window.PilotList().AddString(QStringLiteral("Pilot%1,Jan,%2").arg(pilot, 3, 10, QLatin1Char('0')).arg(channels[pilot]));
        window.RebuildRoster();
    }

    void Recalculate() { window.OnCommand(ID_RECALCULATE, BN_CLICKED); }

    std::vector<TreeNode> Nodes(HTREEITEM first)
    {
        std::vector<TreeNode> nodes;
        CTreeCtrl& tree = window.ResultTree();
        for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
            TreeNode node{tree.GetItemText(item), -1, -1, tree.GetItemData(item), Nodes(tree.GetChildItem(item))};
            tree.GetItemImage(item, node.image, node.selectedImage);
            nodes.push_back(node);
        }
        return nodes;
    }
    std::vector<TreeNode> Tree() { return Nodes(window.ResultTree().GetRootItem()); }

    static QStringList Texts(const std::vector<TreeNode>& nodes)
    {
        QStringList texts;
        for (const TreeNode& node : nodes)
            texts << node.text;
        return texts;
    }

    QString Status() { return window.GetDlgItemText(IDC_STATUS); }
    const Matrix& ResultMatrix() { return window.GetResult().matrix; }

    long long m_seconds = 1733550000;
};

}  // namespace

TEST_F(RecalculateCommand, SixteenPilotsGetThreeHeatsEachInRoundOrder)
{
    ListPilotsOnChannels({10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25});
    SetFields(3, 2, 8);
    Recalculate();
    EXPECT_TRUE(host.Messages().isEmpty());
    EXPECT_EQ(Status(), QString());
    for (int round = 0; round < 3; ++round)
        EXPECT_EQ(FlightsInRound(ResultMatrix(), round, 16), std::vector<int>(16, 1));

    const std::vector<TreeNode> pilots = Tree();
    ASSERT_EQ(pilots.size(), 16u);
    for (const TreeNode& pilot : pilots) {
        EXPECT_EQ(pilot.image, 0);
        EXPECT_EQ(pilot.selectedImage, 2);
        EXPECT_EQ(pilot.data, 0);
        ASSERT_EQ(pilot.children.size(), 3u) << pilot.text.toStdString();
        for (int round = 1; round <= 3; ++round) {
            const TreeNode& heat = pilot.children[round - 1];
            EXPECT_TRUE(heat.text.startsWith(QStringLiteral("Round 0%1, Heat 0").arg(round))) << heat.text.toStdString();
            EXPECT_EQ(heat.image, 1);
            EXPECT_EQ(heat.selectedImage, 2);
            EXPECT_EQ(heat.data, round);
        }
    }
    EXPECT_EQ(window.ResultTree().GetCount(), 16 + 16 * 3);
}

TEST_F(RecalculateCommand, PilotNodesStandInAlphabeticalOrderAndNameTheirHeats)
{
    ListPilots({QStringLiteral("novak,Jan,35"), QStringLiteral("Adam,Petr,40"), QStringLiteral("Brown,Anne,21")});
    SetFields(2, 1, 3);
    Recalculate();
    const std::vector<TreeNode> pilots = Tree();
    EXPECT_EQ(Texts(pilots), (QStringList{QStringLiteral("Adam, Petr (40)"), QStringLiteral("Brown, Anne (21)"),
                                          QStringLiteral("novak, Jan (35)")}));
    for (const TreeNode& pilot : pilots)
        EXPECT_EQ(Texts(pilot.children),
                  (QStringList{QStringLiteral("Round 01, Heat 01"), QStringLiteral("Round 02, Heat 01")}));
    // Each record of the result knows its own node.
    for (const PilotRecord& pilot : window.GetResult().pilots)
        EXPECT_EQ(window.ResultTree().GetItemText(pilot.treeItem),
                  QStringLiteral("%1, %2 (%3)").arg(pilot.lastName, pilot.firstName).arg(pilot.frequency));
}

TEST_F(RecalculateCommand, HeatsBeyondThePilotsStayOutOfTheTree)
{
    ListPilotsOnChannels({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    SetFields(1, 6, 8);
    Recalculate();
    std::map<QString, int> pilotsInHeat;
    for (const TreeNode& pilot : Tree())
        for (const TreeNode& heat : pilot.children)
            ++pilotsInHeat[heat.text];
    EXPECT_EQ(pilotsInHeat, (std::map<QString, int>{{QStringLiteral("Round 01, Heat 01"), 8},
                                                     {QStringLiteral("Round 01, Heat 02"), 2}}));
}

TEST_F(RecalculateCommand, TooManyPilotsFailWithTheReasonAndKeepTheLastAttempt)
{
    std::vector<int> channels(20);
    std::iota(channels.begin(), channels.end(), 10);
    ListPilotsOnChannels(channels);
    SetFields(6, 2, 8);
    Recalculate();
    const std::vector<PilotRecord> roster(window.GetRoster().begin(), window.GetRoster().begin() + 20);
    EXPECT_EQ(host.Messages(), QStringList{DrawFailureMessage(roster, {6, 2, 8})});
    EXPECT_TRUE(host.Messages().first().startsWith(QStringLiteral("20 pilots cannot all fly")));
    const std::vector<TreeNode> pilots = Tree();
    EXPECT_EQ(pilots.size(), 20u);
    for (const TreeNode& pilot : pilots)
        EXPECT_TRUE(pilot.children.empty());
    EXPECT_EQ(PlacedInRound(ResultMatrix(), 0), 16);
    EXPECT_EQ(PlacedInRound(ResultMatrix(), 1), 0);
    EXPECT_EQ(window.PilotList().GetCount(), 20);
    EXPECT_EQ(Status(), QStringLiteral("Working Round 1, Heat 2"));
}

TEST_F(RecalculateCommand, OneChannelForAllFailsNamingTheChannel)
{
    ListPilotsOnChannels({35, 35, 35, 35});
    SetFields(2, 1, 4);
    Recalculate();
    ASSERT_EQ(host.Messages().size(), 1);
    EXPECT_TRUE(host.Messages().first().startsWith(QStringLiteral("4 pilots fly on channel 35")));
    EXPECT_EQ(Status(), QStringLiteral("Freq conflict Round 1, Heat 1, channel 35. Retrying..."));
    EXPECT_EQ(PlacedInHeat(ResultMatrix(), 0, 0), 1);
}

TEST_F(RecalculateCommand, EveryPilotOfEqualNamesFliesEveryRound)
{
    // Two lines of the same names, and a pilot whose first name is empty.
    ListPilots({QStringLiteral("Novak,Jan,35"), QStringLiteral("Novak,Jan,36"), QStringLiteral("Brown,,40"),
                QStringLiteral("Kral,Petr,41")});
    SetFields(5, 2, 2);
    Recalculate();
    ASSERT_TRUE(host.Messages().isEmpty());
    for (int round = 0; round < 5; ++round)
        EXPECT_EQ(FlightsInRound(ResultMatrix(), round, 4), std::vector<int>(4, 1)) << "round " << round + 1;
    for (const TreeNode& pilot : Tree())
        EXPECT_EQ(pilot.children.size(), 5u) << pilot.text.toStdString();
}

TEST_F(RecalculateCommand, NoHeatEverHoldsTwoPilotsOnOneChannel)
{
    ListPilotsOnChannels({35, 35, 35, 36, 36, 36, 37, 37, 38, 39});
    SetFields(10, 3, 4);
    for (m_seconds = 1; m_seconds <= 10; ++m_seconds) {
        Recalculate();
        if (!host.TakeMessages().isEmpty())
            continue;
        const std::vector<PilotRecord>& pilots = window.GetResult().pilots;
        for (int round = 0; round < 10; ++round)
            for (int heat = 0; heat < 3; ++heat)
                EXPECT_FALSE(HasChannelClash(ResultMatrix(), pilots, round, heat)) << round << "/" << heat;
    }
}

TEST_F(RecalculateCommand, CommandsInOneSecondDrawTheSameSchedule)
{
    ListPilotsOnChannels({10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21});
    SetFields(6, 3, 4);
    Recalculate();
    const Matrix first = ResultMatrix();
    Recalculate();
    EXPECT_TRUE(SameMatrix(ResultMatrix(), first));
    ++m_seconds;
    Recalculate();
    EXPECT_FALSE(SameMatrix(ResultMatrix(), first));
}

TEST_F(RecalculateCommand, RefusedFieldEndsTheCommandAndKeepsTheLastResult)
{
    ListPilotsOnChannels({10, 11, 12, 13});
    SetFields(2, 2, 2);
    Recalculate();
    const Matrix before = ResultMatrix();
    const int nodesBefore = window.ResultTree().GetCount();

    window.SetDlgItemText(IDC_ROUNDS, QStringLiteral("30"));
    ++m_seconds;
    Recalculate();
    EXPECT_EQ(host.Messages(), QStringList{IntegerRangeMessage(1, 25)});
    EXPECT_TRUE(SameMatrix(ResultMatrix(), before));
    EXPECT_EQ(window.GetResult().rounds, 2);
    EXPECT_EQ(window.ResultTree().GetCount(), nodesBefore);
}

TEST_F(RecalculateCommand, ResultKeepsItsPilotsAndFieldsWhateverChangesLater)
{
    ListPilots({QStringLiteral("Novak,Jan,35"), QStringLiteral("Brown,Anne,21")});
    SetFields(3, 1, 2);
    Recalculate();
    const Matrix before = ResultMatrix();

    window.PilotList().SetCurSel(1);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        dialog.Type(IDC_LAST_NAME, QStringLiteral("Adam"));
        dialog.PressOk();
    });
    window.OnCommand(ID_EDIT_PILOT, BN_CLICKED);
    SetFields(1, 1, 2);
    window.UpdateData(true);

    const CalculationResult& result = window.GetResult();
    EXPECT_TRUE(SameMatrix(result.matrix, before));
    EXPECT_EQ(result.rounds, 3);
    EXPECT_EQ(result.heats, 1);
    ASSERT_EQ(result.pilots.size(), 2u);
    EXPECT_EQ(result.pilots[1].lastName, QStringLiteral("Novak"));
    EXPECT_EQ(window.ResultTree().GetItemText(result.pilots[1].treeItem), QStringLiteral("Novak, Jan (35)"));
    EXPECT_EQ(Texts(Tree()), (QStringList{QStringLiteral("Brown, Anne (21)"), QStringLiteral("Novak, Jan (35)")}));
}

TEST_F(RecalculateCommand, FieldsAtTheirMaximaGiveEveryPilotEveryRound)
{
    std::vector<int> channels(kRosterCapacity);
    std::iota(channels.begin(), channels.end(), 10);
    ListPilotsOnChannels(channels);
    SetFields(kMaxRounds, kMaxHeats, kSlotsPerHeat);
    Recalculate();
    ASSERT_TRUE(host.Messages().isEmpty());
    const std::vector<TreeNode> pilots = Tree();
    ASSERT_EQ(pilots.size(), 100u);
    for (const TreeNode& pilot : pilots)
        EXPECT_EQ(pilot.children.size(), 25u);
}

TEST_F(RecalculateCommand, EmptyRosterLeavesAnEmptyTreeAndStatus)
{
    window.SetDlgItemText(IDC_STATUS, QStringLiteral("Printing"));
    Recalculate();
    EXPECT_TRUE(host.Messages().isEmpty());
    EXPECT_EQ(window.ResultTree().GetCount(), 0);
    EXPECT_EQ(Status(), QString());
    EXPECT_EQ(PlacedInRound(ResultMatrix(), 0), 0);
}
