// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HeatGridModel.h"

#include "contest/ContestDay.h"

#include <QMimeData>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Two rounds of two heats: heat 1 Pilot0 (35) and Pilot1 (40), heat 2
// Pilot2 (35) and Pilot3 (50), three seats a heat.
Contest TwoHeats()
{
    Contest contest;
    for (const auto& [name, channel] : {std::pair{"Pilot0", 35}, {"Pilot1", 40}, {"Pilot2", 35}, {"Pilot3", 50}})
        contest.pilots.push_back({int(contest.pilots.size()), QStringLiteral("Jan"), QString::fromLatin1(name), channel});
    contest.fields = {2, 2, 3};
    contest.result = {true, 2, 2, {}, contest.pilots};
    for (int round = 0; round < 2; ++round)
        for (int pilot = 0; pilot < 4; ++pilot)
            contest.result.matrix.Set(round, pilot / 2, pilot % 2, pilot);
    return contest;
}

// Drags the pilot in one seat onto another seat, as a view does.
bool Drop(HeatGridModel& model, const QModelIndex& from, const QModelIndex& onto)
{
    const std::unique_ptr<QMimeData> data(model.mimeData({from}));
    return data && model.dropMimeData(data.get(), Qt::MoveAction, -1, -1, onto);
}

}  // namespace

TEST(HeatGridModel, DropsSwapOrMovePilotsThroughTheContestDayAndRefuseWithTheReason)
{
    const Contest contest = TwoHeats();
    HeatGridModel model;
    model.SetContest(contest);
    int changes = 0;
    model.OnChanged([&](const Contest&) { ++changes; });
    ASSERT_EQ(model.rowCount(), 6);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.data(model.SeatIndex(1, 0, 1)).toString(), QStringLiteral("[40] Pilot1 Jan"));
    EXPECT_FALSE(model.flags(model.SeatIndex(0, 0, 2)) & Qt::ItemIsDragEnabled);

    // Pilot1 onto Pilot2 would put Pilot2 beside Pilot0, both on channel 35.
    EXPECT_FALSE(Drop(model, model.SeatIndex(0, 0, 1), model.SeatIndex(0, 1, 0)));
    EXPECT_TRUE(model.LastRefusal().contains("channel 35")) << model.LastRefusal().toStdString();
    EXPECT_EQ(model.GetContest(), contest);

    ASSERT_TRUE(Drop(model, model.SeatIndex(0, 0, 1), model.SeatIndex(0, 1, 1))) << model.LastRefusal().toStdString();
    const Contest swapped = *SwapPilots(contest, 0, 1, 3).contest;
    EXPECT_EQ(model.GetContest(), swapped);

    // Pilot3, now in heat 1, onto the free seat of heat 2: a move, and heat 2 holds three.
    ASSERT_TRUE(Drop(model, model.SeatIndex(0, 0, 1), model.SeatIndex(0, 1, 2))) << model.LastRefusal().toStdString();
    EXPECT_EQ(model.GetContest(), *MovePilot(swapped, 0, 3, 1).contest);
    EXPECT_EQ(model.data(model.SeatIndex(0, 1, 2)).toString(), QStringLiteral("[50] Pilot3 Jan"));

    EXPECT_FALSE(Drop(model, model.SeatIndex(0, 1, 0), model.SeatIndex(1, 0, 2)));
    EXPECT_FALSE(model.LastRefusal().isEmpty());
    EXPECT_EQ(changes, 2);
}
