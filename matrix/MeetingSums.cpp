// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MeetingSums.h"

#include <cassert>

PairCosts SquaredMeetings(int rounds)
{
    PairCosts costs(rounds + 1);
    for (int count = 0; count <= rounds; ++count)
        costs[count] = count * count;
    return costs;
}

MeetingSums::MeetingSums(const BalanceState& state, PairCosts costs)
    : m_state(state), m_gain(costs.size() + 1, 0), m_loss(costs.size() + 1, 0)
{
    assert(int(costs.size()) > state.Rounds());
    // A pilot's own place in its heat counts as a pair that never meets and
    // cannot meet once less; it only ever stands in sums a swap leaves alone.
    for (size_t count = 0; count + 1 < costs.size(); ++count) {
        m_gain[count] = costs[count + 1] - costs[count];
        m_loss[count + 1] = costs[count] - costs[count + 1];
    }
    Recount();
}

void MeetingSums::Recount()
{
    m_joining.assign(size_t(m_state.Rounds()) * m_state.Pilots() * m_state.Heats(), 0);
    m_leaving.assign(m_joining.size(), 0);
    for (int round = 0; round < m_state.Rounds(); ++round)
        for (int heat = 0; heat < m_state.Heats(); ++heat)
            for (int member : m_state.Members(round, heat))
                AddToRound(round, heat, member, +1);
}

// Every pilot's sums for the heat gain (or lose) its meetings with `pilot`.
void MeetingSums::AddToRound(int round, int heat, int pilot, int sign)
{
    for (int other = 0; other < m_state.Pilots(); ++other) {
        const int count = m_state.Meetings(other, pilot);
        const size_t at = Index(round, other, heat);
        m_joining[at] += sign * Gain(count);
        m_leaving[at] += sign * Loss(count);
    }
}

// A pair's count moves by `change`: in every round each of the two sees the
// heat of the other at the new count.
void MeetingSums::AddMeeting(int one, int other, int change)
{
    const int after = m_state.Meetings(one, other);
    const int before = after - change;
    const int gain = Gain(after) - Gain(before);
    const int loss = Loss(after) - Loss(before);
    // Kept rounds see no move, and a round kept as flown seats pilots in no
    // heat of the search's.
    for (int round : m_state.FreeRounds()) {
        const size_t oneAt = Index(round, one, m_state.HeatOf(round, other));
        const size_t otherAt = Index(round, other, m_state.HeatOf(round, one));
        m_joining[oneAt] += gain;
        m_leaving[oneAt] += loss;
        m_joining[otherAt] += gain;
        m_leaving[otherAt] += loss;
    }
}

std::int64_t MeetingSums::CostChange(int round, int one, int other) const
{
    const int oneHeat = m_state.HeatOf(round, one);
    const int otherHeat = m_state.HeatOf(round, other);
    // Each pilot leaves its heat and joins the other's; the two never meet
    // each other there, so their own pair comes off both joining sums.
    return std::int64_t(m_leaving[Index(round, one, oneHeat)]) + m_leaving[Index(round, other, otherHeat)]
           + m_joining[Index(round, one, otherHeat)] + m_joining[Index(round, other, oneHeat)]
           - 2 * Gain(m_state.Meetings(one, other));
}

// The seating changes first, with the old counts.
void MeetingSums::BeforeSwap(int round, int one, int other)
{
    const int oneHeat = m_state.HeatOf(round, one);
    const int otherHeat = m_state.HeatOf(round, other);
    AddToRound(round, oneHeat, one, -1);
    AddToRound(round, oneHeat, other, +1);
    AddToRound(round, otherHeat, other, -1);
    AddToRound(round, otherHeat, one, +1);
}

// Then the counts, with the new seating: `one` left the heat `other` now
// sits in, and the other way round.
void MeetingSums::AfterSwap(int round, int one, int other)
{
    for (int mate : m_state.Members(round, m_state.HeatOf(round, other)))
        if (mate != other) {
            AddMeeting(one, mate, -1);
            AddMeeting(other, mate, +1);
        }
    for (int mate : m_state.Members(round, m_state.HeatOf(round, one)))
        if (mate != one) {
            AddMeeting(other, mate, -1);
            AddMeeting(one, mate, +1);
        }
}
