// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/FreedomSeating.h"

#include "matrix/BalanceState.h"
#include "matrix/SearchRandom.h"

#include <bit>
#include <cstdint>
#include <algorithm>
#include <set>

namespace {

constexpr int kAttempts = 8;

using PilotSet = std::vector<std::uint64_t>;

int CommonCount(const PilotSet& one, const PilotSet& other, const PilotSet& third)
{
    int count = 0;
    for (size_t word = 0; word < one.size(); ++word)
        count += std::popcount(one[word] & other[word] & third[word]);
    return count;
}

class FreedomFill {
public:
    FreedomFill(const BalanceState& state, int limit, SearchRandom& random)
        : m_state(state), m_limit(limit), m_random(random), m_words((state.Pilots() + 63) / 64),
          m_open(state.Pilots(), PilotSet(m_words, 0)), m_heatOf(state.Pilots(), -1), m_groupOf(state.Pilots(), -1)
    {
        for (int one = 0; one < state.Pilots(); ++one)
            for (int other = 0; other < state.Pilots(); ++other)
                if (IsOpen(one, other))
                    m_open[one][other / 64] |= std::uint64_t(1) << (other % 64);
    }

    std::optional<std::vector<int>> Round()
    {
        for (int heat = 0; heat < m_state.Heats(); ++heat)
            if (!FillHeat(heat))
                return std::nullopt;
        return m_heatOf;
    }

private:
    // Another meeting of the pair would not go past the limit.
    bool IsOpen(int one, int other) const
    {
        return one != other && !m_state.IsForbidden(one, other) && m_state.Meetings(one, other) < m_limit;
    }

    bool FitsHeat(int pilot) const
    {
        if (m_heatOf[pilot] >= 0)
            return false;
        for (int member : m_members)
            if (m_state.IsForbidden(pilot, member))
                return false;
        return true;
    }

    // Used-up pairs the pilot would add to the heat.
    int UsedUpWith(int pilot) const
    {
        int usedUp = 0;
        for (int member : m_members)
            usedUp += !IsOpen(pilot, member);
        return usedUp;
    }

    bool IsOwed(int pilot) const { return m_owed.count(m_groupOf[pilot]) != 0; }

    // The groups that must give this heat a pilot: an unseated pilot with
    // its unseated channel (or team) mates, as many as the heats left,
    // counting this one. A group is named by its first pilot.
    void FindOwedGroups(int heatsLeft)
    {
        m_owed.clear();
        for (int pilot = 0; pilot < m_state.Pilots(); ++pilot) {
            if (m_heatOf[pilot] >= 0)
                continue;
            int group = pilot;
            int size = 1;
            for (int mate = 0; mate < m_state.Pilots(); ++mate)
                if (m_heatOf[mate] < 0 && m_state.IsForbidden(pilot, mate)) {
                    group = std::min(group, mate);
                    ++size;
                }
            m_groupOf[pilot] = group;
            if (size >= heatsLeft && size > 1)
                m_owed.insert(group);
        }
    }

    bool FillHeat(int heat)
    {
        m_members.clear();
        m_freeForAll.assign(m_words, ~std::uint64_t(0));
        FindOwedGroups(m_state.Heats() - heat);
        while (int(m_members.size()) < m_state.HeatSize(heat)) {
            const int seatsLeft = m_state.HeatSize(heat) - int(m_members.size());
            if (!(seatsLeft >= 2 ? SeatBestPair(heat, seatsLeft) : SeatBestPilot(heat)))
                return false;
        }
        return true;
    }

    // A choice that would leave an owed channel without a seat is no choice.
    bool LeavesRoomForOwed(int seatsAfter, int owedSeated) const
    {
        return int(m_owed.size()) - owedSeated <= seatsAfter;
    }

    void Seat(int heat, int pilot)
    {
        m_heatOf[pilot] = heat;
        m_members.push_back(pilot);
        for (int word = 0; word < m_words; ++word)
            m_freeForAll[word] &= m_open[pilot][word];
        m_freeForAll[pilot / 64] &= ~(std::uint64_t(1) << (pilot % 64));
        m_owed.erase(m_groupOf[pilot]);
    }

    // Fewer used-up pairs first, then more freedom; ties at random.
    bool IsBetter(int usedUp, int freedom, int& bestUsedUp, int& bestFreedom, int& ties)
    {
        if (ties > 0 && (usedUp > bestUsedUp || (usedUp == bestUsedUp && freedom < bestFreedom)))
            return false;
        if (ties > 0 && usedUp == bestUsedUp && freedom == bestFreedom)
            return m_random.Below(++ties) == 0;
        bestUsedUp = usedUp;
        bestFreedom = freedom;
        ties = 1;
        return true;
    }

    bool SeatBestPair(int heat, int seatsLeft)
    {
        int bestOne = -1, bestOther = -1, bestUsedUp = 0, bestFreedom = 0, ties = 0;
        const int pilots = m_state.Pilots();
        for (int one = 0; one < pilots; ++one) {
            if (!FitsHeat(one))
                continue;
            const int oneUsedUp = UsedUpWith(one);
            for (int other = one + 1; other < pilots; ++other) {
                if (!FitsHeat(other) || m_state.IsForbidden(one, other))
                    continue;
                if (!LeavesRoomForOwed(seatsLeft - 2, IsOwed(one) + IsOwed(other)))
                    continue;
                const int usedUp = oneUsedUp + UsedUpWith(other) + !IsOpen(one, other);
                const int freedom = CommonCount(m_freeForAll, m_open[one], m_open[other]);
                if (IsBetter(usedUp, freedom, bestUsedUp, bestFreedom, ties)) {
                    bestOne = one;
                    bestOther = other;
                }
            }
        }
        if (bestOne < 0)
            return false;
        Seat(heat, bestOne);
        Seat(heat, bestOther);
        return true;
    }

    bool SeatBestPilot(int heat)
    {
        int best = -1, bestUsedUp = 0, bestFreedom = 0, ties = 0;
        for (int pilot = 0; pilot < m_state.Pilots(); ++pilot) {
            if (!FitsHeat(pilot) || !LeavesRoomForOwed(0, IsOwed(pilot)))
                continue;
            const int freedom = CommonCount(m_freeForAll, m_open[pilot], m_open[pilot]);
            if (IsBetter(UsedUpWith(pilot), freedom, bestUsedUp, bestFreedom, ties))
                best = pilot;
        }
        if (best < 0)
            return false;
        Seat(heat, best);
        return true;
    }

    const BalanceState& m_state;
    int m_limit;
    SearchRandom& m_random;
    int m_words;
    std::vector<PilotSet> m_open;       // per pilot: who it may still meet
    std::vector<int> m_heatOf;
    std::vector<int> m_groupOf;         // per pilot, in the heat being filled
    std::set<int> m_owed;               // groups this heat must take a pilot of
    std::vector<int> m_members;         // of the heat being filled
    PilotSet m_freeForAll;              // who may still meet every member
};

}  // namespace

std::optional<std::vector<int>> FreedomRound(const BalanceState& state, int limit, SearchRandom& random)
{
    // Other ties corner it elsewhere, or not at all.
    for (int attempt = 0; attempt < kAttempts; ++attempt)
        if (std::optional<std::vector<int>> heatOf = FreedomFill(state, limit, random).Round())
            return heatOf;
    return std::nullopt;
}
