// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class BalanceState;
class SearchRandom;

// Mends a round's seating before it is seated, so that it keeps the hard
// rules whatever seated it: no two pilots who may not meet (channel or team
// mates, BalanceState::IsForbidden) in one heat and, where the state forbids
// it, nobody in the first heat who flew the last heat of the round before.
// heatOf holds every pilot's heat, each heat filled to its size; rounds are
// seated in order, so the round before is seated and the one after is not.
//
// First the heats of one size are put in the order that leaves the fewest
// pilots back to back (which changes no meeting); then min-conflicts search
// swaps a pilot who breaks a rule with the pilot of another heat whose swap
// breaks the fewest, for a bounded number of steps. False when the rules
// still do not hold; heatOf is then a seating that breaks them.
bool RepairRound(const BalanceState& state, int round, std::vector<int>& heatOf, SearchRandom& random);
