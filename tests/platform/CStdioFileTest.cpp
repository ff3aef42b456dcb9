// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CStdioFile.h"

#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr unsigned kCreate = CStdioFile::modeCreate | CStdioFile::modeWrite;

class TextFiles : public testing::Test {
protected:
    QString PathOf(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    static QByteArray BytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    QTemporaryDir m_dir;
};

TEST_F(TextFiles, WritesUtf8WithCrLfAndEmptiesAnExistingFile)
{
    const QString path = PathOf("out.txt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older and much longer content\r\n");
    old.close();
    CStdioFile file;
    ASSERT_TRUE(file.Open(path, kCreate));
    file.WriteString(QStringLiteral("Alpha,Beta,35\n"));
    file.WriteString(QStringLiteral("Šťastný,,7\n\nend"));
    file.Close();
    EXPECT_EQ(BytesOf(path), QByteArray("Alpha,Beta,35\r\n\xC5\xA0\xC5\xA5" "astn\xC3\xBD,,7\r\n\r\nend"));
}

// Reading drops one byte-order mark at the start of the file, so a line that
// begins with that character gets a mark in front, but only at the start.
TEST_F(TextFiles, OnlyTheFirstLineBeginningWithTheByteOrderMarkCharacterGetsAMark)
{
    const QString path = PathOf("marks.txt");
    CStdioFile file;
    ASSERT_TRUE(file.Open(path, kCreate));
    file.WriteString(QString());
    file.WriteString(QStringLiteral("\uFEFFa\n"));
    file.WriteString(QStringLiteral("\uFEFFb\n"));
    file.Close();
    EXPECT_EQ(BytesOf(path), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a\r\n\xEF\xBB\xBF" "b\r\n"));
}

TEST_F(TextFiles, OpenFailureNamesFileAndCause)
{
    const struct {
        QString path;
        unsigned flags;
        CFileException::Cause cause;
    } cases[] = {
        {PathOf("missing.txt"), CStdioFile::modeRead, CFileException::fileNotFound},
        {PathOf("no folder/pilots.txt"), CStdioFile::modeRead, CFileException::badPath},
        {PathOf("no folder/pilots.txt"), kCreate, CFileException::badPath},
        {m_dir.path(), CStdioFile::modeRead, CFileException::invalidFile},
        {m_dir.path(), kCreate, CFileException::invalidFile},
        {QStringLiteral("/dev/zero"), CStdioFile::modeRead, CFileException::invalidFile},
        {PathOf("pipe"), CStdioFile::modeRead, CFileException::invalidFile},
        {PathOf("pipe"), kCreate, CFileException::invalidFile},
    };
    ASSERT_EQ(mkfifo(QFile::encodeName(PathOf("pipe")).constData(), 0600), 0);
    for (const auto& failure : cases) {
        CStdioFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(failure.path, failure.flags, &error));
        EXPECT_EQ(error.GetCause(), failure.cause) << failure.path.toStdString();
        EXPECT_TRUE(error.ErrorMessage().contains(u'"' + failure.path + u'"')) << error.ErrorMessage().toStdString();
    }
    EXPECT_FALSE(QFile::exists(PathOf("no folder")));
}

TEST_F(TextFiles, FileTooLargeForAPilotListIsRefusedAtTheRead)
{
    QFile big(PathOf("big.txt"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(65 * 1024 * 1024));
    big.close();
    CStdioFile file;
    ASSERT_TRUE(file.Open(big.fileName(), CStdioFile::modeRead));
    try {
        file.ReadAllBytes();
        ADD_FAILURE() << "no error for a file of 65 MiB";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.GetCause(), CFileException::tooLarge);
    }
}

// /dev/full fails every write with "no space left", as a full disk does. A
// short text waits in the buffer and fails at the close, a long one at once.
TEST_F(TextFiles, FullDiskRaisesDiskFullAtTheWriteOrTheClose)
{
    for (const qsizetype length : {qsizetype(10), qsizetype(1) << 20}) {
        CStdioFile file;
        ASSERT_TRUE(file.Open(QStringLiteral("/dev/full"), kCreate));
        try {
            file.WriteString(QString(length, u'x'));
            file.Close();
            ADD_FAILURE() << "no error reported for " << length << " characters";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.GetCause(), CFileException::diskFull);
            EXPECT_TRUE(error.ErrorMessage().contains(QStringLiteral("\"/dev/full\"")));
        }
        file.Abort();
        EXPECT_NO_THROW(file.Close());
    }
}

// A failure without an error number is still a failure: its message never
// says that no error occurred.
TEST(FileError, WithoutAnErrorNumberIsUnexpected)
{
    const CFileException error(CFileException::ErrnoToCause(0), QStringLiteral("pilots.txt"));
    EXPECT_EQ(error.ErrorMessage(), QStringLiteral("An unexpected error occurred while accessing \"pilots.txt\"."));
}

} // namespace
