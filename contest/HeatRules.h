// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

struct CalculationResult;
struct PilotRecord;

// The rules one heat of a schedule keeps, whoever seats it: the draw, a
// change by hand on the contest day, or a contest file. Today no heat holds
// two pilots on one channel. Every check of a heat goes through here, so a
// rule added here (team mates, back-to-back) binds all of them at once.
// The first rule broken, as a sentence naming the heat and the pilots
// (round and heat counted from 0); nothing when the heat keeps them all.
std::optional<QString> HeatRuleBreach(const CalculationResult& result, int round, int heat);

// "pilot 3 (Dvořák Jiří)": the number the organiser sees, counted from 1.
QString PilotNamed(const std::vector<PilotRecord>& pilots, int position);
