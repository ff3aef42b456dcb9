// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MatrixDraw.h"

#include "matrix/DrawObserver.h"
#include "matrix/RandomSource.h"

#include <cassert>

namespace {

bool ClashesInHeat(const DrawContext& draw, int round, int heat, int slot, int channel)
{
    for (int earlier = 0; earlier < slot; ++earlier) {
        const int placed = draw.matrix.At(round, heat, earlier);
        if (placed != kEmptySlot && draw.roster[placed].frequency == channel)
            return true;
    }
    return false;
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
    const int channel = draw.roster[position].frequency;
    if (ClashesInHeat(draw, round, heat, slot, channel)) {
        draw.observer.FrequencyConflict(round + 1, heat + 1, channel);
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
    DrawContext draw{input.roster, {}, matrix, random, observer};
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
