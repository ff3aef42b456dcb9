// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CStdioFile.h"

#include "platform/CFileException.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace {

constexpr unsigned kCreate = CStdioFile::modeCreate | CStdioFile::modeWrite;

class TextFiles : public testing::Test {
protected:
    QString PathOf(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QStringList ReadLinesOf(const QByteArray& bytes) const
    {
        QFile raw(PathOf("read.txt"));
        EXPECT_TRUE(raw.open(QIODevice::WriteOnly | QIODevice::Truncate));
        raw.write(bytes);
        raw.close();
        CStdioFile file;
        EXPECT_TRUE(file.Open(raw.fileName(), CStdioFile::modeRead));
        QStringList lines;
        for (QString line; file.ReadString(line);)
            lines << line;
        return lines;
    }

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

// Reading drops one byte-order mark at the start of the file; a line that
// begins with that character, first or not, still reads back whole.
TEST_F(TextFiles, LinesBeginningWithTheByteOrderMarkCharacterReadBackWhole)
{
    const QString path = PathOf("marks.txt");
    CStdioFile file;
    ASSERT_TRUE(file.Open(path, kCreate));
    file.WriteString(QString());
    file.WriteString(QStringLiteral("\uFEFFa\n"));
    file.WriteString(QStringLiteral("\uFEFFb\n"));
    file.Close();
    EXPECT_EQ(BytesOf(path), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a\r\n\xEF\xBB\xBF" "b\r\n"));
    EXPECT_EQ(ReadLinesOf(BytesOf(path)), (QStringList{QStringLiteral("\uFEFFa"), QStringLiteral("\uFEFFb")}));
}

TEST_F(TextFiles, ReadsLinesWhateverTheirEndsAndEncoding)
{
    const QString czech = QStringLiteral("Šťastný,Jiří,40");
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a,b,1\r\nc,d,2\ne,f,3\r\n", {"a,b,1", "c,d,2", "e,f,3"}},
        {"a\n\r\n\nlast", {"a", "", "", "last"}},
        {"", {}},
        {"\xEF\xBB\xBF" "\xC5\xA0\xC5\xA5" "astn\xC3\xBD,Ji\xC5\x99\xC3\xAD,40\r\n", {czech}},
        {"\x8A\x9D" "astn\xFD,Ji\xF8\xED,40\r\n", {czech}},
        {"ends inside a letter \xC5", {QStringLiteral("ends inside a letter Ĺ")}},
        {"overlong \xC0\x80", {QStringLiteral("overlong Ŕ€")}},
        {QByteArray("a\0b\x01" "c\rd\n", 8), {QString::fromUtf8("a\0b\x01" "c\rd", 7)}},
    };
    for (const auto& file : cases)
        EXPECT_EQ(ReadLinesOf(file.bytes), file.lines) << file.bytes.toHex().toStdString();
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
    QString line;
    try {
        file.ReadString(line);
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

// Whatever the bytes, every LF byte ends a line (no UTF-8 sequence and no
// Windows-1250 letter holds one), no line keeps a line end, and no byte
// becomes more than one character.
TEST_F(TextFiles, RandomBytesReadAsLinesSafely)
{
    static const char kFavourites[] = {'\n', '\r', '\0', ',', '\xEF', '\xBB', '\xBF', '\xC5', '\x9D'};
    std::mt19937 random(4711);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        for (int length = int(random() % 300); length > 0; --length)
            bytes += random() % 3 ? char(random() % 256) : kFavourites[random() % sizeof kFavourites];
        const QStringList lines = ReadLinesOf(bytes);
        const bool unendedLast = !bytes.isEmpty() && !bytes.endsWith('\n');
        ASSERT_EQ(lines.size(), bytes.count('\n') + (unendedLast ? 1 : 0)) << bytes.toHex().toStdString();
        qsizetype characters = 0;
        for (const QString& line : lines) {
            ASSERT_FALSE(line.contains(u'\n'));
            characters += line.size();
        }
        ASSERT_LE(characters, bytes.size());
    }
}

} // namespace
