// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

class SearchRandom;

// Ten rounds of 32 pilots in heats of 4 where no pair meets twice, the most
// that can exist (each pilot meets 3 new ones a round, 31 in all), which
// the subspace rounds of AffineRounds.h cannot reach: they stop at 9. The
// pilots are the 32 points of a 5-dimensional space over the integers mod
// 2; every round is the union of the translates of one to three base heats
// by the 8 vectors of one 3-dimensional subspace, the same for every
// round, so a short table of base heats gives all 80 heats. The table was
// found by a backtracking search over the rounds unchanged by those
// translates, in random orders. None of
// its rounds is the translates of one subspace: six are the translates of
// a heat that is no subspace's translate, four mix the translates of two or
// three subspaces.
// Pilots are numbered at random, as AffineRounds does, so each seed gives
// its own schedule; fewer rounds are the first of the ten. nullopt for any
// other field or more than 10 rounds.
// For each round, the heat of every pilot, for BalanceState::SeatRound.
std::optional<std::vector<std::vector<int>>> TranslatedRounds(int pilots, int heatSize, int rounds,
                                                              SearchRandom& random);
