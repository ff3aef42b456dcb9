// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/BalanceState.h"
#include "matrix/MeetingBound.h"
#include "matrix/MeetingFigures.h"

#include <cstdint>
#include <vector>

class MeetingSums;
class SearchRandom;

// Follows a balanced draw as it searches: the command shows the best figures
// in the status line and may end the search early, keeping the best schedule.
// Both are asked from the searching thread, every few thousand steps.
class BalanceObserver {
public:
    virtual ~BalanceObserver() = default;

    virtual void BestImproved(const MeetingFigures& /*best*/) {}
    virtual bool StopRequested() { return false; }
};

// The search's bookkeeping: the steps spent (one step is one move looked at,
// or for tabu search a few heats looked at that held no legal move),
// the best seating so far and when to end. The best seating is copied only
// when a move leaves it, so improving moves cost nothing extra.
class SearchProgress {
public:
    SearchProgress(BalanceState& state, const MeetingBound& bound, std::int64_t budget, BalanceObserver& observer);

    BalanceState& State() { return m_state; }
    const MeetingFigures& Best() const { return m_best; }
    const MeetingBound& Bound() const { return m_bound; }
    std::int64_t Steps() const { return m_steps; }
    bool Stopped() const { return m_stopped; }
    bool ShouldEnd() const { return m_steps >= m_budget || m_stopped || m_best.Reaches(m_bound.least); }
    std::int64_t Remaining() const { return m_budget > m_steps ? m_budget - m_steps : 0; }

    void CountStep();
    void Swap(int round, int one, int other);
    // Puts the best seating back, for a method that starts from it.
    void ReturnToBest();
    const std::vector<int>& BestSeating();

private:
    void Poll();

    BalanceState& m_state;
    MeetingBound m_bound;
    std::int64_t m_budget;
    BalanceObserver& m_observer;
    MeetingFigures m_best;
    std::vector<int> m_bestSeating;
    bool m_atBest = true;
    bool m_reported = true;
    bool m_stopped = false;
    std::int64_t m_steps = 0;
};

// A swap made through the progress, with the meeting sums kept beside the
// state brought up to date.
void SwapKeepingSums(SearchProgress& progress, MeetingSums& sums, int round, int one, int other);

// What the search is made of beyond plain tabu search over swaps; the draw
// uses them all, the benchmark leaves out one at a time to measure it.
struct BalanceIngredients {
    bool freedomStart = true;     // FreedomSeating.h for small heats, not the plain greedy start
    bool conflictMoves = true;    // tabu search looks only at pilots meeting someone too often
    bool pairTabu = true;         // tabu on the swapped pair, not on a pilot's way back
    bool perturbation = true;     // random swaps after a run without a better schedule
    bool builtRounds = true;      // AffineRounds.h where the field allows, before any search
};

// Simulated annealing over swaps, for `steps` steps or until the progress
// ends, weighing each swap in a few look-ups (MeetingSums.h).
void Anneal(SearchProgress& progress, SearchRandom& random, std::int64_t steps);

// Tabu search over the swaps of one round at a time, likewise.
void TabuSearch(SearchProgress& progress, SearchRandom& random, std::int64_t steps,
                const BalanceIngredients& ingredients = {});
