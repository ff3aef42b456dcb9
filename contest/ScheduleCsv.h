// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct CalculationResult;

// The schedule as a spreadsheet file: the heading
// "round,heat,last_name,first_name,channel,team,timekeeper_last_name,
// timekeeper_first_name", then one line per seated pilot in round, heat and
// seat order, round and heat counted from 1; the team and the timekeeper are
// empty where there is none. A name
// holding a comma, a double quote or a line break is enclosed in double
// quotes with each quote inside doubled. Line ends are "\n"; the text file
// writes them as CR LF.
QString ScheduleCsvText(const CalculationResult& result);
