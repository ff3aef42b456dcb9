// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules an organiser may add to the draw, beyond the ones every draw
// keeps (each pilot once a round, no two channel or team mates in a heat).
struct DrawRules {
    // No pilot flies the last heat of a round and the first of the next, so
    // nobody lands, recharges and launches again without a break.
    bool noBackToBack = false;
    // Every pilot of every heat is timed by a pilot of the same round
    // (Timekeepers.h says who may time whom).
    bool timekeepers = false;

    bool operator==(const DrawRules&) const = default;
};
