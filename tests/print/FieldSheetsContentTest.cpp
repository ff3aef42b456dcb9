// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/CalculationResult.h"
#include "print/HeatSheetContent.h"
#include "print/PilotListContent.h"
#include "roster/PilotRecord.h"
#include "text/SortCollation.h"

#include <gtest/gtest.h>
#include <random>

namespace {

const QStringList kLastNames{"novák", "Novák", "Adams", "Černá", "dvořák", "Zeman", "adams", "Šťastný"};
const QStringList kFirstNames{"Jan", "eva", "Petr", "Ivana"};

std::vector<PilotRecord> RandomRoster(std::mt19937& random, int count)
{
    std::vector<PilotRecord> pilots;
    for (int index = 0; index < count; ++index) {
        PilotRecord pilot;
        pilot.index = index;
        pilot.lastName = kLastNames[qsizetype(random() % kLastNames.size())];
        pilot.firstName = kFirstNames[qsizetype(random() % kFirstNames.size())];
        pilot.frequency = 10 + int(random() % 70);
        pilots.push_back(pilot);
    }
    return pilots;
}

class PilotListOverSeeds : public testing::TestWithParam<unsigned> {};

} // namespace

// The registration desk reads the list top to bottom: by last name, then
// first name, whatever the case, as the window's lists sort (Černá before
// dvořák, not after Zeman by the letters' codes); numbered from 1; every pilot once, with
// the team where any pilot of the contest is in one; the box to tick last
// and empty.
TEST_P(PilotListOverSeeds, ListsEveryPilotOnceInNameOrderIgnoringCase)
{
    std::mt19937 random(GetParam());
    std::vector<PilotRecord> pilots = RandomRoster(random, 1 + int(random() % 40));
    if (GetParam() % 2)
        for (PilotRecord& pilot : pilots)
            pilot.team = random() % 3 ? QString() : QStringLiteral("Orlík%1").arg(random() % 3);
    const bool withTeams = std::any_of(pilots.begin(), pilots.end(), [](const PilotRecord& p) { return !p.team.isEmpty(); });
    const QStringList titles = PilotListTitles(pilots);
    EXPECT_EQ(titles.contains(QStringLiteral("Team")), withTeams);
    const qsizetype team = titles.indexOf(QStringLiteral("Team"));
    const std::vector<QStringList> rows = PilotListRows(pilots);
    ASSERT_EQ(rows.size(), pilots.size());
    const QCollator collator = SortCollator();
    QStringList listed;
    for (size_t row = 0; row < rows.size(); ++row) {
        ASSERT_EQ(rows[row].size(), titles.size());
        EXPECT_EQ(rows[row][0], QString::number(row + 1));
        EXPECT_TRUE(rows[row].back().isEmpty());
        listed << rows[row][1] + u'|' + rows[row][2] + u'|' + rows[row][3] + u'|' + (team < 0 ? QString() : rows[row][team]);
        if (row > 0) {
            const int last = collator.compare(rows[row - 1][1], rows[row][1]);
            EXPECT_TRUE(last < 0 || (last == 0 && collator.compare(rows[row - 1][2], rows[row][2]) <= 0))
                << listed.join(" / ").toStdString();
        }
    }
    QStringList given;
    for (const PilotRecord& pilot : pilots)
        given << pilot.lastName + u'|' + pilot.firstName + u'|' + QString::number(pilot.frequency) + u'|' + pilot.team;
    given.sort();
    listed.sort();
    EXPECT_EQ(listed, given);
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, PilotListOverSeeds, testing::Range(1u, 21u));

// A sheet per heat in round and heat order, none for the fourth heat that no
// pilot fills, a row per placed pilot in slot order with the empty slots
// closed up, the columns to write in left empty.
TEST(HeatSheetContent, GivesEachHeatItsPilotsAndLeavesTheScorersColumnsBlank)
{
    std::mt19937 random(3);
    CalculationResult result;
    result.rounds = 2;
    result.heats = 4;
    result.pilots = RandomRoster(random, 7);
    for (int round = 0; round < 2; ++round)
        for (int pilot = 0; pilot < 7; ++pilot)
            result.matrix.Set(round, pilot % 3, 2 * (pilot / 3), (pilot + round) % 7);
    const std::vector<SheetColumn> columns = HeatSheetColumns(result);
    const std::vector<HeatSheet> sheets = HeatSheetsOf(result, columns);
    ASSERT_EQ(sheets.size(), 6u);
    EXPECT_EQ(sheets[4].heading, QStringLiteral("Round 02, Heat 02"));
    for (int round = 0; round < 2; ++round)
        for (int heat = 0; heat < 3; ++heat) {
            const HeatSheet& sheet = sheets[size_t(round * 3 + heat)];
            std::vector<int> expected;
            for (int pilot = heat; pilot < 7; pilot += 3)
                expected.push_back((pilot + round) % 7);
            ASSERT_EQ(sheet.rows.size(), expected.size()) << sheet.heading.toStdString();
            for (size_t row = 0; row < expected.size(); ++row) {
                const PilotRecord& pilot = result.pilots[size_t(expected[row])];
                EXPECT_EQ(sheet.rows[row].mid(0, 3),
                          (QStringList{pilot.lastName, pilot.firstName, QString::number(pilot.frequency)}));
                for (size_t column = 0; column < columns.size(); ++column)
                    EXPECT_EQ(sheet.rows[row][qsizetype(column)].isEmpty(), columns[column].IsBlank());
            }
        }
    EXPECT_EQ(columns.size(), 6u);  // neither teams nor timekeepers here

    // A team and a timekeeper bring their columns; the timekeeper is the
    // seat's own, named as the heat list names him.
    const int first = result.matrix.At(0, 0, 0);
    result.pilots[size_t(first)].team = QStringLiteral("Orlík");
    result.timekeepers.Set(0, 0, 0, result.matrix.At(0, 1, 0));
    const std::vector<SheetColumn> ruled = HeatSheetColumns(result);
    EXPECT_EQ(ColumnTitles(ruled).mid(3, 2), (QStringList{QStringLiteral("Team"), QStringLiteral("Timekeeper")}));
    const QStringList row = HeatSheetsOf(result, ruled)[0].rows[0];
    const PilotRecord& keeper = result.pilots[size_t(result.matrix.At(0, 1, 0))];
    EXPECT_EQ(row.mid(3, 2), (QStringList{QStringLiteral("Orlík"), keeper.lastName + u' ' + keeper.firstName}));
    EXPECT_EQ(HeatSheetsOf(result, ruled)[1].rows[0][4], QString());  // a seat nobody times
}
