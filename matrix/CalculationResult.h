// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/Matrix.h"
#include "roster/PilotRecord.h"

#include <vector>

// The outcome of the last Recalculate command, kept as one value: whether
// the draw completed, the rounds and heats it covers, the matrix and the
// roster as it was drawn from. The result tree, the text exports and the
// printouts are all built from this, so they agree whatever the organiser
// has edited since. Only the next calculation replaces it.
struct CalculationResult {
    bool completed = false;  // every pilot flies exactly once in every round
    int rounds = 0;
    int heats = 0;
    Matrix matrix;
    std::vector<PilotRecord> pilots;
    Matrix timekeepers{};  // who times each seat (Timekeepers.h); all empty without the rule
    // The schedule keeps no back-to-back (DrawRules): it was drawn under the
    // rule, and every change on the contest day keeps it (HeatRules.h).
    bool noBackToBack = false;

    bool HasTimekeepers() const { return timekeepers != Matrix(); }

    // Whether there is anything to export or print: before the first
    // calculation, or after one drawn from an empty pilot list, there is not.
    bool HasResult() const { return !pilots.empty(); }
    bool operator==(const CalculationResult&) const = default;
};
