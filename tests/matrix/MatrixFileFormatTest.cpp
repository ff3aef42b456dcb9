// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/MatrixFileFormat.h"

#include "matrix/CalculationResult.h"
#include "support/QtPrinters.h"
#include "text/TextFileCodec.h"

#include <gtest/gtest.h>

namespace {

const QString kHeader = QStringLiteral("\nRound %1  Heat %2\n----------------------------------------\n");

CalculationResult Result(int rounds, int heats, std::initializer_list<std::tuple<const char*, const char*, int>> pilots)
{
    CalculationResult result;
    result.rounds = rounds;
    result.heats = heats;
    for (const auto& [lastName, firstName, frequency] : pilots) {
        PilotRecord pilot;
        pilot.lastName = QString::fromUtf8(lastName);
        pilot.firstName = QString::fromUtf8(firstName);
        pilot.frequency = frequency;
        result.pilots.push_back(pilot);
    }
    return result;
}

TEST(MatrixFileFormat, WritesHeatBlocksToTheByte)
{
    CalculationResult result = Result(1, 2, {{"Brown", "Anne", 40}, {"Kral", "Petr", 21}, {"Novak", "Jan", 35}});
    result.matrix.Set(0, 0, 0, 2);
    result.matrix.Set(0, 0, 1, 0);
    result.matrix.Set(0, 1, 0, 1);
    EXPECT_EQ(EncodeTextForFile(MatrixFileText(result)), QByteArray("\r\n"
                                                                    "Round 01  Heat 01\r\n"
                                                                    "----------------------------------------\r\n"
                                                                    "  [35] Novak, Jan \r\n"
                                                                    "  [40] Brown, Anne \r\n"
                                                                    "\r\n"
                                                                    "Round 01  Heat 02\r\n"
                                                                    "----------------------------------------\r\n"
                                                                    "  [21] Kral, Petr \r\n"));
}

TEST(MatrixFileFormat, EmptyHeatsGiveTheirHeadersOneAfterAnother)
{
    QString expected;
    for (const char* round : {"01", "02"}) {
        for (const char* heat : {"01", "02", "03"})
            expected += kHeader.arg(QLatin1String(round), QLatin1String(heat));
    }
    EXPECT_EQ(MatrixFileText(Result(2, 3, {{"Novak", "Jan", 35}})), expected);
}

TEST(MatrixFileFormat, WritesEverySlotAndNamesAsTheyAre)
{
    CalculationResult result = Result(1, 1, {{"Šťastný", "", -3}, {"100%1", "%2", 12}});
    result.matrix.Set(0, 0, 3, 0);
    result.matrix.Set(0, 0, kSlotsPerHeat - 1, 1);
    EXPECT_EQ(MatrixFileText(result),
              kHeader.arg("01", "01") + QStringLiteral("  [-3] Šťastný,  \n  [12] 100%1, %2 \n"));
}

// Counts beyond the matrix are cut and slots naming no pilot of the
// calculation are skipped, so nothing outside either is ever read.
TEST(MatrixFileFormat, StaysInsideTheMatrixAndTheCalculationsPilots)
{
    CalculationResult result = Result(kMaxRounds + 5, kMaxHeats + 2, {{"Novak", "Jan", 35}});
    result.matrix.Set(kMaxRounds - 1, kMaxHeats - 1, kSlotsPerHeat - 1, 0);
    result.matrix.Set(0, 0, 0, 1);
    const QString text = MatrixFileText(result);
    EXPECT_EQ(text.count(QStringLiteral("Round")), kMaxRounds * kMaxHeats);
    EXPECT_TRUE(text.endsWith(kHeader.arg("25", "10") + QStringLiteral("  [35] Novak, Jan \n")));
    EXPECT_EQ(text.count(u'['), 1);
}

} // namespace
