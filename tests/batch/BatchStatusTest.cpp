// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchRun.h"

#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(BatchStatusOfOutcome, OnlyADoneCommandSucceedsAndOnlyARefusedAnswerIsABadArgument)
{
    EXPECT_EQ(StatusOf(CommandOutcome::Done(), false), BatchStatus::Success);
    for (bool answerRefused : {false, true}) {
        EXPECT_EQ(StatusOf(CommandOutcome::Refused("No result yet."), answerRefused), BatchStatus::Failed);
        EXPECT_EQ(StatusOf(CommandOutcome::Failed("Disk full."), answerRefused), BatchStatus::Failed);
    }
    // A dialog the run could not answer: its path was refused, or the host
    // itself declined (a print target that is a folder).
    EXPECT_EQ(StatusOf(CommandOutcome::Cancelled(), true), BatchStatus::BadArguments);
    EXPECT_EQ(StatusOf(CommandOutcome::Cancelled(), false), BatchStatus::Failed);
}

// An empty roster file leaves nothing to draw; Recalculate refuses with the
// window's words, and the run ends with status 1 before writing anything.
TEST(BatchStatusOfOutcome, ARefusedCommandEndsTheRunWithItsMessage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile roster(folder.filePath("empty.txt"));
    ASSERT_TRUE(roster.open(QIODevice::WriteOnly));
    roster.close();
    BatchOptions options;
    options.importPath = roster.fileName();
    options.seed = 7;
    options.exportMatrixPath = folder.filePath("matrix.txt");
    options.exportHeatsPath = folder.filePath("heats.txt");

    std::FILE* errors = std::tmpfile();
    ASSERT_NE(errors, nullptr);
    const int status = RunBatch(options, errors);
    std::rewind(errors);
    char line[256] = {};
    const QString said = QString::fromUtf8(std::fgets(line, sizeof line, errors));
    std::fclose(errors);

    EXPECT_EQ(status, 1);
    EXPECT_EQ(said, "The pilot list is empty. Add pilots or import a pilot list before calculating the matrix.\n");
    EXPECT_FALSE(QFile::exists(options.exportMatrixPath));
    EXPECT_FALSE(QFile::exists(options.exportHeatsPath));
}

} // namespace
