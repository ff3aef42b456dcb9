// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"
#include "contest/ScheduleRules.h"
#include "matrix/DrawObserver.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"
#include "roster/DrawOrder.h"

#include <QStringList>
#include <gtest/gtest.h>

// A contest with a random draw of its pilots, as the organiser has it in the
// morning of the contest day: pilot i is "Pilot<i> Jan" on channels[i].
inline Contest DrawnContest(const std::vector<int>& channels, MatrixShape shape, unsigned seed)
{
    Contest contest;
    for (int position = 0; position < int(channels.size()); ++position)
        contest.pilots.push_back({position, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(position),
                                  channels[size_t(position)]});
    contest.fields = shape;
    CalculationResult& result = contest.result;
    result.pilots = contest.pilots;
    result.rounds = shape.rounds;
    result.heats = shape.heats;
    SeededRandom random(seed);
    DrawObserver quiet;
    const std::vector<int> order = DrawOrder(result.pilots);
    const DrawOutcome outcome = DrawMatrix({result.pilots, order, shape}, random, quiet);
    result.matrix = outcome.matrix;
    result.completed = outcome.completed;
    contest.draw.seed = seed;
    return contest;
}

// The pilots of one heat by their positions, in seat order.
inline std::vector<int> HeatMembers(const Contest& contest, int round, int heat)
{
    std::vector<int> members;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        if (const int seated = contest.result.matrix.At(round, heat, slot); seated != kEmptySlot)
            members.push_back(seated);
    return members;
}

inline ::testing::AssertionResult KeepsTheRules(const Contest& contest)
{
    if (const std::optional<QString> broken = BrokenScheduleRule(contest.result))
        return ::testing::AssertionFailure() << broken->toStdString();
    return ::testing::AssertionSuccess();
}
