// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/DuplicateLine.h"

#include <gtest/gtest.h>

TEST(DuplicateLine, FoldsTheCaseOfEveryLetter)
{
    EXPECT_TRUE(IsSameLineIgnoringCase(QStringLiteral("novak,jan,35"), QStringLiteral("NoVaK,JAN,35")));
    EXPECT_TRUE(IsSameLineIgnoringCase(QStringLiteral("Dvořák,Jiří,35"), QStringLiteral("DVOŘÁK,JIŘÍ,35")));
    EXPECT_TRUE(IsSameLineIgnoringCase(QStringLiteral("Ωμέγα,Ŵ,35"), QStringLiteral("ΩΜΈΓΑ,ŵ,35")));
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("Novak,Jan,35"), QStringLiteral("Novak,Jan,350")));
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("Novák,Jan,35"), QStringLiteral("Novak,Jan,35")));
    // @, [, ` and { lie 32 places from each other, as the cases of a letter do.
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("@[`{"), QStringLiteral("`{@[")));
}
