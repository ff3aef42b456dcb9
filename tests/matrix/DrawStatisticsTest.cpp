// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/DrawStatistics.h"

#include "matrix/DrawRosters.h"

#include <gtest/gtest.h>

namespace {

// Five pilots; Adam and Dan share channel 1. Round 1: Adam, Bob, Cyril |
// Dan, Eva. Round 2: Adam, Bob, Eva | Cyril, Dan.
struct SmallContest {
    std::vector<PilotRecord> roster = RosterOnChannels({1, 2, 3, 1, 4});
    Matrix matrix;

    SmallContest()
    {
        const std::vector<std::vector<std::vector<int>>> rounds = {{{0, 1, 2}, {3, 4}}, {{0, 1, 4}, {2, 3}}};
        for (int round = 0; round < 2; ++round)
            for (int heat = 0; heat < 2; ++heat)
                for (int slot = 0; slot < int(rounds[round][heat].size()); ++slot)
                    matrix.Set(round, heat, slot, rounds[round][heat][slot]);
    }
};

}  // namespace

TEST(DrawStatistics, CountsWhoMetWhomInAHandMadeSchedule)
{
    const SmallContest contest;
    const DrawStatistics statistics = ComputeDrawStatistics(contest.roster, contest.matrix, 2, 2);
    EXPECT_EQ(statistics.Meetings(0, 1), 2);
    EXPECT_EQ(statistics.Meetings(4, 1), 1);
    EXPECT_EQ(statistics.Meetings(1, 3), 0);
    EXPECT_EQ(statistics.Meetings(0, 3), 0);
    // Nine allowed pairs (Adam and Dan never fly together): Bob-Dan and
    // Cyril-Eva never meet, Adam-Bob twice, the other six once.
    EXPECT_EQ(statistics.histogram, (std::vector<int>{2, 6, 1}));
    EXPECT_EQ(statistics.figures, (MeetingFigures{10, 2, 2}));
    EXPECT_EQ(statistics.smallest, 0);
    const std::vector<std::pair<int, int>> opponents = {{3, 3}, {3, 4}, {3, 4}, {2, 3}, {3, 4}};
    for (int pilot = 0; pilot < 5; ++pilot) {
        EXPECT_EQ(statistics.opponents[pilot].opponents, opponents[pilot].first) << "pilot " << pilot;
        EXPECT_EQ(statistics.opponents[pilot].possible, opponents[pilot].second) << "pilot " << pilot;
    }
}

TEST(DrawStatistics, TheHandMadeScheduleMeetsItsBound)
{
    // Eight meetings on nine pairs, and the heat of three in round 1 keeps
    // two of its pilots together in round 2's two heats: some pair meets
    // twice, the squares sum to at least 10 and two pairs never meet.
    const SmallContest contest;
    const DrawStatistics statistics = ComputeDrawStatistics(contest.roster, contest.matrix, 2, 2);
    EXPECT_EQ(statistics.bound.meetings, 8);
    EXPECT_EQ(statistics.bound.allowedPairs, 9);
    EXPECT_EQ(statistics.bound.least, (MeetingFigures{10, 2, 2}));
    EXPECT_EQ(statistics.bound.smallestAtMost, 0);
}

TEST(DrawStatistics, ReadsOnlyTheResultsRoundsHeatsAndPilots)
{
    SmallContest contest;
    contest.matrix.Set(0, 1, 2, 7);   // no such pilot
    contest.matrix.Set(2, 0, 0, 0);   // a round beyond the result
    contest.matrix.Set(2, 0, 1, 1);
    const DrawStatistics statistics = ComputeDrawStatistics(contest.roster, contest.matrix, 2, 2);
    EXPECT_EQ(statistics.figures, (MeetingFigures{10, 2, 2}));
}

TEST(MeetingBound, MatchesTheCountsOfRealContestShapes)
{
    auto sizes = [](int rounds, std::vector<int> heats) { return std::vector<std::vector<int>>(rounds, heats); };
    // 100 pilots on own channels, 25 rounds of ten heats of ten: 11250
    // meetings on 4950 pairs, no heat larger than the heats of a round.
    const MeetingBound hundred = CountingBound(std::vector<int>(100, 1), sizes(25, std::vector<int>(10, 10)));
    EXPECT_EQ(hundred.least, (MeetingFigures{26550, 0, 3}));
    EXPECT_EQ(hundred.smallestAtMost, 2);
    // 32 pilots, nine rounds of eight heats of four: 432 meetings on 496 pairs.
    const MeetingBound golfers = CountingBound(std::vector<int>(32, 1), sizes(9, std::vector<int>(8, 4)));
    EXPECT_EQ(golfers.least, (MeetingFigures{432, 64, 1}));
    // 60 pilots, ten channels shared by two, six rounds of six heats of ten:
    // each round pair keeps 24 pairs together, 15 round pairs, 360 repeats.
    std::vector<int> sixty(40, 1);
    sixty.insert(sixty.end(), 10, 2);
    const MeetingBound big = CountingBound(sixty, sizes(6, std::vector<int>(6, 10)));
    EXPECT_EQ(big.meetings, 1620);
    EXPECT_EQ(big.allowedPairs, 1760);
    EXPECT_EQ(big.least, (MeetingFigures{1620 + 2 * 360, 140 + 120, 2}));
}

// Team mates count as channel mates do: a pair that may not meet, left out
// of the figures, the opponents a pilot may meet and the bound.
TEST(DrawStatistics, TeamMatesArePairsThatMayNotMeet)
{
    SmallContest contest;
    contest.roster[1].team = contest.roster[3].team = QStringLiteral("Orlík");  // Bob and Dan never met
    contest.roster[2].team = QStringLiteral("Sokoli");
    const DrawStatistics statistics = ComputeDrawStatistics(contest.roster, contest.matrix, 2, 2);
    EXPECT_FALSE(statistics.IsAllowedPair(1, 3));
    EXPECT_TRUE(statistics.IsAllowedPair(1, 2));
    EXPECT_EQ(statistics.forbiddenPairs, 2);
    EXPECT_EQ(statistics.histogram, (std::vector<int>{1, 6, 1}));
    EXPECT_EQ(statistics.figures.neverMet, 1);
    EXPECT_EQ(statistics.opponents[1].possible, 3);
    EXPECT_EQ(statistics.bound.allowedPairs, 8);
}
