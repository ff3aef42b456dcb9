// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/DrawRosters.h"
#include "matrix/Timekeepers.h"
#include "platform/DataExchange.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <map>

namespace {

const QString kFailedStatus = QStringLiteral("The matrix calculation failed; there is no schedule to export or print.");

// Every calculation here starts in the same second unless a test moves on.
class RecalculateCommand : public MainWindowFixture {
protected:
    RecalculateCommand() { window.SetClock([this] { return m_seconds; }); }

    void Recalculate(int rounds, int heats, int pilotsPerHeat)
    {
        window.SetDlgItemText(IDC_ROUNDS, QString::number(rounds));
        window.SetDlgItemText(IDC_HEATS, QString::number(heats));
        window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QString::number(pilotsPerHeat));
        window.OnCommand(ID_RECALCULATE, BN_CLICKED);
    }

    void ListPilotsOnChannels(const std::vector<int>& channels)
    {
        for (int pilot = 0; pilot < static_cast<int>(channels.size()); ++pilot)
            window.PilotList().AddString(
                QStringLiteral("Pilot%1,Jan,%2").arg(pilot, 3, 10, QChar(u'0')).arg(channels[pilot]));
        window.RebuildRoster();
    }
    void ListPilotsOnDistinctChannels(int pilots) { ListPilotsOnChannels(ListOrderOf(pilots)); }

    // Each node as "text [image/selected image] data", children indented.
    QStringList Tree() { return Nodes(nullptr, QString()); }
    // The nodes under the parent (the root's for none).
    QStringList Nodes(QTreeWidgetItem* parent, const QString& indent)
    {
        QStringList lines;
        for (QTreeWidgetItem* item : window.ResultTree().Children(parent)) {
            const TreeNode node = CTreeCtrl::NodeOf(item);
            lines << QStringLiteral("%1%2 [%3/%4] %5")
                         .arg(indent, node.text)
                         .arg(node.image)
                         .arg(node.selectedImage)
                         .arg(node.data);
            lines << Nodes(item, indent + u' ');
        }
        return lines;
    }

    // The root node that shows the pilot.
    QTreeWidgetItem* PilotNode(const PilotRecord& pilot)
    {
        const QString text = QStringLiteral("%1, %2 (%3)").arg(pilot.lastName, pilot.firstName).arg(pilot.frequency);
        for (QTreeWidgetItem* item : window.ResultTree().Children(nullptr))
            if (CTreeCtrl::NodeOf(item).text == text)
                return item;
        return nullptr;
    }

    const Matrix& ResultMatrix() { return window.GetResult().matrix; }

    long long m_seconds = 1733550000;
};

}  // namespace

TEST_F(RecalculateCommand, TreeShowsEachPilotWithItsHeatsInOrder)
{
    ListPilots({QStringLiteral("novak,Jan,35"), QStringLiteral("Adam,Petr,40"), QStringLiteral("Brown,Anne,21")});
    Recalculate(2, 1, 3);
    EXPECT_TRUE(host.Messages().isEmpty());
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS),
              QStringLiteral("The matrix was calculated for 3 pilots (seed %1).").arg(window.GetContest().draw.seed));
    const QStringList heats{" Round 01, Heat 01 [1/2] 1", " Round 02, Heat 01 [1/2] 2"};
    EXPECT_EQ(Tree(), QStringList{"Adam, Petr (40) [0/2] 0"} + heats + QStringList{"Brown, Anne (21) [0/2] 0"} + heats
                          + QStringList{"novak, Jan (35) [0/2] 0"} + heats);
}

