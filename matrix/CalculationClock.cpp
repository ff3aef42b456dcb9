#include "matrix/CalculationClock.h"

#include <chrono>

namespace {

CalculationClock::Source& InstalledSource()
{
    static CalculationClock::Source source;
    return source;
}

}  // namespace

long long CalculationClock::Seconds()
{
    if (const Source& source = InstalledSource())
        return source();
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch).count();
}

void CalculationClock::Install(Source source)
{
    InstalledSource() = std::move(source);
}
