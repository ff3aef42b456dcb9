// Tabu search for the balanced draw: each iteration takes one round, looks
// at the swaps of some of its pilots with the pilots of other heats, and
// makes the best one whose pilots have not moved in that round lately (or one
// that beats the best schedule so far). Long stagnation goes back to the best
// schedule and shakes it with a few random swaps.
#include "matrix/BalanceSearch.h"

#include "matrix/SearchRandom.h"

#include <algorithm>

namespace {

constexpr int kAllPilotsUpTo = 40;
constexpr int kSampledPilots = 12;
constexpr int kShakeSwaps = 6;

struct TabuMove {
    int one = -1;
    int other = -1;
    MeetingFigures after;
    int ties = 0;
};

class Tabu {
public:
    Tabu(SearchProgress& progress, SearchRandom& random)
        : m_progress(progress)
        , m_state(progress.State())
        , m_random(random)
        , m_until(size_t(m_state.Rounds()) * m_state.Pilots(), 0)
        , m_tenure(std::max(3, m_state.Pilots() / 8))
        , m_patience(std::max(200, 20 * m_state.Pilots()))
    {
    }

    void Run(std::int64_t steps)
    {
        const std::int64_t end = m_progress.Steps() + steps;
        MeetingFigures lastBest = m_progress.Best();
        std::int64_t sinceBest = 0;
        while (m_progress.Steps() < end && !m_progress.ShouldEnd()) {
            ++m_iteration;
            Iterate(m_random.Below(m_state.Rounds()));
            if (m_progress.Best().IsBetterThan(lastBest)) {
                lastBest = m_progress.Best();
                sinceBest = 0;
            } else if (++sinceBest > m_patience) {
                Shake();
                sinceBest = 0;
            }
        }
    }

private:
    bool IsTabu(int round, int pilot) const { return m_until[size_t(round) * m_state.Pilots() + pilot] > m_iteration; }

    void Consider(int round, int one, int other, TabuMove& chosen)
    {
        m_progress.CountStep();
        const MeetingFigures after = m_state.FiguresAfterSwap(round, one, other);
        const bool aspires = after.IsBetterThan(m_progress.Best());
        if (!aspires && (IsTabu(round, one) || IsTabu(round, other)))
            return;
        if (chosen.one >= 0 && chosen.after.IsBetterThan(after))
            return;
        if (chosen.one >= 0 && chosen.after == after) {
            if (m_random.Below(++chosen.ties + 1) != 0)
                return;
        } else {
            chosen.ties = 0;
        }
        chosen = {one, other, after, chosen.ties};
    }

    void ConsiderMovesOf(int round, int pilot, TabuMove& chosen)
    {
        for (int heat = 0; heat < m_state.Heats(); ++heat)
            for (int seat = 0; seat < m_state.HeatSize(heat); ++seat) {
                const int other = m_state.PartnerFor(round, pilot, heat, seat);
                if (other < 0)
                    continue;
                Consider(round, pilot, other, chosen);
                if (m_state.Channel(other) == m_state.Channel(pilot))
                    break;  // the channel mate is this heat's only partner
            }
    }

    void Iterate(int round)
    {
        TabuMove chosen;
        const int pilots = m_state.Pilots();
        if (pilots <= kAllPilotsUpTo) {
            for (int pilot = 0; pilot < pilots; ++pilot)
                ConsiderMovesOf(round, pilot, chosen);
        } else {
            for (int sample = 0; sample < kSampledPilots; ++sample)
                ConsiderMovesOf(round, m_random.Below(pilots), chosen);
        }
        if (chosen.one < 0)
            return;
        m_progress.Swap(round, chosen.one, chosen.other);
        for (int pilot : {chosen.one, chosen.other})
            m_until[size_t(round) * pilots + pilot] = m_iteration + m_tenure + m_random.Below(m_tenure + 1);
    }

    void Shake()
    {
        m_progress.ReturnToBest();
        for (int swap = 0; swap < kShakeSwaps; ++swap) {
            const int round = m_random.Below(m_state.Rounds());
            const int pilot = m_random.Below(m_state.Pilots());
            const int heat = m_random.Below(m_state.Heats());
            const int other = m_state.PartnerFor(round, pilot, heat, m_random.Below(m_state.HeatSize(heat)));
            if (other >= 0)
                m_progress.Swap(round, pilot, other);
        }
    }

    SearchProgress& m_progress;
    BalanceState& m_state;
    SearchRandom& m_random;
    std::vector<std::int64_t> m_until;
    int m_tenure;
    int m_patience;
    std::int64_t m_iteration = 0;
};

}  // namespace

void TabuSearch(SearchProgress& progress, SearchRandom& random, std::int64_t steps)
{
    Tabu(progress, random).Run(steps);
}
