// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/HeatsProposal.h"

#include "matrix/MatrixShape.h"

#include <gtest/gtest.h>

// Whatever the list and the heats typed, the proposal seats every pilot in
// the fewest places per heat that do, within the field's limits, or nothing
// changes.
TEST(HeatsProposal, SeatsEveryPilotInTheSmallestHeatsOrChangesNothing)
{
    for (int pilots = 0; pilots <= 100; ++pilots) {
        for (int heats = kMinHeats; heats <= kMaxHeats; ++heats) {
            const std::optional<HeatsProposal> proposal = ProposeHeats(pilots, heats);
            const std::string label = std::to_string(pilots) + " pilots, " + std::to_string(heats) + " heats";
            if (!proposal) {
                EXPECT_TRUE(pilots == 0 || pilots > heats * kSlotsPerHeat) << label;
                continue;
            }
            EXPECT_GE(proposal->heats * proposal->pilotsPerHeat, pilots) << label;
            EXPECT_GE(proposal->pilotsPerHeat, kMinPilotsPerHeat) << label;
            EXPECT_LE(proposal->pilotsPerHeat, kSlotsPerHeat) << label;
            if (heats > pilots) {
                EXPECT_EQ(proposal->heats, 1) << label;
                EXPECT_EQ(proposal->pilotsPerHeat, std::max(pilots + 1, kMinPilotsPerHeat)) << label;
                continue;
            }
            EXPECT_EQ(proposal->heats, heats) << label;
            if (proposal->pilotsPerHeat > kMinPilotsPerHeat) {
                EXPECT_LT(heats * (proposal->pilotsPerHeat - 1), pilots) << label << ": a smaller heat would do";
            }
        }
    }
}

TEST(HeatsProposal, ProposesNothingForHeatsOutsideTheirRange)
{
    EXPECT_FALSE(ProposeHeats(30, 0));
    EXPECT_FALSE(ProposeHeats(30, kMaxHeats + 1));
    EXPECT_FALSE(ProposeHeats(30, -4));
}
