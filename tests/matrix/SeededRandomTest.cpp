#include "matrix/SeededRandom.h"

#include <gtest/gtest.h>
#include <vector>

TEST(SeededRandom, YieldsTheWholeRangeAndNothingBeyond)
{
    SeededRandom random(42);
    int lowest = RandomSource::kRandomMax;
    int highest = 0;
    for (int draw = 0; draw < 200000; ++draw) {
        const int value = random.Next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, RandomSource::kRandomMax);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_LT(lowest, 16);
    EXPECT_GT(highest, RandomSource::kRandomMax - 16);
}

TEST(SeededRandom, SameSeedRepeatsTheSequenceAndAnotherSeedDoesNot)
{
    auto firstValues = [](unsigned seed) {
        SeededRandom random(seed);
        std::vector<int> values;
        for (int draw = 0; draw < 20; ++draw)
            values.push_back(random.Next());
        return values;
    };
    EXPECT_EQ(firstValues(1733550000), firstValues(1733550000));
    EXPECT_NE(firstValues(1733550000), firstValues(1733550001));
}
