// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"
#include "contest/ContestDay.h"
#include "contest/ScheduleRules.h"
#include "matrix/DrawObserver.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"
#include "matrix/Timekeepers.h"
#include "roster/DrawOrder.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

// A contest with a random draw of its pilots, as the organiser has it in the
// morning of the contest day: pilot i is "Pilot<i> Jan" on channels[i].
inline Contest DrawnContest(const std::vector<int>& channels, MatrixShape shape, unsigned seed, DrawRules rules = {})
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
    const DrawOutcome outcome = DrawMatrix({result.pilots, order, shape, rules}, random, quiet);
    result.matrix = outcome.matrix;
    result.completed = outcome.completed;
    contest.rules = rules;
    AddTimekeepers(result, rules, seed);
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

// The round's last heat that holds a pilot; -1 for an empty round.
inline int LastHeldHeat(const Contest& contest, int round)
{
    int last = -1;
    for (int heat = 0; heat < contest.result.heats; ++heat)
        last = HeatMembers(contest, round, heat).empty() ? last : heat;
    return last;
}

// Where the schedule keeps them, no back-to-back (nobody in the last heat
// holding a pilot and heat 1 of the next round) and a timekeeper for every
// seat who flies the round but neither that heat nor, where the round's last
// heat holding a pilot is its third or later, the next.
inline ::testing::AssertionResult KeepsTheDayRules(const Contest& contest)
{
    const CalculationResult& result = contest.result;
    for (int round = 0; round < result.rounds; ++round) {
        const int last = LastHeldHeat(contest, round);
        for (int pilot : round > 0 && result.noBackToBack ? HeatMembers(contest, round, 0) : std::vector<int>())
            if (HeatOfPilot(contest, round - 1, pilot) == LastHeldHeat(contest, round - 1))
                return ::testing::AssertionFailure() << "pilot " << pilot << " flies back to back into round " << round + 1;
        for (int heat = 0; heat < result.heats && result.HasTimekeepers(); ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int keeper = result.timekeepers.At(round, heat, slot);
                const std::optional<int> timing = keeper < 0 ? std::nullopt : HeatOfPilot(contest, round, keeper);
                const bool legal = result.matrix.At(round, heat, slot) == kEmptySlot
                                       ? keeper == kEmptySlot
                                       : timing && *timing != heat && !(last >= 2 && heat < last && *timing == heat + 1);
                if (!legal)
                    return ::testing::AssertionFailure() << "round " << round + 1 << ", heat " << heat + 1 << ", seat "
                                                         << slot + 1 << " is timed by pilot " << keeper;
            }
    }
    return ::testing::AssertionSuccess();
}

// The file reader's rules, and apart from them (so a fault in the one rule
// function the reader shares with the changes cannot hide) the channel rule
// and the day's rules counted afresh.
inline ::testing::AssertionResult KeepsTheRules(const Contest& contest)
{
    if (const std::optional<QString> broken = BrokenScheduleRule(contest.result))
        return ::testing::AssertionFailure() << broken->toStdString();
    if (::testing::AssertionResult day = KeepsTheDayRules(contest); !day)
        return day;
    for (int round = 0; round < contest.result.rounds; ++round)
        for (int heat = 0; heat < contest.result.heats; ++heat) {
            std::vector<int> channels;
            for (int pilot : HeatMembers(contest, round, heat))
                channels.push_back(contest.result.pilots[size_t(pilot)].frequency);
            std::sort(channels.begin(), channels.end());
            if (std::adjacent_find(channels.begin(), channels.end()) != channels.end())
                return ::testing::AssertionFailure() << "round " << round + 1 << ", heat " << heat + 1
                                                     << " holds two pilots on one channel";
        }
    return ::testing::AssertionSuccess();
}
