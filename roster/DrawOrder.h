// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roster/PilotRecord.h"

#include <span>
#include <vector>

// The order in which both draws take the pilots: the roster positions sorted
// by their roster lines, character by character in Unicode code points, and
// pilots with the same line by their roster position. It depends on nothing
// but the roster, so a seed draws the same schedule on every machine and in
// every language and locale; the pilot list on screen sorts as the desktop
// does, which differs between locales (Czech puts Čermák after Cyrus).
std::vector<int> DrawOrder(std::span<const PilotRecord> roster);
