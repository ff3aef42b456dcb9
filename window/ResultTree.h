// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/CalculationResult.h"

class CTreeCtrl;

// The result tree, a view of the last calculation: every pilot of it at the
// root, with the heats the pilot flies beneath, in the heat cards' texts
// ("Round 01, Heat 04") said in the window's language.
// All nodes go in sorted and show a star when selected. Nothing is ever read
// back from the tree.

constexpr int kPilotImage = 0;
constexpr int kHeatImage = 1;
constexpr int kSelectedImage = 2;

// Empties the tree and shows the result in it.
void ShowResult(CTreeCtrl& tree, const CalculationResult& result);
