// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/mount.h>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");
const QByteArray kEarlierText = QByteArray("The matrix of the day before.\r\n").repeated(20);
const QByteArray kEarlierPdf = QByteArray("%PDF-1.4 the printout of the day before\n%%EOF\n");

// The files of a folder, the hidden ones too: a write that failed leaves
// nothing of its own behind.
QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A small memory file system mounted for the test, filled up to its last
// block once the earlier files are in it.
class FullDisk : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_mountPoint = m_dir.filePath("disk");
        ASSERT_TRUE(QDir().mkpath(m_mountPoint));
        if (::mount("tmpfs", QFile::encodeName(m_mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "mounting a small tmpfs is not permitted here, so no disk can be filled";
        m_mounted = true;
        WriteBytes(Path("matrix.txt"), kEarlierText);
        WriteBytes(Path("matrix.pdf"), kEarlierPdf);
        QFile filler(Path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

    void TearDown() override
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
    }

    QString Path(const QString& name) const { return m_mountPoint + u'/' + name; }

    QTemporaryDir m_dir;
    QString m_mountPoint;
    bool m_mounted = false;
};

} // namespace

TEST_F(FullDisk, ExportAndPrintoutLeaveTheEarlierFilesByteForByte)
{
    const KvoraxRun text = RunKvorax({"--import", kContest, "--export-matrix", Path("matrix.txt")});
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.errors.contains(QStringLiteral("The disk is full"))) << text.errors.toStdString();
    EXPECT_EQ(ReadBytes(Path("matrix.txt")), kEarlierText);

    const KvoraxRun pdf = RunKvorax({"--import", kContest, "--print-matrix", Path("matrix.pdf")});
    EXPECT_EQ(pdf.status, 1);
    EXPECT_TRUE(pdf.errors.contains(QStringLiteral("the disk may be full"))) << pdf.errors.toStdString();
    EXPECT_EQ(ReadBytes(Path("matrix.pdf")), kEarlierPdf);
    EXPECT_EQ(FilesIn(m_mountPoint), QStringList({"filler", "matrix.pdf", "matrix.txt"}));
}

// The matrix text of the example contest is several kilobytes; at a limit of
// one the write stops part way, which is told apart from a full disk, and the
// program lives on to say so.
TEST(FileSizeLimit, TextExportIsNamedAsTheLimitAndLeavesTheEarlierFile)
{
    QTemporaryDir dir;
    const QString matrix = dir.filePath("matrix.txt");
    WriteBytes(matrix, kEarlierText);
    const KvoraxRun run = RunKvorax({"--import", kContest, "--export-matrix", matrix}, {.fileSizeLimitBytes = 1024});
    EXPECT_EQ(run.status, 1);
    const QStringList messages = MessageLines(run.errors);
    ASSERT_EQ(messages.size(), 1) << run.errors.toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("size limit"))) << messages[0].toStdString();
    EXPECT_FALSE(messages[0].contains(QStringLiteral("disk"))) << messages[0].toStdString();
    EXPECT_EQ(ReadBytes(matrix), kEarlierText);
    EXPECT_EQ(FilesIn(dir.path()), QStringList({"matrix.txt"}));
}

// Where no file was before, a write cut short leaves none behind, and the
// message must not promise an earlier file that never was.
TEST(FileSizeLimit, ExportAndPrintoutIntoANewFileSayNothingWasWritten)
{
    QTemporaryDir dir;
    for (const char* option : {"--export-matrix", "--print-matrix"}) {
        const QString target = dir.filePath(option[2] == 'e' ? "matrix.txt" : "matrix.pdf");
        const KvoraxRun run =
            RunKvorax({"--import", kContest, QLatin1String(option), target}, {.fileSizeLimitBytes = 1024});
        EXPECT_EQ(run.status, 1) << option;
        const QStringList messages = MessageLines(run.errors);
        ASSERT_EQ(messages.size(), 1) << run.errors.toStdString();
        EXPECT_TRUE(messages[0].contains(target)) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].endsWith(QStringLiteral("Nothing was written."))) << messages[0].toStdString();
        EXPECT_EQ(FilesIn(dir.path()), QStringList()) << option;
    }
}
