// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CDialog.h"
#include "platform/DialogDriver.h"
#include "platform/ListBoxView.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

using RosterSync = MainWindowFixture;

TEST_F(RosterSync, ListKeepsPilotsInAlphabeticalOrderIgnoringCase)
{
    ListPilots({QStringLiteral("novak,Jan,35"), QStringLiteral("Adam,Petr,40"), QStringLiteral("BROWN,Anne,21")});
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("Adam,Petr,40"), QStringLiteral("BROWN,Anne,21"),
                                          QStringLiteral("novak,Jan,35")}));
}

TEST_F(RosterSync, RebuildTakesTheListOrderAndShowsTheCount)
{
    ListPilots({QStringLiteral("Novak,Jan,35"), QStringLiteral("Brown,Anne,40")});
    ASSERT_EQ(window.GetRosterCount(), 2);
    const Roster& roster = window.GetRoster();
    EXPECT_EQ(roster[0].lastName, QStringLiteral("Brown"));
    EXPECT_EQ(roster[0].index, 0);
    EXPECT_EQ(roster[1].lastName, QStringLiteral("Novak"));
    EXPECT_EQ(roster[1].index, 1);
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QStringLiteral("2"));
    EXPECT_EQ(window.PilotList().GetItemData(1), 1);

    // A pilot sorting first moves everyone else one place up.
    ListPilots({QStringLiteral("Adam,Petr,12")});
    EXPECT_EQ(window.GetRoster()[2].lastName, QStringLiteral("Novak"));
    EXPECT_EQ(window.GetRoster()[2].index, 2);
}

TEST_F(RosterSync, EmptyListRebuildsToAnEmptyRoster)
{
    window.RebuildRoster();
    EXPECT_EQ(window.GetRosterCount(), 0);
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QStringLiteral("0"));
}

TEST_F(RosterSync, RefillOfAnEmptyRosterLeavesTheListAlone)
{
    window.PilotList().AddString(QStringLiteral("Novak,Jan,35"));
    window.RefillPilotList();
    EXPECT_EQ(ListedLines(), QStringList{QStringLiteral("Novak,Jan,35")});
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QStringLiteral("1"));
}

TEST_F(RosterSync, RefillAndRebuildNeverMoveAChannelIntoAName)
{
    ListPilots({QStringLiteral("Novak,,35"), QStringLiteral("Brown"), QStringLiteral("Kral,Petr,21")});
    for (int round = 0; round < 3; ++round) {
        window.RefillPilotList();
        window.RebuildRoster();
    }
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("Brown,,0"), QStringLiteral("Kral,Petr,21"),
                                          QStringLiteral("Novak,,35")}));
    EXPECT_EQ(window.GetRoster()[2].firstName, QString());
    EXPECT_EQ(window.GetRoster()[2].frequency, 35);
}

TEST_F(RosterSync, RefillWritesEveryRecordIntoTheListAndCountsThem)
{
    ListPilots({QStringLiteral("Novak,Jan,35"), QStringLiteral("adam,Petr,40"), QStringLiteral("Brown,Anne,21")});
    window.PilotList().ResetContent();
    window.RefillPilotList();
    EXPECT_EQ(ListedLines(), (QStringList{QStringLiteral("adam,Petr,40"), QStringLiteral("Brown,Anne,21"),
                                          QStringLiteral("Novak,Jan,35")}));
    EXPECT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QStringLiteral("3"));
    EXPECT_EQ(window.GetRosterCount(), 3);
}

TEST_F(RosterSync, RefillGivesEachLineItsRecordsPosition)
{
    ListPilots({QStringLiteral("Same,Name,35"), QStringLiteral("Same,Name,40"), QStringLiteral("Alpha,Beta,1")});
    window.RefillPilotList();
    for (int line = 0; line < window.PilotList().GetCount(); ++line) {
        const PilotRecord& pilot = window.GetRoster()[window.PilotList().GetItemData(line)];
        EXPECT_EQ(window.PilotList().GetText(line), QStringLiteral("%1,%2,%3").arg(pilot.lastName, pilot.firstName).arg(pilot.frequency));
    }
}

TEST_F(RosterSync, RosterHoldsAtMostAHundredPilots)
{
    for (int pilot = 0; pilot < kRosterCapacity + 5; ++pilot)
        window.PilotList().AddString(QStringLiteral("Pilot%1,X,%2").arg(pilot, 3, 10, QChar(u'0')).arg(pilot));
    window.RebuildRoster();
    EXPECT_EQ(window.GetRosterCount(), kRosterCapacity);
    EXPECT_EQ(window.GetRoster()[kRosterCapacity - 1].lastName, QStringLiteral("Pilot099"));
}

TEST_F(RosterSync, SplitKeepsTheCallersValuesForMissingFields)
{
    QString last = QStringLiteral("x");
    QString first = QStringLiteral("y");
    int frequency = 7;
    window.SplitPilotLine(QStringLiteral("Novak"), last, first, frequency);
    EXPECT_EQ(last, QStringLiteral("Novak"));
    EXPECT_EQ(first, QStringLiteral("y"));
    EXPECT_EQ(frequency, 7);
    window.SplitPilotLine(QStringLiteral("Novak,,35"), last, first, frequency);
    EXPECT_EQ(first, QString());
    EXPECT_EQ(frequency, 35);
}

// A pilot's line holds no contest-day marks: an edit of any pilot rebuilds
// the roster from the lines and keeps every pilot's marks, which the list
// shows in its last column.
TEST_F(RosterSync, AnEditKeepsEveryPilotsContestDayMarks)
{
    ListPilots({"Adam,Jan,35", "Brown,Anne,36", "Cerny,Petr,37", "Dvorak,Ivo,38"});
    DialogDriver user(window);
    user.Type(IDC_HEATS, QStringLiteral("2"));
    user.Type(IDC_PILOTS_PER_HEAT, QStringLiteral("2"));
    user.Type(IDC_ROUNDS, QStringLiteral("4"));
    ASSERT_EQ(window.Recalculate(3).kind, CommandOutcome::Kind::Done);
    host.AnswerQuestion(IDNO);
    host.ExpectDialog(IDD_WITHDRAW, [](DialogDriver& dialog) {
        dialog.ChooseLine(IDC_DAY_PILOTS, 2);
        dialog.Type(IDC_DAY_FROM_ROUND, QStringLiteral("3"));
        dialog.PressOk();
    });
    window.OnCommand(ID_WITHDRAW_PILOT, BN_CLICKED);
    ASSERT_EQ(window.GetRoster()[2].withdrawnFromRound, 3);

    window.PilotList().SetCurSel(0);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& dialog) {
        dialog.Type(IDC_LAST_NAME, QStringLiteral("Zeman"));
        dialog.PressOk();
    });
    window.OnCommand(ID_EDIT_PILOT, BN_CLICKED);
    ASSERT_EQ(ListedLines().back(), QStringLiteral("Zeman,Jan,35"));
    EXPECT_EQ(window.GetRoster()[1].lastName + QString::number(window.GetRoster()[1].withdrawnFromRound),
              QStringLiteral("Cerny3"));
    const auto* list = static_cast<const ListBoxView*>(window.GetDlgItem(IDC_PILOT_LIST));
    EXPECT_EQ(list->model()->index(1, 4).data().toString(), QStringLiteral("withdrawn from round 3"));
    EXPECT_EQ(window.GetRoster()[3].withdrawnFromRound, 0);
}
