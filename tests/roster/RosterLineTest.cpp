// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/RosterLine.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

PilotRecord Read(const QString& line)
{
    PilotRecord pilot;
    ApplyRosterLine(ReadRosterLine(line), pilot);
    return pilot;
}

}  // namespace

TEST(RosterLine, ReadsWhatItWrites)
{
    const PilotRecord pilot = Read(QStringLiteral("Novak,Jan,35"));
    EXPECT_EQ(pilot.lastName, QStringLiteral("Novak"));
    EXPECT_EQ(pilot.firstName, QStringLiteral("Jan"));
    EXPECT_EQ(pilot.frequency, 35);
    EXPECT_EQ(FormatRosterLine(pilot), QStringLiteral("Novak,Jan,35"));
}

// The fourth field is the team, without the blanks a spreadsheet leaves
// around it; an empty one is no team, and a pilot of none keeps three fields.
TEST(RosterLine, TakesTheFourthFieldAsTheTeamAndIgnoresLaterOnes)
{
    const PilotRecord member = Read(QStringLiteral("Novák,Jan,35, Orlík ,extra,more"));
    EXPECT_EQ(member.team, QStringLiteral("Orlík"));
    EXPECT_EQ(member.frequency, 35);
    EXPECT_EQ(FormatRosterLine(member), QStringLiteral("Novák,Jan,35,Orlík"));
    EXPECT_EQ(CheckRosterLine(QStringLiteral("Novák,Jan,35,Orlík")), RosterLineFault::None);

    for (const QString& line : {QStringLiteral("Novák,Jan,35"), QStringLiteral("Novák,Jan,35,"),
                                QStringLiteral("Novák,Jan,35,  ")}) {
        const PilotRecord alone = Read(line);
        EXPECT_TRUE(alone.team.isEmpty()) << line.toStdString();
        EXPECT_EQ(FormatRosterLine(alone), QStringLiteral("Novák,Jan,35"));
    }
    EXPECT_EQ(Read(QStringLiteral("A,B,35,") + QString(30, u'Ř')).team, QString(kTeamChars, u'Ř'));
}

TEST(RosterLine, KeepsEmptyFieldsInTheirPlaces)
{
    const PilotRecord emptyFirst = Read(QStringLiteral("Novak,,35"));
    EXPECT_EQ(emptyFirst.lastName, QStringLiteral("Novak"));
    EXPECT_EQ(emptyFirst.firstName, QString());
    EXPECT_EQ(emptyFirst.frequency, 35);
    EXPECT_EQ(FormatRosterLine(emptyFirst), QStringLiteral("Novak,,35"));

    const PilotRecord leadingComma = Read(QStringLiteral(",Novak,Jan,35"));
    EXPECT_EQ(leadingComma.lastName, QString());
    EXPECT_EQ(leadingComma.firstName, QStringLiteral("Novak"));
    EXPECT_EQ(leadingComma.frequency, 0);
}

TEST(RosterLine, IgnoresFieldsAfterTheThird)
{
    EXPECT_EQ(Read(QStringLiteral("Novak,Jan,35,20")).frequency, 35);
    EXPECT_EQ(Read(QStringLiteral("Novak,Jan,35,,")).frequency, 35);
}

TEST(RosterLine, KeepsBlanksInNames)
{
    const PilotRecord pilot = Read(QStringLiteral("Novak, Jan, 35"));
    EXPECT_EQ(pilot.firstName, QStringLiteral(" Jan"));
    EXPECT_EQ(pilot.frequency, 35);
}

TEST(RosterLine, MissingFieldsLeaveTheRecordAlone)
{
    PilotRecord pilot;
    pilot.firstName = QStringLiteral("Keep");
    pilot.frequency = 44;
    ApplyRosterLine(ReadRosterLine(QStringLiteral("Novak")), pilot);
    EXPECT_EQ(pilot.lastName, QStringLiteral("Novak"));
    EXPECT_EQ(pilot.firstName, QStringLiteral("Keep"));
    EXPECT_EQ(pilot.frequency, 44);

    ApplyRosterLine(ReadRosterLine(QStringLiteral("Novak,Jan")), pilot);
    EXPECT_EQ(pilot.firstName, QStringLiteral("Jan"));
    EXPECT_EQ(pilot.frequency, 44);
}

TEST(RosterLine, ReadsTheChannelLikeAtoi)
{
    EXPECT_EQ(ConvertLikeAtoi(QStringLiteral("abc")), 0);
    EXPECT_EQ(ConvertLikeAtoi(QStringLiteral("35abc")), 35);
    EXPECT_EQ(ConvertLikeAtoi(QStringLiteral(" \t-7")), -7);
    EXPECT_EQ(ConvertLikeAtoi(QStringLiteral("+5")), 5);
    EXPECT_EQ(ConvertLikeAtoi(QStringLiteral("- 5")), 0);
    EXPECT_EQ(ConvertLikeAtoi(QString()), 0);
    EXPECT_EQ(ConvertLikeAtoi(QStringLiteral("99999999999999999999")), std::numeric_limits<int>::max());
    EXPECT_EQ(ConvertLikeAtoi(QStringLiteral("-99999999999999999999")), std::numeric_limits<int>::min());
}

TEST(RosterLine, CutsNamesToTheirCapacityInCharacters)
{
    const QString longLast = QString(40, u'Ž');
    const QString longFirst = QString(25, u'a');
    const PilotRecord pilot = Read(longLast + u',' + longFirst + QStringLiteral(",35"));
    EXPECT_EQ(pilot.lastName, QString(kLastNameChars, u'Ž'));
    EXPECT_EQ(pilot.firstName, QString(kFirstNameChars, u'a'));
    EXPECT_EQ(Read(QStringLiteral("Šťastný,Jiří,12")).lastName, QStringLiteral("Šťastný"));
}
