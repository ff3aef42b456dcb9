// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MatrixDraw.h"

#include "matrix/DrawObserver.h"
#include "matrix/RandomSource.h"
#include "roster/PilotMates.h"

#include <cassert>

namespace {

enum class Clash { None, Channel, Team, BackToBack };

Clash ClashInHeat(const DrawContext& draw, int round, int heat, int slot, const PilotRecord& pilot)
{
    for (int earlier = 0; earlier < slot; ++earlier) {
        const int placed = draw.matrix.At(round, heat, earlier);
        if (placed == kEmptySlot)
            continue;
        if (draw.roster[placed].frequency == pilot.frequency)
            return Clash::Channel;
        if (AreTeamMates(draw.roster[placed], pilot))
            return Clash::Team;
    }
    return Clash::None;
}

// The round before is complete when this one is drawn, so its last heat is
// the last one holding a pilot.
bool FlewLastHeatBefore(const DrawContext& draw, int round, int position)
{
    if (round == 0)
        return false;
    for (int heat = kMaxHeats - 1; heat >= 0; --heat) {
        bool held = false;
        for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
            const int placed = draw.matrix.At(round - 1, heat, slot);
            if (placed == position)
                return true;
            held = held || placed != kEmptySlot;
        }
        if (held)
            return false;
    }
    return false;
}

Clash ClashOf(const DrawContext& draw, int round, int heat, int slot, int position)
{
    if (draw.noBackToBack && heat == 0 && FlewLastHeatBefore(draw, round, position))
        return Clash::BackToBack;
    return ClashInHeat(draw, round, heat, slot, draw.roster[position]);
}

// Fills one slot: a first draw and, while they clash, one more per roster
// pilot. A slot still clashing then stays empty and its pilots stay in the
// pool for the slots and heats that follow.
void FillSlot(DrawContext& draw, int round, int heat, int slot)
{
    draw.observer.WorkingOn(round + 1, heat + 1);
    const int retryBudget = static_cast<int>(draw.roster.size());
    int retries = 0;
    while (!PlaceRandomPilot(draw, round, heat, slot) && retries < retryBudget)
        ++retries;
}

void FillRound(DrawContext& draw, const MatrixShape& shape, int round)
{
    for (int heat = 0; heat < shape.heats && !draw.pool.empty(); ++heat)
        for (int slot = 0; slot < shape.pilotsPerHeat && !draw.pool.empty(); ++slot)
            FillSlot(draw, round, heat, slot);
}

}  // namespace

int LinePosition(int value, int lineCount)
{
    assert(value >= 0 && value <= RandomSource::kRandomMax && lineCount >= 1);
    return value / (RandomSource::kRandomMax / lineCount + 1);
}

bool PlaceRandomPilot(DrawContext& draw, int round, int heat, int slot)
{
    const int line = LinePosition(draw.random.Next(), static_cast<int>(draw.pool.size()));
    const int position = draw.pool[line];
    if (const Clash clash = ClashOf(draw, round, heat, slot, position); clash != Clash::None) {
        if (clash == Clash::Channel)
            draw.observer.FrequencyConflict(round + 1, heat + 1, draw.roster[position].frequency);
        return false;
    }
    draw.matrix.Set(round, heat, slot, position);
    draw.pool.erase(draw.pool.begin() + line);
    return true;
}

bool CalculateMatrix(const DrawInput& input, RandomSource& random, DrawObserver& observer, Matrix& matrix)
{
    assert(input.shape.FitsMatrix());
    assert(input.listOrder.size() == input.roster.size());
    matrix.Clear();
    observer.ClearingData();
    observer.BuildingPilotList();
    DrawContext draw{input.roster, {}, matrix, random, observer, input.rules.noBackToBack};
    for (int round = 0; round < input.shape.rounds && !input.listOrder.empty(); ++round) {
        draw.pool.assign(input.listOrder.begin(), input.listOrder.end());
        FillRound(draw, input.shape, round);
        if (!draw.pool.empty())
            return false;
    }
    observer.AttemptCompleted();
    return true;
}

DrawOutcome DrawMatrix(const DrawInput& input, RandomSource& random, DrawObserver& observer)
{
    DrawOutcome outcome;
    while (outcome.attempts < kMaxAttempts && !outcome.completed) {
        ++outcome.attempts;
        outcome.completed = CalculateMatrix(input, random, observer, outcome.matrix);
    }
    return outcome;
}
