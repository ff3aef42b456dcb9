// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/DayOptions.h"
#include "contest/ContestDay.h"

// How a batch run's redraws draw: the run's --balanced, --seed and
// --balance-effort.
struct DayDrawChoice {
    DrawKind kind = DrawKind::Random;
    unsigned seed = 0;
    int effort = 1;
};

// One contest-day step of a batch run on the contest: the pilots are found
// by name on the schedule; a pilot not there is a reason like any other.
ContestDayChange RunDayStep(const Contest& contest, const DayStep& step, const DayDrawChoice& draw);
