// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The clock that seeds each Recalculate command, in whole seconds. The window
// owns one, the system clock unless a test gives it a fixed one, so that
// every schedule a test checks is reproducible.
using CalculationClock = std::function<long long()>;

long long SystemClockSeconds();
