// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestDay.h"
#include "contest/ContestRedraw.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include "../contest/ContestDayFixture.h"

#include <QAction>
#include <QMenuBar>

namespace {

class ContestDayCommand : public MainWindowFixture {
protected:
    ContestDayCommand()
    {
        ListPilots({"Novák,Jan,35", "Dvořák,Petr,36", "Svoboda,Tomáš,37", "Černý,Jiří,38", "Král,Ivo,39"});
        DialogDriver user(window);
        user.Type(IDC_HEATS, QStringLiteral("2"));
        user.Type(IDC_PILOTS_PER_HEAT, QStringLiteral("3"));
        user.Type(IDC_ROUNDS, QStringLiteral("4"));
        EXPECT_EQ(window.Recalculate(3).kind, CommandOutcome::Kind::Done);
    }

    void Withdraw(int line, const QString& fromRound)
    {
        host.ExpectDialog(IDD_WITHDRAW, [=](DialogDriver& user) {
            user.ChooseLine(IDC_DAY_PILOTS, line);
            user.Type(IDC_DAY_FROM_ROUND, fromRound);
            user.PressOk();
        });
        window.OnCommand(ID_WITHDRAW_PILOT, BN_CLICKED);
    }

    // Types a late pilot into the dialog the next command opens, which
    // offers the round given.
    void ExpectLateEntry(int offered, const QString& lastName, int channel, int fromRound)
    {
        host.ExpectDialog(IDD_LATE_ENTRY, [=](DialogDriver& user) {
            EXPECT_EQ(user.Text(IDC_DAY_FROM_ROUND), QString::number(offered));
            user.Type(IDC_LAST_NAME, lastName);
            user.Type(IDC_FREQUENCY, QString::number(channel));
            user.Type(IDC_DAY_FROM_ROUND, QString::number(fromRound));
            user.PressOk();
        });
    }

    // Chooses a line of each list of the swap or move dialog in the round typed.
    void ChooseInRound(int dialogId, int command, int round, int rightList, int left, int right)
    {
        host.ExpectDialog(dialogId, [=](DialogDriver& user) {
            user.Type(IDC_DAY_ROUND, QString::number(round + 1));
            user.Leave(IDC_DAY_ROUND);
            user.ChooseLine(IDC_DAY_PILOTS, left);
            user.ChooseLine(rightList, right);
            user.PressOk();
        });
        window.OnCommand(command, BN_CLICKED);
    }

    QString UndoItemText()
    {
        for (QAction* action : window.MenuBar()->findChildren<QAction*>())
            if (action->data().toInt() == ID_UNDO)
                return action->text();
        return {};
    }

    // The round's pilots as the dialogs list them: heat by heat, in seat order.
    std::vector<int> ListedInRound(int round) const
    {
        std::vector<int> listed;
        for (int heat = 0; heat < window.GetResult().heats; ++heat)
            for (int pilot : HeatMembers(window.GetContest(), round, heat))
                listed.push_back(pilot);
        return listed;
    }
};

PilotRecord LatePilot(const QString& lastName, int channel)
{
    return {0, QString(), lastName, channel};
}

}  // namespace

// The menu command asks the pilot and the round, withdraws as the core does,
// evens out the heats when asked to, and is one undo step.
TEST_F(ContestDayCommand, WithdrawsTheChosenPilotFromTheRoundAndUndoesInOneStep)
{
    const Contest before = window.GetContest();
    host.AnswerQuestion(IDNO);
    Withdraw(2, QStringLiteral("3"));
    EXPECT_EQ(window.GetContest(), *WithdrawPilot(before, 2, 3).contest);
    window.OnCommand(ID_UNDO, BN_CLICKED);
    EXPECT_EQ(window.GetContest(), before);

    host.AnswerQuestion(IDYES);
    Withdraw(0, QStringLiteral("2"));
    EXPECT_EQ(window.GetContest(), EvenOutHeats(*WithdrawPilot(before, 0, 2).contest, 2));
    EXPECT_TRUE(KeepsTheRules(window.GetContest()));
}

TEST_F(ContestDayCommand, ARoundOutsideTheScheduleIsRefusedInTheDialog)
{
    const Contest before = window.GetContest();
    host.ExpectDialog(IDD_WITHDRAW, [](DialogDriver& user) {
        user.ChooseLine(IDC_DAY_PILOTS, 1);
        user.Type(IDC_DAY_FROM_ROUND, QStringLiteral("5"));
        user.PressOk();
        EXPECT_FALSE(user.HasEnded());
        user.PressCancel();
    });
    window.OnCommand(ID_WITHDRAW_PILOT, BN_CLICKED);
    host.DropMessage(host.Messages().value(0));
    EXPECT_EQ(window.GetContest(), before);
}

