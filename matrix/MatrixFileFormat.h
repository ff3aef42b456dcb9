#pragma once

#include <QString>

struct CalculationResult;

// The matrix file: one block per heat of the calculation, round by round,
// each an empty line, "Round 01  Heat 01", a rule of 40 hyphens and a line
// "  [35] Novak, Jan " per pilot placed in the heat. Line ends are "\n";
// the text file writes them as CR LF.
QString MatrixFileText(const CalculationResult& result);
