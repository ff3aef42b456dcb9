// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/DrawStatusWriter.h"

#include "support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(DrawStatusWriter, WritesEachStatusTextUnlessItIsAlreadyShown)
{
    QStringList written;
    DrawStatusWriter writer([&written](const QString& text) { written << text; });
    writer.ClearingData();
    writer.BuildingPilotList();
    writer.WorkingOn(1, 2);
    writer.WorkingOn(1, 2);
    writer.FrequencyConflict(12, 10, 35);
    writer.FrequencyConflict(12, 10, 35);
    writer.FrequencyConflict(12, 10, 36);
    writer.WorkingOn(1, 2);
    writer.AttemptCompleted();
    EXPECT_EQ(written, (QStringList{"Clearing data...", "Building Pilots' list...", "Working Round 1, Heat 2",
                                    "Freq conflict Round 12, Heat 10, channel 35. Retrying...",
                                    "Freq conflict Round 12, Heat 10, channel 36. Retrying...",
                                    "Working Round 1, Heat 2", ""}));
}
