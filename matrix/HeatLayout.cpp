// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/HeatLayout.h"

#include <algorithm>

int HeatsInUse(int pilots, int pilotsPerHeat)
{
    return pilotsPerHeat > 0 ? (pilots + pilotsPerHeat - 1) / pilotsPerHeat : 0;
}

std::vector<int> EvenHeatSizes(int pilots, const MatrixShape& shape)
{
    const int heats = HeatsInUse(pilots, shape.pilotsPerHeat);
    std::vector<int> sizes(heats, 0);
    for (int heat = 0; heat < heats; ++heat)
        sizes[heat] = pilots / heats + (heat < pilots % heats ? 1 : 0);
    return sizes;
}

DrawRefusal RefusalFor(std::span<const int> pilotsPerChannel, const MatrixShape& shape)
{
    int pilots = 0;
    int busiest = 0;
    for (int onChannel : pilotsPerChannel) {
        pilots += onChannel;
        busiest = std::max(busiest, onChannel);
    }
    if (pilots > shape.PlacesPerRound())
        return DrawRefusal::TooFewPlaces;
    if (busiest > HeatsInUse(pilots, shape.pilotsPerHeat))
        return DrawRefusal::ChannelOverloaded;
    return DrawRefusal::None;
}

DrawRefusal RefusalForRules(int pilots, std::span<const int> pilotsPerTeam, const MatrixShape& shape,
                            const DrawRules& rules)
{
    const int heats = HeatsInUse(pilots, shape.pilotsPerHeat);
    for (int onTeam : pilotsPerTeam)
        if (onTeam > heats)
            return DrawRefusal::TeamOverloaded;
    if (rules.noBackToBack && heats == 1 && shape.rounds >= 2)
        return DrawRefusal::BackToBackImpossible;
    return DrawRefusal::None;
}
