// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>

constexpr int kMaxRounds = 25;
constexpr int kMaxHeats = 10;
constexpr int kSlotsPerHeat = 12;
constexpr int kEmptySlot = -1;

// The heat schedule: for every round, heat and slot the roster position of
// the pilot placed there, or kEmptySlot. The schedule fields never exceed
// these dimensions, and no reader looks outside them.
class Matrix {
public:
    Matrix() { Clear(); }

    void Clear() { m_slots.fill(kEmptySlot); }
    int At(int round, int heat, int slot) const { return m_slots[Offset(round, heat, slot)]; }
    void Set(int round, int heat, int slot, int position) { m_slots[Offset(round, heat, slot)] = position; }
    bool operator==(const Matrix&) const = default;

private:
    static int Offset(int round, int heat, int slot)
    {
        assert(round >= 0 && round < kMaxRounds && heat >= 0 && heat < kMaxHeats && slot >= 0
               && slot < kSlotsPerHeat);
        return (round * kMaxHeats + heat) * kSlotsPerHeat + slot;
    }

    std::array<int, kMaxRounds * kMaxHeats * kSlotsPerHeat> m_slots;
};
