// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/HeatListFormat.h"

#include "matrix/CalculationResult.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// One block per heat holding pilots, seats in order; the team only where a
// pilot has one, the timekeeper only where the schedule has them.
TEST(HeatListFormat, ListsEachHeatsPilotsWithTeamAndTimekeeper)
{
    CalculationResult result;
    result.completed = true;
    result.rounds = 1;
    result.heats = 3;  // the third heat stays empty and gives no block
    result.pilots = {{0, QStringLiteral("Jiří"), QStringLiteral("Dvořák"), 35, QStringLiteral("Orlík")},
                     {1, QStringLiteral("Jan"), QStringLiteral("Novák"), 40},
                     {2, QStringLiteral("Eva"), QStringLiteral("Malá"), 50, QStringLiteral("Orlík")}};
    result.matrix.Set(0, 0, 0, 1);
    result.matrix.Set(0, 0, 2, 0);
    result.matrix.Set(0, 1, 0, 2);
    const QString rule = QStringLiteral("-----------------------------------------\n");
    EXPECT_EQ(HeatListText(result), QStringLiteral("Round 01, Heat 01\n") + rule
                                        + QStringLiteral("    Novák, Jan (40):\n    Dvořák, Jiří (35), Orlík:\n\n"
                                                         "Round 01, Heat 02\n")
                                        + rule + QStringLiteral("    Malá, Eva (50), Orlík:\n\n"));
    result.timekeepers.Set(0, 0, 0, 2);
    result.timekeepers.Set(0, 0, 2, 2);
    result.timekeepers.Set(0, 1, 0, 0);
    EXPECT_TRUE(HeatListText(result).contains(QStringLiteral("    Novák, Jan (40): Malá Eva\n")));
    EXPECT_TRUE(HeatListText(result).contains(QStringLiteral("    Malá, Eva (50), Orlík: Dvořák Jiří\n")));
    result.completed = false;
    EXPECT_EQ(HeatListText(result), QString());
}
