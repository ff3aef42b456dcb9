// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct CalculationResult;

// The schedule as a spreadsheet file: the heading
// "round,heat,last_name,first_name,channel", then one line per seated pilot
// in round, heat and seat order, round and heat counted from 1. A name
// holding a comma, a double quote or a line break is enclosed in double
// quotes with each quote inside doubled. Line ends are "\n"; the text file
// writes them as CR LF.
QString ScheduleCsvText(const CalculationResult& result);
