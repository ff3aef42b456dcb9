// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

struct CalculationResult;

// Where a round or a heat of a schedule sits, as a message begins: "Round 2
// of the schedule", "Round 2, heat 4 of the schedule" (counted from 0 here,
// from 1 in the text).
QString RoundPlace(int round);
QString HeatPlace(int round, int heat);

// The rules every completed schedule keeps, whoever wrote the file: each
// pilot of the schedule's roster flies exactly once in every round the pilot
// flies (not after a withdrawal, not before a late entry) and in no other,
// and every round keeps the round's rules (HeatRules.h: the heats', and no
// back-to-back where the schedule keeps it). Heats may be uneven. The first
// rule broken, as a message naming the round (and heat) and the pilots;
// nothing when all hold. The
// seats must already name pilots of the schedule's roster.
std::optional<QString> BrokenScheduleRule(const CalculationResult& result);
