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
// them. The schedule keeps no back-to-back from now on where the contest's
// rules ask for it, the kept rounds included; it keeps timekeepers where it
// had them, those of the kept rounds as they stand. Refused, with the
// reason, when the draw cannot seat the pilots under these rules.
// balanceSteps, when above 0, is the balanced draw's budget instead of the
// effort's (BalanceSettings::steps).
ContestDayChange RedrawFromRound(const Contest& contest, int fromRound, DrawKind kind, unsigned seed,
                              int effort = 1, std::int64_t balanceSteps = 0);
