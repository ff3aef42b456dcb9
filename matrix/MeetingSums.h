// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/BalanceState.h"

#include <cstdint>
#include <vector>

// How often each pilot has met the pilots of each heat of each round, kept
// beside a BalanceState. With it the change a swap makes to the sum of
// squares is four look-ups and the two pilots' own count, whatever the heat
// size; keeping it up to date costs a little per swap made (the pairs the swap
// changes, in every round), so it pays where many swaps are looked at for
// each one made, as in the tabu search.
class MeetingSums {
public:
    explicit MeetingSums(const BalanceState& state);

    // The sum of squares after swapping two pilots of different heats of a
    // round, less the present one.
    std::int64_t SquaresChange(int round, int one, int other) const;
    // A swap of two pilots in the state goes between these two calls.
    void BeforeSwap(int round, int one, int other);
    void AfterSwap(int round, int one, int other);
    // Counts the sums afresh from the state, after it was changed elsewhere.
    void Recount();

    int Sum(int round, int pilot, int heat) const { return m_sums[Index(round, pilot, heat)]; }

private:
    size_t Index(int round, int pilot, int heat) const
    {
        return (size_t(round) * m_state.Pilots() + pilot) * m_state.Heats() + heat;
    }
    void AddToRound(int round, int heat, int pilot, int sign);
    void AddMeeting(int one, int other, int change);

    const BalanceState& m_state;
    std::vector<int> m_sums;
};
