// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestDay.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include "../contest/ContestDayFixture.h"

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
};

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
        host.ExpectDialog(IDD_REDRAW_FROM, [=](DialogDriver& user) {
            user.Type(IDC_DAY_FROM_ROUND, QStringLiteral("3"));
            user.Tick(IDC_DAY_BALANCED, balanced);
            user.PressOk();
        });
        window.OnCommand(ID_REDRAW_FROM, BN_CLICKED);
        const Contest& after = window.GetContest();
        EXPECT_EQ(after.draw.kind, balanced ? DrawKind::Balanced : DrawKind::Random);
        EXPECT_EQ(after.draw.fromRound, 3);
        for (int round = 0; round < 2; ++round)
            for (int heat = 0; heat < 2; ++heat)
                EXPECT_EQ(HeatMembers(after, round, heat), HeatMembers(before, round, heat));
        EXPECT_TRUE(KeepsTheRules(after));
    }
}
