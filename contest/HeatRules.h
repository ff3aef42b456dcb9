// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

struct CalculationResult;
struct PilotRecord;

// The rules one heat of a schedule keeps, whoever seats it: the draw, a
// change by hand on the contest day, or a contest file. No heat holds two
// pilots on one channel or two of one team. Every check of a heat goes
// through here, so a rule added here binds all of them at once.
// The first rule broken, as a sentence naming the heat and the pilots
// (round and heat counted from 0); nothing when the heat keeps them all.
std::optional<QString> HeatRuleBreach(const CalculationResult& result, int round, int heat);

// The rules of one round of a schedule: every heat's (above) and, where the
// schedule keeps no back-to-back, nobody flying the last heat of the round
// before and the first heat of this one, or the last of this one and the
// first of the next. The last heat is the last one holding a pilot, as heats
// may empty on the contest day; the first is heat 1, as both draws take it
// (the random draw leaves it empty rather than seat a pilot back to back).
// A change checks the rounds it changes here.
std::optional<QString> RoundRuleBreach(const CalculationResult& result, int round);

// The pilots who fly the last heat of the round and the first of the next,
// whether the schedule keeps the rule or not.
std::vector<int> BackToBackPilots(const CalculationResult& result, int round);

// "pilot 3 (Dvořák Jiří)": the number the organiser sees, counted from 1.
QString PilotNamed(const std::vector<PilotRecord>& pilots, int position);
