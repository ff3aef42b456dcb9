// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "matrix/DrawFailureMessage.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");

// Batch runs in a folder of their own, each writing the three text files
// into a subfolder.
class BatchRunFixture : public testing::Test {
protected:
    QString Path(const QString& name) const { return m_folder.filePath(name); }

    KvoraxRun RunWithTextFiles(const QString& subfolder, QStringList arguments)
    {
        QDir(m_folder.path()).mkpath(subfolder);
        for (const char* output : {"--export-pilots", "--export-matrix", "--export-heats"})
            arguments << QLatin1String(output) << Path(subfolder + u'/' + QLatin1String(output + 9) + ".txt");
        return RunKvorax(arguments);
    }

    QByteArray Written(const QString& subfolder, const QString& name) const
    {
        return ReadBytes(Path(subfolder + u'/' + name));
    }

    QTemporaryDir m_folder;
};

}  // namespace

using BatchRun = BatchRunFixture;

TEST_F(BatchRun, SameSeedWritesByteIdenticalFilesAndAnotherSeedAnotherSchedule)
{
    const QStringList arguments{"--import", kContest, "--seed", "2026"};
    const KvoraxRun first = RunWithTextFiles(QStringLiteral("first"), arguments);
    const KvoraxRun second = RunWithTextFiles(QStringLiteral("second"), arguments);
    ASSERT_EQ(first.status, 0) << first.errors.toStdString();
    ASSERT_EQ(second.status, 0) << second.errors.toStdString();
    EXPECT_TRUE(first.errors.isEmpty()) << first.errors.toStdString();
    for (const char* file : {"pilots.txt", "matrix.txt", "heats.txt"}) {
        EXPECT_FALSE(Written("first", file).isEmpty()) << file;
        EXPECT_EQ(Written("first", file), Written("second", file)) << file;
    }
    // Within one second the clock would give equal files too; another seed must not.
    const KvoraxRun other = RunWithTextFiles(QStringLiteral("other"), {"--import", kContest, "--seed", "2027"});
    ASSERT_EQ(other.status, 0) << other.errors.toStdString();
    EXPECT_NE(Written("first", "matrix.txt"), Written("other", "matrix.txt"));
    EXPECT_EQ(Written("first", "pilots.txt"), Written("other", "pilots.txt"));
}

// The example contest of the README schedules with the window's default
// fields, whatever the seed.
TEST_F(BatchRun, ExampleContestSchedulesWithTheDefaultFields)
{
    for (const char* seed : {"1", "2", "3", "4", "5", "6", "7", "8"}) {
        const QString matrix = Path(QStringLiteral("matrix-%1.txt").arg(QLatin1String(seed)));
        const KvoraxRun run = RunKvorax({"--import", kContest, "--seed", seed, "--export-matrix", matrix});
        EXPECT_EQ(run.status, 0) << "seed " << seed << ": " << run.errors.toStdString();
        EXPECT_EQ(ReadBytes(matrix).count("\r\n  ["), 6 * 30) << "seed " << seed;
    }
}

TEST_F(BatchRun, RosterThatCannotBeScheduledSaysWhyAndGivesStatusOne)
{
    const QString roster = Path(QStringLiteral("one-channel.txt"));
    WriteBytes(roster, "Novák,Jan,35\nDvořák,Petr,35\nSvoboda,Tomáš,35\n");
    const QString matrix = Path(QStringLiteral("matrix.txt"));
    const KvoraxRun run = RunKvorax({"--import", roster, "--heats", "1", "--export-matrix", matrix});
    EXPECT_EQ(run.status, 1);
    std::vector<PilotRecord> pilots(3);
    for (PilotRecord& pilot : pilots)
        pilot.frequency = 35;
    EXPECT_EQ(MessageLines(run.errors), QStringList{DrawFailureMessage(pilots, MatrixShape{6, 1, 8})});
    EXPECT_FALSE(QFile::exists(matrix));
}

TEST_F(BatchRun, MissingInputFileIsReportedWithStatusOne)
{
    const QString missing = Path(QStringLiteral("no-such-roster.txt"));
    const QString pilots = Path(QStringLiteral("pilots.txt"));
    const KvoraxRun run = RunKvorax({"--import", missing, "--export-pilots", pilots});
    EXPECT_EQ(run.status, 1);
    const QStringList messages = MessageLines(run.errors);
    ASSERT_EQ(messages.size(), 1) << run.errors.toStdString();
    EXPECT_TRUE(messages[0].contains(missing)) << messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(pilots));
}

// A schedule drawn without the pilots the import left out would be wrong.
TEST_F(BatchRun, ImportThatLeavesPilotsOutGivesStatusOne)
{
    QByteArray lines;
    for (int pilot = 1; pilot <= 101; ++pilot)
        lines += "Pilot" + QByteArray::number(pilot) + ",Jan," + QByteArray::number(10 + pilot % 50) + "\n";
    const QString roster = Path(QStringLiteral("too-many.txt"));
    WriteBytes(roster, lines);
    const QString pilots = Path(QStringLiteral("pilots.txt"));
    const KvoraxRun run = RunKvorax({"--import", roster, "--rounds", "1", "--heats", "10", "--pilots-per-heat", "12",
                                     "--export-pilots", pilots});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(MessageLines(run.errors).size(), 1) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(pilots));
}

