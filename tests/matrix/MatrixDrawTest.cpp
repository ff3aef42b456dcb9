#include "matrix/MatrixDraw.h"

#include "matrix/DrawRosters.h"
#include "matrix/SeededRandom.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct PlacementFixture {
    std::vector<PilotRecord> roster;
    Matrix matrix;
    ScriptedRandom random;
    RecordingObserver observer;
    DrawContext draw;

    PlacementFixture(const std::vector<int>& channels, std::vector<int> pool, std::vector<int> values)
        : roster(RosterOnChannels(channels)), random(std::move(values)),
          draw{roster, std::move(pool), matrix, random, observer}
    {
    }
};

} // namespace

TEST(LinePosition, MatchesTheWorkedExamples)
{
    EXPECT_EQ(LinePosition(5000, 16), 2);
    EXPECT_EQ(LinePosition(32767, 3), 2);
    EXPECT_EQ(LinePosition(2047, 16), 0);
    EXPECT_EQ(LinePosition(2048, 16), 1);
    EXPECT_EQ(LinePosition(32767, 100), 99);
}

TEST(LinePosition, AlwaysPicksAnExistingLine)
{
    for (int lines = 1; lines <= kRosterCapacity; ++lines) {
        EXPECT_EQ(LinePosition(0, lines), 0);
        int previous = 0;
        for (int value = 0; value <= RandomSource::kRandomMax; ++value) {
            const int line = LinePosition(value, lines);
            ASSERT_GE(line, previous) << value << " of " << lines;
            ASSERT_LT(line, lines) << value << " of " << lines;
            previous = line;
        }
    }
    EXPECT_EQ(LinePosition(RandomSource::kRandomMax, 1), 0);
}

TEST(PlaceRandomPilot, PlacesThePilotOfThePickedPoolLine)
{
    // Four lines: 20000 / 8192 picks the third line, roster position 3.
    PlacementFixture fixture({40, 41, 42, 43}, {2, 0, 3, 1}, {20000});
    EXPECT_TRUE(PlaceRandomPilot(fixture.draw, 0, 0, 0));
    EXPECT_EQ(fixture.matrix.At(0, 0, 0), 3);
    EXPECT_EQ(fixture.draw.pool, (std::vector<int>{2, 0, 1}));
}

TEST(PlaceRandomPilot, ClashLeavesPoolAndMatrixAndReportsTheChannel)
{
    PlacementFixture fixture({35, 36, 35}, {1, 2}, {32767});
    fixture.matrix.Set(4, 2, 0, 0);
    EXPECT_FALSE(PlaceRandomPilot(fixture.draw, 4, 2, 1));
    EXPECT_EQ(fixture.matrix.At(4, 2, 1), kEmptySlot);
    EXPECT_EQ(fixture.draw.pool, (std::vector<int>{1, 2}));
    EXPECT_EQ(fixture.observer.Notes(), QStringList{QStringLiteral("clash 5/3 ch35")});
}

TEST(PlaceRandomPilot, OnlyPilotsAlreadyInTheSameHeatClash)
{
    // Channel 35 flies in the next heat and the next round, not in this heat.
    PlacementFixture fixture({35, 35, 35, 36}, {2}, {0});
    fixture.matrix.Set(0, 0, 0, 3);
    fixture.matrix.Set(0, 1, 0, 0);
    fixture.matrix.Set(1, 0, 0, 1);
    EXPECT_TRUE(PlaceRandomPilot(fixture.draw, 0, 0, 1));
    EXPECT_EQ(fixture.matrix.At(0, 0, 1), 2);
    EXPECT_TRUE(fixture.draw.pool.empty());
}

TEST(PlaceRandomPilot, EmptySlotsOfTheHeatAreSkipped)
{
    PlacementFixture fixture({35, 36, 35}, {2}, {0});
    fixture.matrix.Set(0, 0, 0, 1);
    // Slot 1 stayed empty after its draws all clashed.
    EXPECT_TRUE(PlaceRandomPilot(fixture.draw, 0, 0, 2));
    EXPECT_EQ(fixture.matrix.At(0, 0, 2), 2);
}

TEST(PlaceRandomPilot, EqualNamesAreStillTwoPilots)
{
    // Two pilots with the same names on different channels: the drawn line is
    // its own record, and its own channel decides the clash.
    PlacementFixture fixture({35, 36}, {1}, {0});
    for (PilotRecord& pilot : fixture.roster) {
        pilot.lastName = QStringLiteral("Novak");
        pilot.firstName = QStringLiteral("Jan");
    }
    fixture.matrix.Set(0, 0, 0, 0);
    EXPECT_TRUE(PlaceRandomPilot(fixture.draw, 0, 0, 1));
    EXPECT_EQ(fixture.matrix.At(0, 0, 1), 1);
    EXPECT_TRUE(fixture.observer.Notes().isEmpty());
}

class CalculateOverSeeds : public testing::TestWithParam<unsigned> {};

