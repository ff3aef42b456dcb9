// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestDay.h"
#include "contest/ContestFile.h"
#include "contest/ContestRedraw.h"

#include "ContestDayFixture.h"

#include <random>

namespace {

// One contest-day operation picked at random, with random pilots, rounds and
// heats (sometimes out of range): whatever it is asked, an operation either
// refuses with a reason or gives a contest that keeps every rule. `first`
// is the first round (from 0) the operation may change.
class RandomDay {
public:
    explicit RandomDay(unsigned seed) : m_engine(seed) {}

    ContestDayChange Next(const Contest& contest, std::string& what, int& first)
    {
        const int rounds = contest.result.rounds;
        const int pilots = int(contest.result.pilots.size());
        const int round = Between(-1, rounds);
        first = round;
        switch (Between(0, 6)) {
        case 0:
            what = "withdraw";
            return WithdrawPilot(contest, Between(0, pilots), round + 1);
        case 1:
            what = "late";
            return EnterLatePilot(contest, {0, QStringLiteral("Jan"), QStringLiteral("Late%1").arg(Between(0, 99)),
                                            Between(8, 30)},
                                  round + 1);
        case 2:
            what = "swap";
            return SwapPilots(contest, round, Between(0, pilots - 1), Between(0, pilots - 1));
        case 3:
        case 4:
            what = "move";
            return MovePilot(contest, round, Between(0, pilots - 1), Between(-1, contest.result.heats));
        case 5:
            what = "even out";
            return {EvenOutHeats(contest, round + 1), {}};
        default:
            what = "redraw";
            return RedrawFromRound(contest, round + 1, Between(0, 1) ? DrawKind::Random : DrawKind::Balanced, m_engine(),
                                   1, 3000);
        }
    }

private:
    int Between(int lowest, int highest) { return std::uniform_int_distribution(lowest, highest)(m_engine); }

    std::mt19937 m_engine;
};

}  // namespace

class ContestDayOverSeeds : public testing::TestWithParam<unsigned> {};

// With no back-to-back and timekeepers on some seeds: every change keeps
// them, the timekeepers of the rounds before the change stay, and the file
// gives back the contest after every change.
TEST_P(ContestDayOverSeeds, EverySequenceOfChangesKeepsTheRulesAndTheFileKeepsThem)
{
    const DrawRules rules{GetParam() % 2 == 0, GetParam() % 3 != 0};
    Contest contest = DrawnContest({10, 10, 11, 12, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}, {5, 4, 5}, GetParam(), rules);
    ASSERT_TRUE(contest.result.completed);
    ASSERT_EQ(contest.result.HasTimekeepers(), rules.timekeepers);
    RandomDay day(GetParam());
    int changes = 0;
    for (int step = 0; step < 60; ++step) {
        std::string what;
        int first = 0;
        const Contest before = contest;
        ContestDayChange change = day.Next(contest, what, first);
        ASSERT_EQ(contest, before) << what;
        if (!change.contest) {
            EXPECT_FALSE(change.reason.isEmpty()) << what;
            continue;
        }
        ASSERT_TRUE(KeepsTheRules(*change.contest)) << "seed " << GetParam() << " step " << step << ": " << what;
        ASSERT_EQ(change.contest->result.HasTimekeepers(), rules.timekeepers) << what;
        for (int round = 0; round < change.contest->result.rounds; ++round)
            for (int heat = 0; heat < change.contest->result.heats; ++heat) {
                ASSERT_LE(HeatMembers(*change.contest, round, heat).size(), 5u) << what;
                for (int slot = 0; slot < kSlotsPerHeat && round < first; ++slot)
                    ASSERT_EQ(change.contest->result.timekeepers.At(round, heat, slot),
                              contest.result.timekeepers.At(round, heat, slot))
                        << what << " from round " << first + 1 << " retimed round " << round + 1;
            }
        contest = std::move(*change.contest);
        const ContestFileReading reading = ReadContestFile(ContestFileBytes(contest));
        ASSERT_TRUE(reading.contest) << what << ": " << reading.error.toStdString();
        ASSERT_EQ(*reading.contest, contest) << what;
        ++changes;
    }
    EXPECT_GT(changes, 10);
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, ContestDayOverSeeds, testing::Range(1u, 21u));
