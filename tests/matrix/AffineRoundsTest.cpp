// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/AffineRounds.h"

#include "matrix/SearchRandom.h"
#include "matrix/TranslatedRounds.h"

#include <gtest/gtest.h>
#include <set>

// Over seeds, every field of p^n pilots in heats of p^k gets the rounds
// asked for, up to the most that exist, and 32 pilots in heats of 4 their
// 10 translated rounds: each round fills every heat exactly and no two
// pilots share a heat twice.
TEST(AffineRounds, BuildsRoundsWhereNoPairMeetsTwice)
{
    const struct {
        int pilots, heatSize, rounds;
        decltype(&AffineRounds) build = AffineRounds;
    } fields[] = {{9, 3, 4},   {16, 4, 5}, {25, 5, 6}, {27, 3, 13}, {32, 4, 9},
                  {32, 2, 31}, {64, 8, 9}, {49, 7, 8}, {32, 4, 10, TranslatedRounds}};
    for (const auto& [pilots, heatSize, rounds, build] : fields)
        for (std::uint64_t seed = 1; seed <= 5; ++seed) {
            SearchRandom random(seed);
            const auto built = build(pilots, heatSize, rounds, random);
            ASSERT_TRUE(built) << pilots << " pilots in heats of " << heatSize << ", seed " << seed;
            ASSERT_EQ(int(built->size()), rounds);
            std::set<std::pair<int, int>> met;
            for (const std::vector<int>& heatOf : *built) {
                ASSERT_EQ(int(heatOf.size()), pilots);
                std::vector<int> filled(pilots / heatSize, 0);
                for (int one = 0; one < pilots; ++one) {
                    ASSERT_TRUE(heatOf[one] >= 0 && heatOf[one] < int(filled.size()));
                    ++filled[heatOf[one]];
                    for (int other = one + 1; other < pilots; ++other)
                        if (heatOf[one] == heatOf[other]) {
                            EXPECT_TRUE(met.insert({one, other}).second) << pilots << " pilots meet twice";
                        }
                }
                EXPECT_EQ(filled, std::vector<int>(filled.size(), heatSize));
            }
        }
}

// Fields of other sizes, and more rounds than such subspaces allow (two
// 3-dimensional ones of a 5-dimensional space share a line; 10 rounds of 32
// pilots in heats of 4 and 6 of 16 do not exist), are left to the search.
TEST(AffineRounds, RefusesFieldsItCannotBuild)
{
    SearchRandom random(1);
    const struct {
        int pilots, heatSize, rounds;
    } fields[] = {{30, 5, 3}, {36, 6, 2}, {8, 4, 2}, {32, 8, 2}, {32, 4, 10}, {16, 4, 6}};
    for (const auto& [pilots, heatSize, rounds] : fields)
        EXPECT_FALSE(AffineRounds(pilots, heatSize, rounds, random)) << pilots << " pilots, " << rounds << " rounds";
}
