// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/DrawRules.h"
#include "matrix/MatrixShape.h"

#include <optional>
#include <span>
#include <vector>

// How the balanced draw seats a round: the fewest heats that take every
// pilot at the given pilots per heat, filled as evenly as possible (sizes
// differ by at most one, the larger heats first). The later heats of the
// shape stay empty, as they do in the random draw.
std::vector<int> EvenHeatSizes(int pilots, const MatrixShape& shape);

// The number of heats a round of these pilots fills.
int HeatsInUse(int pilots, int pilotsPerHeat);

// NoLegalSeating: the search found no seating of a round that keeps the
// rules, though counting alone does not rule one out.
enum class DrawRefusal { None, TooFewPlaces, ChannelOverloaded, TeamOverloaded, BackToBackImpossible, NoLegalSeating };

// The same refusals as the random draw's failure message: more pilots than a
// round has places, or more pilots on one channel than the heats in use.
DrawRefusal RefusalFor(std::span<const int> pilotsPerChannel, const MatrixShape& shape);
// And those of the teams and rules: more pilots of one team than the heats
// in use; no back-to-back where a round of two or more has one heat.
DrawRefusal RefusalForRules(int pilots, std::span<const int> pilotsPerTeam, const MatrixShape& shape,
                            const DrawRules& rules);
