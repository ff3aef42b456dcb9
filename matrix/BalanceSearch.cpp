// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/BalanceSearch.h"

#include "matrix/SearchRandom.h"

#include <algorithm>

namespace {

constexpr int kStepsBetweenPolls = 4096;

// Annealing temperatures in units of the sum of squares, and ln(first / last).
constexpr double kFirstTemperature = 4.0;
constexpr double kLastTemperature = 0.1;
constexpr double kLogTemperatureFall = 3.6888794541139363;
constexpr int kCoolingStages = 1000;

// A move's change as one number: the sum of squares, with the never-met
// pairs and then the largest count as ever smaller tie-breakers.
double ScoreChange(const MeetingFigures& before, const MeetingFigures& after, int pilots)
{
    const double pairs = double(pilots) * pilots;
    return double(after.sumOfSquares - before.sumOfSquares) + double(after.neverMet - before.neverMet) / pairs
           + double(after.largest - before.largest) / (pairs * 32.0);
}

}  // namespace

SearchProgress::SearchProgress(BalanceState& state, const MeetingFigures& bound, std::int64_t budget,
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

void Anneal(SearchProgress& progress, SearchRandom& random, std::int64_t steps)
{
    BalanceState& state = progress.State();
    const std::int64_t stageSteps = std::max<std::int64_t>(1, steps / kCoolingStages);
    const double cooling = PortableExp(-kLogTemperatureFall / kCoolingStages);
    double temperature = kFirstTemperature;
    const std::int64_t end = progress.Steps() + steps;
    while (progress.Steps() < end && !progress.ShouldEnd()) {
        progress.CountStep();
        if (progress.Steps() % stageSteps == 0 && temperature > kLastTemperature)
            temperature *= cooling;
        const int round = random.Below(state.Rounds());
        const int pilot = random.Below(state.Pilots());
        const int fromHeat = state.HeatOf(round, pilot);
        int toHeat = random.Below(state.Heats() - 1);
        toHeat += toHeat >= fromHeat;
        const int other = state.PartnerFor(round, pilot, toHeat, random.Below(state.HeatSize(toHeat)));
        if (other < 0)
            continue;
        const double change = ScoreChange(state.Figures(), state.FiguresAfterSwap(round, pilot, other), state.Pilots());
        if (change <= 0 || random.Fraction() < PortableExp(-change / temperature))
            progress.Swap(round, pilot, other);
    }
}
