// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/HeatsProposal.h"

#include "matrix/MatrixShape.h"

#include <algorithm>

std::optional<HeatsProposal> ProposeHeats(int pilotCount, int heats)
{
    if (pilotCount <= 0 || heats < kMinHeats || heats > kMaxHeats)
        return std::nullopt;
    if (heats > pilotCount)
        return HeatsProposal{1, std::max(pilotCount + 1, kMinPilotsPerHeat)};
    const int perHeat = std::max((pilotCount + heats - 1) / heats, kMinPilotsPerHeat);
    if (perHeat > kSlotsPerHeat)
        return std::nullopt;
    return HeatsProposal{heats, perHeat};
}
