// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// What leaving the heats field proposes for a list of pilots: the pilots
// spread evenly over the heats typed, each heat of kMinPilotsPerHeat to
// kSlotsPerHeat places. With at least as many heats as pilots plus one, one
// heat takes them all. Nothing is proposed for an empty list, for heats
// outside kMinHeats to kMaxHeats, or when no heat size within its limits seats every
// pilot in that many heats.
struct HeatsProposal {
    int heats = 0;
    int pilotsPerHeat = 0;
};

std::optional<HeatsProposal> ProposeHeats(int pilotCount, int heats);
