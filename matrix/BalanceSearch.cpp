// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/BalanceSearch.h"

#include "matrix/MeetingSums.h"
#include "matrix/SearchRandom.h"

#include <algorithm>

namespace {

constexpr int kStepsBetweenPolls = 4096;

// Annealing temperatures in units of the pair costs, and ln(first / last).
// A swap that costs 2 more is taken about one time in four at first and
// hardly ever at the end.
constexpr double kFirstTemperature = 1.5;
constexpr double kLastTemperature = 0.2;
constexpr double kLogTemperatureFall = 2.0149030205422647;
constexpr int kCoolingStages = 1000;

// Weighed by the sum of squares alone, the annealing ends at a slightly
// lower sum but with several pairs that never meet and now and then a pair
// meeting once more than the rest: what an organiser notices first. So
// where every pair can meet at least twice, it also charges each pair left
// out and each meeting of a pair beyond one above the bound's largest count.
// Where fewer meetings go round, some pairs must stay apart, and with two
// heats every round splits the field in halves, so the counts spread wide
// whatever the draw: there the charges only cost sum. The draw still keeps
// the best schedule it meets by the figures' own order.
constexpr int kNeverMetCost = 6;
constexpr int kMeetingAboveTopCost = 16;
constexpr int kLeastMeetingsForCharges = 2;
constexpr int kLeastHeatsForCharges = 3;

PairCosts AnnealingCosts(const BalanceState& state, const MeetingBound& bound)
{
    PairCosts costs = SquaredMeetings(state.Rounds());
    if (bound.smallestAtMost < kLeastMeetingsForCharges || state.Heats() < kLeastHeatsForCharges)
        return costs;
    costs[0] += kNeverMetCost;
    const int top = bound.least.largest + 1;
    for (int count = top + 1; count <= state.Rounds(); ++count)
        costs[count] += kMeetingAboveTopCost * (count - top);
    return costs;
}

}  // namespace

SearchProgress::SearchProgress(BalanceState& state, const MeetingBound& bound, std::int64_t budget,
                               BalanceObserver& observer)
    : m_state(state), m_bound(bound), m_budget(budget), m_observer(observer), m_best(state.Figures())
{
}

void SearchProgress::CountStep()
{
    if (++m_steps % kStepsBetweenPolls == 0)
        Poll();
}

void SearchProgress::Poll()
{
    if (!m_reported) {
        m_observer.BestImproved(m_best);
        m_reported = true;
    }
    m_stopped = m_stopped || m_observer.StopRequested();
}

void SearchProgress::Swap(int round, int one, int other)
{
    if (m_atBest)
        m_bestSeating = m_state.Seating();
    m_state.Swap(round, one, other);
    m_atBest = m_state.Figures().IsBetterThan(m_best);
    if (m_atBest) {
        m_best = m_state.Figures();
        m_reported = false;
    }
}

void SearchProgress::ReturnToBest()
{
    if (!m_atBest)
        m_state.RestoreSeating(m_bestSeating);
    m_atBest = true;
}

const std::vector<int>& SearchProgress::BestSeating()
{
    if (m_atBest)
        m_bestSeating = m_state.Seating();
    if (!m_reported) {
        m_observer.BestImproved(m_best);
        m_reported = true;
    }
    return m_bestSeating;
}

void SwapKeepingSums(SearchProgress& progress, MeetingSums& sums, int round, int one, int other)
{
    sums.BeforeSwap(round, one, other);
    progress.Swap(round, one, other);
    sums.AfterSwap(round, one, other);
}

void Anneal(SearchProgress& progress, SearchRandom& random, std::int64_t steps)
{
    BalanceState& state = progress.State();
    MeetingSums sums(state, AnnealingCosts(state, progress.Bound()));
    const std::int64_t stageSteps = std::max<std::int64_t>(1, steps / kCoolingStages);
    const double cooling = PortableExp(-kLogTemperatureFall / kCoolingStages);
    double temperature = kFirstTemperature;
    const std::int64_t end = progress.Steps() + steps;
    const std::vector<int>& rounds = state.FreeRounds();
    if (rounds.empty())
        return;
    while (progress.Steps() < end && !progress.ShouldEnd()) {
        progress.CountStep();
        if (progress.Steps() % stageSteps == 0 && temperature > kLastTemperature)
            temperature *= cooling;
        const int round = rounds[random.Below(int(rounds.size()))];
        const int pilot = random.Below(state.Pilots());
        const int fromHeat = state.HeatOf(round, pilot);
        int toHeat = random.Below(state.Heats() - 1);
        toHeat += toHeat >= fromHeat;
        const int other = state.PartnerFor(round, pilot, toHeat, random.Below(state.HeatSize(toHeat)));
        if (other < 0)
            continue;
        const std::int64_t change = sums.CostChange(round, pilot, other);
        if (change <= 0 || random.Fraction() < PortableExp(-double(change) / temperature))
            SwapKeepingSums(progress, sums, round, pilot, other);
    }
}
