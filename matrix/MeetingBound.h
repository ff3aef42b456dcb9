// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/MeetingFigures.h"

#include <cstdint>
#include <span>
#include <vector>

// The counting bound: what no schedule with these heats can beat, whatever
// the draw. Meetings are S = the sum over rounds and heats of C(size, 2);
// they fall on A = C(pilots, 2) minus the channel mates' pairs.
//  - Some pair meets at least ceil(S / A) times, at least A - S pairs never
//    meet, and the squares sum at least to the most even spread's.
//  - Two rounds: the pilots of one heat spread over the other round's heats,
//    so at least the pairs of the most even such split meet in both rounds.
//    Summed over all round pairs this counts C(m, 2) for a pair meeting m
//    times, which raises the squares (m² = m + 2·C(m, 2)) and, as a pair
//    meets at most once per round, the never-met pairs too.
struct MeetingBound {
    MeetingFigures least;            // no schedule has a figure below these
    int smallestAtMost = 0;          // the least met pair meets at most this often
    std::int64_t meetings = 0;       // S
    std::int64_t allowedPairs = 0;   // A
};

// heatSizes: for each round the number of pilots in each of its heats.
MeetingBound CountingBound(std::span<const int> pilotsPerChannel, std::span<const std::vector<int>> heatSizes);
// The same where the pairs that may not meet are more than the channel
// mates (team mates too): forbiddenPairs counts each such pair once.
MeetingBound CountingBound(int pilots, std::int64_t forbiddenPairs, std::span<const std::vector<int>> heatSizes);

// True when no two rounds force more repeats than the most even spread of
// the meetings over the pairs: a schedule reaching the bound may exist in
// which every pair meets as often as the others within one.
bool IsEvenSpread(const MeetingBound& bound);
// Moreover every allowed pair can meet: a schedule reaching the bound would
// be a design (every pair once, or twice).
bool PromisesEvenMeetings(const MeetingBound& bound);

// How many pilots fly on each channel, given each pilot's channel: what the
// bound needs to know of the channels.
std::vector<int> PilotsPerChannel(const std::vector<int>& channels);
