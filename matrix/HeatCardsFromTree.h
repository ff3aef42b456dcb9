#pragma once

#include "matrix/HeatCardFormat.h"

class CTreeCtrl;
struct CalculationResult;

// The cards of a calculation as its result tree shows them: one per pilot of
// the calculation, in that calculation's roster order (not the tree's
// alphabetical one), each the text of the pilot's node and of the heat nodes
// under it.
std::vector<HeatCard> CollectHeatCards(const CalculationResult& result, const CTreeCtrl& tree);
