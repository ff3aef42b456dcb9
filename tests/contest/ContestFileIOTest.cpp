// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestFileIO.h"

#include "contest/RandomContest.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

Contest DrawnContest()
{
    RandomContest contests(7);
    for (;;)
        if (Contest contest = contests.Next(); contest.result.completed)
            return contest;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST(ContestFileIO, SavedContestOpensAsItWasAndReplacesTheOldFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("jarní pohár.kvorax"));
    WriteFile(path, "an older contest");
    const Contest contest = DrawnContest();
    EXPECT_EQ(SaveContestFile(path, contest), std::nullopt);
    const ContestFileReading reading = OpenContestFile(path);
    ASSERT_TRUE(reading.contest) << reading.error.toStdString();
    EXPECT_TRUE(*reading.contest == contest);
}

TEST(ContestFileIO, FailuresNameTheFileAndTheReason)
{
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(QStringLiteral("notes.txt"));
    WriteFile(notAFolder, "a file, not a folder");
    const QString unsaveable = notAFolder + QStringLiteral("/contest.kvorax");
    const std::optional<QString> saveFailure = SaveContestFile(unsaveable, Contest());
    ASSERT_TRUE(saveFailure);
    EXPECT_TRUE(saveFailure->contains(unsaveable)) << saveFailure->toStdString();
    EXPECT_TRUE(saveFailure->contains("cannot be saved")) << saveFailure->toStdString();
    EXPECT_TRUE(saveFailure->contains("Nothing was written")) << saveFailure->toStdString();
    EXPECT_TRUE(SaveContestFile("/proc/version", Contest()).value_or("").contains("The file was left as it was"));

    const QString missing = folder.filePath(QStringLiteral("missing.kvorax"));
    const QString refused = folder.filePath(QStringLiteral("refused.kvorax"));
    WriteFile(refused, R"({"format": "kvorax-contest", "version": 3})");
    const QString huge = folder.filePath(QStringLiteral("huge.kvorax"));
    QFile hugeFile(huge);
    ASSERT_TRUE(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(100 * 1024 * 1024));  // sparse: no room taken
    hugeFile.close();
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {missing, QStringLiteral("No such file")},
        {refused, QStringLiteral("of version 3")},
        {huge, QStringLiteral("larger than 8 MiB")},
        {folder.path(), QStringLiteral("not a file")},
        {QStringLiteral("/dev/zero"), QStringLiteral("not a file")},
    };
    for (const auto& [path, reason] : cases) {
        const ContestFileReading reading = OpenContestFile(path);
        EXPECT_FALSE(reading.contest) << path.toStdString();
        EXPECT_TRUE(reading.error.contains('"' + path + '"')) << reading.error.toStdString();
        EXPECT_TRUE(reading.error.contains(reason)) << reading.error.toStdString();
    }
}
