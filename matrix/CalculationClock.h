#pragma once

#include <functional>

// The clock that seeds each Recalculate command, in whole seconds. Tests
// install a fixed clock so that every schedule they check is reproducible.
class CalculationClock {
public:
    using Source = std::function<long long()>;

    static long long Seconds();
    // Makes source the clock; an empty source goes back to the system clock.
    static void Install(Source source);
};
