// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintoutContent.h"

#include "matrix/CalculationResult.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

PilotRecord Pilot(const QString& lastName, const QString& firstName, int frequency)
{
    PilotRecord pilot;
    pilot.lastName = lastName;
    pilot.firstName = firstName;
    pilot.frequency = frequency;
    return pilot;
}

} // namespace

TEST(MatrixHeatBlockText, ListsThePlacedPilotsInSlotOrderWithGapsClosed)
{
    CalculationResult result;
    result.rounds = 1;
    result.heats = 2;
    result.pilots = {Pilot("Novák", "Jan", 35), Pilot("Dvořák", "Petr", 40), Pilot("Smith & Co", "Ann", 72)};
    result.matrix.Set(0, 1, 1, 2);
    result.matrix.Set(0, 1, 3, 0);
    result.matrix.Set(0, 1, 11, 1);

    const HeatBlock block = MatrixHeatBlock(result, 0, 1);
    EXPECT_EQ(block.heading, QString("Round 01  Heat 02"));
    EXPECT_EQ(block.pilotLines,
              QStringList({"  [72] Smith & Co, Ann \n", "  [35] Novák, Jan \n", "  [40] Dvořák, Petr \n"}));
    EXPECT_TRUE(MatrixHeatBlock(result, 0, 0).pilotLines.isEmpty());
}

TEST(HeatCardLineText, IndentsTheHeatWithSevenBlanksAndNoOtherMark)
{
    EXPECT_EQ(HeatCardLine("Round 01, Heat 03"), QString("       Round 01, Heat 03"));
}
