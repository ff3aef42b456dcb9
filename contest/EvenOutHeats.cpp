// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestDay.h"

#include "contest/ScheduleSeats.h"

#include <algorithm>

namespace {

std::vector<int> HeatSizes(const Contest& contest, int round)
{
    std::vector<int> sizes;
    for (int heat = 0; heat < contest.result.heats; ++heat)
        sizes.push_back(SeatedInHeat(contest.result.matrix, round, heat));
    return sizes;
}

// One pilot from a largest heat to a smallest one, the first such move that
// keeps the rules; nothing when the sizes are even already or no move keeps
// them. Every move takes a pilot from a heat above the even size to one
// below it, so none is wasted.
std::optional<Contest> MoveTowardsEven(const Contest& contest, int round)
{
    const std::vector<int> sizes = HeatSizes(contest, round);
    const auto [smallest, largest] = std::minmax_element(sizes.begin(), sizes.end());
    if (*largest - *smallest <= 1)
        return std::nullopt;
    for (int from = 0; from < int(sizes.size()); ++from) {
        if (sizes[size_t(from)] != *largest)
            continue;
        for (int to = 0; to < int(sizes.size()); ++to) {
            if (sizes[size_t(to)] != *smallest)
                continue;
            for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                const int pilot = contest.result.matrix.At(round, from, slot);
                if (pilot == kEmptySlot)
                    continue;
                if (ContestDayChange moved = MovePilot(contest, round, pilot, to); moved.contest)
                    return std::move(moved.contest);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

Contest EvenOutHeats(const Contest& contest, int fromRound, int* moves)
{
    Contest evened = contest;
    // Timed once, after the last move, rather than after every one.
    evened.result.timekeepers.Clear();
    int moved = 0;
    int firstMoved = 0;
    if (evened.result.completed)
        for (int round = std::max(0, fromRound - 1); round < evened.result.rounds; ++round)
            while (std::optional<Contest> next = MoveTowardsEven(evened, round)) {
                evened = std::move(*next);
                firstMoved = moved++ == 0 ? round + 1 : firstMoved;
            }
    evened.result.timekeepers = contest.result.timekeepers;
    if (moved > 0 && RetimeFromRound(evened, firstMoved)) {
        evened = contest;
        moved = 0;
    }
    if (moves)
        *moves = moved;
    return evened;
}
