// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/SeededRandom.h"

#include <gtest/gtest.h>
#include <vector>

TEST(SeededRandom, YieldsFifteenBitsRepeatablyPerSeed)
{
    auto draws = [](unsigned seed) {
        SeededRandom random(seed);
        std::vector<int> values(100000);
        for (int& value : values)
            value = random.Next();
        return values;
    };
    const std::vector<int> values = draws(1733550000);
    EXPECT_LT(*std::min_element(values.begin(), values.end()), 16);
    EXPECT_EQ(*std::max_element(values.begin(), values.end()) / 16, RandomSource::kRandomMax / 16);
    EXPECT_GE(*std::min_element(values.begin(), values.end()), 0);
    EXPECT_LE(*std::max_element(values.begin(), values.end()), RandomSource::kRandomMax);
    EXPECT_EQ(draws(1733550000), values);
    EXPECT_NE(draws(1733550001), values);
}
