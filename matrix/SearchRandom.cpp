// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/SearchRandom.h"

#include "matrix/RandomSource.h"

SearchRandom SearchRandom::SeededFrom(RandomSource& random)
{
    std::uint64_t seed = 0;
    for (int part = 0; part < 4; ++part)
        seed = (seed << 15) | std::uint64_t(random.Next());
    return SearchRandom(seed);
}

std::uint64_t SearchRandom::Next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double PortableExp(double x)
{
    if (x < -40.0)
        return 0.0;
    // e^x = (e^(x/1024))^1024, the small power from its series.
    const double y = x / 1024.0;
    double result = 1.0 + y * (1.0 + y * (0.5 + y * (1.0 / 6.0 + y * (1.0 / 24.0))));
    for (int squaring = 0; squaring < 10; ++squaring)
        result *= result;
    return result;
}
