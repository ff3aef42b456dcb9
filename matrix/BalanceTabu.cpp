// SPDX-License-Identifier: GPL-3.0-or-later
// Tabu search for the balanced draw: each iteration looks at the swaps of
// the pilots who meet someone of their heat too often (every round in a small
// field, one random round in a large one) and makes the best one that is not
// tabu (or one that beats the best schedule so far). Tabu is a pilot going
// back lately to a heat it left in that round, or, where every pair can meet
// equally often, swapping a pair again that was swapped lately in that
// round. The sum of squares of a swap comes from the per-heat meeting sums
// in a few look-ups; only swaps that can win are weighed in full. Long
// stagnation goes back to the best schedule and shakes it with a few random
// swaps. Kept rounds are never looked at.
#include "matrix/BalanceSearch.h"

#include "matrix/MeetingSums.h"
#include "matrix/SearchRandom.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace {

constexpr int kAllPilotsUpTo = 40;
constexpr int kSampledPilots = 12;
constexpr int kShakeSwaps = 6;
// A heat looked at for a pilot without a legal swap there costs about an
// eighth of a swap weighed; every eighth such look spends a step, so that
// the budget bounds the time where most swaps are illegal (many channel and
// team mates) and stays what it was where most are legal.
constexpr int kEmptyLooksPerStep = 8;
// A moved pilot may not go back to the heat it left until a tenure has
// passed: one iteration per this many pilots, plus up to three times that at
// random, counted from the iteration that moved it. With the least tenure a
// pilot may so go straight back one time in four, which searched better than
// any longer block we measured.
constexpr int kPilotsPerTenure = 32;
constexpr int kTenureSpread = 3;
// Where every pair can meet equally often, the schedule sought is a design
// (every pair twice, say), and near it the search circles round a few
// swaps that a pilot's way back does not block: there a swapped pair may
// not be swapped again in that round for 8 to 48 iterations. Elsewhere the
// short block above searched better.
constexpr int kLeastPairTenure = 8;
constexpr int kPairTenureSpread = 40;

// The most any pair meets when the meetings are spread most evenly.
int EvenTop(const BalanceState& state)
{
    std::int64_t meetings = 0;
    for (int heat = 0; heat < state.Heats(); ++heat)
        meetings += std::int64_t(state.HeatSize(heat)) * (state.HeatSize(heat) - 1) / 2;
    meetings *= state.Rounds();
    const std::int64_t pairs = std::int64_t(state.Pilots()) * (state.Pilots() - 1) / 2;
    return pairs > 0 ? int((meetings + pairs - 1) / pairs) : 0;
}

struct TabuMove {
    int round = -1;
    int one = -1;
    int other = -1;
    MeetingFigures after;
    int ties = 0;
};

class Tabu {
public:
    Tabu(SearchProgress& progress, SearchRandom& random, const BalanceIngredients& ingredients)
        : m_progress(progress)
        , m_state(progress.State())
        , m_random(random)
        , m_ingredients(ingredients)
        , m_until(size_t(m_state.Rounds()) * m_state.Pilots() * m_state.Heats(), 0)
        , m_pairTabu(ingredients.pairTabu && PromisesEvenMeetings(progress.Bound()))
        , m_pairUntil(m_pairTabu ? size_t(m_state.Rounds()) * m_state.Pilots() * m_state.Pilots() : 0, 0)
        , m_tenure(std::max(1, m_state.Pilots() / kPilotsPerTenure))
        , m_patience(std::max(200, 20 * m_state.Pilots()))
        , m_evenTop(EvenTop(m_state))
        , m_sums(m_state, SquaredMeetings(m_state.Rounds()))
    {
    }

