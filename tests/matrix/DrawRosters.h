#pragma once

#include "matrix/DrawObserver.h"
#include "matrix/Matrix.h"
#include "matrix/MatrixShape.h"
#include "matrix/RandomSource.h"
#include "roster/PilotRecord.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

// Rosters, pools and random sequences for the draw's tests.

// One pilot per channel, each named after its position.
inline std::vector<PilotRecord> RosterOnChannels(const std::vector<int>& channels)
{
    std::vector<PilotRecord> roster;
    for (int position = 0; position < static_cast<int>(channels.size()); ++position)
        roster.push_back({position, nullptr, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(position),
                          channels[position]});
    return roster;
}

inline std::vector<PilotRecord> RosterOnDistinctChannels(int pilots)
{
    std::vector<int> channels(pilots);
    std::iota(channels.begin(), channels.end(), 10);
    return RosterOnChannels(channels);
}

inline std::vector<PilotRecord> RosterOnOneChannel(int pilots, int channel = 35)
{
    return RosterOnChannels(std::vector<int>(pilots, channel));
}

// The pilot list's order when it matches the roster's.
inline std::vector<int> ListOrderOf(int pilots)
{
    std::vector<int> order(pilots);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// Hands out the given values in turn, for draws whose every pick is planned.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values) : m_values(std::move(values)) {}

    int Next() override
    {
        if (m_next >= m_values.size()) {
            ADD_FAILURE() << "the draw asked for more random values than planned";
            return 0;
        }
        return m_values[m_next++];
    }
    size_t Used() const { return m_next; }

private:
    std::vector<int> m_values;
    size_t m_next = 0;
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

inline bool HasChannelClash(const Matrix& matrix, const std::vector<PilotRecord>& roster, int round, int heat)
{
    std::vector<int> channels;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        if (const int position = matrix.At(round, heat, slot); position != kEmptySlot)
            channels.push_back(roster.at(position).frequency);
    std::sort(channels.begin(), channels.end());
    return std::adjacent_find(channels.begin(), channels.end()) != channels.end();
}

inline bool SameMatrix(const Matrix& left, const Matrix& right)
{
    for (int round = 0; round < kMaxRounds; ++round)
        for (int heat = 0; heat < kMaxHeats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                if (left.At(round, heat, slot) != right.At(round, heat, slot))
                    return false;
    return true;
}

// Keeps the calculation's progress as short notes: "clear", "build",
// "work 1/2" (round 1, heat 2), "clash 1/2 ch35", "done".
class RecordingObserver : public DrawObserver {
public:
    void ClearingData() override { m_notes << QStringLiteral("clear"); }
    void BuildingPilotList() override { m_notes << QStringLiteral("build"); }
    void WorkingOn(int round, int heat) override { m_notes << QStringLiteral("work %1/%2").arg(round).arg(heat); }
    void FrequencyConflict(int round, int heat, int channel) override
    {
        m_notes << QStringLiteral("clash %1/%2 ch%3").arg(round).arg(heat).arg(channel);
    }
    void AttemptCompleted() override { m_notes << QStringLiteral("done"); }

    const QStringList& Notes() const { return m_notes; }
    // How many clashes followed each slot's "work" note, slot by slot.
    std::vector<int> ClashesPerSlot() const
    {
        std::vector<int> clashes;
        for (const QString& note : m_notes) {
            if (note.startsWith(QLatin1String("work")))
                clashes.push_back(0);
            else if (note.startsWith(QLatin1String("clash")) && !clashes.empty())
                ++clashes.back();
        }
        return clashes;
    }

private:
    QStringList m_notes;
};
