// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/CalculationResult.h"
#include "matrix/DrawRules.h"
#include "matrix/MatrixShape.h"
#include "roster/PilotRecord.h"

#include <QDate>
#include <QString>
#include <vector>

constexpr int kContestNameChars = 60;

// How the schedule of a contest was drawn, so that it can be drawn again:
// the same pilots, fields, kind, seed and effort give the same schedule.
enum class DrawKind { Random, Balanced };

struct DrawRecord {
    DrawKind kind = DrawKind::Random;
    unsigned seed = 0;
    int effort = 1;  // the balanced draw's budget multiplier; 1 for the random draw
    // The first round drawn, from 1: a redraw on the contest day keeps the
    // rounds before it as they were flown.
    int fromRound = 1;

    bool operator==(const DrawRecord&) const = default;
};

// The whole contest as one plain value: what the organiser named it, the
// pilots in roster order, the three schedule fields, the rules of the draw
// and the last calculation
// with how it was drawn. The window shows one contest, the contest file
// writes one down, and a batch run opens, changes and saves one; none of
// them keeps a piece of it anywhere else.
struct Contest {
    QString name;
    QDate date;
    std::vector<PilotRecord> pilots;  // roster order; each record's index is its position
    MatrixShape fields{kDefaultRounds, kDefaultHeats, kDefaultPilotsPerHeat};
    DrawRules rules;                  // for the next draw
    CalculationResult result;         // empty before the first calculation
    DrawRecord draw;                  // how the result was drawn

    bool operator==(const Contest&) const = default;
};
