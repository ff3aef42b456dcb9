// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <tuple>

// How evenly a schedule lets the pilots meet, over the allowed pairs (two
// pilots on different channels; channel mates never share a heat). The
// balanced draw ranks schedules by these figures in this order: the sum of
// squared meeting counts first, then the pairs that never meet, then the most
// any pair meets.
struct MeetingFigures {
    std::int64_t sumOfSquares = 0;
    int neverMet = 0;
    int largest = 0;

    bool operator==(const MeetingFigures&) const = default;
    bool IsBetterThan(const MeetingFigures& other) const
    {
        return std::tie(sumOfSquares, neverMet, largest) < std::tie(other.sumOfSquares, other.neverMet, other.largest);
    }
    // True when no figure is above the bound's, so no schedule can do better.
    bool Reaches(const MeetingFigures& bound) const
    {
        return sumOfSquares <= bound.sumOfSquares && neverMet <= bound.neverMet && largest <= bound.largest;
    }
};
