// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/ContestDay.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QTableView>
#include <memory>

namespace {

class ScheduleViews : public MainWindowFixture {
protected:
    ScheduleViews()
    {
        ListPilots({"Adam,Jan,35", "Brown,Anne,35", "Cerny,Petr,40", "Dvorak,Ivo,41"});
        DialogDriver user(window);
        user.Type(IDC_ROUNDS, QStringLiteral("2"));
        user.Type(IDC_HEATS, QStringLiteral("2"));
        user.Type(IDC_PILOTS_PER_HEAT, QStringLiteral("3"));
        EXPECT_EQ(window.Recalculate(5).kind, CommandOutcome::Kind::Done);
        window.OnCommand(ID_VIEW_GRID, BN_CLICKED);
        grid = static_cast<QTableView*>(window.GetDlgItem(IDC_HEAT_GRID));
    }

    QModelIndex SeatOf(int round, int pilot) const
    {
        const CalculationResult& result = window.GetContest().result;
        const int rows = grid->model()->rowCount() / result.rounds;
        for (int heat = 0; heat < result.heats; ++heat)
            for (int seat = 0; seat < rows; ++seat)
                if (result.matrix.At(round, heat, seat) == pilot)
                    return grid->model()->index(round * rows + seat, heat);
        return {};
    }

    // What a mouse drag does at its end: the view takes the seat dragged from
    // and drops it where the pointer is over the grid.
    void Drag(const QModelIndex& from, const QModelIndex& onto)
    {
        const std::unique_ptr<QMimeData> data(grid->model()->mimeData({from}));
        const QPointF at = grid->visualRect(onto).center();
        QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(grid->viewport(), &enter);
        QDragMoveEvent move(at.toPoint(), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(grid->viewport(), &move);
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(grid->viewport(), &drop);
    }

    QTableView* grid = nullptr;
};

}  // namespace

// The grid takes the tree's place; a pilot dragged onto a pilot of another
// heat swaps with them as the contest day's swap does, one undo step; a drop
// that would seat two pilots of one channel together is refused with the
// reason, and the contest stays as it was.
TEST_F(ScheduleViews, TheHeatGridSwapsByDragAndDropAndRefusesABrokenRule)
{
    EXPECT_TRUE(grid->isVisibleTo(window.Window()));
    EXPECT_FALSE(window.GetDlgItem(IDC_RESULT_TREE)->isVisibleTo(window.Window()));
    const Contest before = window.GetContest();
    // Two pilots of different heats of round 2 whose swap keeps the rules.
    int one = 0;
    int other = 1;
    while (!SwapPilots(before, 1, one, other).contest && ++other == 4)
        other = ++one + 1;
    ASSERT_LT(one, 3);
    Drag(SeatOf(1, one), SeatOf(1, other));
    ASSERT_EQ(host.TakeMessages(), QStringList{});
    EXPECT_EQ(window.GetContest(), *SwapPilots(before, 1, one, other).contest);
    EXPECT_EQ(SeatOf(1, one).column(), *HeatOfPilot(before, 1, other));  // the grid shows the swap
    window.OnCommand(ID_UNDO, BN_CLICKED);
    EXPECT_EQ(window.GetContest(), before);

    // Adam shares channel 35 with Brown: he may not join Brown's heat of
    // round 1, neither by a swap with a heat mate nor by a move to a free seat.
    const QModelIndex brown = SeatOf(0, 1);
    Drag(SeatOf(0, 0), brown.siblingAtRow(brown.row() + 1));
    const QStringList refusals = host.TakeMessages();
    ASSERT_EQ(refusals.size(), 1);
    EXPECT_TRUE(refusals.front().contains(QStringLiteral("channel 35"))) << refusals.front().toStdString();
    EXPECT_EQ(window.GetContest(), before);
}
