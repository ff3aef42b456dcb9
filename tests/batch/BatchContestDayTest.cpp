// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchOptions.h"
#include "batch/DayStepRun.h"
#include "contest/ContestFile.h"
#include "contest/ContestRedraw.h"
#include "support/KvoraxProcess.h"

#include "../contest/ContestDayFixture.h"

#include <QTemporaryDir>

namespace {

std::optional<QString> ParseError(const QStringList& arguments)
{
    const auto parsed = ParseBatchArguments(arguments);
    if (const auto* error = std::get_if<BatchArgumentError>(&parsed))
        return error->reason;
    return std::nullopt;
}

}  // namespace

TEST(BatchContestDay, EachChangeTakesItsRoundRightAfterItAndMayBeRepeated)
{
    const QStringList day = {"--open", "c.kvorax", "--withdraw", "Pilot1,Jan", "--from-round", "3",
                             "--withdraw", "Pilot2,Jan", "--from-round", "4", "--late", "Late,Eva,61", "--from-round",
                             "2", "--swap", "Pilot3,Jan", "Pilot4,Jan", "--round", "5", "--redraw-from", "4",
                             "--move", "Pilot5,Jan", "--round", "2", "--heat", "3"};
    const auto parsed = ParseBatchArguments(day);
    ASSERT_TRUE(std::holds_alternative<BatchOptions>(parsed)) << ParseError(day)->toStdString();
    const std::vector<DayStep>& steps = std::get<BatchOptions>(parsed).daySteps;
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[1].lastName, "Pilot2");
    EXPECT_EQ(steps[1].round, 4);
    EXPECT_EQ(steps[2].channel, 61);
    EXPECT_EQ(steps[3].otherLastName, "Pilot4");
    EXPECT_EQ(steps[4].kind, DayStep::Kind::Redraw);
    EXPECT_EQ(steps[5].kind, DayStep::Kind::Move);
    EXPECT_EQ(steps[5].round * 10 + steps[5].heat, 23);
    const struct {
        QStringList arguments;
        const char* reason;
    } refused[] = {
        {{"--open", "c.kvorax", "--withdraw", "Pilot1,Jan"}, "--from-round K right after"},
        {{"--open", "c.kvorax", "--from-round", "3", "--withdraw", "Pilot1,Jan"}, "belongs right after"},
        {{"--open", "c.kvorax", "--swap", "Pilot1,Jan", "Pilot2,Jan", "--from-round", "3"}, "--round K"},
        {{"--open", "c.kvorax", "--late", "Late,Eva", "--from-round", "3"}, "LAST,FIRST,CHANNEL"},
        {{"--open", "c.kvorax", "--late", "Late,Eva,99", "--from-round", "3"}, "channel"},
        {{"--open", "c.kvorax", "--redraw-from", "0"}, "from 1 to 25"},
        {{"--open", "c.kvorax", "--move", "Pilot1,Jan", "--round", "2"}, "--heat H"},
        {{"--open", "c.kvorax", "--move", "Pilot1,Jan", "--round", "2", "--heat", "11"}, "from 1 to 10"},
        {{"--import", "p.txt", "--redraw-from", "2"}, "need --open"},
    };
    for (const auto& [arguments, reason] : refused) {
        const std::optional<QString> error = ParseError(arguments);
        ASSERT_TRUE(error) << arguments.join(' ').toStdString();
        EXPECT_TRUE(error->contains(QLatin1String(reason))) << error->toStdString();
    }
}