// The rounds before the one asked stay as flown, the rest are drawn again by
// the draw chosen, and the rules hold.
TEST_F(ContestDayCommand, RedrawFromARoundKeepsTheRoundsBefore)
{
    const Contest before = window.GetContest();
    for (const bool balanced : {false, true}) {
        RedrawFromMenu(3, balanced);
        ASSERT_TRUE(WaitForTheSearch());
        const Contest& after = window.GetContest();
        EXPECT_EQ(after.draw.kind, balanced ? DrawKind::Balanced : DrawKind::Random);
        EXPECT_EQ(after.draw.fromRound, 3);
        for (int round = 0; round < 2; ++round)
            for (int heat = 0; heat < 2; ++heat)
                EXPECT_EQ(HeatMembers(after, round, heat), HeatMembers(before, round, heat));
        EXPECT_TRUE(KeepsTheRules(after));
    }
}

// The balanced redraw searches on a thread of its own: the command returns
// with the contest as it was, the contest's commands wait for the search,
// and when it ends the contest is what the batch run's redraw gives with that
// seed, as one step that Zpět takes back. For every round and a few seeds.
TEST_F(ContestDayCommand, BalancedRedrawRunsInTheBackgroundAndEndsAsTheBatchRedraw)
{
    const Contest before = window.GetContest();
    for (const unsigned seed : {77u, 1733550000u})
        for (const int fromRound : {1, 2, 4}) {
            window.SetClock([seed] { return qint64(seed); });
            RedrawFromMenu(fromRound, true);
            ASSERT_TRUE(window.IsBalancing());
            EXPECT_EQ(window.GetContest(), before);
            window.OnCommand(ID_SWAP_PILOTS, BN_CLICKED);
            EXPECT_EQ(host.TakeMessages(),
                      QStringList{"A balanced calculation is running. Press Escape or Stop to end it first."});
            ASSERT_TRUE(WaitForTheSearch());
            const ContestDayChange batch = RedrawFromRound(before, fromRound, DrawKind::Balanced, seed);
            ASSERT_TRUE(batch.contest) << batch.reason.toStdString();
            EXPECT_EQ(window.GetContest(), *batch.contest) << seed << " from " << fromRound;
            EXPECT_EQ(UndoItemText(), QStringLiteral("&Zpět: Přepočítat od kola"));
            window.OnCommand(ID_UNDO, BN_CLICKED);
            EXPECT_EQ(window.GetContest(), before);
        }
}

// A balanced redraw that cannot stand (no back to back asked after a draw
// without it, which the kept rounds break) gives the batch run's reason
// when its search ends, and leaves the contest and its history as they were.
TEST_F(ContestDayCommand, AFailedBalancedRedrawGivesTheBatchReasonAndChangesNothing)
{
    DialogDriver(window).Tick(IDC_NO_BACK_TO_BACK);
    ASSERT_TRUE(window.UpdateData(true));
    const Contest before = window.GetContest();
    const ContestDayChange batch = RedrawFromRound(before, 4, DrawKind::Balanced, 0);
    ASSERT_FALSE(batch.contest);
    window.SetClock([] { return 0LL; });
    RedrawFromMenu(4, true);
    ASSERT_TRUE(WaitForTheSearch());
    EXPECT_EQ(host.TakeMessages(), QStringList{batch.reason});
    EXPECT_EQ(window.GetContest(), before);
    EXPECT_EQ(UndoItemText(), QStringLiteral("&Zpět"));
}

// While a schedule is drawn, adding a pilot offers the late entry (No adds
// to the list only, as before any draw). The next late entry is offered the
// round the last one joined.
TEST_F(ContestDayCommand, AddingToADrawnScheduleOffersTheLateEntryWhichTheCoreSeatsOrRefuses)
{
    const Contest before = window.GetContest();
    host.AnswerQuestion(IDYES);
    ExpectLateEntry(2, QStringLiteral("Malý"), 40, 3);
    window.OnCommand(ID_ADD_PILOT, BN_CLICKED);
    host.DropMessage(host.Questions().back().text);
    const Contest entered = window.GetContest();
    EXPECT_EQ(entered, *EnterLatePilot(before, LatePilot(QStringLiteral("Malý"), 40), 3).contest);

    ExpectLateEntry(3, QStringLiteral("MALÝ"), 41, 4);
    window.OnCommand(ID_LATE_ENTRY, BN_CLICKED);
    EXPECT_EQ(host.TakeMessages(), QStringList{EnterLatePilot(entered, LatePilot(QStringLiteral("MALÝ"), 41), 4).reason});
    EXPECT_EQ(window.GetContest(), entered);
    window.OnCommand(ID_UNDO, BN_CLICKED);
    EXPECT_EQ(window.GetContest(), before);
}

