// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/DrawRules.h"
#include "matrix/Matrix.h"

#include <QString>
#include <optional>

struct CalculationResult;

// Who times whom. Every pilot of every heat gets a timekeeper: a pilot who
// flies the same round (not withdrawn from it, not entered after it) but
// neither in that heat nor, where the round has
// three heats or more, in the heat right after it (so the timekeeper can
// get ready for a heat of its own). A team mate times the pilot where the
// team has one free, else any pilot does. Over the contest the timekeeping
// is spread evenly: no pilot times more than one pilot more than any other.
//
// The whole contest is assigned at once, as a matching of pilots in heats to
// timekeepers in which each pilot able to time some heat ends with least to
// least + 1 jobs, team mates tried first. Where the heats allow no such
// share (a round of two heats of 5 and 2: the two time five pilots each),
// the smallest spread that fits is taken; a pilot withdrawn, or entered late
// and not yet flying, times nothing and is left out of the spread. The same
// schedule and seed give the same timekeepers.

// The timekeeper of each seat, in the matrix's places; kEmptySlot where the
// seat is empty. Nothing when some pilot has nobody to time it: a round of
// one heat, where everyone flies.
std::optional<Matrix> AssignTimekeepers(const CalculationResult& result, unsigned seed);

// After a change on the contest day: the rounds before firstRound (from 0)
// keep the timekeepers the result holds for them, and the rounds from it on
// are assigned afresh, the timekeeping spread over the whole contest (the
// jobs of the kept rounds counted) as evenly as the kept rounds allow.
// Nothing as above.
std::optional<Matrix> ReassignTimekeepers(const CalculationResult& result, int firstRound, unsigned seed);

// Why there are no timekeepers, for the organiser.
QString NoTimekeepersMessage();

// Gives a newly drawn result the rules it was drawn under: its timekeepers
// where the rules ask for them (cleared otherwise), and whether it keeps no
// back-to-back; the reason when the timekeepers cannot be had.
std::optional<QString> AddTimekeepers(CalculationResult& result, const DrawRules& rules, unsigned seed);

// The heats a round of the result fills (its last heat holding a pilot).
int HeatsFilled(const CalculationResult& result, int round);

// Whether the timekeeper may time a pilot of this heat of the round.
bool MayTime(const CalculationResult& result, int round, int heat, int timekeeper);