// The run changes the opened contest as the core operations do, in the order
// given; a change that breaks a rule ends it with status 1 and saves nothing.
TEST(BatchContestDay, SavesWhatTheOperationsGiveAndNothingWhenOneIsRefused)
{
    QTemporaryDir folder;
    const Contest contest = DrawnContest({10, 11, 12, 13, 14, 15, 16, 17, 10, 11, 12, 13}, {5, 3, 5}, 3);
    const QString opened = folder.filePath("c.kvorax");
    WriteBytes(opened, ContestFileBytes(contest));
    Contest expected = *WithdrawPilot(contest, 1, 3).contest;
    expected = *EnterLatePilot(expected, {0, "Eva", "Late", 61}, 2).contest;
    expected = *RedrawFromRound(expected, 4, DrawKind::Random, 9).contest;
    const QString saved = folder.filePath("day.kvorax");
    const KvoraxRun run = RunKvorax({"--open", opened, "--withdraw", "Pilot1,Jan", "--from-round", "3", "--late",
                                     "Late,Eva,61", "--from-round", "2", "--redraw-from", "4", "--seed", "9", "--save",
                                     saved});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(ReadBytes(saved), ContestFileBytes(expected));

    // Pilot0 and Pilot8 alone fly on channel 10: Pilot0 into Pilot8's heat clashes.
    const std::vector<int> heatOf8 = HeatMembers(contest, 0, *HeatOfPilot(contest, 0, 8));
    const int partner = heatOf8.front() == 8 ? heatOf8.back() : heatOf8.front();
    const QString refusedPath = folder.filePath("refused.kvorax");
    const KvoraxRun refused = RunKvorax({"--open", opened, "--withdraw", "Pilot1,Jan", "--from-round", "3", "--swap",
                                         "Pilot0,Jan", QStringLiteral("Pilot%1,Jan").arg(partner), "--round", "1",
                                         "--save", refusedPath});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.errors.contains("channel 10")) << refused.errors.toStdString();
    EXPECT_FALSE(QFile::exists(refusedPath));
}

// A whole new draw after a contest day seats everyone in every round, so it
// drops the day's marks; a schedule drawn with them kept would be saved into
// a file that no longer opens.
TEST(BatchContestDay, AWholeNewDrawAfterTheDayStartsAfreshAndItsFileOpens)
{
    QTemporaryDir folder;
    const Contest contest = DrawnContest({10, 11, 12, 13, 14, 15, 16, 17}, {4, 2, 5}, 5);
    Contest day = *WithdrawPilot(contest, 2, 2).contest;
    day = *EnterLatePilot(day, {0, "Eva", "Late", 61}, 3).contest;
    const QString opened = folder.filePath("day.kvorax");
    WriteBytes(opened, ContestFileBytes(day));
    for (const char* draw : {"--recalculate", "--balanced"}) {
        const QString saved = folder.filePath(QStringLiteral("new%1.kvorax").arg(QLatin1String(draw)));
        const KvoraxRun run = RunKvorax({"--open", opened, draw, "--seed", "4", "--save", saved});
        ASSERT_EQ(run.status, 0) << run.errors.toStdString();
        const ContestFileReading reading = ReadContestFile(ReadBytes(saved));
        ASSERT_TRUE(reading.contest) << draw << ": " << reading.error.toStdString();
        EXPECT_EQ(reading.contest->result.pilots.size(), 9u);
        for (const PilotRecord& pilot : reading.contest->result.pilots)
            EXPECT_TRUE(pilot.FliesInRound(0) && pilot.FliesInRound(3)) << draw;
    }
}

// A move runs as the core's move of the pilot named, rounds and heats from 1.
TEST(BatchContestDay, AMoveStepMovesThePilotNamed)
{
    const Contest contest = DrawnContest({10, 11, 12, 13, 14, 15, 16, 17}, {3, 3, 4}, 2);
    for (int heat = 0; heat < 3; ++heat) {
        const ContestDayChange step = RunDayStep(contest, {DayStep::Kind::Move, "Pilot4", "Jan", {}, {}, 0, 2, heat + 1}, {});
        EXPECT_EQ(step.contest, MovePilot(contest, 1, 4, heat).contest);
        EXPECT_EQ(bool(step.contest), heat != *HeatOfPilot(contest, 1, 4) && HeatMembers(contest, 1, heat).size() < 4);
    }
}