// A roster file with a line that is no pilot is refused as an unreadable
// file is: its message, status 1, nothing written.
TEST_F(BatchRun, RefusedRosterFileGivesItsMessageAndStatusOne)
{
    const QString roster = Path(QStringLiteral("club.csv"));
    WriteBytes(roster, "Novak;Jan;35\r\nKral;Petr;40\r\n");
    const QString pilots = Path(QStringLiteral("pilots.txt"));
    const KvoraxRun run = RunKvorax({"--import", roster, "--export-pilots", pilots});
    EXPECT_EQ(run.status, 1);
    const QStringList messages = MessageLines(run.errors);
    ASSERT_EQ(messages.size(), 1) << run.errors.toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("must be separated by commas"))) << messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(pilots));
}

TEST_F(BatchRun, FileThatCannotBeWrittenGivesStatusOneAndStopsTheRun)
{
    const QString heats = Path(QStringLiteral("heats.txt"));
    const KvoraxRun run = RunKvorax({"--import", kContest, "--export-matrix", QStringLiteral("/dev/full"), "--export-heats", heats});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(MessageLines(run.errors).size(), 1) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("/dev/full")));
    EXPECT_FALSE(QFile::exists(heats));
}

// Outputs may all name one file: each step writes it anew, however close
// together the steps fall, and the last step's file is what stays.
TEST_F(BatchRun, OutputsThatNameOneFileAreEachWritten)
{
    const QString roster = Path(QStringLiteral("two.txt"));
    WriteBytes(roster, "Novák,Jan,35\nDvořák,Petr,36\n");
    const QString same = Path(QStringLiteral("schedule.txt"));
    for (int attempt = 1; attempt <= 12; ++attempt) {
        const KvoraxRun run = RunKvorax({"--import", roster, "--rounds", "1", "--heats", "1", "--export-pilots", same,
                                         "--export-matrix", same, "--export-heats", same});
        ASSERT_EQ(run.status, 0) << "run " << attempt << ": " << run.errors.toStdString();
    }
    EXPECT_TRUE(ReadBytes(same).startsWith("Novák, Jan (35)\r\n---")) << ReadBytes(same).toStdString();
}

// Neither draw may call an empty pilot list a schedule: a script that goes on
// to print would print nothing.
TEST_F(BatchRun, EmptyPilotListFailsInBothDrawsWithTheSameMessage)
{
    const QString empty = Path(QStringLiteral("empty.txt"));
    WriteBytes(empty, "");
    const KvoraxRun random = RunKvorax({"--import", empty, "--seed", "1"});
    const KvoraxRun balanced = RunKvorax({"--import", empty, "--balanced", "--seed", "1"});
    EXPECT_EQ(random.status, 1);
    EXPECT_EQ(balanced.status, 1);
    ASSERT_EQ(MessageLines(balanced.errors).size(), 1) << balanced.errors.toStdString();
    EXPECT_TRUE(balanced.errors.contains(QStringLiteral("The pilot list is empty."))) << balanced.errors.toStdString();
    EXPECT_EQ(balanced.errors, random.errors);
}

// A batch run never asks: every output that exists is replaced, the
// statistics too, and the steps after it still run.
TEST_F(BatchRun, EveryOutputThatExistsIsReplacedWithoutAsking)
{
    const QStringList outputs{"--export-pilots", "--export-matrix", "--export-heats", "--export-stats"};
    QStringList arguments{"--import", kContest, "--seed", "2"};
    for (const QString& option : outputs) {
        const QString path = Path(option.mid(2) + ".out");
        WriteBytes(path, "the file of the day before\n");
        arguments << option << path;
    }
    const KvoraxRun run = RunKvorax(arguments);
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(run.errors, QString());
    for (const QString& option : outputs) {
        const QByteArray written = ReadBytes(Path(option.mid(2) + ".out"));
        EXPECT_FALSE(written.isEmpty()) << option.toStdString();
        EXPECT_FALSE(written.startsWith("the file of the day before")) << option.toStdString();
    }
}

// The team comes from the roster file's fourth field, the rules from their
// options; a team larger than the heats fails with its reason and status 1,
// and a run that can keep the rules writes the heat list with timekeepers
// and saves the rules in the contest file.
TEST_F(BatchRun, TeamsAndRulesFromTheCommandLineReachTheDrawTheFilesAndTheFailure)
{
    const QString roster = Path(QStringLiteral("teams.txt"));
    QByteArray lines;
    for (int pilot = 0; pilot < 12; ++pilot)
        lines += "Pilot" + QByteArray::number(pilot) + ",Jan," + QByteArray::number(20 + pilot)
                 + (pilot < 4 ? ",Orl\xC3\xADk\n" : "\n");
    WriteBytes(roster, lines);
    const KvoraxRun refused = RunKvorax({"--import", roster, "--heats", "3", "--pilots-per-heat", "4"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(MessageLines(refused.errors), QStringList{QStringLiteral("Team Orlík has 4 pilots but a round has only 3 heats.")});

    const QString list = Path(QStringLiteral("timekeepers.txt"));
    const QString contest = Path(QStringLiteral("teams.kvorax"));
    const KvoraxRun run = RunKvorax({"--import", roster, "--heats", "4", "--pilots-per-heat", "3", "--rounds", "3",
                                     "--no-back-to-back", "--timekeepers", "--balanced", "--seed", "7",
                                     "--export-timekeepers", list, "--save", contest});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QString written = QString::fromUtf8(ReadBytes(list));
    EXPECT_EQ(written.count(QStringLiteral("Round 0")), 12);
    EXPECT_EQ(written.count(QStringLiteral(", Orlík: Pilot")), 12);  // each member timed in each round
    const QByteArray saved = ReadBytes(contest);
    EXPECT_TRUE(saved.contains("\"noBackToBack\": true") && saved.contains("\"timekeepers\": true"));
    EXPECT_TRUE(saved.contains("\"team\": \"Orl\xC3\xADk\""));
}
