// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/BalanceState.h"

#include <cstdint>
#include <vector>

// What a pair costs the schedule by how often it meets (index: meetings,
// 0 to the rounds).
using PairCosts = std::vector<int>;

// The sum of squares: the balanced draw's first measure.
PairCosts SquaredMeetings(int rounds);

// For each pilot, each heat of each round, what the pilot's meetings with
// that heat's pilots would cost if each of them met the pilot once more, and
// once less, kept beside a BalanceState. With it the change a swap makes to
// the schedule's cost is four look-ups and the two pilots' own count, whatever
// the heat size; keeping it up to date costs a little per swap made (the
// pairs the swap changes, in every round), so it pays where many swaps are
// looked at for each one made.
class MeetingSums {
public:
    MeetingSums(const BalanceState& state, PairCosts costs);

    // The cost after swapping two pilots of different heats of a round, less
    // the present one.
    std::int64_t CostChange(int round, int one, int other) const;
    // A swap of two pilots in the state goes between these two calls.
    void BeforeSwap(int round, int one, int other);
    void AfterSwap(int round, int one, int other);
    // Counts the sums afresh from the state, after it was changed elsewhere.
    void Recount();

private:
    size_t Index(int round, int pilot, int heat) const
    {
        return (size_t(round) * m_state.Pilots() + pilot) * m_state.Heats() + heat;
    }
    // What one more, and one less, meeting costs a pair meeting `count` times.
    int Gain(int count) const { return m_gain[count]; }
    int Loss(int count) const { return m_loss[count]; }
    void AddToRound(int round, int heat, int pilot, int sign);
    void AddMeeting(int one, int other, int change);

    const BalanceState& m_state;
    std::vector<int> m_gain;
    std::vector<int> m_loss;
    std::vector<int> m_joining;   // per round, pilot and heat: the sum of Gain
    std::vector<int> m_leaving;   // likewise of Loss
};
