// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the draw takes its random numbers from: each call yields the next
// value of one sequence, 0..kRandomMax. The line formula of the draw relies
// on exactly that range.
class RandomSource {
public:
    static constexpr int kRandomMax = 32767;

    virtual ~RandomSource() = default;
    virtual int Next() = 0;
};
