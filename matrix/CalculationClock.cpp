// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/CalculationClock.h"

#include <chrono>

long long SystemClockSeconds()
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch).count();
}
