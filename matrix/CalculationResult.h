#pragma once

#include "matrix/Matrix.h"
#include "roster/PilotRecord.h"

#include <vector>

// The outcome of the last Recalculate command, kept as one unit: the matrix,
// the roster as it was drawn from (each record holding its pilot node in the
// result tree) and the rounds and heats it covers. The tree, the text exports
// and the printouts all read this, so they agree whatever the organiser has
// edited since. Only the next calculation replaces it.
struct CalculationResult {
    Matrix matrix;
    std::vector<PilotRecord> pilots;
    int rounds = 0;
    int heats = 0;
};
