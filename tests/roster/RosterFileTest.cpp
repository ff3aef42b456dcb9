#include "roster/RosterFile.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

PilotRecord Pilot(const QString& lastName, const QString& firstName, int frequency)
{
    PilotRecord pilot;
    pilot.lastName = lastName;
    pilot.firstName = firstName;
    pilot.frequency = frequency;
    return pilot;
}

TEST(RosterFile, WritesOneRosterLinePerPilotInRosterOrder)
{
    const std::vector<PilotRecord> pilots{Pilot("Zeman", "Jan", 40), Pilot("Alpha", "", -1),
                                          Pilot("Černá", "Žofie", 35)};
    EXPECT_EQ(RosterFileText(pilots), QStringLiteral("Zeman,Jan,40\nAlpha,,-1\nČerná,Žofie,35\n"));
    EXPECT_EQ(RosterFileText({}), QString());
}

TEST(RosterFile, SkipsEmptyLinesAndKeepsBlankOnes)
{
    const RosterFileLines selected = SelectPilotLines({"", "a,b,1", "", "", " ", "c,d,2", ""});
    EXPECT_EQ(selected.pilotLines, (QStringList{"a,b,1", " ", "c,d,2"}));
    EXPECT_EQ(selected.leftOut, 0);
}

TEST(RosterFile, TakesAtMostOneHundredPilotLinesAndCountsTheRest)
{
    QStringList fileLines;
    for (int line = 1; line <= 120; ++line) {
        fileLines << QStringLiteral("Pilot%1,A,%2").arg(line).arg(line % 50 + 10);
        if (line % 7 == 0)
            fileLines << QString();
    }
    const RosterFileLines selected = SelectPilotLines(fileLines);
    ASSERT_EQ(selected.pilotLines.size(), 100);
    EXPECT_EQ(selected.pilotLines.first(), QStringLiteral("Pilot1,A,11"));
    EXPECT_EQ(selected.pilotLines.last(), QStringLiteral("Pilot100,A,10"));
    EXPECT_EQ(selected.leftOut, 20);
}

TEST(RosterFile, LeftOutMessageNamesFileAndCounts)
{
    EXPECT_EQ(LeftOutLinesMessage("club.txt", 100, 20),
              QStringLiteral("100 pilots were imported from \"club.txt\". The pilot list holds at most 100 pilots, so "
                             "20 lines were left out."));
    EXPECT_TRUE(LeftOutLinesMessage("club.txt", 100, 1).endsWith(QStringLiteral("so 1 line was left out.")));
}

} // namespace
