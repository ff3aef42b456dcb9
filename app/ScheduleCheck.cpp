#include "app/ScheduleCheck.h"

#include "matrix/CalculationResult.h"

#include <algorithm>
#include <vector>

namespace {

bool PlacesEveryPilotOnce(const CalculationResult& result, int round)
{
    std::vector<int> flights(result.pilots.size(), 0);
    for (int heat = 0; heat < result.heats; ++heat) {
        for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
            const int position = result.matrix.At(round, heat, slot);
            if (position == kEmptySlot)
                continue;
            if (position < 0 || position >= int(flights.size()))
                return false;
            ++flights[size_t(position)];
        }
    }
    return std::all_of(flights.begin(), flights.end(), [](int count) { return count == 1; });
}

}  // namespace

bool PlacesEveryPilotEachRound(const CalculationResult& result)
{
    if (result.rounds < 1 || result.rounds > kMaxRounds || result.heats < 1 || result.heats > kMaxHeats)
        return result.pilots.empty();
    for (int round = 0; round < result.rounds; ++round) {
        if (!PlacesEveryPilotOnce(result, round))
            return false;
    }
    return true;
}
