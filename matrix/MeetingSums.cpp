// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MeetingSums.h"

MeetingSums::MeetingSums(const BalanceState& state) : m_state(state)
{
    Recount();
}

void MeetingSums::Recount()
{
    m_sums.assign(size_t(m_state.Rounds()) * m_state.Pilots() * m_state.Heats(), 0);
    for (int round = 0; round < m_state.Rounds(); ++round)
        for (int heat = 0; heat < m_state.Heats(); ++heat)
            for (int member : m_state.Members(round, heat))
                AddToRound(round, heat, member, +1);
}

// Every pilot's sum for the heat gains (or loses) its meetings with `pilot`.
void MeetingSums::AddToRound(int round, int heat, int pilot, int sign)
{
    for (int other = 0; other < m_state.Pilots(); ++other)
        m_sums[Index(round, other, heat)] += sign * m_state.Meetings(other, pilot);
}

// A pair meets once more or less: in every round each of the two has met
// the heat of the other that much more or less.
void MeetingSums::AddMeeting(int one, int other, int change)
{
    for (int round = 0; round < m_state.Rounds(); ++round) {
        m_sums[Index(round, one, m_state.HeatOf(round, other))] += change;
        m_sums[Index(round, other, m_state.HeatOf(round, one))] += change;
    }
}

std::int64_t MeetingSums::SquaresChange(int round, int one, int other) const
{
    const int oneHeat = m_state.HeatOf(round, one);
    const int otherHeat = m_state.HeatOf(round, other);
    // Each pair that a swap splits meets once less (1 - 2m), each pair it
    // joins once more (2m + 1); the two pilots never meet each other there.
    const std::int64_t joined = Sum(round, other, oneHeat) + Sum(round, one, otherHeat)
                                - 2 * m_state.Meetings(one, other);
    const std::int64_t split = Sum(round, one, oneHeat) + Sum(round, other, otherHeat);
    const int partners = m_state.HeatSize(oneHeat) + m_state.HeatSize(otherHeat) - 2;
    return 2 * (joined - split) + 2 * partners;
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
