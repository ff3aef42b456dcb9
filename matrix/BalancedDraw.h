// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/BalanceSearch.h"
#include "matrix/HeatLayout.h"
#include "matrix/Matrix.h"
#include "matrix/MatrixDraw.h"
#include "matrix/MeetingBound.h"

#include <cstdint>

class RandomSource;

// The balanced draw: the same pilots, fields and hard rules as the random
// draw (each pilot once per round, no two pilots of one channel in a heat),
// heats as even as possible (HeatLayout.h), and among such schedules one
// where every pilot meets as many others as possible and no pair meets much
// more often than the rest (MeetingFigures.h says how schedules compare).
//
// Heats of 9 or more start from a randomised greedy seating (each round, the
// busiest channels first, every pilot in the legal heat where it meets the
// fewest pilots it met before) and are annealed; smaller heats start from
// the freedom seating (FreedomSeating.h) and get tabu search. Both swap two
// pilots of one round. Fields of p^n pilots in heats of p^k where every
// pilot may meet every other start from rounds built with no repeat
// (AffineRounds.h) instead. The budget is counted in steps, not seconds, so a
// seed gives the same schedule on every machine; the search ends early once
// the schedule reaches the counting bound (MeetingBound.h), and the outcome
// says so: no schedule can be better.

constexpr int kMinBalanceEffort = 1;
constexpr int kMaxBalanceEffort = 10;

struct BalanceSettings {
    int effort = kMinBalanceEffort;   // multiplies the default budget
    std::int64_t steps = 0;           // a budget of its own instead, when above 0
    BalanceIngredients ingredients{}; // all of them but to measure one's worth
};

struct BalancedOutcome {
    Matrix matrix;                    // the schedule; all empty when refused
    bool completed = false;
    DrawRefusal refusal = DrawRefusal::None;
    MeetingFigures figures;           // of the schedule
    MeetingBound bound;               // for its heats
    std::int64_t steps = 0;           // steps spent
    bool stopped = false;             // the observer ended the search early
    bool reachedBound = false;        // no schedule can beat it: the best possible
};

// The steps an effort of 1 spends on these pilots and fields; only
// meaningful for pilots and fields the draw does not refuse.
std::int64_t DefaultBalanceSteps(const DrawInput& input);

// The counting bound for the even heats the balanced draw seats these
// pilots in; only meaningful for pilots and fields it does not refuse.
MeetingBound BalancedDrawBound(const DrawInput& input);

BalancedOutcome DrawBalanced(const DrawInput& input, RandomSource& random, const BalanceSettings& settings,
                             BalanceObserver& observer);
