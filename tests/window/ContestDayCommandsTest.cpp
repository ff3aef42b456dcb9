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

    // Types the pilot into the late entry dialog the next command opens.
    void ExpectLateEntry(const PilotRecord& pilot, int fromRound)
    {
        host.ExpectDialog(IDD_LATE_ENTRY, [=](DialogDriver& user) {
            EXPECT_EQ(user.Text(IDC_DAY_FROM_ROUND), QStringLiteral("2")) << "a fresh schedule's next round";
            user.Type(IDC_LAST_NAME, pilot.lastName);
            user.Type(IDC_FIRST_NAME, pilot.firstName);
            user.Type(IDC_FREQUENCY, QString::number(pilot.frequency));
            user.Type(IDC_DAY_FROM_ROUND, QString::number(fromRound));
            user.PressOk();
        });
    }

    // Chooses a line of each list of the swap or move dialog, in the round
    // typed; the left list shows the round's pilots heat by heat.
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

    // The round's pilots as the dialogs list them: heat by heat, in seat order.
    std::vector<int> ListedInRound(int round) const
    {
        std::vector<int> listed;
        for (int heat = 0; heat < window.GetResult().heats; ++heat)
            for (int pilot : HeatMembers(window.GetContest(), round, heat))
                listed.push_back(pilot);
        return listed;
    }

    void ExpectUndoneTo(const Contest& before)
    {
        window.OnCommand(ID_UNDO, BN_CLICKED);
        EXPECT_EQ(window.GetContest(), before);
    }
};

