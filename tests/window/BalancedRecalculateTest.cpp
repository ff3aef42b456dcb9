// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/DrawStatistics.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTableWidget>

namespace {

class BalancedRecalculation : public MainWindowFixture {
protected:
    BalancedRecalculation() { window.SetClock([] { return 1733550000LL; }); }

    void ListPilotsOnOwnChannels(int pilots)
    {
        for (int pilot = 0; pilot < pilots; ++pilot)
            window.PilotList().AddString(QStringLiteral("Pilot%1,Jan,%2").arg(pilot, 3, 10, QChar(u'0')).arg(pilot + 1));
        window.RebuildRoster();
    }

    void StartFromMenu(int rounds, int heats, int pilotsPerHeat)
    {
        window.SetDlgItemText(IDC_ROUNDS, QString::number(rounds));
        window.SetDlgItemText(IDC_HEATS, QString::number(heats));
        window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QString::number(pilotsPerHeat));
        window.OnCommand(ID_RECALCULATE_BALANCED, BN_CLICKED);
    }

    // A table of the open statistics window, by its name.
    static const QTableWidget* OpenTable(const char* name)
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (const auto* table = top->findChild<QTableWidget*>(QLatin1String(name)); table)
                return table;
        return nullptr;
    }

    bool MenuItemEnabled(int id)
    {
        for (QAction* action : window.MenuBar()->findChildren<QAction*>())
            if (action->data().toInt() == id)
                return action->isEnabled();
        return false;
    }
};

}  // namespace

// Nine pilots on their own channels, four rounds of three heats of three:
// the schedule in which every pair meets exactly once exists, and the
// counting bound says so, so the search ends there.
TEST_F(BalancedRecalculation, MenuSearchesInTheBackgroundThenTheStatisticsWindowShowsThatResult)
{
    ListPilotsOnOwnChannels(9);
    StartFromMenu(4, 3, 3);
    ASSERT_TRUE(window.IsBalancing());
    EXPECT_FALSE(MenuItemEnabled(ID_IMPORT_PILOTS));
    EXPECT_FALSE(MenuItemEnabled(ID_RECALCULATE));
    EXPECT_TRUE(MenuItemEnabled(ID_SHOW_STATISTICS));
    // The contest day's changes wait too: the search's schedule would replace theirs.
    for (const int command : {ID_DELETE_PILOT, ID_WITHDRAW_PILOT, ID_REDRAW_FROM, ID_LATE_ENTRY, ID_SWAP_PILOTS, ID_MOVE_PILOT}) {
        EXPECT_FALSE(MenuItemEnabled(command)) << command;
        window.OnCommand(command, BN_CLICKED);
        EXPECT_EQ(host.TakeMessages(), QStringList{"A balanced calculation is running. Press Escape or Stop to end it first."});
    }
    EXPECT_EQ(window.GetRosterCount(), 9);

    ASSERT_TRUE(WaitForTheSearch());
    EXPECT_TRUE(host.Messages().isEmpty()) << host.Messages().join(u'\n').toStdString();
    EXPECT_TRUE(MenuItemEnabled(ID_IMPORT_PILOTS));
    const CalculationResult& result = window.GetResult();
    ASSERT_TRUE(result.completed);
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS),
              QStringLiteral("Most meetings 1 (bound 1), pairs never met 0 (bound 0) - the best possible schedule, seed %1").arg(window.GetContest().draw.seed));

    QString figures;
    QStringList gridRow;
    QStringList histogram;
    QSize gridGrowth;
    host.ExpectDialog(IDD_STATISTICS, [&](DialogDriver& user) {
        figures = user.Text(IDC_STATISTICS_FIGURES);
        if (const QTableWidget* grid = OpenTable("meetingGrid")) {
            for (int column = 0; column < grid->columnCount(); ++column)
                gridRow << grid->item(4, column)->text();
            // A larger statistics window gives all its room to the grid.
            QWidget* shown = grid->window();
            shown->show();
            const QSize before = grid->size();
            shown->resize(shown->size() + QSize(120, 80));
            QApplication::sendPostedEvents();
            gridGrowth = grid->size() - before;
        }
        if (const QTableWidget* pairs = OpenTable("meetingHistogram")) {
            for (int row = 0; row < pairs->rowCount(); ++row)
                histogram << pairs->item(row, 0)->text() + u' ' + pairs->item(row, 1)->text();
        }
        user.PressOk();
    });
    window.OnCommand(ID_SHOW_STATISTICS, BN_CLICKED);
    // The fifth pilot met all eight others once; the histogram has no pair
    // that never met.
    EXPECT_EQ(gridRow, QStringList({"8/8", "1", "1", "1", "1", "", "1", "1", "1", "1"}));
    EXPECT_EQ(histogram, QStringList({"0× 0", "1× 36"}));
    EXPECT_EQ(gridGrowth, QSize(120, 80));
    EXPECT_TRUE(figures.contains(QStringLiteral("Nejvíce setkání jedné dvojice: 1 (mez: nejméně 1)"))) << figures.toStdString();
    EXPECT_TRUE(figures.contains(QStringLiteral("Nejméně setkání jedné dvojice: 1 (mez: nejvýše 1)"))) << figures.toStdString();
    EXPECT_TRUE(figures.contains(QStringLiteral("Dvojice, které se nepotkaly: 0 z 36 (mez: nejméně 0)")))
        << figures.toStdString();
}

