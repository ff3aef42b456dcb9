// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/DrawFailureMessage.h"

#include "matrix/DrawRosters.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(DrawFailureMessage, NamesTheReasonWhenTheFieldsRuleTheScheduleOut)
{
    EXPECT_EQ(DrawFailureMessage(RosterOnDistinctChannels(20), {6, 2, 8}),
              QStringLiteral("20 pilots cannot all fly in one round of 2 heats with 8 pilots each: a round has "
                             "only 16 places. Use more heats or more pilots per heat."));

    // 20 pilots fill 3 heats of 8; channel 40 has 4 of them, channel 35 only 3.
    auto roster = RosterOnDistinctChannels(20);
    for (int position : {0, 1, 2})
        roster[position].frequency = 35;
    for (int position : {5, 6, 7, 8})
        roster[position].frequency = 40;
    EXPECT_EQ(DrawFailureMessage(roster, {6, 4, 8}),
              QStringLiteral("4 pilots fly on channel 40, but the 20 pilots of a round fill only 3 heats of 8 "
                             "pilots each, and no heat may hold two pilots on one channel. "
                             "Use fewer pilots per heat."));
    EXPECT_TRUE(DrawFailureMessage(RosterOnChannels(std::vector<int>(8, 50)), {6, 6, 8})
                    .endsWith(QStringLiteral("fill only 1 heat of 8 pilots each, and no heat may hold two pilots "
                                             "on one channel. Use at least 8 heats and fewer pilots per heat.")));
    EXPECT_TRUE(DrawFailureMessage(RosterOnChannels(std::vector<int>(100, 35)), {25, 10, 12})
                    .endsWith(QStringLiteral("A round has at most 10 heats, so move some of these pilots to "
                                             "other channels.")));
}

TEST(DrawFailureMessage, OtherwiseAsksForAnotherRun)
{
    const QString badLuck =
        QStringLiteral("Cannot resolve frequency conflict. Rerun Matrix to reseed random number generator.");
    EXPECT_EQ(DrawFailureMessage(RosterOnChannels({35, 35, 36, 36}), {6, 2, 2}), badLuck);
    EXPECT_EQ(DrawFailureMessage(RosterOnDistinctChannels(16), {3, 2, 8}), badLuck);
}
