#include "matrix/MatrixDraw.h"

#include "matrix/DrawRosters.h"
#include "matrix/SeededRandom.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// A random club: 1..100 pilots on channels drawn from a few or from many,
// some sharing their names, listed in an order of their own, and fields that
// usually leave room for every pilot in a round.
struct RandomClub {
    std::vector<PilotRecord> roster;
    std::vector<int> listOrder;
    MatrixShape shape;
};

RandomClub MakeClub(std::mt19937& engine)
{
    auto between = [&engine](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    RandomClub club;
    const int pilots = between(1, kRosterCapacity);
    const int channels = between(0, 1) ? between(1, 4) : between(20, 80);
    std::vector<int> frequencies;
    for (int pilot = 0; pilot < pilots; ++pilot)
        frequencies.push_back(10 + between(0, channels - 1));
    club.roster = RosterOnChannels(frequencies);
    for (PilotRecord& pilot : club.roster)
        pilot.lastName = QStringLiteral("Pilot%1").arg(between(0, pilots / 2));
    club.listOrder = ListOrderOf(pilots);
    std::shuffle(club.listOrder.begin(), club.listOrder.end(), engine);
    const int perHeat = between(2, kSlotsPerHeat);
    const int neededHeats = (pilots + perHeat - 1) / perHeat;
    club.shape = {between(1, kMaxRounds), std::min(kMaxHeats, between(neededHeats, neededHeats + 3)), perHeat};
    return club;
}

std::string Describe(const RandomClub& club)
{
    return std::to_string(club.roster.size()) + " pilots, fields " + std::to_string(club.shape.rounds) + ","
           + std::to_string(club.shape.heats) + "," + std::to_string(club.shape.pilotsPerHeat);
}

void ExpectOnlyInsideTheFields(const Matrix& matrix, const MatrixShape& shape)
{
    for (int round = 0; round < kMaxRounds; ++round)
        for (int heat = 0; heat < kMaxHeats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                if (round >= shape.rounds || heat >= shape.heats || slot >= shape.pilotsPerHeat) {
                    ASSERT_EQ(matrix.At(round, heat, slot), kEmptySlot) << round << "/" << heat << "/" << slot;
                }
}

} // namespace

TEST(MatrixDrawProperty, EveryCompletedScheduleFliesEachPilotOncePerRoundWithoutClashes)
{
    std::mt19937 engine(20240607);
    int completed = 0;
    int failed = 0;
    for (int club = 0; club < 400; ++club) {
        const RandomClub random = MakeClub(engine);
        SeededRandom draws(engine());
        DrawObserver quiet;
        const DrawOutcome outcome = DrawMatrix({random.roster, random.listOrder, random.shape}, draws, quiet);
        if (!outcome.completed) {
            ++failed;
            continue;
        }
        ++completed;
        const int pilots = static_cast<int>(random.roster.size());
        for (int round = 0; round < random.shape.rounds; ++round) {
            ASSERT_EQ(FlightsInRound(outcome.matrix, round, pilots), std::vector<int>(pilots, 1))
                << Describe(random) << ", round " << round + 1;
            for (int heat = 0; heat < random.shape.heats; ++heat)
                ASSERT_FALSE(HasChannelClash(outcome.matrix, random.roster, round, heat))
                    << Describe(random) << ", round " << round + 1 << ", heat " << heat + 1;
        }
        ExpectOnlyInsideTheFields(outcome.matrix, random.shape);
    }
    // Both kinds of club must really have been tried.
    EXPECT_GT(completed, 100);
    EXPECT_GT(failed, 10);
}
