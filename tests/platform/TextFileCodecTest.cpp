#include "platform/TextFileCodec.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFileCodec, ReadsValidUtf8AsUtf8)
{
    EXPECT_EQ(DecodeTextFile("Kr\xC3\xA1l,Petr,21"), QStringLiteral("Král,Petr,21"));
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" "a"), QStringLiteral("a"));
    EXPECT_EQ(DecodeTextFile(""), QString());
}

// One byte that UTF-8 cannot hold makes the whole file Windows-1250: such a
// file was written on the old platform, and its other lines are too.
TEST(TextFileCodec, ReadsAnyInvalidUtf8AsWindows1250)
{
    EXPECT_EQ(DecodeTextFile("Kr\xE1l"), QStringLiteral("Král"));
    EXPECT_EQ(DecodeTextFile("ends inside a sequence \xC5"), QStringLiteral("ends inside a sequence Ĺ"));
    EXPECT_EQ(DecodeTextFile("overlong \xC0\x80"), QStringLiteral("overlong Ŕ€"));
    EXPECT_EQ(DecodeTextFile("surrogate \xED\xA0\x80"), QStringLiteral("surrogate í\u00A0€"));
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" "Kr\xE1l"), QStringLiteral("Král"));
}

TEST(TextFileCodec, Windows1250KeepsEveryByte)
{
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte.append(char(byte));
    const QString text = DecodeTextFile(everyByte);
    ASSERT_EQ(text.size(), 256);
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
}

TEST(TextFileCodec, EncodesLineEndsAsCrLfInUtf8)
{
    EXPECT_EQ(EncodeTextForFile(QStringLiteral("Černá,Žofie,35\n")),
              QByteArray("\xC4\x8C" "ern\xC3\xA1,\xC5\xBD" "ofie,35\r\n"));
    EXPECT_EQ(EncodeTextForFile(QStringLiteral("\n\n\n")), QByteArray("\r\n\r\n\r\n"));
    EXPECT_EQ(EncodeTextForFile(QString()), QByteArray());
}

} // namespace
