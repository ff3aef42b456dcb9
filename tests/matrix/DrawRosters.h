// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/DrawObserver.h"
#include "matrix/Matrix.h"
#include "matrix/RandomSource.h"
#include "roster/PilotRecord.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

// Rosters, pools and random sequences for the draw's tests.

inline std::vector<PilotRecord> RosterOnChannels(const std::vector<int>& channels)
{
    std::vector<PilotRecord> roster;
    for (int position = 0; position < static_cast<int>(channels.size()); ++position)
        roster.push_back({position, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(position),
                          channels[position]});
    return roster;
}

inline std::vector<int> ListOrderOf(int pilots)
{
    std::vector<int> order(pilots);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

inline std::vector<PilotRecord> RosterOnDistinctChannels(int pilots)
{
    std::vector<int> channels = ListOrderOf(pilots);
    for (int& channel : channels)
        channel += 10;
    return RosterOnChannels(channels);
}

// Hands out the given values in turn, for draws whose every pick is planned.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values) : m_values(std::move(values)) {}
    int Next() override
    {
        if (m_next < m_values.size())
            return m_values[m_next++];
        ADD_FAILURE() << "the draw asked for more random values than planned";
        return 0;
    }

private:
    std::vector<int> m_values;
    size_t m_next = 0;
};

// Keeps the calculation's progress as short notes: "clear", "build",
// "work 1/2" (round 1, heat 2), "clash 1/2 ch35", "done".
class RecordingObserver : public DrawObserver {
public:
    void ClearingData() override { notes << QStringLiteral("clear"); }
    void BuildingPilotList() override { notes << QStringLiteral("build"); }
    void WorkingOn(int round, int heat) override { notes << QStringLiteral("work %1/%2").arg(round).arg(heat); }
    void FrequencyConflict(int round, int heat, int channel) override
    {
        notes << QStringLiteral("clash %1/%2 ch%3").arg(round).arg(heat).arg(channel);
    }
    void AttemptCompleted() override { notes << QStringLiteral("done"); }

    QStringList notes;
};

inline int PlacedInHeat(const Matrix& matrix, int round, int heat)
{
    int placed = 0;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        placed += matrix.At(round, heat, slot) != kEmptySlot;
    return placed;
}

inline int PlacedInRound(const Matrix& matrix, int round)
{
    int placed = 0;
    for (int heat = 0; heat < kMaxHeats; ++heat)
        placed += PlacedInHeat(matrix, round, heat);
    return placed;
}

// How often each roster position flies in the round.
inline std::vector<int> FlightsInRound(const Matrix& matrix, int round, int pilots)
{
    std::vector<int> flights(pilots, 0);
    for (int heat = 0; heat < kMaxHeats; ++heat)
        for (int slot = 0; slot < kSlotsPerHeat; ++slot)
            if (const int position = matrix.At(round, heat, slot); position != kEmptySlot)
                ++flights.at(position);
    return flights;
}
