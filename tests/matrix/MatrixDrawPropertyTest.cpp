// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MatrixDraw.h"

#include "matrix/DrawRosters.h"
#include "matrix/SeededRandom.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

// 1..100 pilots on channels from a few or from many, listed in an order of
// their own, and fields that mostly leave room for every pilot in a round.
DrawOutcome DrawRandomClub(std::mt19937& engine, std::vector<PilotRecord>& roster, MatrixShape& shape)
{
    auto between = [&engine](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    const int pilots = between(1, kRosterCapacity);
    const int channels = between(0, 1) ? between(1, 4) : between(20, 80);
    std::vector<int> frequencies(pilots);
    for (int& frequency : frequencies)
        frequency = 10 + between(0, channels - 1);
    roster = RosterOnChannels(frequencies);
    std::vector<int> order = ListOrderOf(pilots);
    std::shuffle(order.begin(), order.end(), engine);
    const int perHeat = between(2, kSlotsPerHeat);
    const int neededHeats = (pilots + perHeat - 1) / perHeat;
    shape = {between(1, kMaxRounds), std::min(kMaxHeats, between(neededHeats, neededHeats + 3)), perHeat};
    SeededRandom random(engine());
    DrawObserver quiet;
    return DrawMatrix({roster, order, shape}, random, quiet);
}

}  // namespace

TEST(MatrixDrawProperty, EveryCompletedScheduleFliesEachPilotOncePerRoundWithoutClashes)
{
    std::mt19937 engine(20240607);
    int completed = 0;
    for (int club = 0; club < 400; ++club) {
        std::vector<PilotRecord> roster;
        MatrixShape shape;
        const DrawOutcome outcome = DrawRandomClub(engine, roster, shape);
        if (!outcome.completed)
            continue;
        ++completed;
        const int pilots = static_cast<int>(roster.size());
        for (int round = 0; round < kMaxRounds; ++round) {
            ASSERT_EQ(FlightsInRound(outcome.matrix, round, pilots), std::vector<int>(pilots, round < shape.rounds))
                << "club " << club << ", round " << round + 1;
            for (int heat = 0; heat < kMaxHeats; ++heat) {
                std::set<int> channels;
                for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                    if (const int position = outcome.matrix.At(round, heat, slot); position != kEmptySlot) {
                        ASSERT_TRUE(heat < shape.heats && slot < shape.pilotsPerHeat) << "club " << club;
                        ASSERT_TRUE(channels.insert(roster[position].frequency).second)
                            << "club " << club << ", round " << round + 1 << ", heat " << heat + 1;
                    }
            }
        }
    }
    // Clubs crowded on a few channels often fail and are skipped; enough others complete.
    EXPECT_GT(completed, 100);
}
