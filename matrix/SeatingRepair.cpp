// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/SeatingRepair.h"

#include "matrix/BalanceState.h"
#include "matrix/SearchRandom.h"

#include <algorithm>

namespace {

// Enough for the tightest fields of the benchmark many times over; a round
// still broken after them is reported, not seated.
constexpr int kRepairSteps = 2000;
// A step in this many swaps a random partner, so the search leaves a
// corner where every swap looks worse.
constexpr int kRandomSwapOneIn = 10;

class RoundRepair {
public:
    RoundRepair(const BalanceState& state, int round, std::vector<int>& heatOf, SearchRandom& random)
        : m_state(state), m_round(round), m_heatOf(heatOf), m_random(random)
    {
    }

    bool Run()
    {
        OrderHeatsOfOneSize();
        for (int step = 0; step < kRepairSteps; ++step) {
            const std::vector<int> broken = BrokenPilots();
            if (broken.empty())
                return true;
            SwapAway(broken[m_random.Below(int(broken.size()))]);
        }
        return BrokenPilots().empty();
    }

private:
    // Rules the pilot would break seated in the heat, the pilot `except`
    // left out of it (the one it would swap with).
    int BrokenIn(int pilot, int heat, int except) const
    {
        int broken = m_state.BreaksBackToBack(m_round, pilot, heat) ? 1 : 0;
        for (int other = 0; other < m_state.Pilots(); ++other)
            if (other != pilot && other != except && m_heatOf[other] == heat && m_state.IsForbidden(pilot, other))
                ++broken;
        return broken;
    }

    std::vector<int> BrokenPilots() const
    {
        std::vector<int> broken;
        for (int pilot = 0; pilot < m_state.Pilots(); ++pilot)
            if (BrokenIn(pilot, m_heatOf[pilot], pilot) > 0)
                broken.push_back(pilot);
        return broken;
    }

    int SwapChange(int pilot, int other) const
    {
        const int pilotHeat = m_heatOf[pilot];
        const int otherHeat = m_heatOf[other];
        return BrokenIn(pilot, otherHeat, other) + BrokenIn(other, pilotHeat, pilot) - BrokenIn(pilot, pilotHeat, pilot)
               - BrokenIn(other, otherHeat, other);
    }

    void SwapAway(int pilot)
    {
        int best = -1;
        int bestChange = 0;
        int ties = 0;
        const bool anyPartner = m_random.Below(kRandomSwapOneIn) == 0;
        for (int other = 0; other < m_state.Pilots(); ++other) {
            if (m_heatOf[other] == m_heatOf[pilot])
                continue;
            const int change = anyPartner ? 0 : SwapChange(pilot, other);
            if (best < 0 || change < bestChange) {
                best = other;
                bestChange = change;
                ties = 1;
            } else if (change == bestChange && m_random.Below(++ties) == 0) {
                best = other;
            }
        }
        if (best >= 0)
            std::swap(m_heatOf[pilot], m_heatOf[best]);
    }

    // Heats of one size may trade places without changing who meets whom:
    // the one holding the fewest pilots of the last heat before goes first.
    void OrderHeatsOfOneSize()
    {
        const int heats = m_state.Heats();
        if (m_round == 0 || heats < 2)
            return;
        int first = 0;
        int fewest = BackToBackIn(0);
        for (int heat = 1; heat < heats && m_state.HeatSize(heat) == m_state.HeatSize(0); ++heat)
            if (const int count = BackToBackIn(heat); count < fewest) {
                first = heat;
                fewest = count;
            }
        for (int& heat : m_heatOf)
            heat = heat == first ? 0 : heat == 0 ? first : heat;
    }

    int BackToBackIn(int heat) const
    {
        int count = 0;
        for (int pilot = 0; pilot < m_state.Pilots(); ++pilot)
            count += m_heatOf[pilot] == heat && m_state.BreaksBackToBack(m_round, pilot, 0);
        return count;
    }

    const BalanceState& m_state;
    int m_round;
    std::vector<int>& m_heatOf;
    SearchRandom& m_random;
};

}  // namespace

bool RepairRound(const BalanceState& state, int round, std::vector<int>& heatOf, SearchRandom& random)
{
    return RoundRepair(state, round, heatOf, random).Run();
}