TEST_F(RecalculateCommand, HeatNodesFollowTheDrawnSchedule)
{
    ListPilotsOnDistinctChannels(16);
    Recalculate(3, 2, 8);
    for (int round = 0; round < 3; ++round)
        EXPECT_EQ(FlightsInRound(ResultMatrix(), round, 16), std::vector<int>(16, 1));
    EXPECT_EQ(window.ResultTree().GetCount(), 16 + 16 * 3);
    // Each pilot's node lists the heat the matrix puts the pilot in, round by round.
    const CalculationResult& result = window.GetResult();
    for (int position = 0; position < 16; ++position) {
        QStringList expected;
        for (int round = 0; round < 3; ++round)
            for (int heat = 0; heat < 2; ++heat)
                for (int slot = 0; slot < 8; ++slot)
                    if (result.matrix.At(round, heat, slot) == position)
                        expected << QStringLiteral(" Round %1, Heat %2 [1/2] %3")
                                        .arg(round + 1, 2, 10, QChar(u'0'))
                                        .arg(heat + 1, 2, 10, QChar(u'0'))
                                        .arg(round + 1);
        EXPECT_EQ(Nodes(PilotNode(result.pilots[position]), QStringLiteral(" ")),
                  expected)
            << "pilot " << position;
    }

    window.PilotList().ResetContent();
    ListPilotsOnDistinctChannels(10);
    Recalculate(1, 6, 8);
    std::map<QString, int> pilotsInHeat;
    for (const QString& line : Tree())
        if (line.startsWith(u' '))
            ++pilotsInHeat[line.trimmed()];
    EXPECT_EQ(pilotsInHeat,
              (std::map<QString, int>{{"Round 01, Heat 01 [1/2] 1", 8}, {"Round 01, Heat 02 [1/2] 1", 2}}));
}

TEST_F(RecalculateCommand, FailedCommandSaysWhyAndKeepsItsLastAttempt)
{
    ListPilotsOnDistinctChannels(20);
    Recalculate(6, 2, 8);
    ASSERT_EQ(host.Messages().size(), 1);
    EXPECT_TRUE(host.TakeMessages().first().startsWith(QStringLiteral("20 pilots cannot all fly in one round")));
    EXPECT_EQ(Tree().size(), 0);  // no part of a schedule passes for one
    EXPECT_EQ(PlacedInRound(ResultMatrix(), 0), 16);
    EXPECT_EQ(window.PilotList().GetCount(), 20);
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), kFailedStatus);

    window.PilotList().ResetContent();
    ListPilotsOnChannels({35, 35, 35, 35});
    Recalculate(2, 1, 4);
    ASSERT_EQ(host.Messages().size(), 1);
    EXPECT_TRUE(host.Messages().first().startsWith(QStringLiteral("4 pilots fly on channel 35")));
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), kFailedStatus);
}

TEST_F(RecalculateCommand, EveryPilotOfEqualNamesFliesEveryRound)
{
    // Two pilots of the same names, and one whose first name is empty.
    ListPilots({QStringLiteral("Novak,Jan,35"), QStringLiteral("Novak,Jan,36"), QStringLiteral("Brown,,40"),
                QStringLiteral("Kral,Petr,41")});
    Recalculate(5, 2, 2);
    ASSERT_TRUE(host.Messages().isEmpty());
    for (int round = 0; round < 5; ++round)
        EXPECT_EQ(FlightsInRound(ResultMatrix(), round, 4), std::vector<int>(4, 1)) << "round " << round + 1;
    EXPECT_EQ(Tree().filter(QStringLiteral("Round 05")).size(), 4);
}

TEST_F(RecalculateCommand, CommandsInOneSecondDrawTheSameSchedule)
{
    ListPilotsOnDistinctChannels(12);
    Recalculate(6, 3, 4);
    const Matrix first = ResultMatrix();
    Recalculate(6, 3, 4);
    EXPECT_EQ(ResultMatrix(), first);
    ++m_seconds;
    Recalculate(6, 3, 4);
    EXPECT_NE(ResultMatrix(), first);
}

TEST_F(RecalculateCommand, RefusedFieldEndsTheCommandAndKeepsTheLastResult)
{
    ListPilotsOnDistinctChannels(4);
    Recalculate(2, 2, 2);
    const Matrix before = ResultMatrix();
    const QStringList treeBefore = Tree();
    ++m_seconds;
    Recalculate(30, 2, 2);
    EXPECT_EQ(host.Messages(), QStringList{IntegerRangeMessage(1, 25)});
    EXPECT_EQ(ResultMatrix(), before);
    EXPECT_EQ(window.GetResult().rounds, 2);
    EXPECT_EQ(Tree(), treeBefore);
}

