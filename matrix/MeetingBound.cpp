// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MeetingBound.h"

#include <algorithm>
#include <map>

namespace {

std::int64_t PairsOf(std::int64_t pilots)
{
    return pilots * (pilots - 1) / 2;
}

// The smallest sum of squares of `pairs` counts adding up to `meetings`.
std::int64_t EvenSpreadSquares(std::int64_t meetings, std::int64_t pairs)
{
    if (pairs <= 0)
        return 0;
    const std::int64_t even = meetings / pairs;
    const std::int64_t above = meetings % pairs;
    return above * (even + 1) * (even + 1) + (pairs - above) * even * even;
}

// The fewest pairs of a heat of `pilots` that share a heat again when the
// heat's pilots are spread over `heats` heats of another round.
std::int64_t PairsKeptTogether(int pilots, int heats)
{
    if (heats <= 0)
        return PairsOf(pilots);
    const int even = pilots / heats;
    const int above = pilots % heats;
    return above * PairsOf(even + 1) + (heats - above) * PairsOf(even);
}

std::int64_t RepeatsBetween(const std::vector<int>& first, const std::vector<int>& second)
{
    const int heats = static_cast<int>(std::count_if(second.begin(), second.end(), [](int size) { return size > 0; }));
    std::int64_t repeats = 0;
    for (int size : first)
        repeats += PairsKeptTogether(size, heats);
    return repeats;
}

// A lower bound on the sum over pairs of C(meetings, 2).
std::int64_t ForcedRepeats(std::span<const std::vector<int>> heatSizes)
{
    std::int64_t repeats = 0;
    for (size_t one = 0; one < heatSizes.size(); ++one)
        for (size_t other = one + 1; other < heatSizes.size(); ++other)
            repeats += std::max(RepeatsBetween(heatSizes[one], heatSizes[other]),
                                RepeatsBetween(heatSizes[other], heatSizes[one]));
    return repeats;
}

}  // namespace

MeetingBound CountingBound(std::span<const int> pilotsPerChannel, std::span<const std::vector<int>> heatSizes)
{
    int pilots = 0;
    std::int64_t matePairs = 0;
    for (int onChannel : pilotsPerChannel) {
        pilots += onChannel;
        matePairs += PairsOf(onChannel);
    }
    return CountingBound(pilots, matePairs, heatSizes);
}

MeetingBound CountingBound(int pilots, std::int64_t forbiddenPairs, std::span<const std::vector<int>> heatSizes)
{
    MeetingBound bound;
    bound.allowedPairs = PairsOf(pilots) - forbiddenPairs;
    for (const std::vector<int>& round : heatSizes)
        for (int size : round)
            bound.meetings += PairsOf(size);
    const std::int64_t pairs = bound.allowedPairs;
    const std::int64_t meetings = bound.meetings;
    if (pairs <= 0 || meetings <= 0) {
        bound.least.neverMet = static_cast<int>(std::max<std::int64_t>(pairs, 0));
        return bound;
    }
    const std::int64_t repeats = ForcedRepeats(heatSizes);
    const std::int64_t rounds = static_cast<std::int64_t>(heatSizes.size());
    const std::int64_t largest = std::max<std::int64_t>((meetings + pairs - 1) / pairs, repeats > 0 ? 2 : 1);
    bound.least.largest = static_cast<int>(largest);
    std::int64_t squares = std::max(EvenSpreadSquares(meetings, pairs), meetings + 2 * repeats);
    if (meetings >= largest)
        squares = std::max(squares, largest * largest + EvenSpreadSquares(meetings - largest, pairs - 1));
    bound.least.sumOfSquares = squares;
    // Each pair meeting m > 0 times uses m - 1 >= 2·C(m, 2) / rounds meetings beyond its first.
    const std::int64_t extraMeetings = (2 * repeats + rounds - 1) / rounds;
    bound.least.neverMet = static_cast<int>(std::max<std::int64_t>(0, pairs - meetings + extraMeetings));
    bound.smallestAtMost = static_cast<int>(meetings / pairs);
    return bound;
}

bool IsEvenSpread(const MeetingBound& bound)
{
    return bound.least.sumOfSquares == EvenSpreadSquares(bound.meetings, bound.allowedPairs);
}

bool PromisesEvenMeetings(const MeetingBound& bound)
{
    return bound.smallestAtMost >= 1 && IsEvenSpread(bound);
}

std::vector<int> PilotsPerChannel(const std::vector<int>& channels)
{
    std::map<int, int> onChannel;
    for (int channel : channels)
        ++onChannel[channel];
    std::vector<int> counts;
    for (const auto& [channel, pilots] : onChannel)
        counts.push_back(pilots);
    return counts;
}
