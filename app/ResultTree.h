#pragma once

#include "matrix/CalculationResult.h"

class CTreeCtrl;
struct TVINSERTSTRUCT;

// The result tree, a view of the last calculation: every pilot of it at the
// root, with the heats the pilot flies beneath, in the heat cards' texts.
// All nodes go in sorted through the window's insert template, which shows a
// star when a node is selected. Nothing is ever read back from the tree.

constexpr int kPilotImage = 0;
constexpr int kHeatImage = 1;

// Empties the tree and shows the result in it.
void ShowResult(CTreeCtrl& tree, TVINSERTSTRUCT& insert, const CalculationResult& result);