TEST_F(RecalculateCommand, ResultKeepsItsPilotsAndFieldsWhateverChangesLater)
{
    ListPilots({QStringLiteral("Novak,Jan,35"), QStringLiteral("Brown,Anne,21")});
    Recalculate(3, 1, 2);
    const Matrix before = ResultMatrix();
    const QStringList treeBefore = Tree();

    window.PilotList().SetCurSel(1);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        dialog.Type(IDC_LAST_NAME, QStringLiteral("Adam"));
        dialog.PressOk();
    });
    window.OnCommand(ID_EDIT_PILOT, BN_CLICKED);
    window.SetDlgItemText(IDC_ROUNDS, QStringLiteral("1"));
    window.UpdateData(true);

    const CalculationResult& result = window.GetResult();
    EXPECT_EQ(result.matrix, before);
    EXPECT_EQ(result.rounds, 3);
    EXPECT_EQ(result.pilots.at(1).lastName, QStringLiteral("Novak"));
    EXPECT_EQ(Tree(), treeBefore);
}

TEST_F(RecalculateCommand, FieldsAtTheirMaximaGiveEveryPilotEveryRound)
{
    ListPilotsOnDistinctChannels(kRosterCapacity);
    Recalculate(kMaxRounds, kMaxHeats, kSlotsPerHeat);
    ASSERT_TRUE(host.Messages().isEmpty());
    EXPECT_EQ(Tree().filter(QStringLiteral("Round 25")).size(), kRosterCapacity);
    EXPECT_EQ(window.ResultTree().GetCount(), kRosterCapacity * (1 + kMaxRounds));
}

// An empty list is said, and the last schedule stays to be printed again.
TEST_F(RecalculateCommand, EmptyRosterIsSaidAndKeepsTheLastResult)
{
    ListPilotsOnDistinctChannels(4);
    Recalculate(2, 2, 2);
    ASSERT_EQ(window.ResultTree().GetCount(), 4 + 4 * 2);
    const Matrix drawn = ResultMatrix();
    window.PilotList().ResetContent();
    window.RebuildRoster();
    Recalculate(2, 2, 2);
    EXPECT_EQ(host.TakeMessages(), QStringList{QStringLiteral("The pilot list is empty. Add pilots or import a pilot "
                                                              "list before calculating the matrix.")});
    EXPECT_EQ(window.ResultTree().GetCount(), 4 + 4 * 2);
    EXPECT_EQ(ResultMatrix(), drawn);
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), QStringLiteral("The pilot list has changed since the matrix was calculated."));
}

// The rules ticked in the window reach the draw: with timekeepers every heat
// a pilot flies names who times it, someone flying elsewhere in that round;
// a round of one heat has nobody free, and the command says so.
TEST_F(RecalculateCommand, TickedRulesReachTheDrawAndTheTreeNamesEachTimekeeper)
{
    ListPilotsOnDistinctChannels(12);
    DialogDriver user(window);
    user.Tick(IDC_TIMEKEEPERS);
    user.Tick(IDC_NO_BACK_TO_BACK);
    Recalculate(3, 3, 4);
    EXPECT_TRUE(host.Messages().isEmpty()) << host.Messages().join(u'\n').toStdString();
    EXPECT_TRUE(window.GetContest().rules.timekeepers && window.GetContest().rules.noBackToBack);
    const CalculationResult& result = window.GetContest().result;
    ASSERT_TRUE(result.HasTimekeepers());
    int heats = 0;
    for (const QString& line : Tree()) {
        if (!line.startsWith(u' '))
            continue;
        ++heats;
        const qsizetype at = line.indexOf(QStringLiteral(" – timed by Pilot"));
        ASSERT_GE(at, 0) << line.toStdString();
        EXPECT_TRUE(line.startsWith(QStringLiteral(" Round 0"))) << line.toStdString();
    }
    EXPECT_EQ(heats, 36);

    Recalculate(3, 1, 12);
    ASSERT_EQ(host.Messages().size(), 1);
    EXPECT_TRUE(host.TakeMessages()[0].contains(QStringLiteral("only one heat")));
    user.Tick(IDC_NO_BACK_TO_BACK, false);
    Recalculate(3, 1, 12);
    EXPECT_EQ(host.TakeMessages(), QStringList{NoTimekeepersMessage()});
    EXPECT_FALSE(window.GetContest().result.HasTimekeepers());
}
