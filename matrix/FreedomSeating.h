// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

class BalanceState;
class SearchRandom;

// The greedy "freedom" start for one round: heats are filled one after the
// other, two pilots at a time, taking the pair that adds the fewest used-up
// pairs to the heat and then leaves the heat the most freedom: the most
// pilots who could still join every one of it. A pair is used up once it
// has met `limit` times (the most the counting bound lets a pair meet), so
// the early rounds keep partners open for the later ones. A pilot with as
// many unseated channel mates (or team mates) as heats left, counting
// itself, gives the heat one of them, so the last heats are not left with
// pilots who may not meet. Team mates across channels may still corner
// it: it tries again with other ties a few times, then gives nullopt, and
// the caller seats the round another way.
// The heat of every pilot, for BalanceState::SeatRound.
std::optional<std::vector<int>> FreedomRound(const BalanceState& state, int limit, SearchRandom& random);
