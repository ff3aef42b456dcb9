// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/MatrixShape.h"

#include <optional>
#include <span>
#include <vector>

// How the balanced draw seats a round: the fewest heats that take every
// pilot at the given pilots per heat, filled as evenly as possible (sizes
// differ by at most one, the larger heats first). The later heats of the
// shape stay empty, as they do in the random draw.
std::vector<int> EvenHeatSizes(int pilots, const MatrixShape& shape);

enum class DrawRefusal { None, TooFewPlaces, ChannelOverloaded };

// The same refusals as the random draw's failure message: more pilots than a
// round has places, or more pilots on one channel than the heats in use.
DrawRefusal RefusalFor(std::span<const int> pilotsPerChannel, const MatrixShape& shape);