    void Run(std::int64_t steps)
    {
        const std::int64_t end = m_progress.Steps() + steps;
        MeetingFigures lastBest = m_progress.Best();
        std::int64_t sinceBest = 0;
        while (m_progress.Steps() < end && !m_progress.ShouldEnd()) {
            ++m_iteration;
            Iterate();
            if (m_progress.Best().IsBetterThan(lastBest)) {
                lastBest = m_progress.Best();
                sinceBest = 0;
            } else if (++sinceBest > m_patience && m_ingredients.perturbation) {
                Shake();
                sinceBest = 0;
            }
        }
    }

private:
    size_t Attribute(int round, int pilot, int heat) const
    {
        return (size_t(round) * m_state.Pilots() + pilot) * m_state.Heats() + heat;
    }
    // A pilot may not go back lately to the heat it left in a round.
    bool IsTabu(int round, int pilot, int heat) const { return m_until[Attribute(round, pilot, heat)] > m_iteration; }
    size_t PairAttribute(int round, int one, int other) const
    {
        return (size_t(round) * m_state.Pilots() + std::min(one, other)) * m_state.Pilots() + std::max(one, other);
    }
    bool IsTabuSwap(int round, int one, int other) const
    {
        if (m_pairTabu)
            return m_pairUntil[PairAttribute(round, one, other)] > m_iteration;
        return IsTabu(round, one, m_state.HeatOf(round, other)) || IsTabu(round, other, m_state.HeatOf(round, one));
    }
    void MakeTabu(const TabuMove& move)
    {
        if (m_pairTabu) {
            m_pairUntil[PairAttribute(move.round, move.one, move.other)] = m_iteration + kLeastPairTenure + m_random.Below(kPairTenureSpread + 1);
            return;
        }
        for (int pilot : {move.one, move.other})
            m_until[Attribute(move.round, pilot, m_state.HeatOf(move.round, pilot))] = m_iteration + m_tenure + m_random.Below(kTenureSpread * m_tenure + 1);
    }

    void Consider(int round, int one, int other, TabuMove& chosen)
    {
        m_progress.CountStep();
        // The sum of squares alone rules out most moves, cheaply.
        const std::int64_t squares = m_state.Figures().sumOfSquares + m_sums.CostChange(round, one, other);
        if (chosen.one >= 0 && squares > chosen.after.sumOfSquares)
            return;
        const MeetingFigures after = m_state.FiguresAfterSwap(round, one, other);
        const bool aspires = after.IsBetterThan(m_progress.Best());
        if (!aspires && IsTabuSwap(round, one, other))
            return;
        if (chosen.one >= 0 && chosen.after.IsBetterThan(after))
            return;
        if (chosen.one >= 0 && chosen.after == after) {
            if (m_random.Below(++chosen.ties + 1) != 0)
                return;
        } else {
            chosen.ties = 0;
        }
        chosen = {round, one, other, after, chosen.ties};
    }

    bool ConsiderSwap(int round, int pilot, int heat, int seat, TabuMove& chosen)
    {
        const int other = m_state.PartnerFor(round, pilot, heat, seat);
        if (other < 0)
            return false;
        Consider(round, pilot, other, chosen);
        return true;
    }

    void ConsiderMovesOf(int round, int pilot, TabuMove& chosen)
    {
        const int fromHeat = m_state.HeatOf(round, pilot);
        for (int heat = 0; heat < m_state.Heats(); ++heat) {
            if (heat == fromHeat)
                continue;
            // A heat holding a mate of the pilot has that mate as its only
            // partner whatever the seat (one look, seat 0), and one holding
            // two has none; in any other only the seats open to the pilot's
            // heat can be legal (a field of many channel and team mates
            // would otherwise spend most of its time on illegal swaps).
            const int mates = m_state.MatesIn(round, pilot, heat);
            const std::uint32_t seats = mates >= 2 ? 0 : mates == 1 ? 1 : m_state.OpenSeats(round, heat, fromHeat);
            bool weighed = false;
            for (std::uint32_t left = seats; left != 0; left &= left - 1)
                weighed = ConsiderSwap(round, pilot, heat, std::countr_zero(left), chosen) || weighed;
            if (!weighed && ++m_emptyLooks % kEmptyLooksPerStep == 0)
                m_progress.CountStep();
        }
    }

