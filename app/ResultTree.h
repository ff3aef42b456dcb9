#pragma once

#include "matrix/CalculationResult.h"

#include <QString>

class CTreeCtrl;
struct TVINSERTSTRUCT;

// The result tree: every pilot of a calculation at the root, with the heats
// the pilot flies beneath. All nodes go in sorted through the window's insert
// template, which shows a star when a node is selected.

constexpr int kPilotImage = 0;
constexpr int kHeatImage = 1;

QString PilotNodeText(const PilotRecord& pilot);
// Round and heat counted from 1; two digits, so that the sorted tree lists
// the heats in round order.
QString HeatNodeText(int round, int heat);

// Adds one node per pilot and keeps each node's handle in its record.
void AddPilotNodes(CTreeCtrl& tree, TVINSERTSTRUCT& insert, std::vector<PilotRecord>& pilots);
// Adds a node under its pilot for every filled slot of the result's rounds and heats.
void AddHeatNodes(CTreeCtrl& tree, TVINSERTSTRUCT& insert, const CalculationResult& result);
