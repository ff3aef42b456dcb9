// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/Matrix.h"

// The three schedule fields as the calculation reads them: how many rounds
// are flown, how many heats make a round and how many pilots fill a heat.
// The fields in a fresh window and in a batch run that does not name them,
// and the smallest values the window accepts; the largest are the matrix's.
constexpr int kDefaultRounds = 6;
constexpr int kDefaultHeats = 6;
constexpr int kDefaultPilotsPerHeat = 8;
constexpr int kMinRounds = 1;
constexpr int kMinHeats = 1;
constexpr int kMinPilotsPerHeat = 2;

struct MatrixShape {
    int rounds = 0;
    int heats = 0;
    int pilotsPerHeat = 0;

    int PlacesPerRound() const { return heats * pilotsPerHeat; }
    bool FitsMatrix() const;
    bool operator==(const MatrixShape&) const = default;
};