// A late pilot on the channel of one who flies in the short heat of a round
// finds no heat there, as the other is full. The command says so and offers
// to draw that round and the rest again with the late pilot among the
// pilots, who is seated in the rounds before as a late entry is. A balanced
// schedule is searched in the background and ends as the batch redraw does.
TEST_F(ContestDayCommand, ARoundWithoutAPlaceForTheLatePilotIsDrawnAgainWithThePilot)
{
    for (const bool balanced : {false, true}) {
        if (balanced) {
            ASSERT_EQ(window.RecalculateBalanced(5).kind, CommandOutcome::Kind::Done);
        }
        const Contest before = window.GetContest();
        int blocker = -1;  // in a full heat in round 2, in the short heat latest after it
        int fullRound = 0;
        for (int pilot = 0; pilot < 5; ++pilot)
            for (int round = 1; round < before.result.rounds; ++round)
                if (HeatMembers(before, round, *HeatOfPilot(before, round, pilot)).size() == 2) {
                    if (round > fullRound)
                        std::tie(blocker, fullRound) = std::pair(pilot, round);
                    break;
                }
        ASSERT_GE(fullRound, 2) << "the draw gives no pilot a short heat after a full one in round 2";
        const PilotRecord late = LatePilot(QStringLiteral("Malý"), before.result.pilots[size_t(blocker)].frequency);

        host.AnswerQuestion(IDYES);
        ExpectLateEntry(2, late.lastName, late.frequency, 2);
        window.SetClock([] { return 1234LL; });
        window.OnCommand(ID_LATE_ENTRY, BN_CLICKED);
        EXPECT_EQ(host.TakeMessages().value(0).section(u'\n', 0, 0), EnterLatePilot(before, late, 2).reason);
        EXPECT_EQ(window.IsBalancing(), balanced);
        ASSERT_TRUE(WaitForTheSearch());
        const Contest& after = window.GetContest();
        const ContestDayChange batch = RedrawFromRound(LateEntryWithoutAHeat(before, late, 2)->contest, fullRound + 1,
                                                       before.draw.kind, 1234);
        ASSERT_TRUE(batch.contest) << batch.reason.toStdString();
        EXPECT_EQ(after, *batch.contest);
        EXPECT_EQ(ListedLines().size(), 6);
        for (int round = 0; round < after.result.rounds; ++round)
            EXPECT_EQ(HeatOfPilot(after, round, 5).has_value(), round >= 1) << "round " << round + 1;
        EXPECT_TRUE(KeepsTheRules(after));
        window.OnCommand(ID_UNDO, BN_CLICKED);
        EXPECT_EQ(window.GetContest(), before);
    }
}

// The lists show the round typed. A swap: the first pilot of its first heat
// and the last of its last trade heats; two of one heat cannot. A move: a
// pilot of the full heat goes to the short one; one of the short heat cannot
// join the full one.
TEST_F(ContestDayCommand, SwapAndMoveChangeTheRoundTypedOrGiveTheReason)
{
    const Contest before = window.GetContest();
    const std::vector<int> listed = ListedInRound(2);
    ChooseInRound(IDD_SWAP_PILOTS, ID_SWAP_PILOTS, 2, IDC_DAY_OTHER_PILOTS, 0, 4);
    EXPECT_EQ(window.GetContest(), *SwapPilots(before, 2, listed[0], listed[4]).contest);
    window.OnCommand(ID_UNDO, BN_CLICKED);
    ChooseInRound(IDD_SWAP_PILOTS, ID_SWAP_PILOTS, 2, IDC_DAY_OTHER_PILOTS, 0, 1);
    EXPECT_EQ(host.TakeMessages(), QStringList{SwapPilots(before, 2, listed[0], listed[1]).reason});
    EXPECT_EQ(window.GetContest(), before);

    const int full = HeatMembers(before, 2, 0).size() == 3 ? 0 : 1;
    const size_t fromFull = full == 0 ? 0 : 2;
    const size_t fromShort = full == 0 ? 3 : 0;
    ChooseInRound(IDD_MOVE_PILOT, ID_MOVE_PILOT, 2, IDC_DAY_HEATS, int(fromFull), 1 - full);
    EXPECT_EQ(window.GetContest(), *MovePilot(before, 2, listed[fromFull], 1 - full).contest);
    window.OnCommand(ID_UNDO, BN_CLICKED);
    ChooseInRound(IDD_MOVE_PILOT, ID_MOVE_PILOT, 2, IDC_DAY_HEATS, int(fromShort), full);
    EXPECT_EQ(host.TakeMessages(), QStringList{MovePilot(before, 2, listed[fromShort], full).reason});
    EXPECT_EQ(window.GetContest(), before);
}
