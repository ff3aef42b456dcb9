// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ScheduleCsv.h"

#include "contest/RandomContest.h"
#include "matrix/CalculationResult.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(ScheduleCsv, QuotesNamesWithCommasQuotesAndLineBreaks)
{
    CalculationResult result;
    result.pilots = {{0, QStringLiteral("Jiří"), QStringLiteral("Dvořák, ml."), 35},
                     {1, QStringLiteral("Jan \"Honza\""), QStringLiteral("Novák"), 40},
                     {2, QStringLiteral("Eva"), QStringLiteral("Malá\nVelká"), 50, QStringLiteral("Orlík \"A\"")}};
    result.rounds = 1;
    result.heats = 2;
    result.completed = true;
    result.matrix.Set(0, 0, 0, 1);
    result.matrix.Set(0, 0, 2, 0);  // a seat left empty before it gives no line
    result.matrix.Set(0, 1, 0, 2);
    const QString heading = QStringLiteral("round,heat,last_name,first_name,channel,team,timekeeper_last_name,"
                                           "timekeeper_first_name\n");
    EXPECT_EQ(ScheduleCsvText(result), heading + QStringLiteral("1,1,Novák,\"Jan \"\"Honza\"\"\",40,,,\n"
                                                                "1,1,\"Dvořák, ml.\",Jiří,35,,,\n"
                                                                "1,2,\"Malá\nVelká\",Eva,50,\"Orlík \"\"A\"\"\",,\n"));
    // The timekeeper's names are quoted like the pilot's.
    result.timekeepers.Set(0, 0, 0, 2);
    result.timekeepers.Set(0, 0, 2, 1);
    result.timekeepers.Set(0, 1, 0, 0);
    EXPECT_EQ(ScheduleCsvText(result), heading + QStringLiteral("1,1,Novák,\"Jan \"\"Honza\"\"\",40,,\"Malá\nVelká\",Eva\n"
                                                                "1,1,\"Dvořák, ml.\",Jiří,35,,Novák,\"Jan \"\"Honza\"\"\"\n"
                                                                "1,2,\"Malá\nVelká\",Eva,50,\"Orlík \"\"A\"\"\",\"Dvořák, ml.\",Jiří\n"));
}

TEST(ScheduleCsv, HoldsEveryPilotOnceInEachRoundInHeatOrder)
{
    RandomContest contests(11);
    for (int made = 0; made < 40; ++made) {
        const Contest contest = contests.Next();
        const CalculationResult& result = contest.result;
        if (!result.completed || result.pilots.empty())
            continue;
        QStringList lines = ScheduleCsvText(result).split(u'\n');
        ASSERT_EQ(lines.takeLast(), QString());
        lines.removeFirst();
        ASSERT_EQ(lines.size(), result.rounds * qsizetype(result.pilots.size()));
        int last = 0;
        for (const QString& line : lines) {
            // Only the round and the heat, at the line's start, are plain:
            // the names hold quotes and tabs.
            const int heatInOrder = line.section(u',', 0, 0).toInt() * 100 + line.section(u',', 1, 1).toInt();
            EXPECT_LE(last, heatInOrder) << line.toStdString();
            last = heatInOrder;
        }
    }
}
