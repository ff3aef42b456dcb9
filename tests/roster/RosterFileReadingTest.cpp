// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/RosterFile.h"

#include "support/QtPrinters.h"

#include <QStringEncoder>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kClub = QStringLiteral("Šťastný,Jiří,40\r\nČerná,Žofie,35\r\n");
const QStringList kClubLines = {QStringLiteral("Šťastný,Jiří,40"), QStringLiteral("Černá,Žofie,35")};

}  // namespace

// Each kind of line that no pilot can be made of, in a file that imported
// it before as a pilot on channel 0 or on a channel no dialog allows. The
// whole file is refused and the first such line named.
TEST(RosterFileReading, RefusesEveryKindOfBadLine)
{
    const struct {
        QByteArray line;
        RosterLineFault fault;
    } cases[] = {
        {"Novak,Jan,abc", RosterLineFault::ChannelNotANumber},
        {"Novak,Jan,35abc", RosterLineFault::ChannelNotANumber},
        {"Novak,Jan,3 5", RosterLineFault::ChannelNotANumber},
        {"Novak,Jan,-", RosterLineFault::ChannelNotANumber},
        {"Novak,Jan,", RosterLineFault::ChannelMissing},
        {"Novak,Jan, \t", RosterLineFault::ChannelMissing},
        {"Novak,Jan,,40", RosterLineFault::ChannelMissing},
        {"Novak,Jan,9", RosterLineFault::ChannelOutOfRange},
        {"Novak,Jan,81", RosterLineFault::ChannelOutOfRange},
        {"Novak,Jan,-35", RosterLineFault::ChannelOutOfRange},
        {"Novak,Jan,99999999999999999999", RosterLineFault::ChannelOutOfRange},
        {"Novak,Jan", RosterLineFault::TooFewFields},
        {"Novak", RosterLineFault::TooFewFields},
        {"Novak;Jan;35", RosterLineFault::SeparatedBySemicolons},
        {"Nov\xC3\xA1k;Jan;35;", RosterLineFault::SeparatedBySemicolons},
    };
    for (const auto& [line, fault] : cases) {
        const RosterFileReading reading = ReadRosterFile("Zeman,Jan,40\r\n\r\n" + line + "\r\nAdam,Eva,35\r\n");
        EXPECT_TRUE(reading.IsRefused()) << line.toStdString();
        ASSERT_TRUE(reading.firstBadLine) << line.toStdString();
        EXPECT_EQ(reading.firstBadLine->number, 3) << line.toStdString();
        EXPECT_EQ(reading.firstBadLine->text, QString::fromUtf8(line));
        EXPECT_EQ(reading.firstBadLine->fault, fault) << line.toStdString();
        EXPECT_EQ(reading.badLineCount, 1);
        EXPECT_TRUE(reading.pilotLines.isEmpty());
    }
}

TEST(RosterFileReading, MessageNamesTheFileTheFirstBadLineAndHowManyMore)
{
    const QString longName = QString(50, u'Ř');
    RosterFileReading reading = ReadRosterFile("Zeman,Jan,40\n" + longName.toUtf8() + ",Jan,abc\nNovak,Jan\nKral,Petr,5\n");
    EXPECT_EQ(RefusedRosterFileMessage(QStringLiteral("club.txt"), reading),
              QStringLiteral("The pilots cannot be imported from \"club.txt\": line 2 (\"%1…\") has a channel that is "
                             "not a whole number. 2 more lines cannot be imported either. The pilot list was not "
                             "changed.")
                  .arg(QString(40, u'Ř')));
    reading = ReadRosterFile("Novák;Jan;35\r\nKrál;Petr;40\r\n");
    EXPECT_EQ(RefusedRosterFileMessage(QStringLiteral("excel.csv"), reading),
              QStringLiteral("The pilots cannot be imported from \"excel.csv\": line 1 (\"Novák;Jan;35\") separates its "
                             "fields with semicolons, but the fields of a pilot must be separated by commas. 1 more "
                             "line cannot be imported either. The pilot list was not changed."));
    reading = ReadRosterFile("Kral,Petr,81\n");
    EXPECT_EQ(RefusedRosterFileMessage(QStringLiteral("a.txt"), reading),
              QStringLiteral("The pilots cannot be imported from \"a.txt\": line 1 (\"Kral,Petr,81\") has a channel "
                             "outside 10 to 80. The pilot list was not changed."));
}

