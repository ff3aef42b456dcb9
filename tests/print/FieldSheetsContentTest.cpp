// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/CalculationResult.h"
#include "print/HeatSheetContent.h"
#include "print/PilotListContent.h"
#include "roster/PilotRecord.h"

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
// first name, whatever the case; numbered from 1; every pilot once.
TEST_P(PilotListOverSeeds, ListsEveryPilotOnceInNameOrderIgnoringCase)
{
    std::mt19937 random(GetParam());
    const std::vector<PilotRecord> pilots = RandomRoster(random, 1 + int(random() % 40));
    const std::vector<QStringList> rows = PilotListRows(pilots);
    ASSERT_EQ(rows.size(), pilots.size());
    QStringList listed;
    for (size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(rows[row][0], QString::number(row + 1));
        EXPECT_TRUE(rows[row][4].isEmpty());
        listed << rows[row][1] + u'|' + rows[row][2] + u'|' + rows[row][3];
        if (row > 0) {
            const int last = rows[row - 1][1].compare(rows[row][1], Qt::CaseInsensitive);
            EXPECT_TRUE(last < 0 || (last == 0 && rows[row - 1][2].compare(rows[row][2], Qt::CaseInsensitive) <= 0))
                << listed.join(" / ").toStdString();
        }
    }
    QStringList given;
    for (const PilotRecord& pilot : pilots)
        given << pilot.lastName + u'|' + pilot.firstName + u'|' + QString::number(pilot.frequency);
    given.sort();
    listed.sort();
    EXPECT_EQ(listed, given);
}

INSTANTIATE_TEST_SUITE_P(TwentySeeds, PilotListOverSeeds, testing::Range(1u, 21u));

// A sheet per heat in round and heat order, a row per placed pilot in slot
// order with the empty slots closed up, the columns to write in left empty.
TEST(HeatSheetContent, GivesEachHeatItsPilotsAndLeavesTheScorersColumnsBlank)
{
    std::mt19937 random(3);
    CalculationResult result;
    result.rounds = 2;
    result.heats = 3;
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
