// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct CalculationResult;

// The heat list with timekeepers, the sheet a timekeepers' table works
// from: one block per heat in round and heat order, headed "Round 01, Heat
// 02" over a rule of 41 hyphens, then per pilot in seat order a line
// "    Novák, Jan (35), Orlík: Dvořák Jiří" (pilot, channel, team if any,
// the contest-day mark if any, as "withdrawn from round 04", then the
// timekeeper, or nobody where the schedule has none), and an
// empty line after the block. Line ends are "\n"; the text file writes them
// as CR LF. An incomplete schedule gives no blocks.
QString HeatListText(const CalculationResult& result);
