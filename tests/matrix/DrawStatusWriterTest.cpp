#include "matrix/DrawStatusWriter.h"

#include "matrix/DrawRosters.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct StatusLine {
    QStringList written;
    DrawStatusWriter writer{[this](const QString& text) { written << text; }};
};

} // namespace

TEST(DrawStatusWriter, WritesTheStatusTextsOfAnAttempt)
{
    StatusLine status;
    status.writer.ClearingData();
    status.writer.BuildingPilotList();
    status.writer.WorkingOn(1, 2);
    status.writer.FrequencyConflict(12, 10, 35);
    status.writer.AttemptCompleted();
    EXPECT_EQ(status.written, (QStringList{"Clearing data...", "Building Pilots' list...", "Working Round 1, Heat 2",
                                           "Freq conflict Round 12, Heat 10, channel 35. Retrying...", ""}));
}

TEST(DrawStatusWriter, SkipsATextThatIsAlreadyShown)
{
    StatusLine status;
    status.writer.WorkingOn(1, 1);
    status.writer.WorkingOn(1, 1);
    status.writer.FrequencyConflict(1, 1, 35);
    status.writer.FrequencyConflict(1, 1, 35);
    status.writer.FrequencyConflict(1, 1, 36);
    status.writer.WorkingOn(1, 1);
    status.writer.WorkingOn(1, 2);
    EXPECT_EQ(status.written,
              (QStringList{"Working Round 1, Heat 1", "Freq conflict Round 1, Heat 1, channel 35. Retrying...",
                           "Freq conflict Round 1, Heat 1, channel 36. Retrying...", "Working Round 1, Heat 1",
                           "Working Round 1, Heat 2"}));
}

TEST(DrawStatusWriter, FailedCommandLeavesItsLastTextAndCompletedOneAnEmptyLine)
{
    const auto roster = RosterOnOneChannel(3);
    const auto order = ListOrderOf(3);
    StatusLine failed;
    SeededRandom failing(1);
    DrawMatrix({roster, order, {1, 1, 3}}, failing, failed.writer);
    EXPECT_EQ(failed.written.last(), QStringLiteral("Freq conflict Round 1, Heat 1, channel 35. Retrying..."));

    StatusLine completed;
    SeededRandom completing(1);
    DrawMatrix({roster, order, {1, 3, 2}}, completing, completed.writer);
    EXPECT_EQ(completed.written.first(), QStringLiteral("Clearing data..."));
    EXPECT_EQ(completed.written.last(), QString());
}
