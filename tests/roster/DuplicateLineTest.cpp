#include "roster/DuplicateLine.h"

#include <gtest/gtest.h>

TEST(DuplicateLine, IgnoresTheCaseOfPlainLetters)
{
    EXPECT_TRUE(IsSameLineIgnoringCase(QStringLiteral("Novak,Jan,35"), QStringLiteral("NOVAK,JAN,35")));
    EXPECT_TRUE(IsSameLineIgnoringCase(QStringLiteral("novak,jan,35"), QStringLiteral("NoVaK,jAn,35")));
    EXPECT_TRUE(IsSameLineIgnoringCase(QString(), QString()));
}

TEST(DuplicateLine, EverythingElseMustMatchExactly)
{
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("Novak,Jan,35"), QStringLiteral("Novak,Jan,36")));
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("Novak,Jan,35"), QStringLiteral("Novak,Jan,350")));
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("Novak,Jan,35"), QStringLiteral("Novak, Jan,35")));
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("Novák,Jan,35"), QStringLiteral("NOVÁK,Jan,35")));
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("Šťastný,Jan,35"), QStringLiteral("šťastný,Jan,35")));
    // The characters 32 places from @, [, ` and { are not their other case.
    EXPECT_FALSE(IsSameLineIgnoringCase(QStringLiteral("@[`{"), QStringLiteral("`{@[")));
}