TEST_P(CalculateOverSeeds, SixteenPilotsOnSixteenChannelsCompleteAtOnce)
{
    const auto roster = RosterOnDistinctChannels(16);
    const auto order = ListOrderOf(16);
    SeededRandom random(GetParam());
    DrawObserver quiet;
    Matrix matrix;
    ASSERT_TRUE(CalculateMatrix({roster, order, {3, 2, 8}}, random, quiet, matrix));
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(FlightsInRound(matrix, round, 16), std::vector<int>(16, 1)) << "round " << round + 1;
        EXPECT_EQ(PlacedInHeat(matrix, round, 0), 8);
        EXPECT_EQ(PlacedInHeat(matrix, round, 1), 8);
    }
    EXPECT_EQ(PlacedInRound(matrix, 3), 0);
}

TEST_P(CalculateOverSeeds, FillsEachHeatBeforeTheNext)
{
    const auto roster = RosterOnDistinctChannels(10);
    const auto order = ListOrderOf(10);
    SeededRandom random(GetParam());
    DrawObserver quiet;
    Matrix matrix;
    ASSERT_TRUE(CalculateMatrix({roster, order, {1, 6, 8}}, random, quiet, matrix));
    EXPECT_EQ(PlacedInHeat(matrix, 0, 0), 8);
    EXPECT_EQ(PlacedInHeat(matrix, 0, 1), 2);
    for (int heat = 2; heat < kMaxHeats; ++heat)
        EXPECT_EQ(PlacedInHeat(matrix, 0, heat), 0) << "heat " << heat + 1;
    // The two pilots of heat 2 take its first slots.
    EXPECT_NE(matrix.At(0, 1, 1), kEmptySlot);
}

TEST_P(CalculateOverSeeds, RoundWithPilotsLeftFailsTheAttempt)
{
    // 20 pilots but only 2 heats of 8 places.
    const auto roster = RosterOnDistinctChannels(20);
    const auto order = ListOrderOf(20);
    SeededRandom random(GetParam());
    DrawObserver quiet;
    Matrix matrix;
    EXPECT_FALSE(CalculateMatrix({roster, order, {6, 2, 8}}, random, quiet, matrix));
    EXPECT_EQ(PlacedInRound(matrix, 0), 16);
    EXPECT_EQ(PlacedInRound(matrix, 1), 0);
}

TEST_P(CalculateOverSeeds, FieldsAtTheirMaximaStayInsideTheMatrix)
{
    const auto roster = RosterOnDistinctChannels(kRosterCapacity);
    const auto order = ListOrderOf(kRosterCapacity);
    SeededRandom random(GetParam());
    DrawObserver quiet;
    Matrix matrix;
    ASSERT_TRUE(CalculateMatrix({roster, order, {kMaxRounds, kMaxHeats, kSlotsPerHeat}}, random, quiet, matrix));
    for (int round = 0; round < kMaxRounds; ++round)
        EXPECT_EQ(FlightsInRound(matrix, round, kRosterCapacity), std::vector<int>(kRosterCapacity, 1));
    // 100 pilots fill 8 heats of 12 and 4 places of the ninth.
    EXPECT_EQ(PlacedInHeat(matrix, kMaxRounds - 1, 8), 4);
    EXPECT_EQ(PlacedInHeat(matrix, kMaxRounds - 1, 9), 0);
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, CalculateOverSeeds, testing::Range(1u, 21u));

TEST(CalculateMatrix, OneChannelForAllLeavesSlotsEmptyAfterEveryRetry)
{
    // Five pilots on one channel, one heat of five: slot 0 takes a pilot, and
    // each further slot is drawn once plus once per roster pilot, although the
    // pool holds only four lines.
    const auto roster = RosterOnOneChannel(5);
    const auto order = ListOrderOf(5);
    SeededRandom random(3);
    RecordingObserver observer;
    Matrix matrix;
    EXPECT_FALSE(CalculateMatrix({roster, order, {2, 1, 5}}, random, observer, matrix));
    EXPECT_EQ(observer.ClashesPerSlot(), (std::vector<int>{0, 6, 6, 6, 6}));
    EXPECT_EQ(PlacedInHeat(matrix, 0, 0), 1);
    EXPECT_NE(matrix.At(0, 0, 0), kEmptySlot);
    EXPECT_EQ(observer.Notes().last(), QStringLiteral("clash 1/1 ch35"));
}

TEST(CalculateMatrix, DrawsFromThePilotListOrderEveryRound)
{
    // Value 0 always picks the pool's first line: the list's order, which the
    // pool takes again at the start of each round.
    const auto roster = RosterOnDistinctChannels(3);
    const std::vector<int> order{2, 0, 1};
    ScriptedRandom random(std::vector<int>(6, 0));
    DrawObserver quiet;
    Matrix matrix;
    ASSERT_TRUE(CalculateMatrix({roster, order, {2, 1, 3}}, random, quiet, matrix));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(matrix.At(round, 0, 0), 2);
        EXPECT_EQ(matrix.At(round, 0, 1), 0);
        EXPECT_EQ(matrix.At(round, 0, 2), 1);
    }
}

