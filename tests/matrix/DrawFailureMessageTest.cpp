#include "matrix/DrawFailureMessage.h"

#include "matrix/DrawRosters.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(DrawFailureMessage, MorePilotsThanPlacesInARound)
{
    EXPECT_EQ(DrawFailureMessage(RosterOnDistinctChannels(20), {6, 2, 8}),
              QStringLiteral("20 pilots cannot all fly in one round of 2 heats with 8 pilots each: a round has "
                             "only 16 places. Use more heats or more pilots per heat."));
    EXPECT_EQ(DrawFailureMessage(RosterOnDistinctChannels(3), {6, 1, 2}),
              QStringLiteral("3 pilots cannot all fly in one round of 1 heat with 2 pilots each: a round has "
                             "only 2 places. Use more heats or more pilots per heat."));
}

TEST(DrawFailureMessage, MorePilotsOnAChannelThanHeatsARoundFills)
{
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
}

TEST(DrawFailureMessage, ChannelNeedingMoreHeatsThanTheFieldHolds)
{
    EXPECT_EQ(DrawFailureMessage(RosterOnOneChannel(8, 50), {6, 6, 8}),
              QStringLiteral("8 pilots fly on channel 50, but the 8 pilots of a round fill only 1 heat of 8 "
                             "pilots each, and no heat may hold two pilots on one channel. "
                             "Use at least 8 heats and fewer pilots per heat."));
    EXPECT_EQ(DrawFailureMessage(RosterOnOneChannel(100), {25, 10, 12}),
              QStringLiteral("100 pilots fly on channel 35, but the 100 pilots of a round fill only 9 heats of "
                             "12 pilots each, and no heat may hold two pilots on one channel. A round has at most "
                             "10 heats, so move some of these pilots to other channels."));
}

TEST(DrawFailureMessage, BadLuckAsksForAnotherRun)
{
    const QString badLuck =
        QStringLiteral("Cannot resolve frequency conflict. Rerun Matrix to reseed random number generator.");
    // Two pilots per channel and two heats a round: possible, however tight.
    EXPECT_EQ(DrawFailureMessage(RosterOnChannels({35, 35, 36, 36}), {6, 2, 2}), badLuck);
    EXPECT_EQ(DrawFailureMessage(RosterOnDistinctChannels(16), {3, 2, 8}), badLuck);
}
