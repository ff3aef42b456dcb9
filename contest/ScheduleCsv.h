// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct CalculationResult;

// The schedule as a spreadsheet file: the heading
// "round,heat,last_name,first_name,channel,team,timekeeper_last_name,
// timekeeper_first_name", then one line per seated pilot in round, heat and
// seat order, round and heat counted from 1; the team and the timekeeper are
// empty where there is none. A name is written as CsvField.h writes it:
// quoted where it holds a comma, a double quote or a line break, after an
// apostrophe where a spreadsheet would take it for a formula. Line ends are
// "\n"; the text file writes them as CR LF.
QString ScheduleCsvText(const CalculationResult& result);
