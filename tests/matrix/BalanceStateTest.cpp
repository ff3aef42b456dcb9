// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/BalanceState.h"

#include "matrix/HeatLayout.h"
#include "matrix/MeetingSums.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <optional>
#include <random>
#include <set>

namespace {

// A random club seated round by round by dealing a shuffled, channel-grouped
// list round the heats, the legal start the balanced draw falls back on.
BalanceState RandomClub(std::mt19937& engine, int teamPairs = 0)
{
    auto between = [&engine](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    const int pilots = between(4, 60);
    const int perHeat = between(2, 8);
    const int heats = (pilots + perHeat - 1) / perHeat;
    std::vector<int> channels(pilots);
    const int channelCount = between(0, 1) ? pilots : std::max(heats, pilots / std::max(1, heats) + 1);
    for (int& channel : channels)
        channel = between(0, channelCount - 1);
    std::vector<int> perChannel(channelCount, 0);
    for (int& channel : channels)
        if (++perChannel[channel] > heats)
            channel = channelCount + (&channel - channels.data());  // its own channel
    const int rounds = between(1, 6);
    BalanceState state(channels, rounds, EvenHeatSizes(pilots, {rounds, heats, perHeat}));
    for (int pair = 0; pair < teamPairs; ++pair)
        if (const int one = between(0, pilots - 1), other = between(0, pilots - 1); one != other)
            state.Forbid(one, other);
    std::vector<int> order(pilots);
    std::iota(order.begin(), order.end(), 0);
    for (int round = 0; round < rounds; ++round) {
        std::shuffle(order.begin(), order.end(), engine);
        std::stable_sort(order.begin(), order.end(), [&](int one, int other) { return channels[one] < channels[other]; });
        std::vector<int> heatOf(pilots);
        for (int turn = 0; turn < pilots; ++turn)
            heatOf[order[turn]] = turn % state.Heats();
        state.SeatRound(round, heatOf);
    }
    return state;
}

bool HasChannelClash(const BalanceState& state)
{
    for (int round = 0; round < state.Rounds(); ++round)
        for (int heat = 0; heat < state.Heats(); ++heat) {
            std::set<int> channels;
            for (int pilot : state.Members(round, heat))
                if (!channels.insert(state.Channel(pilot)).second)
                    return true;
        }
    return false;
}

// A schedule's cost under the given pair costs, pair by pair.
std::int64_t CostOf(const BalanceState& state, const PairCosts& costs)
{
    std::int64_t cost = 0;
    for (int one = 0; one < state.Pilots(); ++one)
        for (int other = one + 1; other < state.Pilots(); ++other)
            cost += costs[state.Meetings(one, other)];
    return cost;
}

// A swap the searches might look at: a random pilot of a random round with
// the partner a random seat of a random heat gives it, if any.
struct RandomSwap {
    int round = -1;
    int pilot = -1;
    int other = -1;
};

std::optional<RandomSwap> PickSwap(std::mt19937& engine, const BalanceState& state)
{
    RandomSwap swap;
    swap.round = int(engine() % state.Rounds());
    swap.pilot = int(engine() % state.Pilots());
    const int heat = int(engine() % state.Heats());
    swap.other = state.PartnerFor(swap.round, swap.pilot, heat, int(engine() % state.HeatSize(heat)));
    if (swap.other < 0)
        return std::nullopt;
    return swap;
}

// PartnerFor worked out by walking both heats (no back-to-back rule).
int PartnerByWalking(const BalanceState& state, int round, int pilot, int heat, int seat)
{
    auto matesIn = [&](int one, int inHeat, int except) {
        std::vector<int> mates;
        for (int member : state.Members(round, inHeat))
            if (member != except && state.IsForbidden(one, member))
                mates.push_back(member);
        return mates;
    };
    const std::vector<int> mates = matesIn(pilot, heat, -1);
    const int other = mates.empty() ? state.Members(round, heat)[seat] : mates.front();
    const int fromHeat = state.HeatOf(round, pilot);
    return heat != fromHeat && mates.size() < 2 && matesIn(other, fromHeat, pilot).empty() ? other : -1;
}

}  // namespace

// The partners and open seats the state keeps up to date swap after swap,
// against a walk of the heats, in clubs with team mates beside channel mates.
TEST(BalanceState, LegalPartnersFollowEverySwap)
{
    std::mt19937 engine(1207);
    for (int club = 0; club < 40; ++club) {
        BalanceState state = RandomClub(engine, int(engine() % 40));
        for (int move = 0; move < 30 && state.Heats() >= 2; ++move) {
            const int round = int(engine() % state.Rounds());
            for (int pilot = 0; pilot < state.Pilots(); ++pilot)
                for (int heat = 0; heat < state.Heats(); ++heat)
                    for (int seat = 0; seat < state.HeatSize(heat); ++seat) {
                        const int partner = state.PartnerFor(round, pilot, heat, seat);
                        ASSERT_EQ(partner, PartnerByWalking(state, round, pilot, heat, seat)) << "club " << club;
                        const bool open = (state.OpenSeats(round, heat, state.HeatOf(round, pilot)) >> seat) & 1;
                        if (heat != state.HeatOf(round, pilot) && state.MatesIn(round, pilot, heat) == 0)
                            ASSERT_EQ(open, partner >= 0) << "club " << club;
                    }
            if (const auto swap = PickSwap(engine, state))
                state.Swap(swap->round, swap->pilot, swap->other);
        }
    }
}

TEST(BalanceState, SwapFiguresMatchARecountAfterEveryMove)
{
    std::mt19937 engine(715);
    int moves = 0;
    for (int club = 0; club < 60; ++club) {
        BalanceState state = RandomClub(engine);
        ASSERT_EQ(state.Figures(), state.RecountFigures()) << "club " << club;
        ASSERT_FALSE(HasChannelClash(state)) << "club " << club;
        if (state.Heats() < 2)
            continue;
        for (int attempt = 0; attempt < 200; ++attempt) {
            const auto swap = PickSwap(engine, state);
            if (!swap)
                continue;
            const auto [round, pilot, other] = *swap;
            const MeetingFigures foreseen = state.FiguresAfterSwap(round, pilot, other);
            state.Swap(round, pilot, other);
            ++moves;
            ASSERT_EQ(foreseen, state.RecountFigures()) << "club " << club << ", move " << attempt;
            ASSERT_EQ(state.Figures(), foreseen) << "club " << club << ", move " << attempt;
            ASSERT_FALSE(HasChannelClash(state)) << "club " << club << ", move " << attempt;
        }
    }
    EXPECT_GT(moves, 3000);
}

// The searches' quick cost of a swap, with the sums kept up to date swap
// after swap, against the schedule's cost counted pair by pair; for the sum
// of squares and for any other costs a pair may be given.
TEST(BalanceState, MeetingSumsForeseeTheCostOfEverySwap)
{
    std::mt19937 engine(4242);
    int moves = 0;
    for (int club = 0; club < 40; ++club) {
        BalanceState state = RandomClub(engine);
        if (state.Heats() < 2)
            continue;
        PairCosts costs = SquaredMeetings(state.Rounds());
        if (club % 2 == 1)
            for (int& cost : costs)
                cost = int(engine() % 50) - 20;
        MeetingSums sums(state, costs);
        for (int attempt = 0; attempt < 60; ++attempt) {
            const auto swap = PickSwap(engine, state);
            if (!swap)
                continue;
            const auto [round, pilot, other] = *swap;
            const std::int64_t before = CostOf(state, costs);
            const std::int64_t change = sums.CostChange(round, pilot, other);
            sums.BeforeSwap(round, pilot, other);
            state.Swap(round, pilot, other);
            sums.AfterSwap(round, pilot, other);
            ++moves;
            ASSERT_EQ(before + change, CostOf(state, costs)) << "club " << club << ", move " << attempt;
        }
    }
    EXPECT_GT(moves, 600);
}

TEST(BalanceState, MovingNextToAChannelMateSwapsWithTheMate)
{
    // Pilots 0 and 2 share a channel and sit in different heats.
    BalanceState state({5, 6, 5, 7}, 1, {2, 2});
    state.SeatRound(0, std::vector<int>{0, 0, 1, 1});
    for (int seat = 0; seat < 2; ++seat)
        EXPECT_EQ(state.PartnerFor(0, 0, 1, seat), 2);
    // Pilot 3 may not take pilot 0's seat: pilot 0 would join its mate 2.
    EXPECT_EQ(state.PartnerFor(0, 3, 0, 0), -1);
    EXPECT_EQ(state.PartnerFor(0, 3, 0, 1), 1);
}

TEST(BalanceState, RestoringASeatingRestoresItsFigures)
{
    std::mt19937 engine(99);
    for (int club = 0; club < 20; ++club) {
        BalanceState state = RandomClub(engine);
        if (state.Heats() < 2)
            continue;
        const std::vector<int> seating = state.Seating();
        const MeetingFigures figures = state.Figures();
        for (int attempt = 0; attempt < 50; ++attempt) {
            const int round = engine() % state.Rounds();
            const int pilot = engine() % state.Pilots();
            const int heat = engine() % state.Heats();
            if (const int other = state.PartnerFor(round, pilot, heat, 0); other >= 0)
                state.Swap(round, pilot, other);
        }
        state.RestoreSeating(seating);
        EXPECT_EQ(state.Seating(), seating) << "club " << club;
        EXPECT_EQ(state.Figures(), figures) << "club " << club;
    }
}
