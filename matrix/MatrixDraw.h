// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/DrawRules.h"
#include "matrix/Matrix.h"
#include "matrix/MatrixShape.h"
#include "roster/PilotRecord.h"

#include <span>
#include <vector>

class DrawObserver;
class RandomSource;

// The random draw of the heat schedule, without any widget.
//
// The pool is the pilot list during a round: the roster positions of the
// pilots not yet placed, in the draw order (roster/DrawOrder.h). Each round starts from
// the whole list again. A drawn pilot is placed unless a pilot already in the
// heat flies on the same channel or for the same team, or, with no
// back-to-back, the pilot flew the last heat of the round before and this is
// the first heat; a slot is drawn at most once plus once per roster pilot,
// and a slot whose draws all clash stays empty.

constexpr int kMaxAttempts = 24;

// The pilots a calculation draws: the roster records and the order in which
// the draw takes them.
struct DrawInput {
    std::span<const PilotRecord> roster;
    std::span<const int> listOrder;
    MatrixShape shape;  // the rounds to draw
    DrawRules rules{};
    // The rounds flown before a redraw, which the balanced draw counts the
    // meetings of: round by round, for each pilot of listOrder the heat the
    // pilot flew in, or -1 where the pilot did not fly the round. Empty for
    // a fresh draw; the random draw does not look at it.
    std::span<const int> keptHeats{};

    int KeptRounds() const { return listOrder.empty() ? 0 : int(keptHeats.size() / listOrder.size()); }
};

// One attempt's working state.
struct DrawContext {
    std::span<const PilotRecord> roster;
    std::vector<int> pool;
    Matrix& matrix;
    RandomSource& random;
    DrawObserver& observer;
    bool noBackToBack = false;
};

struct DrawOutcome {
    Matrix matrix;          // the schedule, or what the last attempt left of it
    bool completed = false;
    int attempts = 0;
};

// The pool line that a random value 0..32767 picks among lineCount lines.
int LinePosition(int value, int lineCount);

// One draw for one slot (all counted from 0). True when the drawn pilot was
// placed and left the pool; false on a clash, which changes nothing.
bool PlaceRandomPilot(DrawContext& draw, int round, int heat, int slot);

// One attempt: true when every round placed every pilot. Either way the
// matrix holds what the attempt placed and -1 everywhere else.
bool CalculateMatrix(const DrawInput& input, RandomSource& random, DrawObserver& observer, Matrix& matrix);

// The whole calculation: attempts until one completes, at most kMaxAttempts,
// all continuing one random sequence.
DrawOutcome DrawMatrix(const DrawInput& input, RandomSource& random, DrawObserver& observer);
