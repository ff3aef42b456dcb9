// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/StatisticsCsv.h"

#include "matrix/CsvField.h"

#include "matrix/DrawRosters.h"

#include <gtest/gtest.h>

namespace {

std::vector<PilotRecord> AwkwardNames()
{
    std::vector<PilotRecord> roster = RosterOnChannels({1, 2, 3, 1});
    roster[0].lastName = QStringLiteral("Dvořák, ml.");
    roster[1].firstName = QStringLiteral("Jan \"Honza\"");
    roster[2].lastName = QStringLiteral("Šťastný");
    roster[3].lastName = QStringLiteral("Novák");
    return roster;
}

Matrix TwoRounds()
{
    Matrix matrix;
    matrix.Set(0, 0, 0, 0);
    matrix.Set(0, 0, 1, 1);
    matrix.Set(0, 1, 0, 2);
    matrix.Set(0, 1, 1, 3);
    matrix.Set(1, 0, 0, 0);
    matrix.Set(1, 0, 1, 1);
    matrix.Set(1, 1, 0, 3);
    matrix.Set(1, 1, 1, 2);
    return matrix;
}

}  // namespace

TEST(StatisticsCsv, QuotesOnlyNamesThatNeedIt)
{
    const auto roster = AwkwardNames();
    const DrawStatistics statistics = ComputeDrawStatistics(roster, TwoRounds(), 2, 2);
    const QStringList lines = StatisticsCsv(roster, statistics).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.first(), QStringLiteral("\"Dvořák, ml.\",Jan,Pilot1,\"Jan \"\"Honza\"\"\",2"));
    EXPECT_EQ(lines.at(4), QStringLiteral("Šťastný,Jan,Novák,Jan,2"));
}

TEST(StatisticsCsv, RoundTripsEveryAllowedPairAndItsMeetings)
{
    const auto roster = AwkwardNames();
    const DrawStatistics statistics = ComputeDrawStatistics(roster, TwoRounds(), 2, 2);
    const auto pairs = ReadStatisticsCsv(StatisticsCsv(roster, statistics));
    ASSERT_TRUE(pairs.has_value());
    // Six pairs less the channel mates Dvořák and Novák.
    ASSERT_EQ(pairs->size(), 5u);
    int total = 0;
    for (const PairMeetings& pair : *pairs) {
        auto positionOf = [&roster](const QString& last, const QString& first) {
            for (const PilotRecord& pilot : roster)
                if (pilot.lastName == last && pilot.firstName == first)
                    return pilot.index;
            return -1;
        };
        const int one = positionOf(pair.lastName, pair.firstName);
        const int other = positionOf(pair.otherLastName, pair.otherFirstName);
        ASSERT_GE(one, 0) << pair.lastName.toStdString();
        ASSERT_GE(other, 0) << pair.otherLastName.toStdString();
        EXPECT_EQ(pair.meetings, statistics.Meetings(one, other));
        total += pair.meetings;
    }
    EXPECT_EQ(total, statistics.bound.meetings);
}

// A name a spreadsheet would run as a formula is written as text, and reads
// back as typed, whatever quoting it needs besides.
TEST(StatisticsCsv, WritesNamesThatLookLikeFormulasAsText)
{
    const QStringList names = {QStringLiteral("=HYPERLINK(\"http://x\",\"Novák\")"), QStringLiteral("+420"),
                               QStringLiteral("-Kos, ml."), QStringLiteral("@Malý"), QStringLiteral("\tTab"),
                               QStringLiteral("'Jan"), QStringLiteral("''=1"), QStringLiteral("O'Brien"),
                               QStringLiteral("Dvořák=1")};
    for (const QString& name : names) {
        const QString field = CsvField(name);
        const QString unquoted = field.startsWith(u'"') ? field.mid(1) : field;
        EXPECT_FALSE(QStringLiteral("=+-@\t").contains(unquoted.front())) << field.toStdString();
        const QString line = QStringList{field, field, field, field, QStringLiteral("1")}.join(u',');
        const auto pairs = ReadStatisticsCsv(line);
        ASSERT_TRUE(pairs.has_value()) << line.toStdString();
        EXPECT_EQ(pairs->at(0).lastName, name);
        EXPECT_EQ(pairs->at(0).otherFirstName, name);
    }
    EXPECT_EQ(CsvField(QStringLiteral("O'Brien")), QStringLiteral("O'Brien"));
    EXPECT_EQ(CsvField(QStringLiteral("=1+1")), QStringLiteral("'=1+1"));
}

TEST(StatisticsCsv, RefusesLinesThatAreNotPairCounts)
{
    EXPECT_FALSE(ReadStatisticsCsv(QStringLiteral("Novák,Jan,Dvořák,Petr\n")).has_value());
    EXPECT_FALSE(ReadStatisticsCsv(QStringLiteral("Novák,Jan,Dvořák,Petr,two\n")).has_value());
    EXPECT_FALSE(ReadStatisticsCsv(QStringLiteral("\"Novák,Jan,Dvořák,Petr,2\n")).has_value());
    EXPECT_EQ(ReadStatisticsCsv(QStringLiteral("Novák,Jan,Dvořák,Petr,2\r\n"))->at(0).meetings, 2);
}