    // A pilot meeting one of its heat in this round more often than the
    // most even spread lets any pair meet is where a move may help most.
    bool MeetsTooOften(int round, int pilot) const
    {
        for (int other : m_state.Members(round, m_state.HeatOf(round, pilot)))
            if (other != pilot && m_state.Meetings(pilot, other) > m_evenTop)
                return true;
        return false;
    }

    // The pilots whose moves an iteration looks at: those meeting too often,
    // or all when no pair meets too often anywhere; a random few of either
    // in a large field.
    std::vector<int> Candidates(int round)
    {
        const int pilots = m_state.Pilots();
        std::vector<int> candidates;
        if (m_ingredients.conflictMoves)
            for (int pilot = 0; pilot < pilots; ++pilot)
                if (MeetsTooOften(round, pilot))
                    candidates.push_back(pilot);
        if (candidates.empty() && (m_state.Figures().largest <= m_evenTop || !m_ingredients.conflictMoves)) {
            candidates.resize(pilots);
            std::iota(candidates.begin(), candidates.end(), 0);
        }
        if (pilots <= kAllPilotsUpTo || int(candidates.size()) <= kSampledPilots)
            return candidates;
        for (int picked = 0; picked < kSampledPilots; ++picked)
            std::swap(candidates[picked], candidates[picked + m_random.Below(int(candidates.size()) - picked)]);
        candidates.resize(kSampledPilots);
        return candidates;
    }

    // A small field looks at every round, so that the move made is the best
    // anywhere; a large one at one random round.
    void Iterate()
    {
        TabuMove chosen;
        const std::vector<int>& rounds = m_state.FreeRounds();
        const bool everyRound = m_state.Pilots() <= kAllPilotsUpTo;
        const int first = everyRound ? 0 : m_random.Below(int(rounds.size()));
        const int last = everyRound ? int(rounds.size()) - 1 : first;
        for (int at = first; at <= last; ++at)
            for (int pilot : Candidates(rounds[at]))
                ConsiderMovesOf(rounds[at], pilot, chosen);
        if (chosen.one < 0) {
            m_progress.CountStep();  // an empty look still spends the budget
            return;
        }
        MakeTabu(chosen);
        SwapKeepingSums(m_progress, m_sums, chosen.round, chosen.one, chosen.other);
    }

    void Shake()
    {
        m_progress.ReturnToBest();
        const std::vector<int>& rounds = m_state.FreeRounds();
        for (int swap = 0; swap < kShakeSwaps; ++swap) {
            const int round = rounds[m_random.Below(int(rounds.size()))];
            const int pilot = m_random.Below(m_state.Pilots());
            const int heat = m_random.Below(m_state.Heats());
            const int other = m_state.PartnerFor(round, pilot, heat, m_random.Below(m_state.HeatSize(heat)));
            if (other >= 0)
                m_progress.Swap(round, pilot, other);
        }
        m_sums.Recount();
    }

    SearchProgress& m_progress;
    BalanceState& m_state;
    SearchRandom& m_random;
    BalanceIngredients m_ingredients;
    std::vector<std::int64_t> m_until;
    bool m_pairTabu;
    std::vector<std::int64_t> m_pairUntil;
    int m_tenure;
    int m_patience;
    int m_evenTop;
    MeetingSums m_sums;
    std::int64_t m_iteration = 0;
    std::int64_t m_emptyLooks = 0;
};

}  // namespace

void TabuSearch(SearchProgress& progress, SearchRandom& random, std::int64_t steps, const BalanceIngredients& ingredients)
{
    if (progress.State().FreeRounds().empty())
        return;
    Tabu(progress, random, ingredients).Run(steps);
}
