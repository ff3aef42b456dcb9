// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestRedraw.h"

#include "ContestDayFixture.h"
#include "matrix/BalancedDraw.h"
#include "matrix/DrawStatistics.h"
#include "matrix/MatrixFileFormat.h"

namespace {

// Enough for the search to use the meetings it knows of, little enough for a test.
constexpr std::int64_t kSteps = 300000;

const std::vector<int> kClubChannels{10, 10, 11, 12, 12, 13, 14, 15, 16, 16, 17, 18, 19, 20, 21, 22, 23, 24};

QString ExportBeforeRound(const Contest& contest, int round)
{
    const QString text = MatrixFileText(contest.result);
    return text.left(text.indexOf(HeatHeading(round, 1)));
}

MeetingFigures WholeContestFigures(const Contest& contest)
{
    return ComputeDrawStatistics(contest.result.pilots, contest.result.matrix, contest.result.rounds,
                                 contest.result.heats)
        .figures;
}

// The rounds from fromRound drawn balanced as if nothing had been flown
// before them, placed after the kept rounds: what a redraw that ignores the
// rounds flown would give.
Contest BlindBalancedRedraw(const Contest& contest, int fromRound, unsigned seed)
{
    std::vector<PilotRecord> flying;
    std::vector<int> positions;
    for (const PilotRecord& pilot : contest.result.pilots)
        if (pilot.FliesInRound(fromRound - 1)) {
            positions.push_back(pilot.index);
            flying.push_back(pilot);
            flying.back().index = int(flying.size()) - 1;
        }
    const std::vector<int> order = DrawOrder(flying);
    const MatrixShape shape{contest.result.rounds - fromRound + 1, contest.result.heats, contest.fields.pilotsPerHeat};
    SeededRandom random(seed);
    BalanceObserver quiet;
    const BalancedOutcome outcome = DrawBalanced({flying, order, shape}, random, {kMinBalanceEffort, kSteps, {}}, quiet);
    Contest blind = contest;
    for (int round = fromRound - 1; round < contest.result.rounds; ++round)
        for (int heat = 0; heat < kMaxHeats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int listed = outcome.matrix.At(round - fromRound + 1, heat, slot);
                blind.result.matrix.Set(round, heat, slot, listed == kEmptySlot ? kEmptySlot : positions[size_t(listed)]);
            }
    return blind;
}

}  // namespace

class RedrawOverSeeds : public testing::TestWithParam<unsigned> {};

TEST_P(RedrawOverSeeds, KeepsTheRoundsBeforeByteForByteAndSeatsEveryPilotStillFlying)
{
    Contest contest = DrawnContest(kClubChannels, {6, 4, 5}, GetParam());
    contest = *WithdrawPilot(contest, 3, 3).contest;
    contest = *EnterLatePilot(contest, {0, "Petr", "Late", 30}, 3).contest;
    for (const DrawKind kind : {DrawKind::Random, DrawKind::Balanced}) {
        const ContestDayChange redrawn = RedrawFromRound(contest, 4, kind, GetParam(), 1, kSteps);
        ASSERT_TRUE(redrawn.contest) << redrawn.reason.toStdString();
        EXPECT_EQ(ExportBeforeRound(*redrawn.contest, 4), ExportBeforeRound(contest, 4));
        EXPECT_NE(MatrixFileText(redrawn.contest->result), MatrixFileText(contest.result));
        EXPECT_TRUE(KeepsTheRules(*redrawn.contest)) << "seed " << GetParam();
        EXPECT_EQ(redrawn.contest->draw.fromRound, 4);
    }
}

INSTANTIATE_TEST_SUITE_P(SixSeeds, RedrawOverSeeds, testing::Range(1u, 7u));

// A redraw blind to the rounds flown repeats their pairs; counting them does
// better in most seeds and never worse.
TEST(Redraw, BalancedCountsTheRoundsFlownSoTheWholeContestIsNoWorseThanAFreshDraw)
{
    int better = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Contest contest = DrawnContest(kClubChannels, {6, 4, 5}, seed);
        contest = *WithdrawPilot(contest, 5, 4).contest;
        const ContestDayChange redrawn = RedrawFromRound(contest, 4, DrawKind::Balanced, seed, 1, kSteps);
        ASSERT_TRUE(redrawn.contest) << redrawn.reason.toStdString();
        const MeetingFigures aware = WholeContestFigures(*redrawn.contest);
        const MeetingFigures blind = WholeContestFigures(BlindBalancedRedraw(contest, 4, seed));
        EXPECT_FALSE(blind.IsBetterThan(aware))
            << "seed " << seed << ": squares " << aware.sumOfSquares << " against " << blind.sumOfSquares;
        better += aware.IsBetterThan(blind);
    }
    EXPECT_GE(better, 4);
}

// Neither draw sees the seam to the kept rounds as it stands; the redraw
// mends it, so a schedule held to no back-to-back keeps it.
TEST(ContestRedraw, KeepsNoBackToBackAcrossTheSeam)
{
    for (unsigned seed = 1; seed <= 12; ++seed)
        for (const DrawKind kind : {DrawKind::Random, DrawKind::Balanced}) {
            const Contest contest = DrawnContest(kClubChannels, {6, 4, 5}, seed, {true, true});
            const ContestDayChange redrawn = RedrawFromRound(contest, 3, kind, seed + 100, 1, 3000);
            ASSERT_TRUE(redrawn.contest) << "seed " << seed << ": " << redrawn.reason.toStdString();
            EXPECT_TRUE(KeepsTheRules(*redrawn.contest)) << "seed " << seed;
        }
}
