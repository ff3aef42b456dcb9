#include "platform/CStdioFile.h"

#include "platform/CFileException.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

class TextFiles : public testing::Test {
protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    static void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray ReadBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    static QStringList ReadLines(const QString& path)
    {
        CStdioFile file;
        CFileException error;
        if (!file.Open(path, CStdioFile::modeRead, &error))
            return {QStringLiteral("<open failed: %1>").arg(error.ErrorMessage())};
        QStringList lines;
        QString line;
        while (file.ReadString(line))
            lines << line;
        file.Close();
        return lines;
    }

    QStringList ReadLinesOfBytes(const QByteArray& bytes)
    {
        const QString path = PathOf(QStringLiteral("read.txt"));
        WriteBytes(path, bytes);
        return ReadLines(path);
    }

    static constexpr unsigned kCreate = CStdioFile::modeCreate | CStdioFile::modeWrite;
    QTemporaryDir m_dir;
};

TEST_F(TextFiles, WritesEachLineEndAsCrLf)
{
    const QString path = PathOf(QStringLiteral("out.txt"));
    CStdioFile file;
    ASSERT_TRUE(file.Open(path, kCreate));
    file.WriteString(QStringLiteral("Alpha,Beta,35\n"));
    file.WriteString(QStringLiteral("Gamma,,7\n\n"));
    file.WriteString(QStringLiteral("no end"));
    file.Close();
    EXPECT_EQ(ReadBytes(path), QByteArray("Alpha,Beta,35\r\nGamma,,7\r\n\r\nno end"));
}

TEST_F(TextFiles, WritesUtf8WithoutByteOrderMark)
{
    const QString path = PathOf(QStringLiteral("out.txt"));
    CStdioFile file;
    ASSERT_TRUE(file.Open(path, kCreate));
    file.WriteString(QStringLiteral("Šťastný,Jiří,40\n"));
    file.Close();
    EXPECT_EQ(ReadBytes(path), QByteArray("\xC5\xA0\xC5\xA5" "astn\xC3\xBD,Ji\xC5\x99\xC3\xAD,40\r\n"));
}

TEST_F(TextFiles, CreateEmptiesAnExistingFile)
{
    const QString path = PathOf(QStringLiteral("out.txt"));
    WriteBytes(path, "an older and longer content\r\n");
    CStdioFile file;
    ASSERT_TRUE(file.Open(path, kCreate));
    file.WriteString(QStringLiteral("new\n"));
    file.Close();
    EXPECT_EQ(ReadBytes(path), QByteArray("new\r\n"));
}

TEST_F(TextFiles, EndsLinesAtCrLfAndAtLf)
{
    EXPECT_EQ(ReadLinesOfBytes("a,b,1\r\nc,d,2\ne,f,3\r\n"),
              (QStringList{"a,b,1", "c,d,2", "e,f,3"}));
    EXPECT_EQ(ReadLinesOfBytes("a\n\r\n\nb\n"), (QStringList{"a", "", "", "b"}));
}

TEST_F(TextFiles, ReadsLastLineWithoutLineEnd)
{
    EXPECT_EQ(ReadLinesOfBytes("a\r\nlast"), (QStringList{"a", "last"}));
    EXPECT_EQ(ReadLinesOfBytes("only"), (QStringList{"only"}));
    EXPECT_EQ(ReadLinesOfBytes(""), QStringList());
}

TEST_F(TextFiles, SkipsLeadingByteOrderMark)
{
    EXPECT_EQ(ReadLinesOfBytes("\xEF\xBB\xBF" "Ji\xC5\x99\xC3\xAD\r\nb\r\n"),
              (QStringList{QStringLiteral("Jiří"), "b"}));
}

TEST_F(TextFiles, ReadsCzechNamesInUtf8AndInWindows1250)
{
    const QStringList expected{QStringLiteral("Šťastný,Jiří,40"), QStringLiteral("Černá,Žofie,35")};
    EXPECT_EQ(ReadLinesOfBytes("\xC5\xA0\xC5\xA5" "astn\xC3\xBD,Ji\xC5\x99\xC3\xAD,40\r\n"
                               "\xC4\x8C" "ern\xC3\xA1,\xC5\xBD" "ofie,35\r\n"),
              expected);
    EXPECT_EQ(ReadLinesOfBytes("\x8A\x9D" "astn\xFD,Ji\xF8\xED,40\r\n"
                               "\xC8" "ern\xE1,\x8E" "ofie,35\r\n"),
              expected);
}

TEST_F(TextFiles, KeepsNulAndControlCharactersInTheLine)
{
    const QStringList lines = ReadLinesOfBytes(QByteArray("a\0b\x01\x1B" "c\rd\n", 9));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QString::fromUtf8("a\0b\x01\x1B" "c\rd", 8));
}

