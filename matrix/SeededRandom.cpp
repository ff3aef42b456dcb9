// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/SeededRandom.h"

int SeededRandom::Next()
{
    // The top 15 bits of the engine's 32 are the best mixed ones.
    return static_cast<int>(m_engine() >> 17);
}