PilotRecord NewPilot(const QString& lastName, int channel)
{
    return {0, QStringLiteral("Petr"), lastName, channel};
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

// While a schedule is drawn, adding a pilot offers the late entry; No adds
// the pilot to the list only, as before any draw.
TEST_F(ContestDayCommand, AddingToADrawnScheduleOffersTheLateEntryWhichTheCoreSeatsOrRefuses)
{
    const Contest before = window.GetContest();
    host.AnswerQuestion(IDYES);
    ExpectLateEntry(NewPilot(QStringLiteral("Malý"), 40), 3);
    window.OnCommand(ID_ADD_PILOT, BN_CLICKED);
    EXPECT_EQ(window.GetContest(), *EnterLatePilot(before, NewPilot(QStringLiteral("Malý"), 40), 3).contest);
    EXPECT_EQ(window.GetRosterCount(), 6);
    ExpectUndoneTo(before);
    host.DropMessage(host.Questions().back().text);

    const PilotRecord listedAlready{0, QStringLiteral("jan"), QStringLiteral("NOVÁK"), 41};
    ExpectLateEntry(listedAlready, 2);
    window.OnCommand(ID_LATE_ENTRY, BN_CLICKED);
    EXPECT_EQ(host.TakeMessages(), QStringList{EnterLatePilot(before, listedAlready, 2).reason});
    EXPECT_EQ(window.GetContest(), before);

    host.AnswerQuestion(IDNO);
    host.ExpectDialog(IDD_ADD_PILOT, [](DialogDriver& user) {
        user.Type(IDC_LAST_NAME, QStringLiteral("Malý"));
        user.Type(IDC_FREQUENCY, QStringLiteral("40"));
        user.PressOk();
    });
    window.OnCommand(ID_ADD_PILOT, BN_CLICKED);
    EXPECT_EQ(window.GetRosterCount(), 6);
    EXPECT_EQ(window.GetResult(), before.result);
    EXPECT_EQ(host.Questions().size(), 2u);
}

// A late pilot on the channel of one who flies in the short heat of a round
// finds no heat there: the other is full. The command says so and, when
// asked to, draws that round and those after it again with the late pilot
// among the pilots; the rounds before keep their heats.
TEST_F(ContestDayCommand, ARoundWithoutAPlaceForTheLatePilotIsDrawnAgainWhenTheOrganiserWants)
{
    const Contest before = window.GetContest();
    // The pilot who flies the second round in a full heat and a later one in
    // the short heat latest; the late pilot is seated up to that round.
    int blocker = -1;
    int fullRound = 0;
    for (int pilot = 0; pilot < 5; ++pilot)
        for (int round = 1; round < before.result.rounds; ++round)
            if (HeatMembers(before, round, *HeatOfPilot(before, round, pilot)).size() == 2) {
                if (round > fullRound)
                    std::tie(blocker, fullRound) = std::pair(pilot, round);
                break;
            }
    ASSERT_GE(fullRound, 2) << "the draw gives no pilot a short heat after a full one in round 2";
    const PilotRecord late = NewPilot(QStringLiteral("Malý"), before.result.pilots[size_t(blocker)].frequency);

    host.AnswerQuestion(IDNO);
    ExpectLateEntry(late, 2);
    window.OnCommand(ID_LATE_ENTRY, BN_CLICKED);
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_TRUE(host.Questions()[0].text.startsWith(EnterLatePilot(before, late, 2).reason));
    EXPECT_EQ(window.GetContest(), before);

    host.AnswerQuestion(IDYES);
    ExpectLateEntry(late, 2);
    window.OnCommand(ID_LATE_ENTRY, BN_CLICKED);
    host.TakeMessages();
    const Contest& after = window.GetContest();
    EXPECT_EQ(after.draw.fromRound, fullRound + 1);
    ASSERT_EQ(after.result.pilots.size(), 6u);
    for (int round = 0; round < after.result.rounds; ++round) {
        EXPECT_EQ(HeatOfPilot(after, round, 5).has_value(), round >= 1) << "round " << round + 1;
        for (int heat = 0; round < fullRound && heat < after.result.heats; ++heat) {
            std::vector<int> kept = HeatMembers(after, round, heat);
            std::erase(kept, 5);
            EXPECT_EQ(kept, HeatMembers(before, round, heat)) << "round " << round + 1;
        }
    }
    EXPECT_TRUE(KeepsTheRules(after));
    ExpectUndoneTo(before);
}

// The lists show the round typed: the first pilot of its first heat and the
// last of its last trade heats; two of one heat cannot.
TEST_F(ContestDayCommand, SwapTradesTheHeatsOfTwoPilotsOfTheRoundTyped)
{
    const Contest before = window.GetContest();
    const std::vector<int> listed = ListedInRound(2);
    ChooseInRound(IDD_SWAP_PILOTS, ID_SWAP_PILOTS, 2, IDC_DAY_OTHER_PILOTS, 0, 4);
    EXPECT_EQ(window.GetContest(), *SwapPilots(before, 2, listed[0], listed[4]).contest);
    ExpectUndoneTo(before);

    ChooseInRound(IDD_SWAP_PILOTS, ID_SWAP_PILOTS, 2, IDC_DAY_OTHER_PILOTS, 0, 1);
    EXPECT_EQ(host.TakeMessages(), QStringList{SwapPilots(before, 2, listed[0], listed[1]).reason});
    EXPECT_EQ(window.GetContest(), before);
}

// A pilot of the full heat moves to the short one; a pilot of the short heat
// cannot join the full one.
TEST_F(ContestDayCommand, MoveTakesAPilotToAHeatWithAPlace)
{
    const Contest before = window.GetContest();
    const std::vector<int> listed = ListedInRound(1);
    const int fullHeat = HeatMembers(before, 1, 0).size() == 3 ? 0 : 1;
    const int fromFull = fullHeat == 0 ? 0 : 2;
    const int fromShort = fullHeat == 0 ? 3 : 0;
    ChooseInRound(IDD_MOVE_PILOT, ID_MOVE_PILOT, 1, IDC_DAY_HEATS, fromFull, 1 - fullHeat);
    EXPECT_EQ(window.GetContest(), *MovePilot(before, 1, listed[size_t(fromFull)], 1 - fullHeat).contest);
    ExpectUndoneTo(before);

    ChooseInRound(IDD_MOVE_PILOT, ID_MOVE_PILOT, 1, IDC_DAY_HEATS, fromShort, fullHeat);
    EXPECT_EQ(host.TakeMessages(), QStringList{MovePilot(before, 1, listed[size_t(fromShort)], fullHeat).reason});
    EXPECT_EQ(window.GetContest(), before);
}
