// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Win32Types.h"

#include <vector>

// The buttons of a message box of the given type, in the order shown.
std::vector<int> ButtonsOf(unsigned type);
// The button that Enter presses: the first one unless the type names another.
int DefaultButtonOf(unsigned type);
