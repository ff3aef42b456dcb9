// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

class SearchRandom;

// Rounds where no pair meets twice, built rather than searched for. Where
// the pilots number p^n for a prime p and every heat holds p^k of them, the
// pilots are taken as the points of an n-dimensional space over the integers
// mod p; a round seats together the pilots whose differences lie in one
// k-dimensional subspace (its heats are that subspace's translates). Two
// subspaces sharing nothing but zero never seat a pair together twice, so
// `rounds` such subspaces give `rounds` rounds with no repeat. They are
// looked for by a bounded backtracking search, pilots numbered at random,
// so each seed gives other rounds. nullopt where the field is of another
// kind or no such subspaces were found (32 pilots in heats of 4 allow 9,
// not 10).
// For each round, the heat of every pilot, for BalanceState::SeatRound.
std::optional<std::vector<std::vector<int>>> AffineRounds(int pilots, int heatSize, int rounds, SearchRandom& random);
