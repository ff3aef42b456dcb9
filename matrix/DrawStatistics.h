// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/Matrix.h"
#include "matrix/MeetingBound.h"
#include "matrix/MeetingFigures.h"
#include "roster/PilotRecord.h"

#include <span>
#include <vector>

// Who met whom in a schedule, random or balanced, and how that compares with
// the counting bound for the schedule's own heat sizes. Pairs of channel
// mates and of team mates never share a heat, nor do two pilots of whom one
// has withdrawn before the other entered late (the pairs that may not meet),
// so they count neither as met nor as never met. A seat left empty on the
// contest day counts for nothing.
struct PilotOpponents {
    int opponents = 0;   // different pilots met at least once
    int possible = 0;    // pilots it may meet: on other channels, of other teams, flying a round with it
};

struct DrawStatistics {
    int pilots = 0;
    MeetingFigures figures;
    int smallest = 0;                     // the least any allowed pair meets
    MeetingBound bound;
    std::vector<int> histogram;           // allowed pairs by meetings: [m] meet m times
    std::vector<PilotOpponents> opponents;  // per roster position
    std::vector<int> meetings;            // pilots × pilots, by roster position
    std::vector<int> channels;            // per roster position
    std::vector<QString> teams;           // per roster position, empty for none
    std::vector<std::uint32_t> roundsFlown;  // per roster position, bit r for round r (from 0)
    std::int64_t forbiddenPairs = 0;      // pairs that may not meet

    int Meetings(int one, int other) const { return meetings[size_t(one) * pilots + other]; }
    bool IsAllowedPair(int one, int other) const;
};

// Reads the first `rounds` rounds and `heats` heats; a slot naming no pilot
// of `pilots` is skipped, as the exports skip it.
DrawStatistics ComputeDrawStatistics(std::span<const PilotRecord> pilots, const Matrix& matrix, int rounds, int heats);
