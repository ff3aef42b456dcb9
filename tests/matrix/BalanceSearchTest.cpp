// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/BalanceSearch.h"

#include "matrix/FreedomSeating.h"
#include "matrix/HeatLayout.h"
#include "matrix/SearchRandom.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

// 24 pilots, pairs on channels 0-3, in heats of four (small heats: tabu
// search) or of eight (annealed by the draw, searched here both ways); pilots
// 8 and 9 and pilots 10 and 11 are team mates on channels of their own.
BalanceState TeamClub(int rounds, int perHeat)
{
    std::vector<int> channels(24);
    std::iota(channels.begin(), channels.end(), 0);
    for (int pilot = 0; pilot < 8; ++pilot)
        channels[pilot] = pilot / 2;
    BalanceState state(channels, rounds, EvenHeatSizes(24, {rounds, 24 / perHeat, perHeat}));
    state.Forbid(8, 9);
    state.Forbid(10, 11);
    return state;
}

void SeatByFreedom(BalanceState& state, SearchRandom& random)
{
    for (int round = 0; round < state.Rounds(); ++round) {
        const std::optional<std::vector<int>> heatOf = FreedomRound(state, 1, random);
        ASSERT_TRUE(heatOf.has_value()) << "round " << round + 1;
        state.SeatRound(round, *heatOf);
    }
}

bool SeatsAForbiddenPair(const BalanceState& state)
{
    for (int round = 0; round < state.Rounds(); ++round)
        for (int heat = 0; heat < state.Heats(); ++heat)
            for (int one : state.Members(round, heat))
                for (int other : state.Members(round, heat))
                    if (one != other && state.IsForbidden(one, other))
                        return true;
    return false;
}

std::vector<int> RoundSeating(const BalanceState& state, int round)
{
    const auto begin = state.Seating().begin() + std::ptrdiff_t(round) * state.Pilots();
    return {begin, begin + state.Pilots()};
}

void Search(BalanceState& state, bool tabu, SearchRandom& random)
{
    const MeetingBound bound = CountingBound(std::vector<int>(24, 1), {});
    BalanceObserver quiet;
    SearchProgress progress(state, bound, 200000, quiet);
    if (tabu)
        TabuSearch(progress, random, progress.Remaining());
    else
        Anneal(progress, random, progress.Remaining());
    progress.ReturnToBest();
}

}  // namespace

// A round already flown stays as it was flown, and team mates never share a
// heat, whichever search runs and however it seats the first rounds.
TEST(BalanceSearch, KeepsKeptRoundsAndForbiddenPairsApart)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const bool tabu = seed % 2 == 1;
        BalanceState state = TeamClub(6, seed <= 4 ? 4 : 8);
        SearchRandom random(seed);
        SeatByFreedom(state, random);
        ASSERT_FALSE(SeatsAForbiddenPair(state)) << "seed " << seed;
        state.KeepRound(0);
        state.KeepRound(3);
        const std::vector<int> before = state.Seating();
        Search(state, tabu, random);
        EXPECT_EQ(RoundSeating(state, 0), std::vector<int>(before.begin(), before.begin() + 24)) << "seed " << seed;
        EXPECT_EQ(RoundSeating(state, 3), std::vector<int>(before.begin() + 72, before.begin() + 96)) << "seed " << seed;
        EXPECT_NE(state.Seating(), before) << "seed " << seed << ": the free rounds were never searched";
        EXPECT_FALSE(SeatsAForbiddenPair(state)) << "seed " << seed;
        EXPECT_EQ(state.Figures(), state.RecountFigures()) << "seed " << seed;
    }
}

TEST(BalanceSearch, AnyForbiddenPartnerBlocksTheSwapUnlessItIsThePartner)
{
    // Pilot 0 may meet neither 2 nor 3, who sit together in heat 1.
    BalanceState state({10, 11, 12, 13, 14, 15}, 1, {3, 3});
    state.Forbid(0, 2);
    state.Forbid(0, 3);
    state.SeatRound(0, std::vector<int>{0, 0, 1, 1, 0, 1});
    for (int seat = 0; seat < 3; ++seat)
        EXPECT_EQ(state.PartnerFor(0, 0, 1, seat), -1);
    // Pilot 1 may not meet 5: its only way into heat 1 is 5's seat.
    state = BalanceState({10, 11, 12, 13, 14, 15}, 1, {3, 3});
    state.Forbid(1, 5);
    state.SeatRound(0, std::vector<int>{0, 0, 1, 1, 0, 1});
    for (int seat = 0; seat < 3; ++seat)
        EXPECT_EQ(state.PartnerFor(0, 1, 1, seat), 5);
}