// A hundred pilots in 25 rounds of ten heats of ten cannot reach the bound,
// so only Escape or Stop end the search this soon. Either keeps a whole
// schedule, and Escape leaves the window open.
TEST_F(BalancedRecalculation, EscapeOrStopEndsTheSearchKeepingACompleteSchedule)
{
    ListPilotsOnOwnChannels(100);
    for (const auto stop : {+[](CRaceDlg& raceWindow) { raceWindow.OnEscapeKey(); },
                            +[](CRaceDlg& raceWindow) { raceWindow.OnCommand(IDC_STOP_BALANCE, BN_CLICKED); }}) {
        StartFromMenu(25, 10, 10);
        ASSERT_TRUE(window.IsBalancing());
        EXPECT_TRUE(window.GetDlgItem(IDC_STOP_BALANCE)->isEnabled());
        stop(window);
        ASSERT_TRUE(WaitForTheSearch());
        EXPECT_FALSE(window.HasEnded());
        EXPECT_FALSE(window.GetDlgItem(IDC_STOP_BALANCE)->isEnabled());
        EXPECT_TRUE(window.GetResult().completed);
        EXPECT_EQ(window.GetResult().pilots.size(), 100u);
        EXPECT_TRUE(window.GetDlgItemText(IDC_STATUS).contains(QStringLiteral(" - stopped early, seed ")))
            << window.GetDlgItemText(IDC_STATUS).toStdString();
    }
}

// A search stopped early must not leave its stop behind: the next one in the
// same window spends its whole budget (40 pilots in ten rounds of four heats
// never reach the bound) and ends without "stopped early".
TEST_F(BalancedRecalculation, SearchAfterAStoppedOneRunsToItsEnd)
{
    ListPilotsOnOwnChannels(100);
    StartFromMenu(25, 10, 10);
    ASSERT_TRUE(window.IsBalancing());
    window.OnCommand(IDC_STOP_BALANCE, BN_CLICKED);
    ASSERT_TRUE(WaitForTheSearch());

    window.PilotList().ResetContent();
    ListPilotsOnOwnChannels(40);
    StartFromMenu(10, 4, 10);
    ASSERT_TRUE(WaitForTheSearch());
    EXPECT_TRUE(host.Messages().isEmpty()) << host.Messages().join(u'\n').toStdString();
    EXPECT_EQ(window.GetResult().pilots.size(), 40u);
    const QString status = window.GetDlgItemText(IDC_STATUS);
    EXPECT_TRUE(status.startsWith(QStringLiteral("Most meetings "))) << status.toStdString();
    EXPECT_FALSE(status.contains(QStringLiteral(" - "))) << status.toStdString();
}

// The menu's balanced draw refuses an empty pilot list as the random one does.
TEST_F(BalancedRecalculation, EmptyPilotListIsRefusedLikeTheRandomDraw)
{
    window.OnCommand(ID_RECALCULATE, BN_CLICKED);
    window.OnCommand(ID_RECALCULATE_BALANCED, BN_CLICKED);
    EXPECT_FALSE(window.IsBalancing());
    const QStringList messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("The pilot list is empty."))) << messages[0].toStdString();
    EXPECT_EQ(messages[1], messages[0]);
}

// The balanced redraw from a round searches as the full draw does: the
// status line follows it, Escape ends it with a whole schedule.
TEST_F(BalancedRecalculation, EscapeEndsABalancedRedrawKeepingTheRoundsBefore)
{
    ListPilotsOnOwnChannels(100);
    StartFromMenu(25, 10, 10);
    window.OnCommand(IDC_STOP_BALANCE, BN_CLICKED);
    ASSERT_TRUE(WaitForTheSearch());
    RedrawFromMenu(10, true);
    while (window.IsBalancing() && !window.GetDlgItemText(IDC_STATUS).endsWith(QStringLiteral(" - Escape stops")))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(window.IsBalancing());
    window.OnEscapeKey();
    ASSERT_TRUE(WaitForTheSearch());
    EXPECT_TRUE(window.GetDlgItemText(IDC_STATUS).contains(QStringLiteral(" - stopped early, seed ")));
    EXPECT_TRUE(window.GetResult().completed);
    EXPECT_EQ(window.GetContest().draw.fromRound, 10);
}
