// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ScheduleSeats.h"

#include "contest/Contest.h"

#include <algorithm>

int SeatedInHeat(const Matrix& matrix, int round, int heat)
{
    int seated = 0;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        seated += matrix.At(round, heat, slot) != kEmptySlot;
    return seated;
}

void SeatInHeat(Matrix& matrix, int round, int heat, int pilot)
{
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        if (matrix.At(round, heat, slot) == kEmptySlot) {
            matrix.Set(round, heat, slot, pilot);
            return;
        }
}

void UnseatFromHeat(Matrix& matrix, int round, int heat, int pilot)
{
    int kept = 0;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
        const int seated = matrix.At(round, heat, slot);
        if (seated != kEmptySlot && seated != pilot)
            matrix.Set(round, heat, kept++, seated);
    }
    for (; kept < kSlotsPerHeat; ++kept)
        matrix.Set(round, heat, kept, kEmptySlot);
}

void ExchangeSeats(Matrix& matrix, int round, int one, int other)
{
    for (int heat = 0; heat < kMaxHeats; ++heat)
        for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
            const int seated = matrix.At(round, heat, slot);
            if (seated == one)
                matrix.Set(round, heat, slot, other);
            else if (seated == other)
                matrix.Set(round, heat, slot, one);
        }
}

int HeatCapacity(const Contest& contest)
{
    return std::clamp(contest.fields.pilotsPerHeat, kMinPilotsPerHeat, kSlotsPerHeat);
}

QString PersonNamed(const PilotRecord& pilot)
{
    return pilot.firstName.isEmpty() ? pilot.lastName : pilot.lastName + QLatin1Char(' ') + pilot.firstName;
}
