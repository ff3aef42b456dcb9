// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MatrixDraw.h"

#include "matrix/DrawRosters.h"
#include "matrix/SeededRandom.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(MatrixDraw, LinePositionFollowsTheFormulaAndStaysInThePool)
{
    EXPECT_EQ(LinePosition(5000, 16), 2);
    EXPECT_EQ(LinePosition(32767, 3), 2);
    EXPECT_EQ(LinePosition(2048, 16), 1);
    for (int lines = 1; lines <= kRosterCapacity; ++lines) {
        EXPECT_EQ(LinePosition(0, lines), 0);
        EXPECT_EQ(LinePosition(RandomSource::kRandomMax, lines), lines - 1);
    }
}

TEST(MatrixDraw, PlacementTakesThePickedLineUnlessItsChannelIsInTheHeat)
{
    // The pool in list order 3, 0, 2; pilots 3 and 0 share channel 35.
    const auto roster = RosterOnChannels({35, 35, 36, 35});
    Matrix matrix;
    ScriptedRandom random({0, 0, 32767});
    RecordingObserver observer;
    DrawContext draw{roster, {3, 0, 2}, matrix, random, observer};

    EXPECT_TRUE(PlaceRandomPilot(draw, 4, 2, 0));
    EXPECT_FALSE(PlaceRandomPilot(draw, 4, 2, 1));
    EXPECT_EQ(draw.pool, (std::vector<int>{0, 2}));
    EXPECT_EQ(matrix.At(4, 2, 1), kEmptySlot);
    EXPECT_TRUE(PlaceRandomPilot(draw, 4, 2, 1));
    EXPECT_EQ(matrix.At(4, 2, 0), 3);
    EXPECT_EQ(matrix.At(4, 2, 1), 2);
    EXPECT_EQ(draw.pool, std::vector<int>{0});
    EXPECT_EQ(observer.notes, QStringList{"clash 5/3 ch35"});
}

class DrawOverSeeds : public testing::TestWithParam<unsigned> {};

TEST_P(DrawOverSeeds, FillsHeatsInOrderAndFailsWhenARoundHasNoRoom)
{
    DrawObserver quiet;
    SeededRandom random(GetParam());
    Matrix matrix;
    const auto sixteen = RosterOnDistinctChannels(16);
    ASSERT_TRUE(CalculateMatrix({sixteen, ListOrderOf(16), {3, 2, 8}}, random, quiet, matrix));
    for (int round = 0; round < 3; ++round)
        EXPECT_EQ(FlightsInRound(matrix, round, 16), std::vector<int>(16, 1)) << "round " << round + 1;
    EXPECT_EQ(PlacedInRound(matrix, 3), 0);

    const auto ten = RosterOnDistinctChannels(10);
    ASSERT_TRUE(CalculateMatrix({ten, ListOrderOf(10), {1, 6, 8}}, random, quiet, matrix));
    EXPECT_EQ(PlacedInHeat(matrix, 0, 0), 8);
    EXPECT_EQ(PlacedInHeat(matrix, 0, 1), 2);
    EXPECT_EQ(PlacedInRound(matrix, 0), 10);

    const auto twenty = RosterOnDistinctChannels(20);
    EXPECT_FALSE(CalculateMatrix({twenty, ListOrderOf(20), {6, 2, 8}}, random, quiet, matrix));
    EXPECT_EQ(PlacedInRound(matrix, 0), 16);
    EXPECT_EQ(PlacedInRound(matrix, 1), 0);
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, DrawOverSeeds, testing::Range(1u, 21u));

TEST(MatrixDraw, SlotsOnAFullChannelStayEmptyAfterOneDrawPerRosterPilot)
{
    // Five pilots on one channel and one heat of five: every slot after the
    // first is drawn 6 times, though the pool holds only four lines.
    const auto roster = RosterOnChannels(std::vector<int>(5, 35));
    SeededRandom random(3);
    RecordingObserver observer;
    Matrix matrix;
    EXPECT_FALSE(CalculateMatrix({roster, ListOrderOf(5), {2, 1, 5}}, random, observer, matrix));
    const QStringList clashes = observer.notes.filter(QStringLiteral("clash"));
    EXPECT_EQ(clashes.size(), 4 * 6);
    EXPECT_EQ(clashes.first(), QStringLiteral("clash 1/1 ch35"));
    EXPECT_EQ(observer.notes.count(QStringLiteral("work 1/1")), 5);
    EXPECT_EQ(PlacedInHeat(matrix, 0, 0), 1);
}

TEST(MatrixDraw, EveryRoundDrawsFromThePilotListOrderAndReportsItsSteps)
{
    // Value 0 picks the pool's first line. Pilots 2 and 0 share channel 35, so
    // heat 1 takes pilot 2, draws pilot 0 (clash) and then pilot 1 with 32767.
    const auto roster = RosterOnChannels({35, 36, 35});
    ScriptedRandom random({0, 0, 32767, 0, 0, 0, 32767, 0});
    RecordingObserver observer;
    Matrix matrix;
    matrix.Set(24, 9, 11, 0);
    ASSERT_TRUE(CalculateMatrix({roster, std::vector<int>{2, 0, 1}, {2, 2, 2}}, random, observer, matrix));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(matrix.At(round, 0, 0), 2);
        EXPECT_EQ(matrix.At(round, 0, 1), 1);
        EXPECT_EQ(matrix.At(round, 1, 0), 0);
    }
    EXPECT_EQ(matrix.At(24, 9, 11), kEmptySlot);
    EXPECT_EQ(observer.notes.mid(0, 7),
              (QStringList{"clear", "build", "work 1/1", "work 1/1", "clash 1/1 ch35", "work 1/2", "work 2/1"}));
    EXPECT_EQ(observer.notes.last(), QStringLiteral("done"));
}

TEST(MatrixDraw, EmptyRosterCompletesAtOnce)
{
    SeededRandom random(1);
    RecordingObserver observer;
    Matrix matrix;
    EXPECT_TRUE(CalculateMatrix({{}, {}, {6, 6, 8}}, random, observer, matrix));
    EXPECT_EQ(matrix, Matrix());
    EXPECT_EQ(observer.notes, (QStringList{"clear", "build", "done"}));
}

TEST(MatrixDraw, CommandGivesUpAfterTwentyFourAttemptsKeepingTheLast)
{
    const auto roster = RosterOnDistinctChannels(20);
    const auto order = ListOrderOf(20);
    SeededRandom random(9);
    RecordingObserver observer;
    const DrawOutcome outcome = DrawMatrix({roster, order, {6, 2, 8}}, random, observer);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.attempts, kMaxAttempts);
    EXPECT_EQ(observer.notes.count(QStringLiteral("clear")), kMaxAttempts);
    EXPECT_EQ(PlacedInRound(outcome.matrix, 0), 16);
}

TEST(MatrixDraw, AttemptsOfOneCommandContinueOneSequence)
{
    // Ten pilots crowded on four channels: about every second attempt fails.
    // Attempts that all drew alike would fail whenever the first one did.
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
        const DrawOutcome outcome = DrawMatrix(input, commandRandom, quiet);
        EXPECT_TRUE(outcome.completed) << "seed " << seed;
        SeededRandom sameSecond(seed);
        EXPECT_EQ(DrawMatrix(input, sameSecond, quiet).matrix, outcome.matrix) << "seed " << seed;
    }
    EXPECT_GT(unluckyFirstAttempts, 10);
}
