// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MatrixShape.h"

bool MatrixShape::FitsMatrix() const
{
    return rounds >= 0 && rounds <= kMaxRounds && heats >= 0 && heats <= kMaxHeats
           && pilotsPerHeat >= 0 && pilotsPerHeat <= kSlotsPerHeat;
}