TEST(CalculateMatrix, ClearsWhatAnEarlierAttemptLeft)
{
    const auto roster = RosterOnDistinctChannels(2);
    const auto order = ListOrderOf(2);
    SeededRandom random(5);
    DrawObserver quiet;
    Matrix matrix;
    matrix.Set(0, 1, 0, 1);
    matrix.Set(24, 9, 11, 0);
    ASSERT_TRUE(CalculateMatrix({roster, order, {1, 2, 2}}, random, quiet, matrix));
    EXPECT_EQ(PlacedInRound(matrix, 0), 2);
    EXPECT_EQ(PlacedInHeat(matrix, 0, 1), 0);
    EXPECT_EQ(matrix.At(24, 9, 11), kEmptySlot);
}

TEST(CalculateMatrix, EmptyRosterCompletesAtOnce)
{
    SeededRandom random(1);
    RecordingObserver observer;
    Matrix matrix;
    EXPECT_TRUE(CalculateMatrix({{}, {}, {6, 6, 8}}, random, observer, matrix));
    EXPECT_EQ(PlacedInRound(matrix, 0), 0);
    EXPECT_EQ(observer.Notes(), (QStringList{"clear", "build", "done"}));
}

TEST(CalculateMatrix, ReportsEverySlotAndEveryClash)
{
    // Pilots 0 and 1 share channel 35. Heat 1 takes pilot 0, then draws pilot
    // 1 (clash) and pilot 2; heat 2 takes pilot 1.
    const auto roster = RosterOnChannels({35, 35, 36});
    const auto order = ListOrderOf(3);
    ScriptedRandom random({0, 0, 32767, 0});
    RecordingObserver observer;
    Matrix matrix;
    ASSERT_TRUE(CalculateMatrix({roster, order, {1, 2, 2}}, random, observer, matrix));
    EXPECT_EQ(observer.Notes(),
              (QStringList{"clear", "build", "work 1/1", "work 1/1", "clash 1/1 ch35", "work 1/2", "done"}));
    EXPECT_EQ(matrix.At(0, 0, 1), 2);
    EXPECT_EQ(matrix.At(0, 1, 0), 1);
}

TEST(DrawMatrix, StopsAtTheFirstCompletedAttempt)
{
    const auto roster = RosterOnDistinctChannels(16);
    const auto order = ListOrderOf(16);
    SeededRandom random(9);
    DrawObserver quiet;
    const DrawOutcome outcome = DrawMatrix({roster, order, {3, 2, 8}}, random, quiet);
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.attempts, 1);
}

TEST(DrawMatrix, GivesUpAfterTwentyFourAttemptsKeepingTheLast)
{
    const auto roster = RosterOnDistinctChannels(20);
    const auto order = ListOrderOf(20);
    SeededRandom random(9);
    RecordingObserver observer;
    const DrawOutcome outcome = DrawMatrix({roster, order, {6, 2, 8}}, random, observer);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.attempts, kMaxAttempts);
    EXPECT_EQ(observer.Notes().count(QStringLiteral("clear")), kMaxAttempts);
    EXPECT_EQ(PlacedInRound(outcome.matrix, 0), 16);
    EXPECT_EQ(PlacedInRound(outcome.matrix, 1), 0);
}

TEST(DrawMatrix, AttemptsOfOneCommandContinueOneSequence)
{
    const auto roster = RosterOnDistinctChannels(20);
    const auto order = ListOrderOf(20);
    const DrawInput input{roster, order, {6, 2, 8}};
    DrawObserver quiet;

    SeededRandom firstRandom(11);
    Matrix firstAttempt;
    CalculateMatrix(input, firstRandom, quiet, firstAttempt);

    SeededRandom commandRandom(11);
    const DrawOutcome outcome = DrawMatrix(input, commandRandom, quiet);
    EXPECT_FALSE(SameMatrix(outcome.matrix, firstAttempt)) << "the last attempt repeated the first";

    SeededRandom sameSecond(11);
    EXPECT_TRUE(SameMatrix(DrawMatrix(input, sameSecond, quiet).matrix, outcome.matrix));
}

TEST(DrawMatrix, LaterAttemptsRescueAnUnluckyFirstOne)
{
    // Ten pilots crowded on four channels: about every second attempt fails,
    // so a command whose attempts all drew alike would fail just as often.
    const auto roster = RosterOnChannels({35, 35, 35, 35, 36, 36, 36, 37, 37, 38});
    const auto order = ListOrderOf(10);
    const DrawInput input{roster, order, {6, 4, 3}};
    DrawObserver quiet;
    int unluckyFirstAttempts = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SeededRandom firstRandom(seed);
        Matrix firstAttempt;
        unluckyFirstAttempts += !CalculateMatrix(input, firstRandom, quiet, firstAttempt);
        SeededRandom commandRandom(seed);
        EXPECT_TRUE(DrawMatrix(input, commandRandom, quiet).completed) << "seed " << seed;
    }
    EXPECT_GT(unluckyFirstAttempts, 10);
}
