#include "matrix/MatrixFileFormat.h"

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

CalculationResult Result(int rounds, int heats, std::vector<PilotRecord> pilots)
{
    CalculationResult result;
    result.rounds = rounds;
    result.heats = heats;
    result.pilots = std::move(pilots);
    return result;
}

TEST(MatrixFileFormat, WritesHeatBlocksWithRuleAndPilotLines)
{
    CalculationResult result =
        Result(1, 2, {Pilot("Brown", "Anne", 40), Pilot("Kral", "Petr", 21), Pilot("Novak", "Jan", 35)});
    result.matrix.Set(0, 0, 0, 2);
    result.matrix.Set(0, 0, 1, 0);
    result.matrix.Set(0, 1, 0, 1);
    EXPECT_EQ(MatrixFileText(result), QStringLiteral("\n"
                                                     "Round 01  Heat 01\n"
                                                     "----------------------------------------\n"
                                                     "  [35] Novak, Jan \n"
                                                     "  [40] Brown, Anne \n"
                                                     "\n"
                                                     "Round 01  Heat 02\n"
                                                     "----------------------------------------\n"
                                                     "  [21] Kral, Petr \n"));
}

TEST(MatrixFileFormat, EmptyHeatsGiveHeadersAloneInRoundAndHeatOrder)
{
    const QString header = QStringLiteral("\nRound %1  Heat %2\n----------------------------------------\n");
    QString expected;
    for (const char* round : {"01", "02"}) {
        for (const char* heat : {"01", "02", "03"})
            expected += header.arg(QLatin1String(round), QLatin1String(heat));
    }
    EXPECT_EQ(MatrixFileText(Result(2, 3, {Pilot("Novak", "Jan", 35)})), expected);
}

TEST(MatrixFileFormat, ReadsAllTwelveSlotsAndSkipsEmptyOnes)
{
    CalculationResult result = Result(1, 1, {Pilot("First", "A", 10), Pilot("Last", "B", 11)});
    result.matrix.Set(0, 0, 3, 0);
    result.matrix.Set(0, 0, 11, 1);
    EXPECT_TRUE(MatrixFileText(result).endsWith(QStringLiteral("-\n  [10] First, A \n  [11] Last, B \n")));
}

TEST(MatrixFileFormat, WritesNamesAsTheyAreIncludingEmptyAndCzech)
{
    CalculationResult result = Result(1, 1, {Pilot("Šťastný", "", -3), Pilot("100%1", "%2", 0)});
    result.matrix.Set(0, 0, 0, 0);
    result.matrix.Set(0, 0, 1, 1);
    EXPECT_TRUE(MatrixFileText(result).endsWith(QStringLiteral("  [-3] Šťastný,  \n  [0] 100%1, %2 \n")));
}

// A result never holds more than the matrix; counts beyond it are cut so no
// heat outside the matrix is read.
TEST(MatrixFileFormat, StaysInsideTheMatrix)
{
    CalculationResult result = Result(kMaxRounds + 5, kMaxHeats + 2, {Pilot("Novak", "Jan", 35)});
    result.matrix.Set(kMaxRounds - 1, kMaxHeats - 1, kSlotsPerHeat - 1, 0);
    result.matrix.Set(0, 0, 0, 7);
    const QString text = MatrixFileText(result);
    EXPECT_EQ(text.count(QStringLiteral("Round")), kMaxRounds * kMaxHeats);
    EXPECT_TRUE(text.endsWith(QStringLiteral("Round 25  Heat 10\n----------------------------------------\n"
                                             "  [35] Novak, Jan \n")));
    EXPECT_EQ(text.count(QStringLiteral("[")), 1);
    EXPECT_EQ(MatrixFileText(Result(0, 3, {})), QString());
}

} // namespace
