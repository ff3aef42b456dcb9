// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "matrix/DrawFailureMessage.h"
#include "matrix/StatisticsCsv.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");

// The sum over pairs of their meetings squared: the lower, the more evenly
// the pilots meet.
std::int64_t SumOfSquares(const QByteArray& csv)
{
    const auto pairs = ReadStatisticsCsv(QString::fromUtf8(csv));
    if (!pairs || pairs->empty())
        return -1;
    std::int64_t sum = 0;
    for (const PairMeetings& pair : *pairs)
        sum += std::int64_t(pair.meetings) * pair.meetings;
    return sum;
}

class BatchBalanced : public testing::Test {
protected:
    QString Path(const QString& name) const { return m_folder.filePath(name); }

    // A run on the example contest writing its matrix and statistics under `name`.
    KvoraxRun RunNamed(const QString& name, QStringList arguments)
    {
        arguments << "--import" << kContest << "--export-matrix" << Path(name + ".txt") << "--export-stats"
                  << Path(name + ".csv");
        return RunKvorax(arguments);
    }

    QTemporaryDir m_folder;
};

}  // namespace

TEST_F(BatchBalanced, SameSeedRepeatsTheScheduleAndMeetingsSpreadMoreEvenlyThanInTheRandomDraw)
{
    const QStringList balanced{"--balanced", "--seed", "2026"};
    const KvoraxRun first = RunNamed(QStringLiteral("first"), balanced);
    const KvoraxRun second = RunNamed(QStringLiteral("second"), balanced);
    const KvoraxRun random = RunNamed(QStringLiteral("random"), {"--seed", "2026"});
    for (const KvoraxRun* run : {&first, &second, &random}) {
        ASSERT_EQ(run->status, 0) << run->errors.toStdString();
        EXPECT_TRUE(run->errors.isEmpty()) << run->errors.toStdString();
    }
    EXPECT_EQ(ReadBytes(Path("first.txt")), ReadBytes(Path("second.txt")));
    EXPECT_EQ(ReadBytes(Path("first.csv")), ReadBytes(Path("second.csv")));
    EXPECT_EQ(ReadBytes(Path("first.txt")).count("\r\n  ["), 6 * 30);  // every pilot in each of six rounds
    const std::int64_t balancedSpread = SumOfSquares(ReadBytes(Path("first.csv")));
    const std::int64_t randomSpread = SumOfSquares(ReadBytes(Path("random.csv")));
    EXPECT_GT(balancedSpread, 0);
    EXPECT_LT(balancedSpread, randomSpread);
}

TEST_F(BatchBalanced, RefusalSaysWhyWithStatusOneAndEffortOutOfRangeGivesStatusTwo)
{
    const QString roster = Path(QStringLiteral("one-channel.txt"));
    WriteBytes(roster, "Novák,Jan,35\nDvořák,Petr,35\nSvoboda,Tomáš,35\n");
    const KvoraxRun refused = RunKvorax({"--import", roster, "--heats", "1", "--balanced", "--export-stats", Path("s.csv")});
    EXPECT_EQ(refused.status, 1);
    std::vector<PilotRecord> pilots(3);
    for (PilotRecord& pilot : pilots)
        pilot.frequency = 35;
    EXPECT_EQ(MessageLines(refused.errors), QStringList{DrawFailureMessage(pilots, MatrixShape{6, 1, 8})});
    EXPECT_FALSE(QFile::exists(Path("s.csv")));

    const KvoraxRun tooMuch = RunNamed(QStringLiteral("effort"), {"--balanced", "--balance-effort", "11"});
    EXPECT_EQ(tooMuch.status, 2);
    EXPECT_TRUE(tooMuch.errors.contains(QStringLiteral("--balance-effort: Please enter an integer between 1 and 10.")))
        << tooMuch.errors.toStdString();
    EXPECT_FALSE(QFile::exists(Path("effort.csv")));
}