TEST_F(TextFiles, MissingFileFailsToOpenNamingTheFile)
{
    const QString path = PathOf(QStringLiteral("missing.txt"));
    CStdioFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path, CStdioFile::modeRead, &error));
    EXPECT_EQ(error.GetCause(), CFileException::fileNotFound);
    EXPECT_EQ(error.GetFileName(), path);
    EXPECT_TRUE(error.ErrorMessage().contains(path)) << error.ErrorMessage().toStdString();
}

TEST_F(TextFiles, MissingFolderFailsToOpenForReadingAndWriting)
{
    const QString path = PathOf(QStringLiteral("no such folder/pilots.txt"));
    for (const unsigned flags : {unsigned(CStdioFile::modeRead), unsigned(kCreate)}) {
        CStdioFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(path, flags, &error)) << "flags " << flags;
        EXPECT_EQ(error.GetCause(), CFileException::badPath) << "flags " << flags;
        EXPECT_TRUE(error.ErrorMessage().contains(path));
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(TextFiles, FolderAsPathFailsToOpenForReadingAndWriting)
{
    const QString path = m_dir.path();
    for (const unsigned flags : {unsigned(CStdioFile::modeRead), unsigned(kCreate)}) {
        CStdioFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(path, flags, &error)) << "flags " << flags;
        EXPECT_EQ(error.GetCause(), CFileException::invalidFile) << "flags " << flags;
        EXPECT_TRUE(error.ErrorMessage().contains(path));
    }
}

// /dev/full takes the open and fails every write with "no space left", as a
// full disk does. A small text stays in the buffer and fails at the close, a
// large one fails at the write itself.
TEST_F(TextFiles, FullDiskRaisesDiskFullAtTheClose)
{
    CStdioFile file;
    ASSERT_TRUE(file.Open(QStringLiteral("/dev/full"), kCreate));
    file.WriteString(QStringLiteral("Alpha,Beta,35\n"));
    try {
        file.Close();
        FAIL() << "the close reported no error";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.GetCause(), CFileException::diskFull);
        EXPECT_EQ(error.GetFileName(), QStringLiteral("/dev/full"));
    }
    EXPECT_NO_THROW(file.Close());
}

TEST_F(TextFiles, FullDiskRaisesDiskFullAtALargeWrite)
{
    CStdioFile file;
    ASSERT_TRUE(file.Open(QStringLiteral("/dev/full"), kCreate));
    try {
        file.WriteString(QString(1 << 20, QLatin1Char('x')));
        FAIL() << "the write reported no error";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.GetCause(), CFileException::diskFull);
    }
    file.Abort();
}

// The process's own memory file fails to read at address zero, which no
// program maps: a real read error from a real device.
TEST_F(TextFiles, ReadErrorRaisesItsCause)
{
    CStdioFile file;
    if (!file.Open(QStringLiteral("/proc/self/mem"), CStdioFile::modeRead))
        GTEST_SKIP() << "/proc/self/mem cannot be opened here";
    QString line;
    try {
        file.ReadString(line);
        FAIL() << "the read reported no error";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.GetCause(), CFileException::hardIO);
        EXPECT_TRUE(error.ErrorMessage().contains(QStringLiteral("/proc/self/mem")));
    }
}

TEST_F(TextFiles, GetStatusFindsOnlyExistingFiles)
{
    const QString path = PathOf(QStringLiteral("here.txt"));
    WriteBytes(path, "");
    EXPECT_TRUE(CStdioFile::GetStatus(path));
    EXPECT_FALSE(CStdioFile::GetStatus(PathOf(QStringLiteral("gone.txt"))));
    EXPECT_FALSE(CStdioFile::GetStatus(m_dir.path()));
}

QByteArray RandomBytes(std::mt19937& random)
{
    static const char kFavourites[] = {'\n', '\r', '\0', ',', '\xEF', '\xBB', '\xBF', '\xC5', '\x9D'};
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> favourite(0, int(sizeof kFavourites) - 1);
    QByteArray bytes;
    for (int i = length(random); i > 0; --i)
        bytes.append(random() % 3 == 0 ? kFavourites[favourite(random)] : char(anyByte(random)));
    return bytes;
}

// Whatever the bytes, every LF byte ends one line (no UTF-8 sequence and no
// Windows-1250 character holds one), no line holds a line end, and no byte
// becomes more than one character.
TEST_F(TextFiles, RandomBytesReadAsLinesSafely)
{
    std::mt19937 random(4711);
    for (int round = 0; round < 2000; ++round) {
        const QByteArray bytes = RandomBytes(random);
        const QStringList lines = ReadLinesOfBytes(bytes);
        const qsizetype ends = bytes.count('\n');
        const bool unendedLast = !bytes.isEmpty() && !bytes.endsWith('\n');
        ASSERT_EQ(lines.size(), ends + (unendedLast ? 1 : 0)) << bytes.toHex().toStdString();
        qsizetype characters = 0;
        for (const QString& line : lines) {
            ASSERT_FALSE(line.contains(QLatin1Char('\n')));
            characters += line.size();
        }
        ASSERT_LE(characters, bytes.size());
    }
}

} // namespace
