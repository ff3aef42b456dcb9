#pragma once

#include "matrix/Matrix.h"

// The three schedule fields as the calculation reads them: how many rounds
// are flown, how many heats make a round and how many pilots fill a heat.
struct MatrixShape {
    int rounds = 0;
    int heats = 0;
    int pilotsPerHeat = 0;

    int PlacesPerRound() const { return heats * pilotsPerHeat; }
    bool FitsMatrix() const;
};
