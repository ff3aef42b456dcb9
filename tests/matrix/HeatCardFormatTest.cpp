#include "matrix/HeatCardFormat.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(HeatCardFormat, WritesNameRuleIndentedHeatsAndThreeEmptyLines)
{
    const std::vector<HeatCard> cards{
        {"Alpha, Beta (35)", {"Round 01, Heat 02", "Round 02, Heat 05", "Round 03, Heat 01"}},
    };
    EXPECT_EQ(HeatCardsText(cards), QStringLiteral("Alpha, Beta (35)\n"
                                                   "-----------------------------------------\n"
                                                   "    Round 01, Heat 02\n"
                                                   "    Round 02, Heat 05\n"
                                                   "    Round 03, Heat 01\n"
                                                   "\n\n\n"));
}

TEST(HeatCardFormat, CardsFollowTheGivenOrderAndMayHaveNoHeats)
{
    const std::vector<HeatCard> cards{{"Zeman, Jan (40)", {}}, {"Adam, Eva (35)", {"Round 01, Heat 01"}}};
    EXPECT_EQ(HeatCardsText(cards), QStringLiteral("Zeman, Jan (40)\n"
                                                   "-----------------------------------------\n"
                                                   "\n\n\n"
                                                   "Adam, Eva (35)\n"
                                                   "-----------------------------------------\n"
                                                   "    Round 01, Heat 01\n"
                                                   "\n\n\n"));
}

TEST(HeatCardFormat, NoCardsGiveNoText)
{
    EXPECT_EQ(HeatCardsText({}), QString());
}

} // namespace
