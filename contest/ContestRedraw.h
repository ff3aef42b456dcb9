// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/ContestDay.h"
#include "matrix/MatrixDraw.h"

#include <cstdint>
#include <vector>

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

// The same redraw in three parts, for a window that runs the draw on a
// thread of its own: the plan says what the draw works from, the draw runs
// on the plan's input with its seed, and FinishRedraw makes the contest of
// what it drew. Planned, drawn and finished from one contest, the parts give
// what RedrawFromRound gives.
struct RedrawPlan {
    int fromRound = 1;
    DrawKind kind = DrawKind::Random;
    unsigned seed = 0;
    int effort = 1;                 // within the balanced draw's efforts
    std::int64_t balanceSteps = 0;
    std::vector<PilotRecord> roster;  // the pilots drawn, as a list of their own
    std::vector<int> positions;       // each one's place in the schedule's list
    std::vector<int> order;           // the draw's list order of roster
    std::vector<int> keptHeats;       // the kept rounds, as DrawInput has them
    MatrixShape shape;                // the rounds drawn
    DrawRules rules;

    DrawInput Input() const { return {roster, order, shape, rules, keptHeats}; }
};

struct PlannedRedraw {
    std::optional<RedrawPlan> plan;
    QString reason;  // why not: no schedule, or no such round
};

PlannedRedraw PlanRedraw(const Contest& contest, int fromRound, DrawKind kind, unsigned seed, int effort = 1,
                         std::int64_t balanceSteps = 0);
// drawn is the matrix of the plan's rounds, or nothing where the draw
// failed; then the reason is the draw's failure.
ContestDayChange FinishRedraw(const Contest& contest, const RedrawPlan& plan, const std::optional<Matrix>& drawn);
