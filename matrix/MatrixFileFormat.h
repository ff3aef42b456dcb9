// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct CalculationResult;
struct PilotRecord;

// A heat's heading in the matrix file and the printed matrix:
// "Round 01  Heat 01", round and heat counted from 1.
QString HeatHeading(int round, int heat);
// A pilot's line under the heading: "  [35] Novak, Jan \n".
QString MatrixPilotLine(const PilotRecord& pilot);

// The matrix file: one block per heat of the calculation, round by round,
// each an empty line, the heading, a rule of 40 hyphens and a pilot line per
// pilot placed in the heat. Line ends are "\n"; the text file writes them as
// CR LF.
QString MatrixFileText(const CalculationResult& result);
