// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/ContestDay.h"

#include <cstdint>

// The rounds from fromRound on drawn again, with either draw, for the pilots
// still flying in that round; the rounds before are kept exactly as they
// stand. The balanced draw counts the meetings of the kept rounds, so the
// contest as a whole comes out balanced, not only the rounds drawn. A pilot
// withdrawn from a later round leaves the redrawn rounds there, and a pilot
// entered late for a later round joins them there as a late entry does.
// The heats of the schedule stay as many; the pilots per heat field bounds
// them. Refused, with the reason, when the draw cannot seat the pilots.
// balanceSteps, when above 0, is the balanced draw's budget instead of the
// effort's (BalanceSettings::steps).
ContestDayChange RedrawFromRound(const Contest& contest, int fromRound, DrawKind kind, unsigned seed,
                              int effort = 1, std::int64_t balanceSteps = 0);