// A line quoted raw would colour, move or clear the organiser's terminal.
TEST(RosterFileReading, MessageShowsControlCharactersOfTheLineAsTheirCodes)
{
    const RosterFileReading reading = ReadRosterFile("\x1b[2J\x07Kral\x7f,Petr\xc2\x9b\t,x\n");
    const QString message = RefusedRosterFileMessage(QStringLiteral("a.txt"), reading);
    EXPECT_TRUE(message.contains(QStringLiteral("(\"\\x1b[2J\\x07Kral\\x7f,Petr\\x9b\\x09,x\")")))
        << message.toStdString();
    EXPECT_FALSE(std::ranges::any_of(message, [](QChar c) { return c.category() == QChar::Other_Control; }));
}

// Lines of spaces and tabs were nameless pilots on channel 0.
TEST(RosterFileReading, SkipsLinesOfOnlyBlanks)
{
    const RosterFileReading reading = ReadRosterFile("Zeman,Jan,40\r\n   \r\n\t\r\n \t \nAdam,Eva,35\n\t");
    EXPECT_FALSE(reading.IsRefused());
    EXPECT_EQ(reading.pilotLines, (QStringList{"Zeman,Jan,40", "Adam,Eva,35"}));
}

// A file of lone CR line ends gave only its first pilot. One with LF keeps a
// CR inside a line, as its export wrote it.
TEST(RosterFileReading, EndsLinesAtALoneCarriageReturnInAFileWithoutLineFeeds)
{
    EXPECT_EQ(ReadRosterFile("Zeman,Jan,40\rAdam,Eva,35\r\rKral,Petr,21").pilotLines,
              (QStringList{"Zeman,Jan,40", "Adam,Eva,35", "Kral,Petr,21"}));
    EXPECT_EQ(ReadRosterFile("Zeman,Jan,40\r").pilotLines, QStringList{"Zeman,Jan,40"});
    EXPECT_EQ(ReadRosterFile("Ze\rman,Jan,40\r\nAdam,Eva,35\n").pilotLines, (QStringList{"Ze\rman,Jan,40", "Adam,Eva,35"}));
}

// UTF-16 and UTF-32 with their mark were read as Windows-1250 and became
// garbage pilots on channel 0.
TEST(RosterFileReading, ReadsUtf16AndUtf32ByTheirByteOrderMark)
{
    for (const QStringConverter::Encoding encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE,
                                                       QStringConverter::Utf32LE, QStringConverter::Utf32BE,
                                                       QStringConverter::Utf8}) {
        QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
        const QByteArray bytes = encoder.encode(kClub);
        const RosterFileReading reading = ReadRosterFile(bytes);
        EXPECT_FALSE(reading.IsRefused()) << bytes.toHex().toStdString();
        EXPECT_EQ(reading.pilotLines, kClubLines) << bytes.toHex().toStdString();
    }
}

// Bytes that are no text in any encoding a roster file comes in are
// refused, never guessed into pilots.
TEST(RosterFileReading, RefusesBytesThatAreNoText)
{
    const QByteArray cases[] = {
        QByteArray("\xFF\xFE" "N\0o\0v\0a\0k\0,\0J\0,\0" "3\0" "5\0\x00\xD8", 24),  // a lone surrogate
        QByteArray("\xFE\xFF\0N\0,\0J\0", 9),                                    // half a character at the end
        QByteArray("\xFF\xFE\0\0\0\0\x11\0", 8),                                  // beyond the last code point
        QByteArray("Nov\x81k,Jan,35\r\n"),  // neither UTF-8 nor Windows-1250, which leaves 0x81 undefined
    };
    for (const QByteArray& bytes : cases) {
        const RosterFileReading reading = ReadRosterFile(bytes);
        EXPECT_TRUE(reading.IsRefused()) << bytes.toHex().toStdString();
        EXPECT_FALSE(reading.isText) << bytes.toHex().toStdString();
        EXPECT_EQ(RefusedRosterFileMessage(QStringLiteral("x.txt"), reading),
                  QStringLiteral("The pilots cannot be imported from \"x.txt\": it is not text in UTF-8, UTF-16, "
                                 "UTF-32 or Windows-1250. The pilot list was not changed."));
    }
}

// What imported before imports the same: blanks and a sign around the
// channel, fields beyond the third, Windows-1250, a UTF-8 mark, empty names.
TEST(RosterFileReading, TakesTheLinesThatImportedBeforeUnchanged)
{
    const QStringList lines = {"Zeman,Jan, 40 ", "Adam,Eva,+035", "Kral,Petr,21,A class", ",,80", " Bily , Ota ,10",
                               "Nov\tak,Jan,\t35\t"};
    EXPECT_EQ(ReadRosterFile("\xEF\xBB\xBF" + lines.join(u'\n').toUtf8() + '\n').pilotLines, lines);
    EXPECT_EQ(ReadRosterFile("\x8A\x9D" "astn\xFD,Ji\xF8\xED,40\r\n").pilotLines, QStringList{kClubLines[0]});
}
