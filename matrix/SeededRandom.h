// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/RandomSource.h"

#include <random>

// The calculation's generator. One Recalculate command seeds it once, from
// the clock in whole seconds, and all its attempts continue the sequence, so
// a failed attempt is followed by a different one, while two commands in the
// same second with the same pilots and fields still draw the same schedule.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}

    int Next() override;

private:
    std::mt19937 m_engine;
};
